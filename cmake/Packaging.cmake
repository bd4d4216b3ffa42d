# The Debian package, made by `cpack -G DEB` from a Release build (scripts/package). What goes
# into it is what `cmake --install` installs (packaging/CMakeLists.txt).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME table)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Разработчики программы <table@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# What `cmake --install` installs, and the package's own documents beside it.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "periodic table of the chemical elements, in Russian
Table shows the periodic table in its short form (eight groups with subgroups
A and B) or its long form (18 columns), coloured by block and by metallic
character, with a card for every element: names, atomic mass,
electronegativity, electron formula and shells. The table zooms, prints and
saves as PNG, SVG or PDF; a handbook has a page on every element.
.
The package also holds tarvik, a calculator of the molar mass and
composition of a chemical formula, in a window or on the command line.
.
The program speaks Russian only.")

# Binaries without their symbols: a twentieth of the size.
set(CPACK_STRIP_FILES ON)

# The libraries the binaries link are found by dpkg-shlibdeps. What they load at run time it
# cannot see, so that is named here, without versions: the fonts that stand in for Arial, the
# toolkit's SVG icon plugin and the SQLite driver of the help's search; the toolkit's Russian
# texts for its own dialogs are welcome but not needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6svg6, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

# Files and folders owned by root with the usual modes, whatever the umask of the build.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)

#pragma once

#include <functional>
#include <optional>
#include <string>

namespace table {

// An environment variable's value, or nothing where it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// Whether the D-Bus library could find no session bus at all: no address is named, nothing lies
// at the per-user runtime folder's bus socket, and no dbus-launch could be started to bring one
// up (in libraryFolder, where the D-Bus library looks first, or on a PATH that is set). Unsure
// answers are no.
bool NoSessionBusToFind(const EnvironmentLookup& variable,
                        const std::string& libraryFolder = "/usr/bin");

// Where no session bus can be found, names the bus "disabled:" in DBUS_SESSION_BUS_ADDRESS, so
// that the toolkit's accessibility bridge learns so at once: otherwise the D-Bus library forks to
// run a dbus-launch that is not there, at every start and before the first window shows. The
// programs started from here meet no bus either way. Call before any other thread starts.
void NameAbsentSessionBus();

}  // namespace table

#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace table {

// Reads values of keys under HKEY_LOCAL_MACHINE, or whatever stands in for them.
class RegistryReader {
 public:
  virtual ~RegistryReader() = default;
  // The text of a value, or nothing when the key or the value is missing. A string value yields
  // its text, a 32-bit number value the text of RegistryNumberText, any other value an empty text.
  virtual std::optional<QString> readValue(const QString& key, const QString& valueName) = 0;
};

// The text a 32-bit number value reads as: the number in decimal, unsigned.
QString RegistryNumberText(std::uint32_t value);

// The key and value that name the system-information program.
inline constexpr auto kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr auto kSysInfoValue = "PATH";
// The key and value that name the directory holding the system-information program.
inline constexpr auto kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr auto kSysInfoLocationValue = "MSINFO";

// There is no registry on Linux. This reader answers only the value that names the
// system-information program, with the full path of a system-information program installed on
// the search path: the desktop's own first (kinfocenter on KDE, gnome-system-monitor on GNOME,
// xfce4-taskmanager on Xfce ...), else the first installed of the others; every other value is
// missing.
class LinuxRegistry : public RegistryReader {
 public:
  // Finds a program by name: its full path, or an empty text.
  using ExecutableFinder = std::function<QString(const QString& name)>;

  // Searches PATH with QStandardPaths::findExecutable, for the desktop XDG_CURRENT_DESKTOP names.
  LinuxRegistry();
  // `desktop` as XDG_CURRENT_DESKTOP gives it: names separated by colons, such as "ubuntu:GNOME".
  explicit LinuxRegistry(ExecutableFinder finder, QString desktop = {});

  std::optional<QString> readValue(const QString& key, const QString& valueName) override;

  // The programs tried on `desktop`, in order.
  static QStringList SysInfoPrograms(const QString& desktop);

 private:
  ExecutableFinder m_finder;
  QString m_desktop;
};

}  // namespace table

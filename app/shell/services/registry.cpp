#include "app/shell/services/registry.h"

#include <QStandardPaths>
#include <utility>

namespace table {

QString RegistryNumberText(std::uint32_t value) {
  // The number itself in decimal. Joining the bytes' unpadded hexadecimal digits, as a
  // byte-by-byte reading would, drops the zeros of inner bytes below 0x10 (0x102 would read 18).
  return QString::number(value);
}

LinuxRegistry::LinuxRegistry()
    : LinuxRegistry([](const QString& name) { return QStandardPaths::findExecutable(name); }) {}

LinuxRegistry::LinuxRegistry(ExecutableFinder finder) : m_finder(std::move(finder)) {}

QStringList LinuxRegistry::SysInfoPrograms() {
  return {QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor"),
          QStringLiteral("ksysguard"), QStringLiteral("xfce4-taskmanager")};
}

std::optional<QString> LinuxRegistry::readValue(const QString& key, const QString& valueName) {
  // Registry names ignore case.
  if (key.compare(QLatin1String(kSysInfoKey), Qt::CaseInsensitive) != 0 ||
      valueName.compare(QLatin1String(kSysInfoValue), Qt::CaseInsensitive) != 0) {
    return std::nullopt;
  }
  for (const QString& program : SysInfoPrograms()) {
    const QString path = m_finder(program);
    if (!path.isEmpty()) return path;
  }
  return std::nullopt;
}

}  // namespace table

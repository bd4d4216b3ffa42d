#include "app/shell/services/registry.h"

#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace table {

QString RegistryNumberText(std::uint32_t value) {
  // The number itself in decimal. Joining the bytes' unpadded hexadecimal digits, as a
  // byte-by-byte reading would, drops the zeros of inner bytes below 0x10 (0x102 would read 18).
  return QString::number(value);
}

namespace {

// The system-information programs of the desktops, each with the names, separated by colons,
// that XDG_CURRENT_DESKTOP gives its desktops.
struct DesktopProgram {
  const char* desktops;
  const char* program;
};

constexpr DesktopProgram kDesktopPrograms[] = {
    {"KDE", "kinfocenter"},        {"GNOME:Unity:Cinnamon:Budgie:Pantheon", "gnome-system-monitor"},
    {"XFCE", "xfce4-taskmanager"}, {"MATE", "mate-system-monitor"},
    {"LXDE:LXQt", "lxtask"},
};

// Programs of no one desktop, tried after the desktop's own, and before the other desktops'.
constexpr const char* kGeneralPrograms[] = {"hardinfo", "hardinfo2"};

}  // namespace

LinuxRegistry::LinuxRegistry()
    : LinuxRegistry([](const QString& name) { return QStandardPaths::findExecutable(name); },
                    qEnvironmentVariable("XDG_CURRENT_DESKTOP")) {}

LinuxRegistry::LinuxRegistry(ExecutableFinder finder, QString desktop)
    : m_finder(std::move(finder)), m_desktop(std::move(desktop)) {}

QStringList LinuxRegistry::SysInfoPrograms(const QString& desktop) {
  const QStringList names = desktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
  QStringList own;
  QStringList others;
  for (const DesktopProgram& entry : kDesktopPrograms) {
    const QStringList desktops = QString::fromLatin1(entry.desktops).split(QLatin1Char(':'));
    const bool ours = std::any_of(names.begin(), names.end(), [&](const QString& name) {
      return desktops.contains(name, Qt::CaseInsensitive);
    });
    (ours ? own : others) << QString::fromLatin1(entry.program);
  }
  for (const char* program : kGeneralPrograms) own << QString::fromLatin1(program);
  return own + others + QStringList{QStringLiteral("ksysguard")};
}

std::optional<QString> LinuxRegistry::readValue(const QString& key, const QString& valueName) {
  // Registry names ignore case.
  if (key.compare(QLatin1String(kSysInfoKey), Qt::CaseInsensitive) != 0 ||
      valueName.compare(QLatin1String(kSysInfoValue), Qt::CaseInsensitive) != 0) {
    return std::nullopt;
  }
  for (const QString& program : SysInfoPrograms(m_desktop)) {
    const QString path = m_finder(program);
    if (!path.isEmpty()) return path;
  }
  return std::nullopt;
}

}  // namespace table

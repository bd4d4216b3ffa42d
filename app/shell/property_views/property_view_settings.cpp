#include "app/shell/property_views/property_view_settings.h"

#include <QSettings>

#include "app/shell/settings/config_location.h"

namespace table {
namespace {

int ReadInt(const QSettings& file, const char* key, int lowest, int highest, int fallback) {
  bool ok = false;
  const int value = file.value(key).toInt(&ok);
  return ok && value >= lowest && value <= highest ? value : fallback;
}

}  // namespace

QString PropertyViewIniPath() {
  return ConfigDirectory() + "/PropertyView.ini";
}

periodic::PropertyView ReadPropertyView(const QString& path) {
  const QSettings file(path, QSettings::IniFormat);
  periodic::PropertyView view;
  view.kind = static_cast<periodic::PropertyViewKind>(
      ReadInt(file, "PropertyView/View", 0, periodic::kPropertyViewKindCount - 1, 0));
  view.temperature = ReadInt(file, "PropertyView/Temperature", periodic::kLowestTemperature,
                             periodic::kHighestTemperature, periodic::kRoomTemperature);
  view.year = ReadInt(file, "PropertyView/Year", periodic::kEarliestYear, view.year, view.year);
  return view;
}

bool WritePropertyView(const QString& path, const periodic::PropertyView& view) {
  QSettings file(path, QSettings::IniFormat);
  file.setValue("PropertyView/View", static_cast<int>(view.kind));
  file.setValue("PropertyView/Temperature", view.temperature);
  file.setValue("PropertyView/Year", view.year);
  file.sync();
  return file.status() == QSettings::NoError;
}

}  // namespace table

#pragma once

#include <QString>

#include "table/property_view.h"

namespace table {

// PropertyView.ini, the property views' own settings file beside Table.ini (never inside it or
// Table.cfg, which stay as they were): the chosen view and the values of its sliders.
QString PropertyViewIniPath();

// The stored view; a missing file, key or value out of range gives that value's default (no
// view, 298 K, the current year).
periodic::PropertyView ReadPropertyView(const QString& path);

// Writes the view; false when the file cannot be written.
bool WritePropertyView(const QString& path, const periodic::PropertyView& view);

}  // namespace table

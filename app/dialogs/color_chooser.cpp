#include "app/dialogs/color_chooser.h"

#include <QColorDialog>

#include "platform/painter_sink.h"
#include "table/color.h"

namespace table {

std::int32_t QtColorChooser::chooseColor(QWidget* parent, std::int32_t initial) {
  // Qt's chooser always shows its custom-colour part.
  const QColor chosen = QColorDialog::getColor(periodic::ToQColor(initial), parent, "Цвет");
  if (!chosen.isValid()) return initial;
  return periodic::RgbColor(chosen.red(), chosen.green(), chosen.blue());
}

}  // namespace table

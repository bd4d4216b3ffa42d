#pragma once

#include <cstdint>

class QWidget;

namespace table {

// The colour chooser. It opens on the given colour with its custom-colour part shown. The
// program shows the real dialog; tests answer it.
class ColorChooser {
 public:
  virtual ~ColorChooser() = default;
  // Colours are 0x00BBGGRR. Returns the chosen colour; a cancelled dialog returns `initial`.
  virtual std::int32_t chooseColor(QWidget* parent, std::int32_t initial) = 0;
};

// The real dialog.
class QtColorChooser : public ColorChooser {
 public:
  std::int32_t chooseColor(QWidget* parent, std::int32_t initial) override;
};

}  // namespace table

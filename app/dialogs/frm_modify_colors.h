#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vexel {
class VexelControl;
}

namespace table {

class ColorChooser;
class ColorSwatch;

// The colour dialog "Цвета": the table's twelve scheme colours, its background and the switch
// of the element-type colours. The swatches hold a working copy; the table changes only when
// the copy is saved (OK, "Применить") or the defaults are restored.
class frmModifyColors : public QDialog {
  Q_OBJECT

 public:
  // The rows: 0-3 block colours (shown as text colours), 4-7 metallic character, 8 the table's
  // background, 9-12 element types.
  static constexpr int kRows = 13;

  frmModifyColors(vexel::VexelControl& halden, ColorChooser& chooser, QWidget* parent = nullptr);

  // Writes the swatches into the scheme; repaints the table once when something changed.
  void SaveOptions();
  // Something changed since the dialog was loaded or last saved.
  bool ColorsModified() const { return m_colorsModified; }

  // The sample of block row i (0-3): "He", "O", "Fe", "U".
  static QString SampleText(int row);

  QWidget* picContainer = nullptr;
  QGroupBox* fraSPDFColors = nullptr;
  QGroupBox* fraMetalicProperties = nullptr;
  QGroupBox* fraElementTypeColors = nullptr;
  QCheckBox* chbDifferByElementType = nullptr;
  std::array<ColorSwatch*, kRows> picViewColor{};
  std::array<QPushButton*, kRows> cbChangeColor{};
  std::array<QLabel*, kRows> lblColorType{};
  QPushButton* cbRestoreDefaults = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
  QPushButton* cmdApply = nullptr;

 private:
  void createControls();
  void createRow(int row, QWidget* parent, int top, int swatchLeft, int labelLeft, int buttonLeft);
  void load();
  void markModified();
  void onTypeSwitchClicked();
  void chooseColor(int row);
  void restoreDefaults();
  void enableTypeButtons();

  vexel::VexelControl& m_halden;
  ColorChooser& m_chooser;
  bool m_colorsModified = false;
};

}  // namespace table

#include "app/dialogs/frm_modify_colors.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/dialogs/color_chooser.h"
#include "app/dialogs/color_swatch.h"
#include "app/dialogs/dialog_font.h"
#include "app/dialogs/twips.h"
#include "component/vexel_interface.h"
#include "table/color.h"

namespace table {
namespace {

constexpr int kSwatchWidth = 495;
constexpr int kRowHeight = 375;
constexpr int kButtonSize = 375;
constexpr int kBackgroundRow = 8;
constexpr int kFirstTypeRow = 9;
constexpr int kFirstTypeRowTop = 240;

// The samples of the four blocks, two characters each.
constexpr const char* kSamples = "HeO FeU ";

const char* const kLabels[frmModifyColors::kRows] = {"S",
                                                     "P",
                                                     "D",
                                                     "F",
                                                     "Металл",
                                                     "Не металл",
                                                     "Амфотерный элемент",
                                                     "Инертный газ",
                                                     "Фон таблицы",
                                                     "Щелочной металл",
                                                     " Щелочноземельный металл",
                                                     "Галоген",
                                                     "Переходный элемент"};

template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

// The scheme members of the rows 4-7 and 9-12, as getter and setter.
using Getter = std::int32_t (vexel::TableColorsControl::*)() const;
using Setter = void (vexel::TableColorsControl::*)(std::int32_t);
struct SchemeMember {
  int row;
  Getter get;
  Setter set;
};
constexpr SchemeMember kSchemeMembers[] = {
    {0, &vexel::TableColorsControl::SColor, &vexel::TableColorsControl::setSColor},
    {1, &vexel::TableColorsControl::PColor, &vexel::TableColorsControl::setPColor},
    {2, &vexel::TableColorsControl::DColor, &vexel::TableColorsControl::setDColor},
    {3, &vexel::TableColorsControl::FColor, &vexel::TableColorsControl::setFColor},
    {4, &vexel::TableColorsControl::MetallColor, &vexel::TableColorsControl::setMetallColor},
    {5, &vexel::TableColorsControl::NonMetallColor, &vexel::TableColorsControl::setNonMetallColor},
    {6, &vexel::TableColorsControl::AmfoternColor, &vexel::TableColorsControl::setAmfoternColor},
    {7, &vexel::TableColorsControl::InertGassColor, &vexel::TableColorsControl::setInertGassColor},
    {9, &vexel::TableColorsControl::AlkalineColor, &vexel::TableColorsControl::setAlkalineColor},
    {10, &vexel::TableColorsControl::AlkalineplainColor,
     &vexel::TableColorsControl::setAlkalineplainColor},
    {11, &vexel::TableColorsControl::HalogenColor, &vexel::TableColorsControl::setHalogenColor},
    {12, &vexel::TableColorsControl::TransitionalColor,
     &vexel::TableColorsControl::setTransitionalColor},
};

bool IsBlockRow(int row) {
  return row <= 3;
}

}  // namespace

QString frmModifyColors::SampleText(int row) {
  return QString::fromLatin1(kSamples + 2 * row, 2).trimmed();
}

frmModifyColors::frmModifyColors(vexel::VexelControl& halden, ColorChooser& chooser,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_halden(halden),
      m_chooser(chooser) {
  setObjectName("frmModifyColors");
  setWindowTitle("Цвета");
  setFont(DialogFont());
  setFixedSize(TwipsRect(0, 0, 4800, 5775).size());
  createControls();
  load();
}

void frmModifyColors::createRow(int row, QWidget* parent, int top, int swatchLeft, int labelLeft,
                                int buttonLeft) {
  const QString index = QString::number(row);
  ColorSwatch* swatch = Named(new ColorSwatch(parent), "picViewColor_" + index);
  PlaceInTwips(swatch, swatchLeft, top, kSwatchWidth, kRowHeight);
  picViewColor[row] = swatch;

  QLabel* label =
      Named(new QLabel(QString::fromUtf8(kLabels[row]), parent), "lblColorType_" + index);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // A little room between a swatch and its label.
  label->setIndent(3);
  if (IsBlockRow(row)) {
    label->setFont(DialogFont(9.75));
    PlaceInTwips(label, labelLeft, top, 255, kRowHeight);
  } else {
    PlaceInTwips(label, labelLeft, top, buttonLeft - labelLeft - 45, kRowHeight);
  }
  lblColorType[row] = label;

  QPushButton* button = Named(new QPushButton(">>", parent), "cbChangeColor_" + index);
  PlaceInTwips(button, buttonLeft, top, kButtonSize, kButtonSize);
  connect(button, &QPushButton::clicked, this, [this, row] { chooseColor(row); });
  cbChangeColor[row] = button;
}

void frmModifyColors::createControls() {
  picContainer = Named(new QWidget(this), "picContainer");
  PlaceInTwips(picContainer, 120, 0, 4575, 5295);

  fraSPDFColors = Named(new QGroupBox("s, p, d и f цвета:", picContainer), "fraSPDFColors");
  PlaceInTwips(fraSPDFColors, 0, 0, 1695, 2415);
  fraMetalicProperties =
      Named(new QGroupBox("Металлические св-ва:", picContainer), "fraMetalicProperties");
  PlaceInTwips(fraMetalicProperties, 1800, 0, 2295, 2415);
  // The third frame is titled by its check box, which lies over the frame's top edge.
  fraElementTypeColors = Named(new QGroupBox(" ", picContainer), "fraElementTypeColors");
  PlaceInTwips(fraElementTypeColors, 0, 2520, 2775, 2175);

  const int rowTops[] = {360, 840, 1320, 1800};
  for (int i = 0; i < 4; ++i) {
    createRow(i, fraSPDFColors, rowTops[i], 120, 720, 1080);
    createRow(4 + i, fraMetalicProperties, rowTops[i], 120, 600, 1680);
    createRow(kFirstTypeRow + i, fraElementTypeColors, kFirstTypeRowTop + 480 * i, 120, 600, 2280);
  }
  chbDifferByElementType =
      Named(new QCheckBox("Типы элементов:", fraElementTypeColors), "chbDifferByElementType");
  chbDifferByElementType->move(TwipsToPixels(240), 0);
  chbDifferByElementType->adjustSize();
  // It ends above the first row, so that its filled background leaves the swatch's top edge be.
  chbDifferByElementType->resize(
      chbDifferByElementType->width(),
      std::min(chbDifferByElementType->height(), TwipsToPixels(kFirstTypeRowTop)));
  chbDifferByElementType->setAutoFillBackground(true);
  connect(chbDifferByElementType, &QCheckBox::clicked, this, &frmModifyColors::onTypeSwitchClicked);

  cbRestoreDefaults =
      Named(new QPushButton("Восстановить исходные значения", picContainer), "cbRestoreDefaults");
  PlaceInTwips(cbRestoreDefaults, 0, 4800, 2775, 375);
  connect(cbRestoreDefaults, &QPushButton::clicked, this, &frmModifyColors::restoreDefaults);
  createRow(kBackgroundRow, picContainer, 4800, 2880, 3420, 4200);

  cmdOK = Named(new QPushButton("OK", this), "cmdOK");
  PlaceInTwips(cmdOK, 1200, 5295, 1095, 375);
  cmdCancel = Named(new QPushButton("Отмена", this), "cmdCancel");
  PlaceInTwips(cmdCancel, 2400, 5295, 1095, 375);
  cmdApply = Named(new QPushButton("Применить", this), "cmdApply");
  PlaceInTwips(cmdApply, 3600, 5295, 1095, 375);
  // Enter presses the button that has the focus, else OK.
  for (QPushButton* button : {cmdOK, cmdCancel, cmdApply}) button->setAutoDefault(true);
  cmdOK->setDefault(true);
  connect(cmdApply, &QPushButton::clicked, this, &frmModifyColors::SaveOptions);
  connect(cmdOK, &QPushButton::clicked, this, [this] {
    SaveOptions();
    accept();
  });
  // Esc rejects the dialog as Cancel does: changes not yet applied are dropped.
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmModifyColors::enableTypeButtons() {
  const bool on = chbDifferByElementType->isChecked();
  for (int row = kFirstTypeRow; row < kRows; ++row) cbChangeColor[row]->setEnabled(on);
}

void frmModifyColors::load() {
  vexel::TableColorsControl& colors = *m_halden.Colors();
  chbDifferByElementType->setChecked(colors.DifferByElementType());
  enableTypeButtons();
  m_colorsModified = false;
  cmdApply->setEnabled(false);
  for (const SchemeMember& member : kSchemeMembers) {
    const std::int32_t color = (colors.*member.get)();
    if (IsBlockRow(member.row)) {
      picViewColor[member.row]->setForeColor(color);
    } else {
      picViewColor[member.row]->setBackColor(color);
    }
  }
  picViewColor[kBackgroundRow]->setBackColor(m_halden.BackColor());
  for (int row = 0; row < 4; ++row) {
    picViewColor[row]->clear();
    picViewColor[row]->drawSample(SampleText(row));
  }
}

void frmModifyColors::markModified() {
  m_colorsModified = true;
  cmdApply->setEnabled(true);
}

void frmModifyColors::onTypeSwitchClicked() {
  markModified();
  enableTypeButtons();
}

void frmModifyColors::chooseColor(int row) {
  ColorSwatch* swatch = picViewColor[row];
  const std::int32_t old = IsBlockRow(row) ? swatch->foreColor() : swatch->backColor();
  const std::int32_t chosen = m_chooser.chooseColor(this, old);
  if (IsBlockRow(row)) {
    swatch->clear();
    swatch->setForeColor(chosen);
    swatch->drawSample(SampleText(row));
  } else {
    swatch->setBackColor(chosen);
  }
  if (chosen != old) markModified();
}

void frmModifyColors::SaveOptions() {
  vexel::TableColorsControl& colors = *m_halden.Colors();
  for (const SchemeMember& member : kSchemeMembers) {
    const ColorSwatch* swatch = picViewColor[member.row];
    (colors.*member.set)(IsBlockRow(member.row) ? swatch->foreColor() : swatch->backColor());
  }
  colors.setDifferByElementType(chbDifferByElementType->isChecked());
  if (m_colorsModified) {
    // The background is set with automatic refresh off, so the table is drawn once.
    m_halden.setAutoRefresh(false);
    m_halden.setBackColor(picViewColor[kBackgroundRow]->backColor());
    m_halden.setAutoRefresh(true);
    m_halden.Refresh();
  }
  m_colorsModified = false;
  cmdApply->setEnabled(false);
}

void frmModifyColors::restoreDefaults() {
  m_halden.Colors()->RestoreDefaults();
  const bool autoRefresh = m_halden.AutoRefresh();
  m_halden.setAutoRefresh(false);
  m_halden.setBackColor(periodic::kWhite);
  m_halden.setAutoRefresh(autoRefresh);
  load();
  m_halden.Refresh();
}

}  // namespace table

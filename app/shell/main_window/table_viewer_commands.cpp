#include <QCoreApplication>
#include <QPrinter>

#include "app/dialogs/frm_modify_colors.h"
#include "app/dialogs/frm_options.h"
#include "app/dialogs/twips.h"
#include "app/program_info.h"
#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/services/calculator.h"
#include "app/shell/services/error_text.h"
#include "app/shell/services/picture_formats.h"

namespace table {
namespace {

// The printing errors that end the print command silently (a printer error), and the one it
// goes on after (a property that cannot be set while a page is open).
constexpr int kPrinterError = 482;
constexpr int kPropertyWhilePageOpen = 396;

// How far below the main window's top the colour dialog opens.
constexpr int kColorsDialogDropTwips = 500;

const char* const kBitmapFilter = "Точечные рисунки Bitmap (*.bmp)|*.bmp";
const char* const kBitmapPattern = "*.bmp";

}  // namespace

SaveFileDialog& frmTableViewer::saveFileDialog() {
  if (m_setup.saveFile) return *m_setup.saveFile;
  if (!m_ownSaveFile) m_ownSaveFile = std::make_unique<QtSaveFileDialog>();
  return *m_ownSaveFile;
}

ColorChooser& frmTableViewer::colorChooser() {
  if (m_setup.colorChooser) return *m_setup.colorChooser;
  if (!m_ownColorChooser) m_ownColorChooser = std::make_unique<QtColorChooser>();
  return *m_ownColorChooser;
}

void frmTableViewer::saveAsBitmap() {
  if (!m_halden) return;
  setStatusText("Сохранение рисунка...");
  SaveFileRequest request;
  request.title = "Сохранить как рисунок";
  request.initialName = kBitmapPattern;
  request.defaultExtension = "bmp";
  // The Windows bitmap stays the first filter, chosen at first; PNG, SVG and PDF follow.
  request.filters = NameFiltersFrom(QString::fromUtf8(kBitmapFilter)) + PictureFilters().mid(1);
  const std::optional<SaveFileChoice> choice = saveFileDialog().chooseSaveFile(this, request);
  // A cancelled dialog, and a name left as a pattern, save nothing and say nothing.
  if (choice && !choice->fileName.isEmpty() && !IsPicturePattern(choice->fileName)) {
    // The type follows the name's extension, else the chosen filter.
    const PictureTarget target = ChoosePictureTarget(choice->fileName, choice->filter);
    QString fileName = target.fileName;
    const vexel::Error error = target.format == "BMP"
                                   ? m_halden->SaveAsBitmap(fileName)
                                   : m_halden->SavePicture(fileName, target.format);
    if (error.failed()) {
      setStatusText("Ошибка");
      m_prompts->warning(this, ProgramTitle(),
                         "Error: " + QString::number(error.number) + "\n" +
                             PictureSaveProblem(fileName, error.number, error.description));
    }
  }
  setStatusText("Готово");
}

void frmTableViewer::printTable() {
  if (!m_halden) return;
  QPrinter& printer = m_halden->Printer();
  const QPageLayout::Orientation remembered = printer.pageLayout().orientation();
  printer.setPageOrientation(QPageLayout::Landscape);
  if (printerSetup().choosePrinter(printer, this)) {
    const vexel::Error error = m_halden->PrintTable();
    if (error.failed() && error.number != kPrinterError && error.number != kPropertyWhilePageOpen) {
      m_prompts->warning(this, ProgramTitle(),
                         "Error " + QString::number(error.number) + ". " + error.description);
    }
  }
  // Also after a cancelled dialog: the printer never stays turned by this command.
  printer.setPageOrientation(remembered);
}

void frmTableViewer::startCalculator() {
  StartCalculator(QCoreApplication::applicationDirPath(), *m_starter, *m_prompts, this);
}

void frmTableViewer::showOptionsDialog() {
  if (!m_halden) return;
  frmOptions options(
      *m_halden, m_options, [this] { ApplyBarsLayout(); }, this);
  options.exec();
}

void frmTableViewer::showColorsDialog() {
  if (!m_halden) return;
  if (!m_colorsDialog) {
    m_colorsDialog = new frmModifyColors(*m_halden, colorChooser(), this);
    m_colorsDialog->setAttribute(Qt::WA_DeleteOnClose);
  }
  // Right edge on the main window's right edge, a little below its top; placed again once
  // shown, when the window frame's size is known.
  const auto place = [this] {
    const QRect main = frameGeometry();
    m_colorsDialog->move(main.left() + main.width() - m_colorsDialog->frameGeometry().width(),
                         main.top() + TwipsToPixels(kColorsDialogDropTwips));
  };
  place();
  m_colorsDialog->show();
  place();
  m_colorsDialog->raise();
  m_colorsDialog->activateWindow();
}

frmModifyColors* frmTableViewer::colorsDialog() const {
  return m_colorsDialog;
}

void frmTableViewer::closeColorsDialog() {
  if (m_colorsDialog) m_colorsDialog->close();
}

}  // namespace table

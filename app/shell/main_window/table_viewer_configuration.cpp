#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <cstdio>

#include "app/program_info.h"
#include "app/shell/main_window/frm_table_viewer.h"
#include "app/shell/services/error_text.h"
#include "app/shell/settings/config_location.h"
#include "app/shell/settings/window_size.h"
#include "data/data_error.h"

namespace table {
namespace {

constexpr float kTwipsPerPixel = 15.0f;

}  // namespace

void frmTableViewer::SetDefaultConfiguration() {
  // The design size, not the frame, which the window does not have before it is shown.
  m_options = DefaultTableOptions(m_halden->BackColor(), kDesignHeightTwips, kDesignWidthTwips);
}

void frmTableViewer::LoadConfiguration() {
  // The defaults first: an empty file keeps them all, a short one those it does not hold.
  SetDefaultConfiguration();
  try {
    ReadTableIni(TableIniPath().toStdString(), m_options);
  } catch (const periodic::DataError&) {
    // An unreadable Table.ini: start as on the first run, and leave the file as it is.
  }
  reportProgress(20);
  QString cfg = TableCfgPath();
  m_halden->LoadSettings(cfg);
  mirrorProperty("LongPeriods");
  mirrorProperty("InvertColors");
  reportProgress(30);
  mirrorAll();
  reportProgress(35);

  QString colors = QString::fromLatin1(m_options.ColorsData.data(),
                                       static_cast<qsizetype>(m_options.ColorsData.size()));
  m_halden->Colors()->LoadData(colors);
  m_options.ColorsData = FitColorsData(colors.toStdString());
  // The colour text does not carry the element-type switch; the record's spare bytes do.
  if (m_options.DifferByElementType)
    m_halden->Colors()->setDifferByElementType(*m_options.DifferByElementType);
  m_halden->setBackColor(m_options.TableBackColor);
  m_options.ViewerBlackAndWhite = false;
  m_options.ViewerInvertColors = false;
  ApplyMinimumSize(m_options);
  if (m_options.WindowState == kWindowMaximised) {
    setWindowState(Qt::WindowMaximized);
  } else {
    const QScreen* screen = this->screen();
    applyOuterSize(OuterPixels(m_options.WindowWidth, m_options.WindowHeight,
                               screen ? screen->availableSize() : QSize()));
  }
  ApplyBarsLayout();
  reportProgress(40);
}

void frmTableViewer::SaveConfiguration() {
  QString cfg = TableCfgPath();
  QStringList failures;
  const char* const kCannotSave = "Не удалось сохранить настройки в файл";
  if (const vexel::Error error = m_halden->SaveSettings(cfg); error.failed())
    failures << FileProblem(kCannotSave, cfg, error.number);
  m_options.ColorsData = FitColorsData(m_halden->Colors()->SaveData().toStdString());
  m_options.TableBackColor = m_halden->BackColor();
  m_options.DifferByElementType = m_halden->Colors()->DifferByElementType();
  if (!(windowState() & Qt::WindowMinimized) && m_options.SaveWindowPos) {
    m_options.WindowState =
        (windowState() & Qt::WindowMaximized) ? kWindowMaximised : kWindowNormal;
    m_options.WindowStateForm = IntegerForm::Int16;
    const QRect frame = frameGeometry();
    m_options.WindowLeft = static_cast<float>(frame.left()) * kTwipsPerPixel;
    m_options.WindowTop = static_cast<float>(frame.top()) * kTwipsPerPixel;
    m_options.WindowWidth = static_cast<float>(frame.width()) * kTwipsPerPixel;
    m_options.WindowHeight = static_cast<float>(frame.height()) * kTwipsPerPixel;
  }
  const QString ini = TableIniPath();
  try {
    WriteTableIni(ini.toStdString(), m_options);
  } catch (const periodic::DataError& e) {
    failures << FileProblem(kCannotSave, ini, e.code());
  }
  // A settings file that could not be written is reported, not lost silently.
  if (failures.isEmpty()) return;
  if (m_quietFailures) {
    std::fprintf(stderr, "%s\n", failures.join(" ").toLocal8Bit().constData());
  } else {
    m_prompts->warning(this, ProgramTitle(), failures.join(" "));
  }
}

void frmTableViewer::ApplyBarsLayout() {
  // The main window's layout places the table between the bars that are shown.
  tlbToolbar->setVisible(m_options.ToolbarOn());
  statusBar()->setVisible(m_options.StatusbarOn());
  QCoreApplication::processEvents();
}

}  // namespace table

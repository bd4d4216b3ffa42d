#include "component/vexel.h"

#include <QMessageBox>
#include <QResizeEvent>
#include <QScrollBar>

#include "component/library_path.h"
#include "component/library_state.h"
#include "component/output_picture.h"
#include "component/table_accessible.h"
#include "component/table_colors_object.h"
#include "data/data_error.h"
#include "platform/painter_sink.h"

namespace vexel {

Vexel::Vexel(QWidget* parent)
    : QWidget(parent), m_state(ThreadState()), m_backColor(periodic::kSystemWindowBackground) {
  picContainer = new QWidget(this);
  picContainer->setObjectName("picContainer");
  picOutput = new OutputPicture(*this, picContainer);
  picOutput->setObjectName("picOutput");
  hscrPicRightLeft = new QScrollBar(Qt::Horizontal, picContainer);
  hscrPicRightLeft->setObjectName("hscrPicRightLeft");
  vscrPicUpDown = new QScrollBar(Qt::Vertical, picContainer);
  vscrPicUpDown->setObjectName("vscrPicUpDown");
  picScrollBarsSquare = new QWidget(picContainer);
  picScrollBarsSquare->setObjectName("picScrollBarsSquare");
  picScrollBarsSquare->setAutoFillBackground(true);
  for (QScrollBar* bar : {hscrPicRightLeft, vscrPicUpDown}) {
    bar->setRange(0, 0);
    bar->resize(bar->sizeHint());
    bar->hide();
  }
  picScrollBarsSquare->hide();
  connect(hscrPicRightLeft, &QScrollBar::valueChanged, this, &Vexel::onHorizontalScroll);
  connect(vscrPicUpDown, &QScrollBar::valueChanged, this, &Vexel::onVerticalScroll);
  // The keyboard moves a focus frame over the cells; assistive technology reads them.
  setFocusPolicy(Qt::StrongFocus);
  InstallTableAccessibility();

  // Creation: the picture at the viewport's corner, the first-show flag, the scroll step, then
  // the data file in the library's own folder.
  m_outLeft = m_outTop = 0;
  placeOutput();
  m_firstShow = true;
  m_state.scrollStep = 100;
  ++m_state.controls;
  try {
    periodic::WriteBuiltinRecords(LibraryDirectory().toStdString());
    m_state.dataFile.Open(ElementsDataFile().toStdString());
  } catch (const periodic::DataError& e) {
    m_creationError = FromDataError(e);
  }
}

Vexel::~Vexel() {
  RemoveTableAccessibility();
  // The last control to go closes the files the library holds open on this thread; the others
  // still draw from them.
  if (--m_state.controls == 0) m_state.dataFile.Close();
}

void Vexel::InitProperties() {
  m_firstShow = true;
  setAutoRefresh(false);
  m_state.options.ZoomVal = 100;
  setAutoRefreshOnResize(true);
  setLongPeriods(false);
  setShowAtomicMass(true);
  setShowElementsName(true);
  setDifferSPDF(true);
  setDifferMetalsNonmetals(true);
  setInvertColors(false);
  setZoomVal(100);
  setShowHighestOxidesTable(true);
  setMoveOutInertGases(false);
  setOpenViewerOnDblClick(true);
  setLatInsteadOfRus(false);
  setAutoRefresh(true);
}

TableColorsControl* Vexel::Colors() {
  return &m_state.colors();
}

QObject* Vexel::colorsObject() const {
  return &m_state.colors();
}

QPrinter& Vexel::Printer() {
  return m_state.printer();
}

void Vexel::showMessage(const QString& text) {
  if (m_messageHandler) {
    m_messageHandler(text);
    return;
  }
  QMessageBox::warning(this, QString(), text);
}

void Vexel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (m_state.unloading) return;
  // Each step goes on whatever the one before it did.
  picContainer->setGeometry(rect());
  if (m_firstShow) {
    setZoomVal(100);
    Refresh();
    m_firstShow = false;
  }
  if (m_autoRefreshOnResize) RefreshScrollbars();
}

QString Vexel::ElementsDataFile() const {
  return LibraryDirectory() + "/Elements.dat";
}

QString Vexel::OCXPath() const {
  return LibraryDirectory();
}

QString Vexel::OCXName() const {
  return LibraryBaseName();
}

}  // namespace vexel

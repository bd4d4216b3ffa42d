#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

#include "component/table_drawing_inputs.h"
#include "component/vexel_interface.h"
#include "table/display_options.h"
#include "table/drawing.h"
#include "table/property_view.h"

class QImage;
class QPainter;
class QScrollBar;

namespace vexel {

class OutputPicture;
struct LibraryState;

// The table control: draws the periodic table once at full size into a retained picture
// (picOutPicture) and shows it zoomed in picOutput, which slides inside the viewport
// picContainer under two scroll bars. Display options, the colour scheme and the data file are
// shared by every control on the thread.
class Vexel : public QWidget, public VexelControl {
  Q_OBJECT
  Q_CLASSINFO("ProgId", "Orvanta.Vexel")
  Q_CLASSINFO("Interface", "_Vexel")
  Q_CLASSINFO("EventInterface", "__Vexel")
  Q_PROPERTY(bool LongPeriods READ LongPeriods WRITE setLongPeriods)
  Q_PROPERTY(bool ShowAtomicMass READ ShowAtomicMass WRITE setShowAtomicMass)
  Q_PROPERTY(bool ShowElementsName READ ShowElementsName WRITE setShowElementsName)
  Q_PROPERTY(bool DifferSPDF READ DifferSPDF WRITE setDifferSPDF)
  Q_PROPERTY(bool DifferMetalsNonmetals READ DifferMetalsNonmetals WRITE setDifferMetalsNonmetals)
  Q_PROPERTY(bool InvertColors READ InvertColors WRITE setInvertColors)
  Q_PROPERTY(qint32 ZoomVal READ ZoomVal WRITE setZoomVal)
  Q_PROPERTY(
      bool ShowHighestOxidesTable READ ShowHighestOxidesTable WRITE setShowHighestOxidesTable)
  Q_PROPERTY(bool MoveOutInertGases READ MoveOutInertGases WRITE setMoveOutInertGases)
  Q_PROPERTY(bool LatInsteadOfRus READ LatInsteadOfRus WRITE setLatInsteadOfRus)
  Q_PROPERTY(bool OpenViewerOnDblClick READ OpenViewerOnDblClick WRITE setOpenViewerOnDblClick)
  Q_PROPERTY(bool AutoRefresh READ AutoRefresh WRITE setAutoRefresh)
  Q_PROPERTY(bool AutoRefreshOnResize READ AutoRefreshOnResize WRITE setAutoRefreshOnResize)
  Q_PROPERTY(QObject* Colors READ colorsObject)
  Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
  Q_PROPERTY(qint16 VScrollBarValue READ VScrollBarValue WRITE setVScrollBarValue)
  Q_PROPERTY(qint16 VScrollBarMin READ VScrollBarMin WRITE setVScrollBarMin)
  Q_PROPERTY(qint16 VScrollBarMax READ VScrollBarMax WRITE setVScrollBarMax)
  Q_PROPERTY(bool VScrollBarVisible READ VScrollBarVisible WRITE setVScrollBarVisible)
  Q_PROPERTY(qint16 HScrollBarValue READ HScrollBarValue WRITE setHScrollBarValue)
  Q_PROPERTY(qint16 HScrollBarMin READ HScrollBarMin WRITE setHScrollBarMin)
  Q_PROPERTY(qint16 HScrollBarMax READ HScrollBarMax WRITE setHScrollBarMax)
  Q_PROPERTY(bool HScrollBarVisible READ HScrollBarVisible WRITE setHScrollBarVisible)

 public:
  // Runs the creation steps; a failing data-file step is kept in creationError().
  explicit Vexel(QWidget* parent = nullptr);
  ~Vexel() override;

  const Error& creationError() const { return m_creationError; }
  QWidget* widget() override { return this; }

  void InitProperties() override;
  void ReadProperties(PropertyBag& bag) override;
  void WriteProperties(PropertyBag& bag) const override;

  bool LongPeriods() const override;
  Error setLongPeriods(bool value) override;
  bool ShowAtomicMass() const override;
  Error setShowAtomicMass(bool value) override;
  bool ShowElementsName() const override;
  Error setShowElementsName(bool value) override;
  bool DifferSPDF() const override;
  Error setDifferSPDF(bool value) override;
  bool DifferMetalsNonmetals() const override;
  Error setDifferMetalsNonmetals(bool value) override;
  bool InvertColors() const override;
  Error setInvertColors(bool value) override;
  std::int32_t ZoomVal() const override;
  Error setZoomVal(std::int32_t value) override;
  bool ShowHighestOxidesTable() const override;
  Error setShowHighestOxidesTable(bool value) override;
  bool MoveOutInertGases() const override;
  Error setMoveOutInertGases(bool value) override;
  bool LatInsteadOfRus() const override;
  Error setLatInsteadOfRus(bool value) override;
  bool OpenViewerOnDblClick() const override;
  Error setOpenViewerOnDblClick(bool value) override;
  bool AutoRefresh() const override { return m_autoRefresh; }
  Error setAutoRefresh(bool value) override;
  bool AutoRefreshOnResize() const override { return m_autoRefreshOnResize; }
  Error setAutoRefreshOnResize(bool value) override;
  TableColorsControl* Colors() override;
  QObject* colorsObject() const;
  std::int32_t BackColor() const override { return m_backColor; }
  Error setBackColor(std::int32_t value) override;
  std::int16_t VScrollBarValue() const override;
  Error setVScrollBarValue(std::int16_t value) override;
  std::int16_t VScrollBarMin() const override;
  Error setVScrollBarMin(std::int16_t value) override;
  std::int16_t VScrollBarMax() const override;
  Error setVScrollBarMax(std::int16_t value) override;
  bool VScrollBarVisible() const override;
  Error setVScrollBarVisible(bool value) override;
  std::int16_t HScrollBarValue() const override;
  Error setHScrollBarValue(std::int16_t value) override;
  std::int16_t HScrollBarMin() const override;
  Error setHScrollBarMin(std::int16_t value) override;
  std::int16_t HScrollBarMax() const override;
  Error setHScrollBarMax(std::int16_t value) override;
  bool HScrollBarVisible() const override;
  Error setHScrollBarVisible(bool value) override;

  Q_INVOKABLE Error Refresh() override;
  Q_INVOKABLE Error RefreshScrollbars() override;
  Q_INVOKABLE Error CloseElementsDataFile() override;
  Q_INVOKABLE Error LoadSettings(QString& filename) override;
  Q_INVOKABLE Error SaveSettings(QString& filename) override;
  Q_INVOKABLE Error PrintTable() override;
  Q_INVOKABLE Error SaveAsBitmap(QString& filename) override;
  Q_INVOKABLE QString ElementsDataFile() const override;
  Q_INVOKABLE Error CreateElementsDataFile(QString& filepath) override;
  Q_INVOKABLE Error UpdateHScrollbar() override;
  Q_INVOKABLE Error UnloadMe() override;
  Q_INVOKABLE QString OCXPath() const override;
  Q_INVOKABLE QString OCXName() const override;
  Q_INVOKABLE Error ShowTable() override;
  // Declared with int, the type a host names when it calls the member through Qt.
  Q_INVOKABLE Error ZoomTable(int z) override;

  Error Invoke(std::int32_t dispid, InvokeKind kind, QVariantList& args, QVariant* result) override;
  QPrinter& Printer() override;
  void SetMessageHandler(MessageHandler handler) override { m_messageHandler = std::move(handler); }

  Q_INVOKABLE Error MarkElement(std::int32_t n) override;
  Q_INVOKABLE std::int32_t MarkedElement() const override { return m_markedElement; }
  Q_INVOKABLE Error ScrollToElement(std::int32_t n) override;
  Q_INVOKABLE std::int32_t FocusedElement() const override { return m_focusedElement; }
  Q_INVOKABLE Error setFocusedElement(std::int32_t n) override;
  Q_INVOKABLE bool FocusFrameVisible() const override { return m_focusFrameVisible; }
  Q_INVOKABLE Error AskElementInfo(std::int32_t n) override;
  Q_INVOKABLE Error SavePicture(QString& filename, const QString& format) override;

  Q_INVOKABLE std::int32_t PropertyView() const override;
  Q_INVOKABLE Error setPropertyView(std::int32_t view) override;
  Q_INVOKABLE std::int32_t ViewTemperature() const override { return m_propertyView.temperature; }
  Q_INVOKABLE Error setViewTemperature(std::int32_t kelvin) override;
  Q_INVOKABLE std::int32_t ViewYear() const override { return m_propertyView.year; }
  Q_INVOKABLE Error setViewYear(std::int32_t year) override;

  // The full-size picture and the zoomed picture's place and size, in twips.
  const periodic::Drawing& fullPicture() const { return m_picOutPicture; }
  QRectF outputGeometry() const;
  // The picture as picOutput shows it, without mark or frame; null before the first drawing.
  QImage outputImage() const;
  // Element n's cell on picOutput at the current zoom, in twips; empty for no element.
  QRectF cellOnOutput(int n) const;
  // The element under a point of picOutput (twips), or 0.
  int elementAtOutput(float x, float y) const;
  // What the pointer resting on element n shows, and what a screen reader says for it.
  QString elementFacts(int n);
  QString spokenName(int n);

 signals:
  void AdditionalInfoAsked(int ElementNum, float X, float Y);
  void ChangeStatusbarText(const QString& Text);
  void PropertyChanged(const QString& name);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  friend class OutputPicture;

  Error setDisplayFlag(bool periodic::DisplayOptions::*flag, bool value, const char* name);
  Error redrawIfShown();
  int arrangeScrollBars();
  void onHorizontalScroll(int value);
  void onVerticalScroll(int value);
  void onOutputMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
  void onOutputDoubleClick();
  void placeOutput();
  void showMessage(const QString& text);
  // The mark and the focus frame, painted over picOutput's picture.
  void paintMarks(QPainter& painter, double pixelsPerTwip) const;
  void onOutputMousePress(float x, float y);
  void showFocusFrame(bool visible);

  LibraryState& m_state;
  Error m_creationError;
  bool m_autoRefresh = true;
  bool m_autoRefreshOnResize = true;
  bool m_firstShow = true;
  std::int32_t m_backColor;
  Qt::MouseButton m_lastButton = Qt::NoButton;
  Qt::KeyboardModifiers m_lastShift;
  float m_lastX = 0;
  float m_lastY = 0;

  periodic::Drawing m_picOutPicture;
  // What m_picOutPicture was drawn from; empty when it must be drawn anew.
  std::optional<TableDrawingInputs> m_drawnFrom;
  // picOutput's place and size inside picContainer, in twips.
  float m_outLeft = 0;
  float m_outTop = 0;
  float m_outWidth = 0;
  float m_outHeight = 0;

  QWidget* picContainer;
  OutputPicture* picOutput;
  QScrollBar* hscrPicRightLeft;
  QScrollBar* vscrPicUpDown;
  QWidget* picScrollBarsSquare;
  MessageHandler m_messageHandler;
  std::int32_t m_markedElement = 0;
  std::int32_t m_focusedElement = 1;
  bool m_focusFrameVisible = false;
  periodic::PropertyView m_propertyView;
};

}  // namespace vexel

#pragma once

// The one header the table control library and its hosts share. A host loads the library as a
// Qt plugin, asks it for the control "Orvanta.Vexel" and talks to it through VexelControl (or
// by member name through the meta-object system, or by dispatch identifier through Invoke).

#include <QString>
#include <QVariant>
#include <QtPlugin>
#include <cstdint>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace vexel {

inline constexpr const char* kProgId = "Orvanta.Vexel";

// The zoom values, in per cent, that setZoomVal takes; any other is ignored.
inline constexpr std::int32_t kMinZoomVal = 2;
inline constexpr std::int32_t kMaxZoomVal = 349;

// A failed call: the error number (errno for file errors), its description and its source.
// A number of 0 means success.
struct Error {
  int number = 0;
  QString description;
  QString source;

  bool failed() const { return number != 0; }
};

// The host's persistent property store.
class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  virtual QVariant ReadProperty(const QString& name, const QVariant& defaultValue) = 0;
  // A store may omit a value equal to its default.
  virtual void WriteProperty(const QString& name, const QVariant& value,
                             const QVariant& defaultValue) = 0;
};

// Shows a message to the user; hosts and tests answer it their own way.
using MessageHandler = std::function<void(const QString& text)>;

// The colour scheme shared by every control on the thread.
class TableColorsControl {
 public:
  virtual ~TableColorsControl() = default;
  virtual std::int32_t TransitionalColor() const = 0;
  virtual void setTransitionalColor(std::int32_t value) = 0;
  virtual std::int32_t HalogenColor() const = 0;
  virtual void setHalogenColor(std::int32_t value) = 0;
  virtual std::int32_t AlkalineplainColor() const = 0;
  virtual void setAlkalineplainColor(std::int32_t value) = 0;
  virtual std::int32_t AlkalineColor() const = 0;
  virtual void setAlkalineColor(std::int32_t value) = 0;
  virtual bool DifferByElementType() const = 0;
  virtual void setDifferByElementType(bool value) = 0;
  virtual std::int32_t FColor() const = 0;
  virtual void setFColor(std::int32_t value) = 0;
  virtual std::int32_t DColor() const = 0;
  virtual void setDColor(std::int32_t value) = 0;
  virtual std::int32_t PColor() const = 0;
  virtual void setPColor(std::int32_t value) = 0;
  virtual std::int32_t SColor() const = 0;
  virtual void setSColor(std::int32_t value) = 0;
  virtual std::int32_t MetallColor() const = 0;
  virtual void setMetallColor(std::int32_t value) = 0;
  virtual std::int32_t NonMetallColor() const = 0;
  virtual void setNonMetallColor(std::int32_t value) = 0;
  virtual std::int32_t InertGassColor() const = 0;
  virtual void setInertGassColor(std::int32_t value) = 0;
  virtual std::int32_t AmfoternColor() const = 0;
  virtual void setAmfoternColor(std::int32_t value) = 0;
  virtual void LoadData2(QString& data) = 0;
  virtual void LoadData(QString& data) = 0;
  virtual QString SaveData() const = 0;
  virtual void RestoreDefaults() = 0;
  virtual std::int32_t GetColor(std::int32_t num) const = 0;
};

// The table control. Its widget raises the signals AdditionalInfoAsked(int ElementNum,
// float X, float Y), ChangeStatusbarText(QString Text) and PropertyChanged(QString name).
class VexelControl {
 public:
  enum class InvokeKind { Method, PropertyGet, PropertyPut };

  virtual ~VexelControl() = default;
  virtual QWidget* widget() = 0;

  // Life cycle, after creation: InitProperties for a new instance or ReadProperties for a
  // saved one, then resizes (through the widget), WriteProperties whenever the host saves.
  virtual void InitProperties() = 0;
  virtual void ReadProperties(PropertyBag& bag) = 0;
  virtual void WriteProperties(PropertyBag& bag) const = 0;

  virtual bool LongPeriods() const = 0;
  virtual Error setLongPeriods(bool value) = 0;
  virtual bool ShowAtomicMass() const = 0;
  virtual Error setShowAtomicMass(bool value) = 0;
  virtual bool ShowElementsName() const = 0;
  virtual Error setShowElementsName(bool value) = 0;
  virtual bool DifferSPDF() const = 0;
  virtual Error setDifferSPDF(bool value) = 0;
  virtual bool DifferMetalsNonmetals() const = 0;
  virtual Error setDifferMetalsNonmetals(bool value) = 0;
  virtual bool InvertColors() const = 0;
  virtual Error setInvertColors(bool value) = 0;
  virtual std::int32_t ZoomVal() const = 0;
  virtual Error setZoomVal(std::int32_t value) = 0;
  virtual bool ShowHighestOxidesTable() const = 0;
  virtual Error setShowHighestOxidesTable(bool value) = 0;
  virtual bool MoveOutInertGases() const = 0;
  virtual Error setMoveOutInertGases(bool value) = 0;
  virtual bool LatInsteadOfRus() const = 0;
  virtual Error setLatInsteadOfRus(bool value) = 0;
  virtual bool OpenViewerOnDblClick() const = 0;
  virtual Error setOpenViewerOnDblClick(bool value) = 0;
  virtual bool AutoRefresh() const = 0;
  virtual Error setAutoRefresh(bool value) = 0;
  virtual bool AutoRefreshOnResize() const = 0;
  virtual Error setAutoRefreshOnResize(bool value) = 0;
  virtual TableColorsControl* Colors() = 0;
  virtual std::int32_t BackColor() const = 0;
  virtual Error setBackColor(std::int32_t value) = 0;
  virtual std::int16_t VScrollBarValue() const = 0;
  virtual Error setVScrollBarValue(std::int16_t value) = 0;
  virtual std::int16_t VScrollBarMin() const = 0;
  virtual Error setVScrollBarMin(std::int16_t value) = 0;
  virtual std::int16_t VScrollBarMax() const = 0;
  virtual Error setVScrollBarMax(std::int16_t value) = 0;
  virtual bool VScrollBarVisible() const = 0;
  virtual Error setVScrollBarVisible(bool value) = 0;
  virtual std::int16_t HScrollBarValue() const = 0;
  virtual Error setHScrollBarValue(std::int16_t value) = 0;
  virtual std::int16_t HScrollBarMin() const = 0;
  virtual Error setHScrollBarMin(std::int16_t value) = 0;
  virtual std::int16_t HScrollBarMax() const = 0;
  virtual Error setHScrollBarMax(std::int16_t value) = 0;
  virtual bool HScrollBarVisible() const = 0;
  virtual Error setHScrollBarVisible(bool value) = 0;

  virtual Error Refresh() = 0;
  virtual Error RefreshScrollbars() = 0;
  virtual Error CloseElementsDataFile() = 0;
  virtual Error LoadSettings(QString& filename) = 0;
  virtual Error SaveSettings(QString& filename) = 0;
  virtual Error PrintTable() = 0;
  virtual Error SaveAsBitmap(QString& filename) = 0;
  virtual QString ElementsDataFile() const = 0;
  virtual Error CreateElementsDataFile(QString& filepath) = 0;
  virtual Error UpdateHScrollbar() = 0;
  virtual Error UnloadMe() = 0;
  virtual QString OCXPath() const = 0;
  virtual QString OCXName() const = 0;
  virtual Error ShowTable() = 0;
  virtual Error ZoomTable(std::int32_t z) = 0;

  // Any member by its dispatch identifier. Arguments passed by reference come back changed.
  virtual Error Invoke(std::int32_t dispid, InvokeKind kind, QVariantList& args,
                       QVariant* result) = 0;

  // The printer PrintTable prints on, with the page settings the host chose.
  virtual QPrinter& Printer() = 0;
  // Where the control's own messages (a failed print) go; a message box by default.
  virtual void SetMessageHandler(MessageHandler handler) = 0;

  // Finding and the keyboard. The mark and the focus frame are painted over the table, never
  // into its picture, so printing and saving show neither. Element numbers are 1..110; any
  // other number is refused with error 5 and changes nothing, except 0 where it is allowed.

  // Marks element n's cell; 0 removes the mark.
  virtual Error MarkElement(std::int32_t n) = 0;
  virtual std::int32_t MarkedElement() const = 0;
  // Scrolls the least that brings element n's cell fully into view, as far as it fits.
  virtual Error ScrollToElement(std::int32_t n) = 0;
  // The element under the keyboard focus frame. Setting it shows the frame there and scrolls
  // it into view; the frame hides again when the mouse is used or the control loses focus.
  virtual std::int32_t FocusedElement() const = 0;
  virtual Error setFocusedElement(std::int32_t n) = 0;
  virtual bool FocusFrameVisible() const = 0;
  // Raises AdditionalInfoAsked for element n with the centre of its cell, as a click there.
  virtual Error AskElementInfo(std::int32_t n) = 0;

  // Writes the picture in a format: "BMP" exactly as SaveAsBitmap, "PNG" at the current zoom,
  // "SVG" and "PDF" as vectors of the full-size table. Other formats are refused.
  virtual Error SavePicture(QString& filename, const QString& format) = 0;

  // Property views: the cells coloured by an element property, by the state of matter at a
  // temperature or by the discoveries up to a year, with a legend drawn into the picture, so
  // that printing and saving show it. Views: 0 none (the colour scheme, exactly as without
  // views), 1..8 electronegativity, atomic mass, first ionisation energy, electron affinity,
  // covalent radius, melting point, boiling point, discovery year; 9 the states of matter; 10
  // the discovery timeline. A value out of range is refused with error 5 and changes nothing.
  // None of them is saved with the control's properties; the host keeps them.
  virtual std::int32_t PropertyView() const = 0;
  virtual Error setPropertyView(std::int32_t view) = 0;
  // The temperature of the states of matter, 0..6000 K; 298 at first.
  virtual std::int32_t ViewTemperature() const = 0;
  virtual Error setViewTemperature(std::int32_t kelvin) = 0;
  // The year of the timeline, -1000 (antiquity) to the current year; the current year at first.
  virtual std::int32_t ViewYear() const = 0;
  virtual Error setViewYear(std::int32_t year) = 0;
};

// The library's entry point: the plugin object.
class VexelLibrary {
 public:
  virtual ~VexelLibrary() = default;
  // Creates a control and runs its creation steps. A failing step (the data file cannot be
  // written or opened) is reported through creationError; the control is still returned and
  // reports the error again when it draws.
  virtual std::unique_ptr<VexelControl> CreateControl(const QString& progId, QWidget* parent,
                                                      Error* creationError) = 0;
  // Where the library file lies.
  virtual QString LibraryPath() const = 0;
};

}  // namespace vexel

// The type library stays 38.0; the last part counts changes of the methods above, so that a
// library built before the property views is refused rather than called past its methods.
#define VexelLibrary_iid "Orvanta.Vexel.Library/38.0.1"
Q_DECLARE_INTERFACE(vexel::VexelLibrary, VexelLibrary_iid)

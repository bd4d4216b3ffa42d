#include "component/vexel_dispatch.h"

#include <QMetaProperty>
#include <functional>
#include <map>

#include "component/vexel.h"

namespace vexel {
namespace {

using Setter = std::function<Error(Vexel&, const QVariant&)>;
using Method = std::function<Error(Vexel&, QVariantList&, QVariant*)>;

Error UnknownMember(std::int32_t dispid) {
  return {438,
          QString("Object doesn't support this property or method (dispatch id 0x%1)")
              .arg(static_cast<quint32>(dispid), 8, 16, QChar('0')),
          "Vexel"};
}

Error MissingArgument() {
  return {449, "Argument not optional", "Vexel"};
}

// A method whose one text argument is passed by reference: it comes back as the method left it.
Method WithText(Error (Vexel::*method)(QString&)) {
  return [method](Vexel& v, QVariantList& args, QVariant*) -> Error {
    if (args.isEmpty()) return MissingArgument();
    QString text = args.first().toString();
    const Error error = (v.*method)(text);
    args.first() = text;
    return error;
  };
}

Method NoArguments(Error (Vexel::*method)()) {
  return [method](Vexel& v, QVariantList&, QVariant*) { return (v.*method)(); };
}

Method TextResult(QString (Vexel::*method)() const) {
  return [method](Vexel& v, QVariantList&, QVariant* result) {
    if (result) *result = (v.*method)();
    return Error{};
  };
}

const std::map<std::string_view, Method>& Methods() {
  static const std::map<std::string_view, Method> methods = {
      {"Refresh", NoArguments(&Vexel::Refresh)},
      {"RefreshScrollbars", NoArguments(&Vexel::RefreshScrollbars)},
      {"CloseElementsDataFile", NoArguments(&Vexel::CloseElementsDataFile)},
      {"LoadSettings", WithText(&Vexel::LoadSettings)},
      {"SaveSettings", WithText(&Vexel::SaveSettings)},
      {"PrintTable", NoArguments(&Vexel::PrintTable)},
      {"SaveAsBitmap", WithText(&Vexel::SaveAsBitmap)},
      {"ElementsDataFile", TextResult(&Vexel::ElementsDataFile)},
      {"CreateElementsDataFile", WithText(&Vexel::CreateElementsDataFile)},
      {"UpdateHScrollbar", NoArguments(&Vexel::UpdateHScrollbar)},
      {"UnloadMe", NoArguments(&Vexel::UnloadMe)},
      {"OCXPath", TextResult(&Vexel::OCXPath)},
      {"OCXName", TextResult(&Vexel::OCXName)},
      {"ShowTable", NoArguments(&Vexel::ShowTable)},
      {"ZoomTable",
       [](Vexel& v, QVariantList& args, QVariant*) {
         return args.isEmpty() ? MissingArgument() : v.ZoomTable(args.first().toInt());
       }},
  };
  return methods;
}

template <typename T>
Setter Set(Error (Vexel::*setter)(T)) {
  return [setter](Vexel& v, const QVariant& value) { return (v.*setter)(value.value<T>()); };
}

const std::map<std::string_view, Setter>& Setters() {
  static const std::map<std::string_view, Setter> setters = {
      {"LongPeriods", Set(&Vexel::setLongPeriods)},
      {"ShowAtomicMass", Set(&Vexel::setShowAtomicMass)},
      {"ShowElementsName", Set(&Vexel::setShowElementsName)},
      {"DifferSPDF", Set(&Vexel::setDifferSPDF)},
      {"DifferMetalsNonmetals", Set(&Vexel::setDifferMetalsNonmetals)},
      {"InvertColors", Set(&Vexel::setInvertColors)},
      {"ZoomVal", Set(&Vexel::setZoomVal)},
      {"ShowHighestOxidesTable", Set(&Vexel::setShowHighestOxidesTable)},
      {"MoveOutInertGases", Set(&Vexel::setMoveOutInertGases)},
      {"LatInsteadOfRus", Set(&Vexel::setLatInsteadOfRus)},
      {"OpenViewerOnDblClick", Set(&Vexel::setOpenViewerOnDblClick)},
      {"AutoRefresh", Set(&Vexel::setAutoRefresh)},
      {"AutoRefreshOnResize", Set(&Vexel::setAutoRefreshOnResize)},
      {"BackColor", Set(&Vexel::setBackColor)},
      {"VScrollBarValue", Set(&Vexel::setVScrollBarValue)},
      {"VScrollBarMin", Set(&Vexel::setVScrollBarMin)},
      {"VScrollBarMax", Set(&Vexel::setVScrollBarMax)},
      {"VScrollBarVisible", Set(&Vexel::setVScrollBarVisible)},
      {"HScrollBarValue", Set(&Vexel::setHScrollBarValue)},
      {"HScrollBarMin", Set(&Vexel::setHScrollBarMin)},
      {"HScrollBarMax", Set(&Vexel::setHScrollBarMax)},
      {"HScrollBarVisible", Set(&Vexel::setHScrollBarVisible)},
  };
  return setters;
}

}  // namespace

Error Vexel::Invoke(std::int32_t dispid, InvokeKind kind, QVariantList& args, QVariant* result) {
  const VexelDispatchEntry* entry = nullptr;
  for (const VexelDispatchEntry& e : kVexelDispatch)
    if (e.dispid == dispid) entry = &e;
  if (!entry) return UnknownMember(dispid);

  if (entry->kind == VexelMemberKind::Method) {
    if (kind != InvokeKind::Method) return UnknownMember(dispid);
    return Methods().at(entry->name)(*this, args, result);
  }
  if (kind == InvokeKind::Method) return UnknownMember(dispid);
  if (kind == InvokeKind::PropertyGet) {
    const QByteArray name(entry->name.data(), static_cast<int>(entry->name.size()));
    if (result) *result = metaObject()->property(metaObject()->indexOfProperty(name)).read(this);
    return {};
  }
  // Writing Colors keeps the one shared scheme: hosts change it through the object they read.
  if (entry->name == "Colors") return {};
  if (args.isEmpty()) return MissingArgument();
  return Setters().at(entry->name)(*this, args.first());
}

}  // namespace vexel

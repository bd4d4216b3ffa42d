#include "component/table_colors_object.h"

#include <QMetaProperty>

#include "component/table_colors_dispatch.h"

namespace vexel {
namespace {

using periodic::TableColorsMemberKind;

bool KindMatches(TableColorsMemberKind entry, VexelControl::InvokeKind kind) {
  switch (kind) {
    case VexelControl::InvokeKind::Method:
      return entry == TableColorsMemberKind::kMethod;
    case VexelControl::InvokeKind::PropertyGet:
      return entry == TableColorsMemberKind::kPropertyGet;
    case VexelControl::InvokeKind::PropertyPut:
      return entry == TableColorsMemberKind::kPropertyPut;
  }
  return false;
}

}  // namespace

void TableColorsObject::LoadData2(QString& data) {
  m_scheme.LoadData2(data.toStdString());
}

void TableColorsObject::LoadData(QString& data) {
  std::string text = data.toStdString();
  m_scheme.LoadData(text);
  data = QString::fromStdString(text);
}

QString TableColorsObject::SaveData() const {
  return QString::fromStdString(m_scheme.SaveData());
}

bool TableColorsObject::Invoke(std::int32_t dispid, VexelControl::InvokeKind kind,
                               QVariantList& args, QVariant* result) {
  for (const auto& entry : periodic::kTableColorsDispatch) {
    if (entry.dispid != dispid || !KindMatches(entry.kind, kind)) continue;
    const QByteArray name(entry.name.data(), static_cast<int>(entry.name.size()));
    if (kind != VexelControl::InvokeKind::Method) {
      const QMetaProperty property = metaObject()->property(metaObject()->indexOfProperty(name));
      if (kind == VexelControl::InvokeKind::PropertyGet) {
        if (result) *result = property.read(this);
        return true;
      }
      return !args.isEmpty() && property.write(this, args.first());
    }
    if (name == "SaveData") {
      if (result) *result = SaveData();
    } else if (name == "RestoreDefaults") {
      RestoreDefaults();
    } else if (args.isEmpty()) {
      return false;
    } else if (name == "GetColor") {
      if (result) *result = GetColor(args.first().toInt());
    } else {
      QString data = args.first().toString();
      name == "LoadData" ? LoadData(data) : LoadData2(data);
      args.first() = data;
    }
    return true;
  }
  return false;
}

}  // namespace vexel

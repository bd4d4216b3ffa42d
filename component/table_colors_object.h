#pragma once

#include <QObject>

#include "table/table_colors.h"
#include "component/vexel_interface.h"

namespace vexel {

// The colour scheme as hosts see it: its members by name through the meta-object system and
// by call through TableColorsControl. Hosts cannot create one; they reach the shared one
// through the control's Colors property.
class TableColorsObject : public QObject, public TableColorsControl {
  Q_OBJECT
  Q_CLASSINFO("Interface", "_clsTableColors")
  Q_PROPERTY(qint32 TransitionalColor READ TransitionalColor WRITE setTransitionalColor)
  Q_PROPERTY(qint32 HalogenColor READ HalogenColor WRITE setHalogenColor)
  Q_PROPERTY(qint32 AlkalineplainColor READ AlkalineplainColor WRITE setAlkalineplainColor)
  Q_PROPERTY(qint32 AlkalineColor READ AlkalineColor WRITE setAlkalineColor)
  Q_PROPERTY(bool DifferByElementType READ DifferByElementType WRITE setDifferByElementType)
  Q_PROPERTY(qint32 FColor READ FColor WRITE setFColor)
  Q_PROPERTY(qint32 DColor READ DColor WRITE setDColor)
  Q_PROPERTY(qint32 PColor READ PColor WRITE setPColor)
  Q_PROPERTY(qint32 SColor READ SColor WRITE setSColor)
  Q_PROPERTY(qint32 MetallColor READ MetallColor WRITE setMetallColor)
  Q_PROPERTY(qint32 NonMetallColor READ NonMetallColor WRITE setNonMetallColor)
  Q_PROPERTY(qint32 InertGassColor READ InertGassColor WRITE setInertGassColor)
  Q_PROPERTY(qint32 AmfoternColor READ AmfoternColor WRITE setAmfoternColor)

 public:
  TableColorsObject() = default;

  periodic::clsTableColors& scheme() { return m_scheme; }
  const periodic::clsTableColors& scheme() const { return m_scheme; }

  std::int32_t TransitionalColor() const override { return m_scheme.TransitionalColor(); }
  void setTransitionalColor(std::int32_t v) override { m_scheme.setTransitionalColor(v); }
  std::int32_t HalogenColor() const override { return m_scheme.HalogenColor(); }
  void setHalogenColor(std::int32_t v) override { m_scheme.setHalogenColor(v); }
  std::int32_t AlkalineplainColor() const override { return m_scheme.AlkalineplainColor(); }
  void setAlkalineplainColor(std::int32_t v) override { m_scheme.setAlkalineplainColor(v); }
  std::int32_t AlkalineColor() const override { return m_scheme.AlkalineColor(); }
  void setAlkalineColor(std::int32_t v) override { m_scheme.setAlkalineColor(v); }
  bool DifferByElementType() const override { return m_scheme.DifferByElementType(); }
  void setDifferByElementType(bool v) override { m_scheme.setDifferByElementType(v); }
  std::int32_t FColor() const override { return m_scheme.FColor(); }
  void setFColor(std::int32_t v) override { m_scheme.setFColor(v); }
  std::int32_t DColor() const override { return m_scheme.DColor(); }
  void setDColor(std::int32_t v) override { m_scheme.setDColor(v); }
  std::int32_t PColor() const override { return m_scheme.PColor(); }
  void setPColor(std::int32_t v) override { m_scheme.setPColor(v); }
  std::int32_t SColor() const override { return m_scheme.SColor(); }
  void setSColor(std::int32_t v) override { m_scheme.setSColor(v); }
  std::int32_t MetallColor() const override { return m_scheme.MetallColor(); }
  void setMetallColor(std::int32_t v) override { m_scheme.setMetallColor(v); }
  std::int32_t NonMetallColor() const override { return m_scheme.NonMetallColor(); }
  void setNonMetallColor(std::int32_t v) override { m_scheme.setNonMetallColor(v); }
  std::int32_t InertGassColor() const override { return m_scheme.InertGassColor(); }
  void setInertGassColor(std::int32_t v) override { m_scheme.setInertGassColor(v); }
  std::int32_t AmfoternColor() const override { return m_scheme.AmfoternColor(); }
  void setAmfoternColor(std::int32_t v) override { m_scheme.setAmfoternColor(v); }

  Q_INVOKABLE void LoadData2(QString& data) override;
  Q_INVOKABLE void LoadData(QString& data) override;
  Q_INVOKABLE QString SaveData() const override;
  Q_INVOKABLE void RestoreDefaults() override { m_scheme.RestoreDefaults(); }
  Q_INVOKABLE std::int32_t GetColor(std::int32_t num) const override {
    return m_scheme.GetColor(num);
  }

  // A member by its dispatch identifier; false when the identifier or kind is unknown.
  bool Invoke(std::int32_t dispid, VexelControl::InvokeKind kind, QVariantList& args,
              QVariant* result);

 private:
  periodic::clsTableColors m_scheme;
};

}  // namespace vexel

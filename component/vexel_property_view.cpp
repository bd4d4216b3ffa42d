#include "component/vexel.h"

namespace vexel {
namespace {

Error Refused(const QString& what) {
  return {5, "Invalid procedure call: " + what, "Vexel"};
}

}  // namespace

std::int32_t Vexel::PropertyView() const {
  return static_cast<std::int32_t>(m_propertyView.kind);
}

Error Vexel::setPropertyView(std::int32_t view) {
  if (view < 0 || view >= periodic::kPropertyViewKindCount)
    return Refused(QString("there is no property view %1").arg(view));
  m_propertyView.kind = static_cast<periodic::PropertyViewKind>(view);
  emit PropertyChanged(QStringLiteral("PropertyView"));
  return redrawIfShown();
}

Error Vexel::setViewTemperature(std::int32_t kelvin) {
  if (kelvin < periodic::kLowestTemperature || kelvin > periodic::kHighestTemperature)
    return Refused(QString("the temperature %1 K lies outside 0..6000 K").arg(kelvin));
  m_propertyView.temperature = kelvin;
  emit PropertyChanged(QStringLiteral("ViewTemperature"));
  return redrawIfShown();
}

Error Vexel::setViewYear(std::int32_t year) {
  if (year < periodic::kEarliestYear || year > periodic::CurrentYear())
    return Refused(QString("the year %1 lies outside %2..%3")
                       .arg(year)
                       .arg(periodic::kEarliestYear)
                       .arg(periodic::CurrentYear()));
  m_propertyView.year = year;
  emit PropertyChanged(QStringLiteral("ViewYear"));
  return redrawIfShown();
}

}  // namespace vexel

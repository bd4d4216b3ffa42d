#include "platform/table_font.h"

#include <map>
#include <tuple>

#include <QStringList>
#include <cmath>

namespace periodic {

namespace {
constexpr double kTwipsPerPoint = 20.0;
constexpr double kReferencePoints = 15.0;

// The size TableFont gives: whole twips, at least one.
int SizeInTwips(double points) {
  const int twips = static_cast<int>(std::lround(points * kTwipsPerPoint));
  return twips > 0 ? twips : 1;
}
}  // namespace

QString TableFontFamily(const std::string& name) {
  QString family = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  if (family.trimmed().compare(QLatin1String("arial cyr"), Qt::CaseInsensitive) == 0) {
    return QString::fromLatin1(kArialSubstitute);
  }
  return family;
}

QFont TableFont(const TextFont& wanted) {
  QFont font;
  font.setFamilies(QStringList{TableFontFamily(wanted.name)});
  // QFont takes whole pixels only; in twips that is a twentieth of a point, finer than any
  // size the table uses.
  font.setPixelSize(SizeInTwips(wanted.size));
  font.setBold(wanted.bold);
  font.setItalic(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

const MeasuredFont& CachedTableFont(const TextFont& wanted) {
  thread_local std::map<std::tuple<std::string, double, bool>, MeasuredFont> cache;
  const auto key = std::make_tuple(wanted.name, wanted.size, wanted.bold);
  auto found = cache.find(key);
  if (found == cache.end()) {
    TextFont reference = wanted;
    reference.size = kReferencePoints;
    const QFont font = TableFont(reference);
    const double scale =
        SizeInTwips(wanted.size) / static_cast<double>(SizeInTwips(kReferencePoints));
    found = cache.emplace(key, MeasuredFont{font, QFontMetricsF(font), scale}).first;
  }
  return found->second;
}

}  // namespace periodic

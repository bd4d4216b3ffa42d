#include "platform/table_font.h"

#include <map>
#include <tuple>

#include <QStringList>
#include <cmath>

namespace periodic {

namespace {
constexpr double kTwipsPerPoint = 20.0;
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
  const int twips = static_cast<int>(std::lround(wanted.size * kTwipsPerPoint));
  font.setPixelSize(twips > 0 ? twips : 1);
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
    QFont font = TableFont(wanted);
    found = cache.emplace(key, MeasuredFont{font, QFontMetricsF(font)}).first;
  }
  return found->second;
}

}  // namespace periodic

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>

#include "vexel_host.h"

namespace {

using vexel::VexelControl;

QStringList ChangedNames(const QSignalSpy& spy) {
  QStringList names;
  for (const QList<QVariant>& call : spy) names << call.at(0).toString();
  return names;
}

TEST(VexelProperties, ANewInstanceHasItsDefaultsAndDrawsNothing) {
  VexelHost host;
  EXPECT_FALSE(host.creationError().failed()) << host.creationError().description.toStdString();
  QSignalSpy changed(&host.widget(), SIGNAL(PropertyChanged(QString)));
  QSignalSpy status(&host.widget(), SIGNAL(ChangeStatusbarText(QString)));
  VexelControl& c = host.control();
  c.InitProperties();
  EXPECT_FALSE(c.LongPeriods());
  EXPECT_TRUE(c.ShowAtomicMass());
  EXPECT_TRUE(c.ShowElementsName());
  EXPECT_TRUE(c.DifferSPDF());
  EXPECT_TRUE(c.DifferMetalsNonmetals());
  EXPECT_FALSE(c.InvertColors());
  EXPECT_EQ(c.ZoomVal(), 100);
  EXPECT_TRUE(c.ShowHighestOxidesTable());
  EXPECT_FALSE(c.MoveOutInertGases());
  EXPECT_FALSE(c.LatInsteadOfRus());
  EXPECT_TRUE(c.OpenViewerOnDblClick());
  EXPECT_TRUE(c.AutoRefresh());
  EXPECT_TRUE(c.AutoRefreshOnResize());
  EXPECT_EQ(c.BackColor(), static_cast<std::int32_t>(0x80000005u));
  EXPECT_EQ(ChangedNames(changed),
            QStringList({"AutoRefresh", "AutoRefreshOnResize", "LongPeriods", "ShowAtomicMass",
                         "ShowElementsName", "DifferSPDF", "DifferMetalsNonmetals", "InvertColors",
                         "ZoomVal", "ShowHighestOxidesTable", "MoveOutInertGases",
                         "OpenViewerOnDblClick", "LatInsteadOfRus", "AutoRefresh"}));
  // ZoomVal's setter rescales the (still empty) picture, but nothing is drawn.
  EXPECT_FALSE(status.contains(QList<QVariant>{QStringLiteral("Рисую таблицу...")}));
}

TEST(VexelProperties, ZoomOutsideTwoTo349IsIgnoredSilently) {
  VexelHost host;
  VexelControl& c = host.control();
  c.InitProperties();
  QSignalSpy changed(&host.widget(), SIGNAL(PropertyChanged(QString)));
  const std::pair<int, int> cases[] = {{1, 100}, {350, 100}, {2, 2}, {349, 349}, {-5, 349}};
  for (const auto& [value, expected] : cases) {
    EXPECT_FALSE(c.setZoomVal(value).failed());
    EXPECT_EQ(c.ZoomVal(), expected) << value;
  }
  EXPECT_EQ(ChangedNames(changed), QStringList({"ZoomVal", "ZoomVal"}));
}

TEST(VexelProperties, FlagsRedrawOnlyAfterTheFirstResizeAndWithAutoRefresh) {
  VexelHost host;
  VexelControl& c = host.control();
  c.InitProperties();
  QSignalSpy status(&host.widget(), SIGNAL(ChangeStatusbarText(QString)));
  c.setLongPeriods(true);
  EXPECT_TRUE(c.LongPeriods());
  EXPECT_EQ(status.count(), 0);

  host.resizeTwips(9000, 6000);
  // The first resize draws at 100 %.
  EXPECT_EQ(status.count(), 3 + 2);
  EXPECT_EQ(status.at(2).at(0).toString(), "Рисую таблицу...");
  EXPECT_EQ(status.last().at(0).toString(), "Готово");
  EXPECT_EQ(host.control().ZoomVal(), 100);

  status.clear();
  c.setLongPeriods(false);
  EXPECT_EQ(status.count(), 3);
  EXPECT_EQ(status.at(0).at(0).toString(), "Рисую таблицу...");
  EXPECT_EQ(status.at(1).at(0).toString(), "Изменяю размеры таблицы...");
  EXPECT_EQ(status.at(2).at(0).toString(), "Готово");

  status.clear();
  c.setAutoRefresh(false);
  c.setInvertColors(true);
  c.setOpenViewerOnDblClick(false);
  EXPECT_TRUE(c.InvertColors());
  EXPECT_EQ(status.count(), 0);
  c.setAutoRefresh(true);
  c.setInvertColors(false);
  c.setOpenViewerOnDblClick(true);
}

TEST(VexelProperties, ThePropertyStoreKeepsFourteenKeysInOrder) {
  VexelHost host;
  host.control().InitProperties();
  host.control().setMoveOutInertGases(true);
  MemoryPropertyBag bag;
  host.control().WriteProperties(bag);
  EXPECT_EQ(bag.order,
            QStringList({"LongPeriods", "DifferSPDF", "DifferMetalsNonmetals", "ShowAtomicMass",
                         "ShowElementsName", "InvertColors", "ZoomVal", "ShowHighestOxidesTable",
                         "MoveOutInertGases", "LatInsteadOfRus", "OpenViewerOnDblClick",
                         "AutoRefresh", "AutoRefreshOnResize", "BackColor"}));
  EXPECT_EQ(bag.values["MoveOutInertGases"].toBool(), true);
  EXPECT_EQ(bag.values["BackColor"].toInt(), static_cast<std::int32_t>(0x80000005u));

  // Loading puts values straight into place: no notification, no range check.
  VexelHost restored;
  QSignalSpy changed(&restored.widget(), SIGNAL(PropertyChanged(QString)));
  MemoryPropertyBag saved;
  saved.values = {{"ZoomVal", 500}, {"LongPeriods", true}, {"AutoRefresh", false}};
  restored.control().ReadProperties(saved);
  EXPECT_EQ(restored.control().ZoomVal(), 500);
  EXPECT_TRUE(restored.control().LongPeriods());
  EXPECT_FALSE(restored.control().AutoRefresh());
  EXPECT_TRUE(restored.control().ShowAtomicMass());  // missing keys take their defaults
  EXPECT_FALSE(restored.control().MoveOutInertGases());
  EXPECT_EQ(changed.count(), 0);
  restored.resizeTwips(9000, 6000);
  EXPECT_EQ(restored.control().ZoomVal(), 100);
  restored.control().setLongPeriods(false);
}

TEST(VexelProperties, MembersAreReachableByNameAndByDispatchIdentifier) {
  VexelHost host;
  host.control().InitProperties();
  QObject& object = host.widget();
  EXPECT_TRUE(object.setProperty("LatInsteadOfRus", true));
  EXPECT_TRUE(host.control().LatInsteadOfRus());

  QVariantList args{false};
  QVariant result;
  using Kind = VexelControl::InvokeKind;
  EXPECT_FALSE(host.control().Invoke(0x6803000D, Kind::PropertyPut, args, nullptr).failed());
  EXPECT_FALSE(host.control().LatInsteadOfRus());
  EXPECT_FALSE(host.control().Invoke(0x68030010, Kind::PropertyGet, args, &result).failed());
  EXPECT_EQ(result.toInt(), 100);
  QVariantList none;
  EXPECT_FALSE(host.control().Invoke(0x60030029, Kind::Method, none, &result).failed());
  EXPECT_EQ(result.toString(), "Vexel");
  EXPECT_FALSE(host.control().Invoke(0x68030009, Kind::PropertyGet, none, &result).failed());
  QObject* colors = result.value<QObject*>();
  ASSERT_NE(colors, nullptr);
  EXPECT_EQ(colors->property("SColor").toInt(), 255);
  EXPECT_EQ(host.control().Invoke(0x12345, Kind::Method, none, &result).number, 438);
  EXPECT_EQ(host.control().Invoke(0x6003001D, Kind::PropertyGet, none, &result).number, 438);

  // The scheme is one object, shared by every control on the thread.
  VexelHost other;
  EXPECT_EQ(other.control().Colors(), host.control().Colors());
  EXPECT_EQ(host.control().Colors()->GetColor(0), 11269045);
}

TEST(VexelProperties, PluginMetadataCarriesTheTypeLibrary) {
  VexelHost host;
  const QJsonObject meta = host.loader().metaData().value("MetaData").toObject();
  EXPECT_EQ(meta.value("ProgId").toString(), "Orvanta.Vexel");
  EXPECT_EQ(meta.value("FileVersion").toString(), "1.0.0.100");
  EXPECT_TRUE(meta.value("SelfRegistering").toBool());
  const QJsonObject typeLibrary = meta.value("TypeLibrary").toObject();
  EXPECT_EQ(typeLibrary.value("Name").toString(), "Orvanta");
  EXPECT_EQ(typeLibrary.value("Version").toString(), "38.0");
  EXPECT_EQ(typeLibrary.value("Locale").toString(), "0x409");
  EXPECT_EQ(meta.value("Interfaces").toArray().size(), 3);
  QImage toolbox(meta.value("ToolboxBitmap").toString());
  EXPECT_EQ(toolbox.size(), QSize(16, 15));
  EXPECT_EQ(host.control().OCXName(), "Vexel");
  EXPECT_EQ(host.control().ElementsDataFile(), host.control().OCXPath() + "/Elements.dat");
}

}  // namespace

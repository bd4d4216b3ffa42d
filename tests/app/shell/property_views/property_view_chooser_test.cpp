#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "app/main_window_host.h"
#include "app/shell/property_views/property_view_chooser.h"
#include "app/shell/property_views/property_view_settings.h"

namespace {

using periodic::PropertyViewKind;

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

class PropertyViewChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.window->hasControl()) << m_host.window->loadError().toStdString();
    m_host.show();
  }
  vexel::VexelControl& halden() { return *m_host.window->Halden(); }
  template <typename T>
  T* child(const char* name) {
    return m_host.window->findChild<T*>(name);
  }
  QToolBar* sliderBar() { return child<QToolBar>("tlbPropertyValue"); }

  MainWindowHost m_host;
};

TEST_F(PropertyViewChooserTest, MenuAndListChooseTheSameViews) {
  QMenu* views = child<QMenu>("mnuView_PropertyViews");
  ASSERT_NE(views, nullptr);
  EXPECT_EQ(views->title(), "Окраска по свойству");
  EXPECT_EQ(views->parent(), child<QMenu>("mnuView"));
  EXPECT_EQ(child<QMenu>("mnuPropertyView_ByProperty")->title(), "По свойству");
  auto* list = child<QComboBox>("cmbPropertyView");
  ASSERT_EQ(list->count(), 11);
  EXPECT_EQ(list->itemText(0), "нет");
  EXPECT_EQ(list->itemText(9), "Агрегатное состояние");
  EXPECT_EQ(list->itemText(10), "Хронология открытий");
  EXPECT_FALSE(sliderBar()->isVisible());

  m_host.menuItem("mnuPropertyView_9")->trigger();
  EXPECT_EQ(halden().PropertyView(), 9);
  EXPECT_EQ(list->currentIndex(), 9);
  EXPECT_TRUE(sliderBar()->isVisible());
  EXPECT_EQ(child<QSlider>("sldPropertyValue")->value(), 298);

  list->activated(1);
  EXPECT_EQ(halden().PropertyView(), 1);
  EXPECT_TRUE(m_host.menuItem("mnuPropertyView_1")->isChecked());
  EXPECT_FALSE(sliderBar()->isVisible());

  m_host.menuItem("mnuPropertyView_0")->trigger();
  EXPECT_EQ(halden().PropertyView(), 0);
  EXPECT_EQ(list->currentIndex(), 0);
}

TEST_F(PropertyViewChooserTest, SliderAndFieldStepTypeAndStayInRange) {
  m_host.menuItem("mnuPropertyView_9")->trigger();
  auto* slider = child<QSlider>("sldPropertyValue");
  auto* field = child<QSpinBox>("spnPropertyValue");
  EXPECT_EQ(slider->minimum(), 0);
  EXPECT_EQ(slider->maximum(), 6000);
  QTest::keyClick(slider, Qt::Key_Right);
  EXPECT_EQ(halden().ViewTemperature(), 299);
  EXPECT_EQ(field->value(), 299);
  QTest::keyClick(slider, Qt::Key_PageUp);
  EXPECT_EQ(halden().ViewTemperature(), 399);
  QTest::keyClick(slider, Qt::Key_End);
  EXPECT_EQ(halden().ViewTemperature(), 6000);
  field->setValue(303);
  EXPECT_EQ(halden().ViewTemperature(), 303);
  EXPECT_EQ(slider->value(), 303);

  m_host.menuItem("mnuPropertyView_10")->trigger();
  EXPECT_EQ(slider->minimum(), periodic::kEarliestYear);
  EXPECT_EQ(slider->maximum(), periodic::CurrentYear());
  EXPECT_EQ(field->value(), periodic::CurrentYear());
  m_host.window->propertyViews()->setSliderValue(1800);
  EXPECT_EQ(halden().ViewYear(), 1800);
  m_host.window->propertyViews()->setSliderValue(-5000);
  EXPECT_EQ(halden().ViewYear(), periodic::kEarliestYear);
  // The temperature is kept while the year is shown.
  EXPECT_EQ(halden().ViewTemperature(), 303);
}

TEST_F(PropertyViewChooserTest, ColourModesLeaveTheViewAndRestoreTheSchemeAsItWas) {
  const bool spdf = halden().DifferSPDF();
  const bool metals = halden().DifferMetalsNonmetals();
  for (const char* item : {"mnuView_DifferSPDF", "mnuDifferMtlsNonmtls"}) {
    m_host.menuItem("mnuPropertyView_3")->trigger();
    m_host.menuItem(item)->trigger();
    EXPECT_EQ(halden().PropertyView(), 0) << item;
    EXPECT_EQ(halden().DifferSPDF(), spdf);
    EXPECT_EQ(halden().DifferMetalsNonmetals(), metals);
    EXPECT_EQ(m_host.menuItem("mnuView_DifferSPDF")->isChecked(), spdf);
    EXPECT_EQ(m_host.menuItem("mnuDifferMtlsNonmtls")->isChecked(), metals);
  }
  m_host.menuItem("mnuPropertyView_9")->trigger();
  m_host.button("InvertColors")->trigger();
  EXPECT_EQ(halden().PropertyView(), 0);
  EXPECT_FALSE(halden().InvertColors());
  EXPECT_FALSE(m_host.button("InvertColors")->isChecked());
  // Without a view the items toggle as they always did.
  m_host.menuItem("mnuView_DifferSPDF")->trigger();
  EXPECT_EQ(halden().DifferSPDF(), !spdf);
}

// The chosen view lives in PropertyView.ini; Table.ini and Table.cfg are written exactly as
// without views.
TEST(PropertyViewSettings, OwnFileOnlyAndRestoredAtTheNextStart) {
  QTemporaryDir plainDir;
  QTemporaryDir viewDir;
  {
    MainWindowHost plain(plainDir.path());
    plain.show();
    plain.window->close();
  }
  {
    MainWindowHost host(viewDir.path());
    host.show();
    host.menuItem("mnuPropertyView_9")->trigger();
    host.window->propertyViews()->setSliderValue(1234);
    host.window->close();
  }
  for (const char* name : {"/Table.ini", "/Table.cfg"}) {
    EXPECT_FALSE(ReadFile(plainDir.path() + name).isEmpty()) << name;
    EXPECT_EQ(ReadFile(viewDir.path() + name), ReadFile(plainDir.path() + name)) << name;
  }
  EXPECT_FALSE(QFile::exists(plainDir.path() + "/PropertyView.ini"));
  ASSERT_TRUE(QFile::exists(viewDir.path() + "/PropertyView.ini"));

  MainWindowHost again(viewDir.path());
  EXPECT_EQ(again.window->Halden()->PropertyView(), 9);
  EXPECT_EQ(again.window->Halden()->ViewTemperature(), 1234);
  EXPECT_EQ(again.window->findChild<QSpinBox*>("spnPropertyValue")->value(), 1234);
}

TEST(PropertyViewSettings, DamagedOrMissingValuesFallBackOneByOne) {
  QTemporaryDir dir;
  const QString path = dir.filePath("PropertyView.ini");
  struct Case {
    QByteArray text;
    PropertyViewKind kind;
    int temperature;
    int year;
  };
  const int now = periodic::CurrentYear();
  const Case cases[] = {
      {"", PropertyViewKind::None, 298, now},
      {"[PropertyView]\nView=10\nTemperature=0\nYear=-1000\n", PropertyViewKind::DiscoveryTimeline,
       0, -1000},
      {"[PropertyView]\nView=11\nTemperature=6001\nYear=99999\n", PropertyViewKind::None, 298, now},
      {"[PropertyView]\nView=-1\nTemperature=abc\nYear=1800\n", PropertyViewKind::None, 298, 1800},
      {"\xff\xfe garbage \x00\x01 [[[", PropertyViewKind::None, 298, now},
  };
  for (const Case& c : cases) {
    WriteFile(path, c.text);
    const periodic::PropertyView view = table::ReadPropertyView(path);
    EXPECT_EQ(view.kind, c.kind) << c.text.toStdString();
    EXPECT_EQ(view.temperature, c.temperature) << c.text.toStdString();
    EXPECT_EQ(view.year, c.year) << c.text.toStdString();
  }
  EXPECT_EQ(table::ReadPropertyView(dir.filePath("missing.ini")), periodic::PropertyView());
  // A folder that cannot be made: a file stands in its place.
  WriteFile(dir.filePath("file"), "x");
  EXPECT_FALSE(table::WritePropertyView(dir.filePath("file/PropertyView.ini"), {}));
}

}  // namespace

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QToolTip>
#include <QWidget>

#include "data/element_data_file.h"
#include "platform/painter_sink.h"
#include "platform/qt_text_metrics.h"
#include "table/drawing.h"
#include "table/table_drawing.h"
#include "vexel_host.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bitmap as the control wrote it before views existed: the table drawn by the drawing call
// that knows nothing of views, replayed at the zoom and written as a Windows bitmap.
QByteArray ReferenceBitmap(const periodic::DisplayOptions& options, QSize size) {
  periodic::ElementDataFile file;
  file.Open(QFileInfo(VEXEL_LIBRARY_FILE).dir().filePath("Elements.dat").toStdString());
  periodic::Drawing drawing;
  const periodic::QtTextMetrics metrics;
  periodic::DrawingSurface surface(drawing, metrics);
  surface.setBackColor(periodic::kSystemWindowBackground);
  periodic::DrawTable(surface, options, periodic::clsTableColors(), file);
  QImage image(size, QImage::Format_RGB32);
  image.fill(periodic::ToQColor(drawing.backColor()));
  {
    QPainter painter(&image);
    periodic::PainterSink sink(painter, options.ZoomVal / 100.0 / periodic::kTwipsPerPixel);
    drawing.replay(sink);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter(&buffer, "BMP").write(image);
  return bytes;
}

class VexelPropertyViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_host.control().InitProperties();
    m_host.resizeTwips(15000, 11000);
  }
  QByteArray bitmap(const char* name) {
    QString path = m_dir.filePath(name);
    EXPECT_FALSE(m_host.control().SaveAsBitmap(path).failed());
    return ReadAll(path);
  }
  vexel::VexelControl& control() { return m_host.control(); }

  VexelHost m_host;
  QTemporaryDir m_dir;
};

// With no view chosen the saved bitmap is byte for byte the one saved before any view was
// chosen, and the one the view-free drawing makes, in both forms and at other zooms.
TEST_F(VexelPropertyViewTest, ViewNoneSavesTheOriginalBitmap) {
  for (const bool longForm : {false, true}) {
    for (const int zoom : {100, 150}) {
      control().setLongPeriods(longForm);
      control().ZoomTable(zoom);
      const QByteArray before = bitmap("before.bmp");
      periodic::DisplayOptions options;
      options.LongPeriods = longForm;
      options.ZoomVal = zoom;
      const QImage shown = QImage::fromData(before, "BMP");
      EXPECT_EQ(before, ReferenceBitmap(options, shown.size())) << longForm << " " << zoom;

      for (int view = 1; view <= 10; ++view) {
        ASSERT_FALSE(control().setPropertyView(view).failed());
        EXPECT_NE(bitmap("view.bmp"), before) << view;
      }
      control().setViewTemperature(1000);
      control().setViewYear(1800);
      ASSERT_FALSE(control().setPropertyView(0).failed());
      EXPECT_EQ(bitmap("after.bmp"), before) << longForm << " " << zoom;
    }
  }
}

TEST_F(VexelPropertyViewTest, SettersCheckTheirRangeAndRedraw) {
  struct Case {
    vexel::Error (vexel::VexelControl::*set)(std::int32_t);
    std::int32_t (vexel::VexelControl::*get)() const;
    std::int32_t first;
    std::vector<std::int32_t> accepted;
    std::vector<std::int32_t> refused;
  };
  const int thisYear = QDateTime::currentDateTimeUtc().date().year();
  const Case cases[] = {
      {&vexel::VexelControl::setPropertyView,
       &vexel::VexelControl::PropertyView,
       0,
       {0, 10, 1},
       {-1, 11}},
      {&vexel::VexelControl::setViewTemperature,
       &vexel::VexelControl::ViewTemperature,
       298,
       {0, 6000, 303},
       {-1, 6001}},
      {&vexel::VexelControl::setViewYear,
       &vexel::VexelControl::ViewYear,
       thisYear,
       {-1000, thisYear, 1800},
       {-1001, thisYear + 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ((control().*c.get)(), c.first);
    for (std::int32_t value : c.accepted) {
      EXPECT_FALSE((control().*c.set)(value).failed()) << value;
      EXPECT_EQ((control().*c.get)(), value);
    }
    const std::int32_t kept = (control().*c.get)();
    for (std::int32_t value : c.refused) {
      const vexel::Error error = (control().*c.set)(value);
      EXPECT_EQ(error.number, 5) << value;
      EXPECT_TRUE(error.description.contains(QString::number(value)))
          << error.description.toStdString();
      EXPECT_EQ((control().*c.get)(), kept);
    }
  }
  // Every value change is drawn at once.
  control().setPropertyView(9);
  control().setViewTemperature(298);
  const QByteArray at298 = bitmap("298.bmp");
  control().setViewTemperature(303);
  EXPECT_NE(bitmap("303.bmp"), at298);
}

TEST_F(VexelPropertyViewTest, ViewsAreNotSavedWithTheControlsProperties) {
  MemoryPropertyBag plain;
  control().WriteProperties(plain);
  control().setPropertyView(9);
  control().setViewTemperature(1000);
  MemoryPropertyBag withView;
  control().WriteProperties(withView);
  EXPECT_EQ(withView.order, plain.order);
  EXPECT_EQ(withView.values, plain.values);
}

TEST_F(VexelPropertyViewTest, TooltipAddsTheValueWithItsUnit) {
  m_host.window().show();
  QWidget* output = m_host.child<QWidget>("picOutput");
  ASSERT_NE(output, nullptr);
  // The iron cell of the short form at 100 %.
  const QPoint iron((910 + 7 * 900 + 450) / 15, (610 + 3 * 600 + 300) / 15);
  const auto hover = [&] {
    QHelpEvent event(QEvent::ToolTip, iron, output->mapToGlobal(iron));
    QCoreApplication::sendEvent(output, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  const QString plain = hover();
  ASSERT_TRUE(plain.contains("Железо"));
  control().setPropertyView(6);  // melting point
  EXPECT_EQ(hover(), plain + "<br>Температура плавления: 1808 K");
  control().setPropertyView(9);
  EXPECT_TRUE(
      hover().endsWith("Агрегатное состояние при 298 K: твёрдое<br>Температура "
                       "плавления: 1808 K<br>Температура кипения: 3023 K"));
  control().setPropertyView(0);
  EXPECT_EQ(hover(), plain);
}

TEST_F(VexelPropertyViewTest, SvgOfAViewKeepsItsTextsAndLegend) {
  control().setPropertyView(1);
  QString path = m_dir.filePath("view.svg");
  ASSERT_FALSE(control().SavePicture(path, "SVG").failed());
  ASSERT_TRUE(QSvgRenderer(path).isValid());
  const QString svg = QString::fromUtf8(ReadAll(path));
  EXPECT_TRUE(QRegularExpression(">\\s*Fe\\s*<").match(svg).hasMatch());
  for (const char* text :
       {"Железо", "Электроотрицательность", "по Полингу", "3,98", "0,7", "нет данных"})
    EXPECT_TRUE(svg.contains(QString::fromUtf8(text))) << text;
  EXPECT_FALSE(svg.contains("<image"));
}

}  // namespace

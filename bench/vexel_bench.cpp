#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPluginLoader>
#include <QWidget>
#include <memory>

#include "component/vexel_interface.h"

namespace {

// The control in a window of 800 x 600 pixels, loaded as the program loads it.
class HostedControl {
 public:
  HostedControl() : m_loader(QStringLiteral(VEXEL_LIBRARY_FILE)) {
    auto* library = qobject_cast<vexel::VexelLibrary*>(m_loader.instance());
    if (!library) std::abort();
    m_control = library->CreateControl(vexel::kProgId, &m_window, nullptr);
    m_control->InitProperties();
    m_window.resize(800, 600);
    m_control->widget()->resize(800, 600);
    m_window.show();
  }

  vexel::VexelControl& control() { return *m_control; }

  // Paints what the user sees: the viewport with the zoomed picture in it.
  void paintViewport() {
    m_frame.fill(Qt::white);
    m_control->widget()->render(&m_frame);
  }

 private:
  QPluginLoader m_loader;
  QWidget m_window;
  std::unique_ptr<vexel::VexelControl> m_control;
  QImage m_frame{800, 600, QImage::Format_ARGB32_Premultiplied};
};

HostedControl& Host() {
  static HostedControl host;
  return host;
}

void BM_ZoomTable(benchmark::State& state) {
  HostedControl& host = Host();
  const auto zoom = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    host.control().ZoomTable(zoom);
    host.paintViewport();
  }
  host.control().ZoomTable(100);
}
BENCHMARK(BM_ZoomTable)->Arg(200)->Arg(349)->Unit(benchmark::kMillisecond);

// A colour changes between refreshes, so that each draws the table anew.
void BM_RefreshAt100(benchmark::State& state) {
  HostedControl& host = Host();
  host.control().ZoomTable(100);
  vexel::TableColorsControl& colors = *host.control().Colors();
  const std::int32_t sColor = colors.SColor();
  bool other = false;
  for (auto _ : state) {
    other = !other;
    colors.setSColor(other ? sColor ^ 1 : sColor);
    host.control().Refresh();
    host.paintViewport();
  }
  colors.setSColor(sColor);
}
BENCHMARK(BM_RefreshAt100)->Unit(benchmark::kMillisecond);

// Nothing the table is drawn from changes: the drawing is kept, the viewport painted again.
void BM_RefreshUnchanged(benchmark::State& state) {
  HostedControl& host = Host();
  host.control().ZoomTable(100);
  for (auto _ : state) {
    host.control().Refresh();
    host.paintViewport();
  }
}
BENCHMARK(BM_RefreshUnchanged)->Unit(benchmark::kMillisecond);

// A property view's value changes as a dragged slider changes it, then the control is painted:
// each step draws the table anew in the new colours.
void PropertyViewAt(benchmark::State& state, std::int32_t zoom) {
  HostedControl& host = Host();
  host.control().ZoomTable(zoom);
  host.control().setPropertyView(9);  // the states of matter
  std::int32_t kelvin = 298;
  for (auto _ : state) {
    kelvin = kelvin >= 3000 ? 298 : kelvin + 7;
    host.control().setViewTemperature(kelvin);
    host.paintViewport();
  }
  host.control().setPropertyView(0);
  host.control().ZoomTable(100);
}

void BM_PropertyViewAt100(benchmark::State& state) {
  PropertyViewAt(state, 100);
}
BENCHMARK(BM_PropertyViewAt100)->Unit(benchmark::kMillisecond);

void BM_PropertyViewAt200(benchmark::State& state) {
  PropertyViewAt(state, 200);
}
BENCHMARK(BM_PropertyViewAt200)->Unit(benchmark::kMillisecond);

}  // namespace

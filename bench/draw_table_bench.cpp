#include <benchmark/benchmark.h>

#include <QImage>
#include <filesystem>

#include "platform/drawing_renderer.h"
#include "platform/qt_text_metrics.h"
#include "table/drawing.h"
#include "table/table_drawing.h"

namespace {

namespace fs = std::filesystem;

void OpenBuiltinDataFile(periodic::ElementDataFile& file) {
  const fs::path dir = fs::temp_directory_path() / "draw_table_bench";
  fs::create_directories(dir);
  periodic::WriteBuiltinRecords(dir.string());
  file.Open((dir / "Elements.dat").string());
}

// DrawTable with the default options into the retained drawing, then that drawing rasterised
// at 100 %: what a redraw of the control costs.
void BM_DrawTableAndRasterise(benchmark::State& state) {
  periodic::ElementDataFile file;
  OpenBuiltinDataFile(file);
  const periodic::DisplayOptions options;
  const periodic::clsTableColors colors;
  const periodic::QtTextMetrics metrics;
  for (auto _ : state) {
    periodic::Drawing drawing;
    periodic::DrawingSurface surface(drawing, metrics);
    DrawTable(surface, options, colors, file);
    QImage image = periodic::RenderDrawing(drawing, 100);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_DrawTableAndRasterise)->Unit(benchmark::kMillisecond);

// The recording alone: records, layout, metrics and the drawing's primitives.
void BM_DrawTableRecordingOnly(benchmark::State& state) {
  periodic::ElementDataFile file;
  OpenBuiltinDataFile(file);
  const periodic::DisplayOptions options;
  const periodic::clsTableColors colors;
  const periodic::QtTextMetrics metrics;
  for (auto _ : state) {
    periodic::Drawing drawing;
    periodic::DrawingSurface surface(drawing, metrics);
    DrawTable(surface, options, colors, file);
    benchmark::DoNotOptimize(drawing.commands().data());
  }
}
BENCHMARK(BM_DrawTableRecordingOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

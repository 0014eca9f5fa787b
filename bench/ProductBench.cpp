// The services beside the editor: one look for a plugged-in brick (the timer's work every second),
// the export of a program of 600 elements as PNG and SVG, its printout to PDF, and a recovery copy.
#include "gui/editor/FlowchartPainter.h"
#include "link/BrickLink.h"
#include "link/BrickWatch.h"
#include "link/HidTransport.h"
#include "model/ProgramStore.h"
#include "workspace/ProgramRecovery.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

tarvel::ProgramStore& program600()
{
    static tarvel::ProgramStore store = [] {
        tarvel::ProgramStore s;
        s.newProgram();
        const int kinds[][3] = {{10, 10, 10}, {11, 12, 16}, {14, 10, 12}, {13, 11, 10}, {15, 12, 10}, {17, 11, 10}};
        for (int i = 1; i < 600; ++i) {
            const auto* k = kinds[i % 6];
            s.currentElement = tarvel::makeElement(k[0], k[1], k[2], 1, 2, 0, "e" + std::to_string(i));
            s.appendCurrent();
            s.recordAt(0, i).pictureId = std::int16_t(i);
        }
        return s;
    }();
    return store;
}

void HotplugPollHidapi(benchmark::State& state)
{
    tarvel::ManualClock clock;
    tarvel::HidTransport transport;
    tarvel::BrickLink link(transport, clock);
    tarvel::BrickWatch watch;
    for (auto _ : state)
        benchmark::DoNotOptimize(watch.poll(transport, link));
}
BENCHMARK(HotplugPollHidapi)->Unit(benchmark::kMicrosecond);

void Export600(benchmark::State& state, const char* suffix)
{
    QTemporaryDir dir;
    const tarvel::FlowchartPainter painter(program600(), "grande.gtf");
    const QString path = dir.filePath(QStringLiteral("grande.") + suffix);
    for (auto _ : state)
        benchmark::DoNotOptimize(painter.exportImage(path, 0));
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK_CAPTURE(Export600, png, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export600, svg, "svg")->Unit(benchmark::kMillisecond);

void Print600ToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const tarvel::FlowchartPainter painter(program600(), "grande.gtf");
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(dir.filePath("grande.pdf"));
        pages = int(painter.pageLayout(printer).pages.size());
        benchmark::DoNotOptimize(painter.print(printer));
    }
    state.counters["pages"] = pages;
}
BENCHMARK(Print600ToPdf)->Unit(benchmark::kMillisecond);

void RecoveryCopy600(benchmark::State& state)
{
    QTemporaryDir dir;
    tarvel::ProgramRecovery recovery(dir.path().toStdString(), "bench");
    for (auto _ : state)
        benchmark::DoNotOptimize(recovery.tick(program600(), true, "grande.gtf", "/tmp/grande.gtf"));
}
BENCHMARK(RecoveryCopy600)->Unit(benchmark::kMillisecond);

} // namespace

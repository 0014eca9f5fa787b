// The build window from the user's click: "CompiGraba" until the brick runs the program, and
// "Compilar" until "Terminado!" shows, for the largest shipped example, with the simulated brick
// answering after 1 ms. Each run reports its protocol floor: the waits the brick exchanges and the
// build prescribe, which no implementation can go below.
#include "gui/app/UserDialogs.h"
#include "gui/editor/MainWindow.h"
#include "model/TextFile.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr const char* kLargestExample = "Melodia.gtf";
constexpr int kBlockMs = 7, kEndOfDownloadMs = 200, kRunMs = 7;
constexpr int kIdentifyWaitsMs = 300 + 300 + 7 + 400; // the build's pause, IdentifyBrick's waits and exchange

struct Gui {
    Gui()
    {
        for (const QString& f : QDir(TARVEL_APPDIR).entryList(QDir::Files))
            if (f != "Config.txt")
                QFile::copy(QDir(TARVEL_APPDIR).filePath(f), dir.filePath(f));
        tarvel::writeFileReplacing(dir.filePath("Config.txt").toStdString(),
                                   "1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n" + dir.filePath("Clib_J2A1_USB0.LIB").toStdString() +
                                       "\r\n1\r\n");
        workspace = std::make_unique<tarvel::Workspace>(dir.path().toStdString());
        window = std::make_unique<tarvel::MainWindow>(*workspace, dialogs);
        window->show();
        window->startUp(dir.filePath(kLargestExample), true);
        workspace->simulatedBrick()->config().replyLatencyMs = 1;
    }
    // Lets events run until `done` holds; false after 20 s.
    template <typename Done>
    bool runUntil(Done done)
    {
        QElapsedTimer guard;
        guard.start();
        while (!done()) {
            if (guard.elapsed() > 20000)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        return true;
    }
    bool buildOver()
    {
        return runUntil(
            [this] { return workspace->buildMode == 255 && !window->findChild<QWidget*>("formScreenCompi"); });
    }
    QString status() const
    {
        auto* label = window->findChild<QLabel*>("lblConectStatus");
        return label ? label->text() : QString();
    }
    int blocks() const { return (workspace->assembly.imageLength + 3) / 4; }

    QTemporaryDir dir;
    std::unique_ptr<tarvel::Workspace> workspace;
    tarvel::PrintedDialogs dialogs; // answers every question 0, as nobody watches
    std::unique_ptr<tarvel::MainWindow> window;
};

Gui& gui()
{
    static Gui g;
    return g;
}

void report(benchmark::State& state, int floorMs, double totalMs)
{
    state.counters["floor_ms"] = floorMs;
    state.counters["over_floor_pct"] = 100.0 * (totalMs / state.iterations() - floorMs) / floorMs;
}

// The brick connected by hand: blocks, end of download and the run command.
void CompiGrabaClickToRunning(benchmark::State& state)
{
    Gui& g = gui();
    tarvel::SimulatedBrick& brick = *g.workspace->simulatedBrick();
    double totalMs = 0;
    for (auto _ : state) {
        if (!g.workspace->link().IdentifyBrick()) {
            state.SkipWithError("no brick");
            return;
        }
        g.window->ConnectTool(true);
        const int downloads = brick.downloadsFinished(); // the last run's program still runs
        QElapsedTimer clock;
        clock.start();
        g.window->findChild<QAction*>("CompiSend")->trigger();
        if (!g.runUntil([&] { return brick.downloadsFinished() > downloads && brick.running(); })) {
            state.SkipWithError("the program never ran");
            return;
        }
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        state.SetIterationTime(ms / 1000);
        totalMs += ms;
        g.buildOver();
    }
    report(state, g.blocks() * kBlockMs + kEndOfDownloadMs + kRunMs, totalMs);
    state.counters["image_bytes"] = g.workspace->assembly.imageLength;
}
BENCHMARK(CompiGrabaClickToRunning)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// Automatic mode: the build opens and identifies the brick itself.
void CompiGrabaAutomaticClickToRunning(benchmark::State& state)
{
    Gui& g = gui();
    tarvel::SimulatedBrick& brick = *g.workspace->simulatedBrick();
    g.workspace->settings.autoConnect = true;
    double totalMs = 0;
    for (auto _ : state) {
        g.window->ConnectTool(false); // automatic mode keeps the tools on, the link closed
        const int downloads = brick.downloadsFinished(); // the last run's program still runs
        QElapsedTimer clock;
        clock.start();
        g.window->findChild<QAction*>("CompiSend")->trigger();
        if (!g.runUntil([&] { return brick.downloadsFinished() > downloads && brick.running(); })) {
            state.SkipWithError("the program never ran");
            return;
        }
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        state.SetIterationTime(ms / 1000);
        totalMs += ms;
        g.buildOver();
    }
    g.workspace->settings.autoConnect = false;
    report(state, kIdentifyWaitsMs + g.blocks() * kBlockMs + kEndOfDownloadMs + kRunMs, totalMs);
}
BENCHMARK(CompiGrabaAutomaticClickToRunning)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// "Compilar": everything before the final 700 ms pause.
void CompilarClickToTerminado(benchmark::State& state)
{
    Gui& g = gui();
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        g.window->findChild<QAction*>("mnuTextCompilar")->trigger();
        if (!g.runUntil([&] { return g.status() == "Terminado!"; })) {
            state.SkipWithError("no Terminado!");
            return;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        g.buildOver();
    }
}
BENCHMARK(CompilarClickToTerminado)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

} // namespace

// The emulator headless: virtual seconds per host second for the line-following example on its
// track (the goal is 200 times real time). The simulator window: one frame (a sixtieth of a
// second of simulation at x1, the panel and the world painted at the window's size), to be well
// under the 16.7 ms that 60 frames per second allow.
#include "compiler/Compile.h"
#include "compiler/LibraryLoader.h"
#include "emulator/WorldFile.h"
#include "gui/simulator/SimulatorWindow.h"
#include "model/ProgramFile.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>

namespace {

using namespace tarvel;

// The line follower built with the shipped library, on the track.
Simulation lineFollower()
{
    std::ifstream in(TARVEL_APPDIR "/Clib_J2A1_USB0.LIB", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    static const CompilationLibrary library = LoadLibraryBytes({}, bytes, "Clib_J2A1_USB0.LIB").library;
    ProgramStore store;
    store.setElementSizes(library.elementSizeTable);
    openProgramFile(store, TARVEL_APPDIR "/Seguir la Linea.gtf");
    TemplateMemory memory;
    const CompileResult result = compileProgram(store, library, memory);
    const Assembly& assembly = result.assemblyOrEmpty();
    Simulation sim;
    sim.setWorld(*loadWorldFile(TARVEL_APPDIR "/worlds/pista.json").world);
    sim.load({assembly.image.data(), std::size_t(assembly.imageLength)});
    sim.setElementMap(ElementMap::fromBuild(result.translation, assembly));
    sim.start();
    return sim;
}

void LineFollowerHeadless(benchmark::State& state)
{
    constexpr std::int64_t kVirtualUs = 10'000'000;
    Simulation sim = lineFollower();
    std::uint64_t instructions = 0;
    for (auto _ : state)
        instructions += sim.advanceTo(sim.timeUs() + kVirtualUs);
    const double virtualSeconds = double(state.iterations()) * double(kVirtualUs) / 1e6;
    state.counters["virtual_s_per_s"] = benchmark::Counter(virtualSeconds, benchmark::Counter::kIsRate);
    state.counters["instructions_per_s"] = benchmark::Counter(double(instructions), benchmark::Counter::kIsRate);
}
BENCHMARK(LineFollowerHeadless)->Unit(benchmark::kMillisecond);

void SimulatorWindowFrame(benchmark::State& state)
{
    QTemporaryDir dir;
    for (const QString& f : QDir(TARVEL_APPDIR).entryList(QDir::Files))
        QFile::copy(QDir(TARVEL_APPDIR).filePath(f), dir.filePath(f));
    QDir(dir.path()).mkpath("worlds");
    for (const QString& f : QDir(TARVEL_APPDIR "/worlds").entryList(QDir::Files))
        QFile::copy(QDir(TARVEL_APPDIR "/worlds").filePath(f), dir.filePath("worlds/" + f));
    Workspace workspace(dir.path().toStdString());
    workspace.loadWorld(dir.filePath("worlds/pista.json").toStdString());
    Simulation follower = lineFollower();
    workspace.simulation = follower;
    SimulatorWindow window(workspace);
    window.resize(1280, 800);
    window.show();
    QPixmap target(window.size());
    for (auto _ : state) {
        workspace.simulation.advanceTo(workspace.simulation.timeUs() + 16'667);
        window.frame();
        window.render(&target); // paints the panel and the world as the screen would
    }
}
BENCHMARK(SimulatorWindowFrame)->Unit(benchmark::kMillisecond);

} // namespace

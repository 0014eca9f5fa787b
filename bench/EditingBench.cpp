// Editing a long program in the window: appending its 599th element with its drawing, inserting
// before element 1 with the redraw, and undoing that insertion.
#include "gui/editor/Canvas.h"
#include "gui/app/UserDialogs.h"
#include "gui/editor/MainWindow.h"
#include "model/ProgramFile.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Gui {
    Gui()
    {
        for (const QString& f : QDir(TARVEL_APPDIR).entryList(QDir::Files))
            if (f != "Config.txt")
                QFile::copy(QDir(TARVEL_APPDIR).filePath(f), dir.filePath(f));
        workspace = std::make_unique<tarvel::Workspace>(dir.path().toStdString());
        window = std::make_unique<tarvel::MainWindow>(*workspace, dialogs);
        window->show();
        window->startUp();
        program = dir.filePath("largo.gtf");
        tarvel::ProgramStore store;
        store.newProgram();
        const int kinds[][3] = {{10, 10, 10}, {11, 12, 16}, {14, 10, 12}, {13, 11, 10}, {15, 12, 10}, {11, 10, 12}};
        for (int i = 1; i < 598; ++i) {
            const auto* k = kinds[i % 6];
            store.currentElement = tarvel::makeElement(k[0], k[1], k[2], 1, 2, 1, "AB");
            store.appendCurrent();
        }
        tarvel::saveProgramFile(store, program.toStdString());
    }
    // The 598-element program opened, its view on the last rows as after drawing it.
    void reopen()
    {
        window->OpenProgram(program);
        workspace->editor.programDirty = false;
        QCoreApplication::processEvents();
    }
    QTemporaryDir dir;
    std::unique_ptr<tarvel::Workspace> workspace;
    tarvel::PrintedDialogs dialogs; // answers every question 0, as nobody watches
    std::unique_ptr<tarvel::MainWindow> window;
    QString program;
};

Gui& gui()
{
    static Gui g;
    return g;
}

void AppendThe599thElement(benchmark::State& state)
{
    Gui& g = gui();
    for (auto _ : state) {
        state.PauseTiming();
        g.reopen();
        state.ResumeTiming();
        g.window->openPalette(0);
        g.window->choosePaletteItem(0, 2); // a turn: committed and drawn at once
    }
    state.counters["elements"] = g.workspace->store.totalElements();
}
BENCHMARK(AppendThe599thElement)->Unit(benchmark::kMillisecond);

void InsertBeforeElementOne(benchmark::State& state)
{
    Gui& g = gui();
    for (auto _ : state) {
        state.PauseTiming();
        g.reopen();
        g.window->canvas().switchSequence(0);
        g.window->canvas().selectCell(1);
        g.window->insertCommand();
        state.ResumeTiming();
        g.window->openPalette(0);
        g.window->choosePaletteItem(0, 2);
    }
    state.counters["elements"] = g.workspace->store.totalElements();
}
BENCHMARK(InsertBeforeElementOne)->Unit(benchmark::kMillisecond);

void UndoTheInsertion(benchmark::State& state)
{
    Gui& g = gui();
    for (auto _ : state) {
        state.PauseTiming();
        g.reopen();
        g.window->canvas().selectCell(1);
        g.window->insertCommand();
        g.window->openPalette(0);
        g.window->choosePaletteItem(0, 2);
        state.ResumeTiming();
        g.window->undoCommand();
    }
    state.counters["elements"] = g.workspace->store.totalElements();
}
BENCHMARK(UndoTheInsertion)->Unit(benchmark::kMillisecond);

} // namespace

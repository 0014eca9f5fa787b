// The canvas: opening and drawing a program of 599 elements, and scrolling by one row.
#include "workspace/Workspace.h"
#include "gui/editor/Canvas.h"
#include "gui/app/UserDialogs.h"
#include "gui/editor/MainWindow.h"
#include "model/ElementDescription.h"
#include "model/ProgramFile.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Gui {
    Gui()
    {
        for (const QString& f : QDir(TARVEL_APPDIR).entryList(QDir::Files))
            if (f != "Config.txt")
                QFile::copy(QDir(TARVEL_APPDIR).filePath(f), dir.filePath(f));
        QFile config(dir.filePath("Config.txt"));
        config.open(QIODevice::WriteOnly);
        config.write("1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n" + QDir(dir.path()).filePath("Clib_J2A1_USB0.LIB").toUtf8() + "\r\n1\r\n");
        config.close();
        workspace = std::make_unique<tarvel::Workspace>(dir.path().toStdString());
        window = std::make_unique<tarvel::MainWindow>(*workspace, dialogs);
        window->show();
        window->startUp();
        program = dir.filePath("grande.gtf").toStdString();
        tarvel::ProgramStore store;
        store.newProgram();
        const int kinds[][3] = {{10, 10, 10}, {11, 12, 16}, {14, 10, 12}, {13, 11, 10}, {15, 12, 10}, {17, 11, 10}};
        for (int i = 1; i < 599; ++i) {
            const auto* k = kinds[i % 6];
            store.currentElement = {};
            store.currentElement.family = std::uint8_t(k[0]);
            store.currentElement.subtype = std::uint8_t(k[1]);
            store.currentElement.option = std::uint8_t(k[2]);
            store.currentElement.arg1 = 1;
            store.currentElement.arg2 = 2;
            store.currentElement.name = "e" + std::to_string(i);
            store.appendCurrent();
        }
        tarvel::saveProgramFile(store, program);
    }
    QTemporaryDir dir;
    std::unique_ptr<tarvel::Workspace> workspace;
    tarvel::PrintedDialogs dialogs; // answers every question 0, as nobody watches
    std::unique_ptr<tarvel::MainWindow> window;
    std::string program;
};

Gui& gui()
{
    static Gui g;
    return g;
}

void OpenAndDraw599(benchmark::State& state)
{
    Gui& g = gui();
    for (auto _ : state) {
        g.window->OpenProgram(QString::fromStdString(g.program));
        QCoreApplication::processEvents();
    }
    state.counters["elements"] = g.workspace->store.totalElements();
    state.counters["icons"] = g.window->canvas().icons().size();
}
BENCHMARK(OpenAndDraw599)->Unit(benchmark::kMillisecond);

void ScrollOneRowDuringAppend(benchmark::State& state)
{
    Gui& g = gui();
    g.window->OpenProgram(QString::fromStdString(g.program));
    for (auto _ : state)
        g.window->canvas().scrollOneRow();
}
BENCHMARK(ScrollOneRowDuringAppend)->Unit(benchmark::kMillisecond);

void ScrollBarOneRow(benchmark::State& state)
{
    Gui& g = gui();
    g.window->OpenProgram(QString::fromStdString(g.program));
    auto* bar = g.window->findChild<QScrollBar*>("scrbarGrafo");
    int row = 0;
    for (auto _ : state) {
        row = row == 40 ? 0 : row + 1;
        bar->setValue(row);
    }
}
BENCHMARK(ScrollBarOneRow)->Unit(benchmark::kMillisecond);

// One row scrolled and the grid painted at once: icons, value labels and numbers of four rows.
void ScrollBarOneRowAndPaint(benchmark::State& state)
{
    Gui& g = gui();
    g.window->OpenProgram(QString::fromStdString(g.program));
    auto* bar = g.window->findChild<QScrollBar*>("scrbarGrafo");
    tarvel::FlowchartView& view = g.window->canvas().view();
    int row = 0;
    for (auto _ : state) {
        row = row == 40 ? 0 : row + 1;
        bar->setValue(row);
        view.repaint();
    }
}
BENCHMARK(ScrollBarOneRowAndPaint)->Unit(benchmark::kMillisecond);

} // namespace

// The main window's brick tools: monitor, console and tester. Each window is made on first use and
// reused; what it shows is set afresh each time it opens.
#include "gui/editor/MainWindow.h"

#include "gui/link/ConsoleWindow.h"
#include "gui/link/FactoryWindow.h"
#include "gui/link/MonitorWarning.h"
#include "gui/link/MonitorWindow.h"
#include "settings/AppSettings.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QTimer>

namespace tarvel {

namespace {

template <typename Window>
Window* brickToolWindow(MainWindow* main, Workspace& ws)
{
    auto* window = main->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new Window(ws, main);
        window->setPanel = [main](StatusPanel panel, const QString& text) { main->setPanel(panel, text); };
        window->connectTool = [main](bool on) { main->ConnectTool(on); };
    }
    return window;
}

void showMonitor(MainWindow* main, Workspace& ws)
{
    auto* monitor = brickToolWindow<MonitorWindow>(main, ws);
    monitor->load();
    monitor->showOver(main, 2, 1.5);
}

} // namespace

void MainWindow::openMonitor(bool fromToolbar)
{
    // The toolbar's button opens the monitor at once; the menu reminds the user first to load a
    // communication program, unless told not to.
    if (fromToolbar || (ws_.settings.dontShowFlags & kDontShowMonitorWarning)) {
        showMonitor(this, ws_);
        return;
    }
    auto* warning = brickToolWindow<MonitorWarning>(this, ws_);
    if (warning->isVisible()) {
        warning->raise();
        warning->activateWindow();
        return;
    }
    warning->storeConfig = [this] { StoreConfig(); };
    // The monitor opens once the warning has gone, so that it takes the focus after it.
    warning->closed = [this] { QTimer::singleShot(0, this, [this] { showMonitor(this, ws_); }); };
    warning->load();
    warning->showOver(this, 2.5, 2);
}

void MainWindow::openConsole()
{
    auto* console = brickToolWindow<ConsoleWindow>(this, ws_);
    console->load();
    console->showOver(this, 2, 1.5);
}

void MainWindow::openTester()
{
    auto* tester = brickToolWindow<FactoryWindow>(this, ws_);
    if (!tester->isVisible())
        tester->load();
    tester->showOver(this, 2.3, 2);
}

} // namespace tarvel

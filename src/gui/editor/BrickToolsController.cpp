#include "gui/editor/BrickToolsController.h"

#include "gui/link/ConsoleWindow.h"
#include "gui/link/FactoryWindow.h"
#include "gui/link/MonitorWarning.h"
#include "gui/link/MonitorWindow.h"
#include "settings/AppSettings.h"
#include "workspace/Workspace.h"

#include <QTimer>

namespace tarvel {

BrickToolsController::BrickToolsController(Workspace& workspace, QWidget& main, MainWindowParts parts)
    : QObject(&main)
    , ws_(workspace)
    , main_(main)
    , parts_(std::move(parts))
{
}

template <typename Window>
Window* BrickToolsController::toolWindow()
{
    auto* window = main_.findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new Window(ws_, &main_);
        window->setPanel = parts_.setPanel;
        window->connectTool = parts_.connectTool;
    }
    return window;
}

void BrickToolsController::showMonitor()
{
    auto* monitor = toolWindow<MonitorWindow>();
    monitor->load();
    monitor->showOver(&main_, 2, 1.5);
}

void BrickToolsController::openMonitor(bool fromToolbar)
{
    if (fromToolbar || (ws_.settings.dontShowFlags & kDontShowMonitorWarning)) {
        showMonitor();
        return;
    }
    auto* warning = toolWindow<MonitorWarning>();
    if (warning->isVisible()) {
        warning->raise();
        warning->activateWindow();
        return;
    }
    warning->storeConfig = parts_.storeConfig;
    // The monitor opens once the warning has gone, so that it takes the focus after it.
    warning->closed = [this] { QTimer::singleShot(0, this, [this] { showMonitor(); }); };
    warning->load();
    warning->showOver(&main_, 2.5, 2);
}

void BrickToolsController::openConsole()
{
    auto* console = toolWindow<ConsoleWindow>();
    console->load();
    console->showOver(&main_, 2, 1.5);
}

void BrickToolsController::openTester()
{
    auto* tester = toolWindow<FactoryWindow>();
    if (!tester->isVisible())
        tester->load();
    tester->showOver(&main_, 2.3, 2);
}

} // namespace tarvel

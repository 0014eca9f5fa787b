// The main window's brick tools: monitor, console and tester.
#include "gui/editor/MainWindow.h"

namespace tarvel {

void MainWindow::openMonitor()
{
    notYetAvailable();
}

void MainWindow::openConsole()
{
    notYetAvailable();
}

void MainWindow::openTester()
{
    notYetAvailable();
}

} // namespace tarvel

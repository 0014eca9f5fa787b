// The main window's build commands and the source editor.
#include "gui/editor/MainWindow.h"
#include "workspace/Workspace.h"

namespace tarvel {

void MainWindow::compileCommand()
{
    if (ws_.brickReady)
        notYetAvailable();
}

void MainWindow::sendCommand()
{
    if (ws_.brickReady)
        notYetAvailable();
}

void MainWindow::compileSendCommand()
{
    if (ws_.brickReady)
        notYetAvailable();
}

void MainWindow::openSourceEditor()
{
    notYetAvailable();
}

} // namespace tarvel

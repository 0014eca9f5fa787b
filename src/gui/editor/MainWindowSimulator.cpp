// The main window's simulator window.
#include "gui/editor/MainWindow.h"

namespace tarvel {

void MainWindow::openSimulator()
{
    notYetAvailable();
}

} // namespace tarvel

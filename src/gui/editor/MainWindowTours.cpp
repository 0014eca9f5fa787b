// The main window's path and melody editors.
#include "gui/editor/MainWindow.h"

namespace tarvel {

void MainWindow::openTourEditor(DialogId)
{
    endModify();
    notYetAvailable();
}

} // namespace tarvel

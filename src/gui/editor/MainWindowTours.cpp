// The main window's path and melody editors: each makes one element and hands it to the commit.
#include "gui/editor/MainWindow.h"

#include "editing/ElementKinds.h"
#include "editing/ProgramEditor.h"
#include "gui/editor/Canvas.h"
#include "gui/tours/FormMotorTour.h"
#include "gui/tours/FormSalidaSonidoTour.h"
#include "workspace/Workspace.h"

#include <QMessageBox>

namespace tarvel {

void MainWindow::openTourEditor(DialogId id)
{
    TourWindow* window = nullptr;
    if (id == DialogId::MotorTour)
        window = new FormMotorTour(ws_, this);
    else
        window = new FormSalidaSonidoTour(ws_, this);
    window->commit = [this] {
        applyEdit(ws_.programEditor.commitElement());
        endModify();
    };
    window->cancelled = [this] { endModify(); };
    window->askOkCancel = [this](const UserMessage& m) { return acceptsOk(message(m, OkCancelButtons)); };
    window->adjustSize();
    const QPoint canvasTopLeft = canvas_->mapToGlobal(QPoint(0, 0));
    window->move(canvasTopLeft.x() + canvas_->width() / 6,
                 canvasTopLeft.y() + std::max(0, (canvas_->height() - window->height()) / 2));
    toolWindow_ = window;
    window->show();
    window->activateWindow();
}

} // namespace tarvel

#include "gui/editor/ToursController.h"

#include "editing/ElementKinds.h"
#include "editing/ProgramEditor.h"
#include "gui/editor/Canvas.h"
#include "gui/tours/FormMotorTour.h"
#include "gui/tours/FormSalidaSonidoTour.h"
#include "workspace/Workspace.h"

namespace tarvel {

ToursController::ToursController(Workspace& workspace, Canvas& canvas, QWidget& main, MainWindowParts parts)
    : QObject(&main)
    , ws_(workspace)
    , canvas_(canvas)
    , main_(main)
    , parts_(std::move(parts))
{
}

void ToursController::openTourEditor(DialogId id)
{
    TourWindow* window = nullptr;
    if (id == DialogId::MotorTour)
        window = new FormMotorTour(ws_, &main_);
    else
        window = new FormSalidaSonidoTour(ws_, &main_);
    window->commit = [this] {
        parts_.applyEdit(ws_.programEditor.commitElement());
        parts_.endModify();
    };
    window->cancelled = [this] { parts_.endModify(); };
    window->askOkCancel = [this](const UserMessage& m) { return acceptsOk(parts_.message(m, OkCancelButtons)); };
    window->adjustSize();
    const QPoint canvasTopLeft = canvas_.mapToGlobal(QPoint(0, 0));
    window->move(canvasTopLeft.x() + canvas_.width() / 6,
                 canvasTopLeft.y() + std::max(0, (canvas_.height() - window->height()) / 2));
    parts_.toolWindowOpened(window);
    window->show();
    window->activateWindow();
}

} // namespace tarvel

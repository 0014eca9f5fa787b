#pragma once
// The path and melody editors: each makes one element and hands it to the commit, as the element
// dialogs do. Each opens afresh as a child of the main window, left over the canvas.
#include "gui/app/MessageBoxes.h"

#include <QObject>
#include <functional>

class QWidget;

namespace tarvel {

class Canvas;
class Workspace;
struct EditOutcome;
struct UserMessage;
enum class DialogId;

class ToursController : public QObject {
    Q_OBJECT
public:
    // What the editors tell the main window.
    struct MainWindowParts {
        std::function<void(const EditOutcome& outcome)> applyEdit;
        std::function<void()> endModify;
        std::function<int(const UserMessage& m, MessageButtons buttons)> message;
        // The editor that opened is the main window's tool window now.
        std::function<void(QWidget* window)> toolWindowOpened;
    };
    ToursController(Workspace& workspace, Canvas& canvas, QWidget& main, MainWindowParts parts);

public slots:
    // The path editor for DialogId::MotorTour, the melody editor for DialogId::SalidaSonidoTour.
    void openTourEditor(DialogId id);

private:
    Workspace& ws_;
    Canvas& canvas_;
    QWidget& main_;
    MainWindowParts parts_;
};

} // namespace tarvel

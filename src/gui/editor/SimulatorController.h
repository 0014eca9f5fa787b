#pragma once
// The simulator window: its menu entry, toolbar button and challenges menu, opening it by itself
// when the simulated brick starts a program, and the running element shown on the canvas. The
// window is made on first use as a child of the main window, beside the flowchart, and reused.
#include <QObject>
#include <QWidget>
#include <functional>

class QIcon;
class QMenu;
class QString;

namespace tarvel {

class Canvas;
class SimulatorWindow;
class Workspace;
struct UserMessage;

class SimulatorController : public QObject {
    Q_OBJECT
public:
    // What the simulator tells the main window.
    struct MainWindowParts {
        std::function<void(const UserMessage& m)> message;
        // The running element, for the source editor when it is open.
        std::function<void(int sequence, int index)> showRunningSource;
    };
    SimulatorController(Workspace& workspace, Canvas& canvas, QWidget& main, MainWindowParts parts);

    // The toolbar picture: the robot seen from above.
    static QIcon icon();
    // "Retos" in `conexion`: choosing one opens the simulator with the challenge's world.
    void addChallengeMenu(QMenu* conexion);
    // Moves a window that opens over the main window to the right of the flowchart's cells.
    void placeBesideFlowchart(QWidget* window);
    SimulatorWindow* simulator() const { return simulator_; }

public slots:
    void openSimulator();
    // The simulator with a challenge of retos/ chosen in it.
    void openChallenge(const QString& path);

private:
    // The main window, the controller's parent.
    QWidget& main() const { return *static_cast<QWidget*>(parent()); }

    Workspace& ws_;
    Canvas& canvas_;
    MainWindowParts parts_;
    SimulatorWindow* simulator_ = nullptr;
};

} // namespace tarvel

#include "gui/editor/SimulatorController.h"

#include "gui/app/MessageBoxes.h"
#include "gui/editor/Canvas.h"
#include "gui/simulator/ChallengePanel.h"
#include "gui/simulator/SimulatorWindow.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QToolBar>

namespace tarvel {

// The menu's words are the main window's, where their translations are.
static QString mainWindowText(const char* text)
{
    return QCoreApplication::translate("tarvel::MainWindow", text);
}

// The simulated brick starting a program opens the simulator, in the example's world.
SimulatorController::SimulatorController(Workspace& workspace, Canvas& canvas, QWidget& main, MainWindowParts parts)
    : QObject(&main)
    , ws_(workspace)
    , canvas_(canvas)
    , parts_(std::move(parts))
{
    ws_.simulatedProgramStarted = [this] {
        openSimulator();
        simulator_->showExampleWorld();
        simulator_->programStarted();
    };
}

QIcon SimulatorController::icon()
{
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(13, 71, 161), 3));
    p.setBrush(QColor(144, 202, 249));
    p.drawEllipse(QPointF(32, 32), 24, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(55, 71, 79));
    p.drawRoundedRect(QRectF(6, 22, 8, 20), 3, 3);
    p.drawRoundedRect(QRectF(50, 22, 8, 20), 3, 3);
    p.setBrush(QColor(255, 23, 68));
    p.drawEllipse(QPointF(32, 16), 5, 5);
    return QIcon(picture);
}

void SimulatorController::addChallengeMenu(QMenu* conexion)
{
    auto* challenges = conexion->addMenu(mainWindowText(QT_TRANSLATE_NOOP("tarvel::MainWindow", "Retos")));
    challenges->setObjectName("mnuRetos");
    challenges->menuAction()->setObjectName("mnuTextRetos");
    connect(challenges, &QMenu::aboutToShow, this, [this, challenges] {
        challenges->clear();
        int n = 0;
        for (const auto& entry : ChallengePanel::listed(ws_)) {
            QAction* a = challenges->addAction(entry.title);
            a->setObjectName(QStringLiteral("mnuReto_%1").arg(n++));
            a->setEnabled(entry.problem.isEmpty());
            a->setToolTip(entry.problem);
            connect(a, &QAction::triggered, this, [this, path = entry.path] { openChallenge(path); });
        }
        if (n == 0)
            challenges->addAction(mainWindowText(QT_TRANSLATE_NOOP("tarvel::MainWindow", "No hay retos en %1")).arg(ChallengePanel::folder(ws_)))->setEnabled(false);
    });
}

void SimulatorController::placeBesideFlowchart(QWidget* window)
{
    // Right of the flowchart's cells, where the running element's frame stays in sight: as wide as
    // the screen leaves there (down to the window's smallest), and within the screen's height.
    const QScreen* shown = main().screen();
    if (!shown)
        return;
    const QRect available = shown->availableGeometry();
    const QRect grid = canvas_.gridGlobalRect();
    const QSize frame(16, 48);
    const int left = grid.right() + 12;
    const QSize wanted = window->size();
    const QSize smallest = window->minimumSizeHint();
    // Where there is too little room, the smallest window at the screen's edge covers the least.
    const int width = std::clamp(available.right() - left - frame.width(), smallest.width(),
                                 std::max(smallest.width(), wanted.width()));
    const int x = std::min(left, available.right() - width - frame.width());
    const int height = std::clamp(available.height() - frame.height(), smallest.height(),
                                  std::max(smallest.height(), wanted.height()));
    window->resize(width, height);
    window->move(std::max(available.left(), x),
                 available.top() + std::max(0, (available.height() - frame.height() - height) / 2));
}

void SimulatorController::openChallenge(const QString& path)
{
    openSimulator();
    simulator_->chooseChallenge(path);
}

void SimulatorController::openSimulator()
{
    if (!simulator_) {
        simulator_ = new SimulatorWindow(ws_, &main());
        simulator_->showRunningElement = [this](int sequence, int index) {
            canvas_.setRunningElement(sequence, index);
            parts_.showRunningSource(sequence, index);
        };
        simulator_->showMessage = [this](const UserMessage& m) { parts_.message(m); };
        placeBesideFlowchart(simulator_);
    }
    simulator_->show();
    simulator_->raise();
}

} // namespace tarvel

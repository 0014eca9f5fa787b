#pragma once
// The console (formScreenControl, "Consola del Ladrillo"): drives the brick by hand, shows its light
// level and infrared receiver live, and sets the simulated brick's inputs. Each control queues its
// commands; a timer sends them, so a click never waits inside another.
#include "gui/link/ToolWindow.h"
#include "link/ConsoleCommands.h"
#include "link/LightHistory.h"

#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QProgressBar;
class QSlider;

namespace tarvel {

class LightPlot;
class LinkRunner;
class SimulatedInputsPanel;
class UpDownBox;
class Workspace;

class ConsoleWindow : public ToolWindow {
    Q_OBJECT
public:
    ConsoleWindow(Workspace& workspace, QWidget* parent);

    // Form_Load: a fresh console (the window is reused, its state is not).
    void load();
    const ConsoleState& state() const { return state_; }
    const LightHistory& history() const { return history_; }
    bool linkIdle() const;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void send(const std::vector<LinkStep>& steps);
    void stepDone(const LinkStep& step, const StepOutcome& outcome);
    void liveTick();
    void showLinkState();
    void showLight(int level);
    void showInfrared(int state);
    QWidget* motorColumn(const QString& title, const char* adv, const char* stop, const char* rev, ConsoleMotor a,
                         ConsoleMotor s, ConsoleMotor r);

    Workspace& ws_;
    LinkRunner* runner_ = nullptr;
    ConsoleState state_;
    LightHistory history_;
    QElapsedTimer clock_;
    QTimer live_;
    bool wasConnected_ = false;
    QLabel* leds_[3] = {};
    QLabel* infrared_ = nullptr;
    QLabel* brickShape_ = nullptr;
    QLabel* lightText_ = nullptr;
    QLabel* volumeText_ = nullptr;
    QLabel* linkText_ = nullptr;
    QProgressBar* lightBar_ = nullptr;
    QSlider* volume_ = nullptr;
    UpDownBox* frequency_ = nullptr;
    UpDownBox* duration_ = nullptr;
    LightPlot* plot_ = nullptr;
    SimulatedInputsPanel* simulated_ = nullptr;
};

} // namespace tarvel

#pragma once
// The "Simulador" window: the robot in its world, the brick's outputs and variables, the messages
// the program sends, the inputs a user gives by hand, and the controls that pace the simulation.
// It advances the simulation from a 60 Hz timer by the real time that passed at the chosen speed.
#include "emulator/SimReport.h"
#include "model/UserMessage.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace tarvel {

class ChallengePanel;
class TonePlayer;
class WorldView;
class Workspace;

class SimulatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit SimulatorWindow(Workspace& workspace, QWidget* parent = nullptr);

    // A program started on the simulated brick: show it from its first instruction.
    void programStarted();
    // One frame: time, events, the panel and the picture (the timer calls it; tests may too).
    void frame();
    bool paused() const { return paused_; }
    // "Retos": the challenges of the application folder; choosing one loads its world and shows it.
    ChallengePanel* challengePanel() const { return challenge_; }
    bool chooseChallenge(const QString& path);
    // A program starts on the simulated brick: an example that needs a world gets it (the robot at
    // the world's start), unless a challenge holds the table.
    void showExampleWorld();
    double speed() const;

    // Where the running element goes (the main window frames it on the canvas); (-1, -1) clears.
    std::function<void(int sequence, int index)> showRunningElement;
    std::function<void(const UserMessage&)> showMessage;

protected:
    void showEvent(QShowEvent*) override;

private:
    void buildControls();
    void fillWorlds();
    void chooseWorld(int index);
    void run();
    void pause();
    void step(bool element);
    void takeEvents();
    void refreshPanel();
    void fillChallengeMenu();
    void showJudgedRun();

    Workspace& ws_;
    WorldView* view_ = nullptr;
    ChallengePanel* challenge_ = nullptr;
    QMenu* challengeMenu_ = nullptr;
    QTimer* timer_ = nullptr;
    QElapsedTimer clock_;
    TonePlayer* tones_ = nullptr;
    QComboBox* worlds_ = nullptr;
    QComboBox* speeds_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<QLabel*, 3> leds_{};
    QLabel* lamp_ = nullptr;
    std::array<QLabel*, 2> motors_{};
    std::array<QLabel*, 5> variables_{};
    QLabel* element_ = nullptr;
    QPlainTextEdit* messages_ = nullptr;
    QSpinBox* pcByte_ = nullptr;
    MessageScreen screen_;
    std::size_t eventsSeen_ = 0;
    bool paused_ = false;
    int lastSequence_ = -2, lastIndex_ = -2;
};

} // namespace tarvel

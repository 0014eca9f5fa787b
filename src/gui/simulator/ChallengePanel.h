#pragma once
// The simulator window's challenge: its title, description and goals, "Probar Reto", and the
// verdict of the core's judge (each goal met or not with its reason, the stars, the trail). The
// judge runs on a thread of its own, so that the window answers while a minute of virtual time is
// judged; the verdict is the one the command line's grade gives for the same program.
#include "challenges/Judge.h"
#include "model/UserMessage.h"

#include <QGroupBox>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QPainter;
class QPushButton;
class QThread;

namespace tarvel {

class Workspace;

class ChallengePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ChallengePanel(Workspace& workspace, QWidget* parent = nullptr);
    ~ChallengePanel() override;

    // A challenge of the application folder's retos/, as the menus list it: its title in the
    // interface's language, or, for a file that cannot be read, its name and why (then disabled).
    struct Listed {
        QString title;
        QString path;
        QString problem;
    };
    static std::vector<Listed> listed(const Workspace& workspace);
    static QString folder(const Workspace& workspace);

    // Loads the challenge: its world (with its start) goes to the simulation, the panel shows it.
    // False, with the message shown, when the file is bad.
    bool choose(const QString& path);
    void leave();
    // "Probar Reto": builds the open program, loads it into the simulated brick and judges it.
    void tryChallenge();
    bool judging() const { return worker_ != nullptr; }
    const Challenge* challenge() const { return challenge_ ? &*challenge_ : nullptr; }
    const std::optional<Verdict>& verdict() const { return verdict_; }

    // The goals' regions and, after a test, the trail, in world units (the view's transform set).
    void paintOverWorld(QPainter& painter) const;

    std::function<void(const UserMessage&)> showMessage;
    // The simulation's world changed (a challenge chosen) or holds a judged run to show.
    std::function<void()> worldChanged;
    std::function<void()> runJudged;

private:
    void showGoals();
    void showVerdict();
    void judgementDone(std::uint64_t generation);
    void stopJudging();
    static bool englishInterface(const Workspace& workspace);

    Workspace& ws_;
    std::optional<Challenge> challenge_;
    std::optional<Verdict> verdict_;
    QLabel* title_ = nullptr;
    QLabel* description_ = nullptr;
    QListWidget* goals_ = nullptr;
    QPushButton* try_ = nullptr;
    QLabel* result_ = nullptr;
    QLabel* stars_ = nullptr;

    // The run on its thread. Each test has a number: a result that comes back after another
    // challenge was chosen is dropped.
    QThread* worker_ = nullptr;
    std::atomic<bool> cancel_{false};
    std::uint64_t generation_ = 0;
    struct Outcome;
    std::shared_ptr<Outcome> outcome_;
};

} // namespace tarvel

#pragma once
// Runs a brick tool's queue of link steps from a timer, so that a window never sits in a wait of
// its own: waits become timer intervals, and a step whose turn comes during another window's
// exchange tries again a moment later.
#include "link/LinkSequencer.h"

#include <QObject>
#include <QTimer>

namespace tarvel {

class Workspace;

class LinkRunner : public QObject {
    Q_OBJECT
public:
    LinkRunner(Workspace& workspace, QObject* parent);

    void enqueue(const std::vector<LinkStep>& steps);
    bool idle() const { return sequencer_.idle(); }
    // Told after every step that went to the link (or was refused by it).
    std::function<void(const LinkStep&, const StepOutcome&)> done;

private:
    void schedule();
    void run();

    Workspace& ws_;
    SteadyClock clock_;
    LinkSequencer sequencer_{clock_};
    QTimer timer_;
};

} // namespace tarvel

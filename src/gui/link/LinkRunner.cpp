#include "gui/link/LinkRunner.h"

#include "workspace/Workspace.h"

namespace tarvel {

namespace {
constexpr int kBusyRetryMs = 2;
}

LinkRunner::LinkRunner(Workspace& workspace, QObject* parent)
    : QObject(parent)
    , ws_(workspace)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LinkRunner::run);
    sequencer_.onDone = [this](const LinkStep& step, const StepOutcome& outcome) {
        if (done)
            done(step, outcome);
    };
}

void LinkRunner::enqueue(const std::vector<LinkStep>& steps)
{
    sequencer_.enqueue(steps);
    schedule();
}

void LinkRunner::schedule()
{
    if (sequencer_.idle()) {
        timer_.stop();
        return;
    }
    const std::int64_t waitUs = sequencer_.dueUs() - clock_.nowUs();
    int ms = waitUs > 0 ? int((waitUs + 999) / 1000) : 0;
    if (ws_.link().busy())
        ms = std::max(ms, kBusyRetryMs);
    timer_.start(ms);
}

void LinkRunner::run()
{
    // The link is asked for afresh each time: the user may have switched between the real and the
    // simulated brick since the steps were queued.
    sequencer_.poll(ws_.link());
    schedule();
}

} // namespace tarvel

#include "link/LinkSequencer.h"

namespace tarvel {

void LinkSequencer::enqueue(const std::vector<LinkStep>& steps)
{
    if (queue_.empty() && notBeforeUs_ < clock_.nowUs())
        notBeforeUs_ = clock_.nowUs();
    queue_.insert(queue_.end(), steps.begin(), steps.end());
}

void LinkSequencer::clear()
{
    queue_.clear();
}

void LinkSequencer::poll(BrickLink& link)
{
    if (polling_)
        return;
    polling_ = true;
    while (!queue_.empty() && clock_.nowUs() >= notBeforeUs_ && !link.busy()) {
        const LinkStep step = queue_.front();
        queue_.pop_front();
        if (step.kind == LinkStep::Kind::Wait) {
            notBeforeUs_ = clock_.nowUs() + std::int64_t(step.value) * 1000;
            continue;
        }
        const StepOutcome outcome = perform(link, step);
        if (onDone)
            onDone(step, outcome);
    }
    polling_ = false;
}

StepOutcome LinkSequencer::perform(BrickLink& link, const LinkStep& step)
{
    using Kind = LinkStep::Kind;
    StepOutcome out;
    const bool connected = link.brickConnected();
    const auto byte = std::uint8_t(step.value);
    switch (step.kind) {
    case Kind::Wait: break;
    case Kind::Leds: out.attempted = link.SetBrickLeds(byte); break;
    case Kind::Motors: out.attempted = link.SetBrickMotors(byte); break;
    case Kind::FrontLight: out.attempted = link.SetFrontLight(byte); break;
    case Kind::Beep: {
        auto f = std::int16_t(step.frequency), v = std::int16_t(step.volume), d = std::int16_t(step.durationMs);
        out.attempted = link.BrickBeep(f, v, d);
        break;
    }
    case Kind::ReadLight: out.light = link.ReadLightSensor(); break;
    case Kind::ReadIr: out.infrared = link.ReadIrState(); break;
    case Kind::ReadInputs:
        // Both readings come from the one reply of a Read inputs exchange.
        out.light = link.ReadLightSensor();
        out.infrared = link.brickConnected() && (link.usb().inputBuffer[0] & 0x20) ? 1 : 0;
        break;
    case Kind::Run: out.attempted = link.RunBrickProgram(); break;
    case Kind::TurnOff: out.attempted = link.TurnOffBrick(); break;
    }
    if (step.kind == Kind::ReadLight || step.kind == Kind::ReadIr || step.kind == Kind::ReadInputs)
        out.attempted = connected;
    // Run and switch-off close the link on purpose; any other step that ends with it closed lost it.
    out.linkLost = connected && !link.brickConnected() && step.kind != Kind::Run && step.kind != Kind::TurnOff;
    return out;
}

void runToEnd(LinkSequencer& sequencer, BrickLink& link, LinkClock& clock)
{
    while (!sequencer.idle()) {
        clock.sleepUntilUs(sequencer.dueUs());
        sequencer.poll(link);
    }
}

} // namespace tarvel

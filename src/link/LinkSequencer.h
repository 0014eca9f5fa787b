#pragma once
// What a brick tool window asks of the link, as a queue of steps that runs without blocking the
// window: a wait holds back only the steps after it, and a step whose turn comes while another
// exchange is under way waits for it instead of being refused or reading that exchange's reply.
#include "link/BrickLink.h"
#include "link/LinkClock.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace tarvel {

struct LinkStep {
    enum class Kind { Wait, Leds, Motors, FrontLight, Beep, ReadLight, ReadIr, ReadInputs, Run, TurnOff };
    Kind kind = Kind::Wait;
    int value = 0; // milliseconds of a wait; the byte of Leds, Motors and FrontLight
    int frequency = 0, volume = 0, durationMs = 0; // Beep

    static LinkStep wait(int ms) { return {Kind::Wait, ms}; }
    static LinkStep leds(int mask) { return {Kind::Leds, mask}; }
    static LinkStep motors(int code) { return {Kind::Motors, code}; }
    static LinkStep frontLight(int on) { return {Kind::FrontLight, on}; }
    static LinkStep beep(int frequency, int volume, int durationMs)
    {
        return {Kind::Beep, 0, frequency, volume, durationMs};
    }
    static LinkStep of(Kind kind) { return {kind}; }
    bool operator==(const LinkStep&) const = default;
};

struct StepOutcome {
    bool attempted = false; // the link was connected and took the command
    bool linkLost = false;  // the link closed during the step (no reply, brick unplugged)
    int light = 0;          // ReadLight, ReadInputs
    int infrared = 0;       // ReadIr, ReadInputs: 1 while the line is idle, 0 with a remote signal
};

class LinkSequencer {
public:
    explicit LinkSequencer(LinkClock& clock)
        : clock_(clock)
    {
    }

    void enqueue(const std::vector<LinkStep>& steps);
    void clear(); // forgets the steps not run yet
    bool idle() const { return queue_.empty(); }
    // The earliest time the next step may run (microseconds on the clock).
    std::int64_t dueUs() const { return notBeforeUs_; }
    // Runs the steps that are due, until a wait, the end of the queue, or a link that is busy with
    // another exchange (the caller polls again later). Does nothing when called from inside one of
    // its own exchanges' waits.
    void poll(BrickLink& link);

    // Told after every step other than a wait.
    std::function<void(const LinkStep&, const StepOutcome&)> onDone;

private:
    StepOutcome perform(BrickLink& link, const LinkStep& step);

    LinkClock& clock_;
    std::deque<LinkStep> queue_;
    std::int64_t notBeforeUs_ = 0;
    bool polling_ = false;
};

// Runs a sequencer to its end on a clock that moves only when slept on (tests, the command line).
void runToEnd(LinkSequencer& sequencer, BrickLink& link, LinkClock& clock);

} // namespace tarvel

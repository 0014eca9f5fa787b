#pragma once
// Time for the brick link: a clock that can be the real one or a manual one for tests, and the
// event-pumping wait.
#include <cstdint>
#include <functional>

namespace tarvel {

class LinkClock {
public:
    virtual ~LinkClock() = default;
    virtual std::int64_t nowUs() const = 0;
    // Sleeps until the given time (or returns at once when it has passed).
    virtual void sleepUntilUs(std::int64_t deadlineUs) = 0;
};

// The steady clock of the machine.
class SteadyClock final : public LinkClock {
public:
    std::int64_t nowUs() const override;
    void sleepUntilUs(std::int64_t deadlineUs) override;
};

// A clock that moves only when someone sleeps on it: tests run in no time.
class ManualClock final : public LinkClock {
public:
    std::int64_t nowUs() const override { return now_; }
    void sleepUntilUs(std::int64_t deadlineUs) override
    {
        if (deadlineUs > now_)
            now_ = deadlineUs;
    }

private:
    std::int64_t now_ = 0;
};

// Waits at least `ms` milliseconds and not much more, running `pump` (the caller's pending events)
// between short sleeps so that the window stays responsive.
void WaitMs(LinkClock& clock, int ms, const std::function<void()>& pump);

} // namespace tarvel

#include "link/LinkClock.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace tarvel {

namespace {
constexpr std::int64_t kPumpSliceUs = 2000; // events run at least every 2 ms during a wait
}

std::int64_t SteadyClock::nowUs() const
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SteadyClock::sleepUntilUs(std::int64_t deadlineUs)
{
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::microseconds(deadlineUs)));
}

void WaitMs(LinkClock& clock, int ms, const std::function<void()>& pump)
{
    const std::int64_t deadline = clock.nowUs() + std::int64_t(ms) * 1000;
    while (true) {
        if (pump)
            pump();
        const std::int64_t now = clock.nowUs();
        if (now >= deadline)
            return;
        clock.sleepUntilUs(std::min(deadline, now + kPumpSliceUs));
    }
}

} // namespace tarvel

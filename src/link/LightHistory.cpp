#include "link/LightHistory.h"

#include <algorithm>

namespace tarvel {

void LightHistory::add(std::int64_t timeMs, int level)
{
    samples_.push_back({timeMs, std::clamp(level, 0, 255)});
    while (!samples_.empty() && samples_.front().timeMs < timeMs - kSpanMs)
        samples_.pop_front();
}

std::vector<PlotPoint> LightHistory::plot(std::int64_t nowMs, double width, double height) const
{
    std::vector<PlotPoint> points;
    for (const Sample& s : samples_) {
        const std::int64_t age = nowMs - s.timeMs;
        if (age < 0 || age > kSpanMs)
            continue;
        points.push_back({width * double(kSpanMs - age) / double(kSpanMs), height * (1.0 - s.level / 255.0)});
    }
    return points;
}

} // namespace tarvel

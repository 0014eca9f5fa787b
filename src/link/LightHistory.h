#pragma once
// The console's live readings: the light levels of the last 30 seconds, and where they fall on a
// small plot.
#include <cstdint>
#include <deque>
#include <vector>

namespace tarvel {

constexpr int kLiveReadingIntervalMs = 200;

struct PlotPoint {
    double x, y;
};

class LightHistory {
public:
    static constexpr std::int64_t kSpanMs = 30000;

    struct Sample {
        std::int64_t timeMs;
        int level; // 0..255
    };

    void add(std::int64_t timeMs, int level);
    void clear() { samples_.clear(); }
    const std::deque<Sample>& samples() const { return samples_; }
    // The samples on a width x height plot: the right edge is now, the left edge 30 s ago; level 0
    // at the bottom, 255 at the top.
    std::vector<PlotPoint> plot(std::int64_t nowMs, double width, double height) const;

private:
    std::deque<Sample> samples_;
};

} // namespace tarvel

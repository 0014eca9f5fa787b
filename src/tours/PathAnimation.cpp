#include "tours/PathAnimation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvel {

PathAnimation::PathAnimation(const PathData& path, int motorSpin, TwipPoint start)
    : start_{start, 90, true}
{
    TourPose pose = start_;
    double t = 0;
    auto add = [&](double duration, TourPose to) {
        phases_.push_back({t, duration, pose, to});
        t += duration;
        pose = to;
    };
    const double msPer45 = std::max(0, motorSpin); // motorSpin / 100 tenths of a second
    for (const PathStep& step : path.steps) {
        if (step.action != StepAction::Move) {
            TourPose lit = pose;
            lit.lightOn = step.action == StepAction::LightOn;
            add(0, lit);
            continue;
        }
        // The turn the stored direction asks for: 90 is straight on.
        const int facing = (int(std::lround(pose.heading)) % 360 + 360) % 360;
        int turn = RelativeAngle(facing, step.heading) - 90;
        if (turn > 180)
            turn -= 360;
        if (turn != 0) {
            TourPose turned = pose;
            turned.heading = pose.heading + turn;
            add(std::abs(turn) / 45.0 * msPer45, turned);
        }
        const double radians = step.heading * std::numbers::pi / 180;
        const double length = step.distance * kDistanceUnitTwips;
        TourPose moved = pose; // the heading keeps its turns, so that drawing it never spins back
        moved.position = {pose.position.x + length * std::cos(radians), pose.position.y - length * std::sin(radians)};
        add(zoomedTenths(step.distance, path.zoom) * 100.0, moved);
    }
}

TourPose PathAnimation::poseAt(double ms) const
{
    if (phases_.empty() || ms <= 0)
        return phases_.empty() ? start_ : phases_.front().from;
    for (const Phase& p : phases_) {
        if (ms >= p.startMs + p.durationMs)
            continue;
        const double f = p.durationMs > 0 ? (ms - p.startMs) / p.durationMs : 1;
        TourPose r = p.from;
        r.position = {p.from.position.x + (p.to.position.x - p.from.position.x) * f,
                      p.from.position.y + (p.to.position.y - p.from.position.y) * f};
        r.heading = p.from.heading + (p.to.heading - p.from.heading) * f;
        return r;
    }
    return phases_.back().to;
}

} // namespace tarvel

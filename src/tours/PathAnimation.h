#pragma once
// Where the robot is while it drives a stored path: it starts at the start marker facing up, with
// the light on, turns on the spot at the settings' spin speed and drives a tenth of a second per
// stored distance unit (times the zoom).
#include "tours/PathCodec.h"
#include "tours/PathGeometry.h"

#include <vector>

namespace tarvel {

struct TourPose {
    TwipPoint position;
    double heading = 90; // degrees, counter-clockwise from the right
    bool lightOn = true;
};

class PathAnimation {
public:
    // `motorSpin`: the settings' spin timing (a turn of 45 degrees takes motorSpin / 100 tenths).
    PathAnimation(const PathData& path, int motorSpin, TwipPoint start = kBeginCentre);

    double durationMs() const { return phases_.empty() ? 0 : phases_.back().startMs + phases_.back().durationMs; }
    TourPose poseAt(double ms) const;

private:
    struct Phase {
        double startMs = 0;
        double durationMs = 0;
        TourPose from;
        TourPose to;
    };
    TourPose start_;
    std::vector<Phase> phases_;
};

} // namespace tarvel

#include "tours/PathCodec.h"

#include "model/NumberText.h"

#include <algorithm>

namespace tarvel {

namespace {
constexpr int kLightDirection = 18;
constexpr int kMaxDecodedSteps = 20;

bool isDirection(int degrees)
{
    return degrees >= 0 && degrees < 360 && degrees % 45 == 0;
}

int directionByte(const PathStep& step, const PathStep* previous)
{
    if (!previous)
        return 10 + step.heading / 45;
    if (step.action != StepAction::Move)
        return kLightDirection;
    return 10 + RelativeAngle(previous->heading, step.heading) / 45;
}

void appendGroup(std::string& s, const PathStep& step, const PathStep* previous)
{
    s += char(std::uint8_t(step.distance));
    s += char(std::uint8_t(directionByte(step, previous)));
    s += char(std::uint8_t(10 + (int(step.action) & 15)));
}
} // namespace

int RelativeAngle(int last, int actual)
{
    if (!isDirection(last))
        return 0;
    return ((actual - last + 90) % 360 + 360) % 360;
}

int zoomedTenths(int distance, int zoom)
{
    switch (zoom) {
    case 1: return int(roundHalfEven(distance * 1.5));
    case 2: return 2 * distance;
    default: return distance;
    }
}

std::vector<PathStep> stepsFromItems(const TourItems& items, int itemCount)
{
    std::vector<PathStep> steps;
    for (int i = 0; i + 3 < std::min(itemCount, kTourItemSlots); i += 4) {
        const int action = items[std::size_t(i + 2)];
        steps.push_back({items[std::size_t(i)], items[std::size_t(i + 1)],
                         action == 2 ? StepAction::LightOn : action == 1 ? StepAction::LightOff : StepAction::Move});
    }
    return steps;
}

std::vector<PathStep> splitLongMoves(const std::vector<PathStep>& steps, int zoom)
{
    int longest = kMaxStepTenths;
    while (longest > 0 && zoomedTenths(longest, zoom) > kMaxStepTenths)
        --longest;
    std::vector<PathStep> out;
    for (const PathStep& step : steps) {
        if (step.action != StepAction::Move || zoomedTenths(step.distance, zoom) <= kMaxStepTenths) {
            out.push_back(step);
            continue;
        }
        for (int left = step.distance; left > 0; left -= longest)
            out.push_back({std::min(left, longest), step.heading, StepAction::Move});
    }
    return out;
}

std::string encodePath(const PathData& path, const PathStep* extra)
{
    if (path.steps.size() > std::size_t(kMaxStoredPathSteps))
        return {};
    std::string s(1, char(std::uint8_t(path.zoom)));
    const PathStep* previous = nullptr;
    for (const PathStep& step : path.steps) {
        appendGroup(s, step, previous);
        previous = &step;
    }
    // The group after the last step holds the zeros of the editor's work array: heading 0, turned
    // into a direction relative to the last step like any other group.
    PathStep zero{0, 0, StepAction::Move};
    appendGroup(s, extra ? *extra : zero, previous);
    return s;
}

PathData decodePath(const RecordText& text, int steps)
{
    PathData path;
    path.zoom = text[0];
    steps = std::clamp(steps, 0, kMaxDecodedSteps);
    int heading = 90;
    for (int s = 0; s < steps; ++s) {
        const int distance = text[std::size_t(3 * s + 1)];
        const int direction = text[std::size_t(3 * s + 2)];
        const int action = (text[std::size_t(3 * s + 3)] & 15) - 10;
        PathStep step{distance, heading, action == 2 ? StepAction::LightOn
                                         : action == 1 ? StepAction::LightOff
                                                       : StepAction::Move};
        if (direction != kLightDirection && direction >= 10 && direction <= 17) {
            const int relative = (direction - 10) * 45;
            step.heading = s == 0 ? relative : ((heading + relative - 90) % 360 + 360) % 360;
        }
        heading = step.heading;
        path.steps.push_back(step);
    }
    return path;
}

} // namespace tarvel

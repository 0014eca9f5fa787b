#pragma once
// The path element's text bytes: the zoom mode, then one group of three bytes per step (distance,
// direction, action), then one group more (the zero group after the last step). The first group's
// direction is absolute (10 + heading / 45); later ones are relative to the previous heading (10 +
// RelativeAngle / 45), or 18 for a light step; the action is 10 to move, 11 light off, 12 light on.
#include "model/InstructionRecord.h"
#include "tours/TourItems.h"

#include <string>
#include <vector>

namespace tarvel {

// Step groups in the work array: distance (1 for a light step), absolute heading, 0 / 1 light off /
// 2 light on, zoom index when drawn.
enum class StepAction { Move = 0, LightOff = 1, LightOn = 2 };

struct PathStep {
    int distance = 0; // units of 84 twips, a tenth of a second each at zoom 1.0
    int heading = 0;  // absolute: 0 right, 90 up, ...
    StepAction action = StepAction::Move;
    bool operator==(const PathStep&) const = default;
};

struct PathData {
    int zoom = 0; // 0: 1.0 X, 1: 1.5 X, 2: 2.0 X
    std::vector<PathStep> steps;
    bool operator==(const PathData&) const = default;
};

constexpr int kMaxStoredPathSteps = 16; // 1 + 17 groups of 3 bytes fit the 64-byte text
constexpr int kMaxStepTenths = 127;     // the longest timed move of the brick

// `actual` as seen from heading `last`: 90 straight on, 0 a right angle to the right, 180 to the
// left, 270 back; 0 when `last` is not one of the eight directions.
int RelativeAngle(int last, int actual);

// The tenths of a second a step of `distance` units drives at `zoom`.
int zoomedTenths(int distance, int zoom);

// The steps of the work array, items 0 .. itemCount-1.
std::vector<PathStep> stepsFromItems(const TourItems& items, int itemCount);

// Splits every move that would drive longer than the brick's longest timed move at `zoom` into
// moves straight on, so that the robot still covers the whole distance.
std::vector<PathStep> splitLongMoves(const std::vector<PathStep>& steps, int zoom);

// The text bytes of a path of at most 16 steps (more are refused: empty result). `extra` is the
// group after the last step: a zero group, or the step that did not fit.
std::string encodePath(const PathData& path, const PathStep* extra = nullptr);

// The path held in an element's text, `steps` groups (the element's arg1), at most 20.
PathData decodePath(const RecordText& text, int steps);

} // namespace tarvel

#pragma once
// The path editor's drawing area, in twips (1/1440 inch, y growing downwards). Distances are stored
// in units of 84 twips, so the area keeps its size in twips whatever the screen's pixel density.
#include "model/Text.h"

#include <string>

namespace tarvel {

struct TwipPoint {
    double x = 0;
    double y = 0;
    bool operator==(const TwipPoint&) const = default;
};

struct TwipRect {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool containsStrictly(TwipPoint p) const { return p.x > left && p.x < right && p.y > top && p.y < bottom; }
};

constexpr double kDistanceUnitTwips = 84;
constexpr TwipRect kDrawingArea{0, 0, 10815, 6735};
constexpr TwipPoint kBeginPoint{5160, 3720}; // left and top of the start marker
constexpr double kBeginMarkerSize = 255;
constexpr TwipPoint kBeginCentre{kBeginPoint.x + kBeginMarkerSize / 2, kBeginPoint.y + kBeginMarkerSize / 2};

// Directions in degrees: 0 right, 90 up, 180 left, 270 down, the diagonals between them.
struct SnappedSegment {
    TwipPoint end;
    int heading = 0;
};

// Where a segment from `start` towards the mouse ends once snapped to one of the eight directions,
// and its heading (`previousHeading` when it has no length).
SnappedSegment snapSegment(TwipPoint start, TwipPoint mouse, int previousHeading);

// The segment's length in twips, rounded to the nearest integer (halves to even).
long long segmentLength(TwipPoint a, TwipPoint b);
// The stored distance: whole units of 84 twips.
int distanceUnits(TwipPoint a, TwipPoint b);
// "Tiempo (Segs): " and the distance in seconds (one unit is a tenth of a second).
Text segmentTimeText(int units);

} // namespace tarvel

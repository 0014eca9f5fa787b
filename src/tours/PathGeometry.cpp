#include "tours/PathGeometry.h"

#include "model/NumberText.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {
int sign(double v)
{
    return (v > 0) - (v < 0);
}
} // namespace

SnappedSegment snapSegment(TwipPoint start, TwipPoint mouse, int previousHeading)
{
    const double dx = mouse.x - start.x;
    const double dy = mouse.y - start.y;
    // The larger signed difference, then its absolute value: a drawing habit the stored
    // distances of existing paths depend on.
    const double r = std::abs(std::max(dx, dy));
    SnappedSegment s;
    if (std::abs((start.y - mouse.y) * 0.4) >= std::abs(start.x - mouse.x))
        s.end = {start.x, mouse.y};
    else if (std::abs((start.y - mouse.y) * 1.8) > std::abs(start.x - mouse.x))
        s.end = {start.x + sign(dx) * r, start.y + sign(dy) * r};
    else
        s.end = {mouse.x, start.y};

    static constexpr int kHeadings[3][3] = {
        // by sign of y (-1, 0, +1), then sign of x (-1, 0, +1); y grows downwards
        {135, 90, 45},
        {180, -1, 0},
        {225, 270, 315},
    };
    const int h = kHeadings[sign(s.end.y - start.y) + 1][sign(s.end.x - start.x) + 1];
    s.heading = h < 0 ? previousHeading : h;
    return s;
}

long long segmentLength(TwipPoint a, TwipPoint b)
{
    return roundHalfEven(std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)));
}

int distanceUnits(TwipPoint a, TwipPoint b)
{
    return int(segmentLength(a, b) / (long long)kDistanceUnitTwips);
}

Text segmentTimeText(int units)
{
    std::string seconds = plainNumber(units / 10);
    if (units % 10 != 0)
        seconds += "." + plainNumber(units % 10);
    return Text(QT_TRANSLATE_NOOP("core", "Tiempo (Segs): %1")).arg(seconds);
}

} // namespace tarvel

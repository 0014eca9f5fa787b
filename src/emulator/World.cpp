#include "emulator/World.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

constexpr int kMaxCellsPerSide = 2000;

// The cells [first, last] whose index lies in [lo, hi] (in cell units), clamped to the map; false
// when none does. Done in doubles so that far-away shapes cannot overflow an int.
bool cellRange(double lo, double hi, int count, int& first, int& last)
{
    lo = std::ceil(lo);
    hi = std::floor(hi);
    if (!(hi >= 0) || !(lo <= count - 1) || lo > hi)
        return false;
    first = int(std::max(lo, 0.0));
    last = int(std::min(hi, double(count - 1)));
    return true;
}

} // namespace

double distanceToSegment(WorldPoint p, WorldPoint a, WorldPoint b, WorldPoint* nearest)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const WorldPoint q{a.x + t * dx, a.y + t * dy};
    if (nearest)
        *nearest = q;
    return std::hypot(p.x - q.x, p.y - q.y);
}

std::vector<WorldWall> solidWalls(const World& world)
{
    std::vector<WorldWall> walls = world.walls;
    if (world.border) {
        const double w = world.width, h = world.height;
        walls.push_back({{0, 0}, {w, 0}});
        walls.push_back({{w, 0}, {w, h}});
        walls.push_back({{w, h}, {0, h}});
        walls.push_back({{0, h}, {0, 0}});
    }
    return walls;
}

double wallClearance(const std::vector<WorldWall>& walls, double thickness, WorldPoint p, WorldPoint* toward)
{
    double best = 1e18;
    for (const auto& wall : walls) {
        WorldPoint q;
        const double d = distanceToSegment(p, wall.from, wall.to, &q) - thickness / 2;
        if (d < best) {
            best = d;
            if (toward)
                *toward = q;
        }
    }
    return best;
}

void FloorMap::paint(const World& world)
{
    const double width = std::clamp(world.width, 1.0, kMaxWorldSide);
    const double height = std::clamp(world.height, 1.0, kMaxWorldSide);
    cell_ = std::max(0.25, std::max(width, height) / kMaxCellsPerSide);
    columns_ = std::max(1, int(std::ceil(width / cell_)));
    rows_ = std::max(1, int(std::ceil(height / cell_)));
    outside_ = world.floorBrightness;
    cells_.assign(std::size_t(columns_) * std::size_t(rows_), world.floorBrightness);
    if (!world.picture.empty()) {
        const GreyPicture& pic = world.picture;
        for (int row = 0; row < rows_; ++row) {
            const int py = std::clamp(int((1.0 - (row + 0.5) / rows_) * pic.height), 0, pic.height - 1);
            for (int column = 0; column < columns_; ++column) {
                const int px = std::clamp(int((column + 0.5) / columns_ * pic.width), 0, pic.width - 1);
                cellAt(column, row) = pic.at(px, py);
            }
        }
    }
    for (const auto& mark : world.marks) {
        switch (mark.kind) {
        case FloorMark::Kind::Line: paintLine(mark); break;
        case FloorMark::Kind::Circle: paintCircle(mark); break;
        case FloorMark::Kind::Rect: paintRect(mark); break;
        }
    }
}

std::uint8_t FloorMap::at(double x, double y) const
{
    if (!(x >= 0 && y >= 0))
        return outside_;
    const auto column = std::size_t(x / cell_), row = std::size_t(y / cell_);
    if (column >= std::size_t(columns_) || row >= std::size_t(rows_))
        return outside_;
    return cells_[row * std::size_t(columns_) + column];
}

void FloorMap::paintLine(const FloorMark& mark)
{
    const double half = std::max(mark.width, 0.0) / 2;
    const std::size_t n = mark.points.size();
    const std::size_t segments = mark.closed && n > 2 ? n : (n > 0 ? n - 1 : 0);
    for (std::size_t i = 0; i < std::max<std::size_t>(segments, n == 1 ? 1 : 0); ++i) {
        const WorldPoint a = mark.points[i];
        const WorldPoint b = n == 1 ? a : mark.points[(i + 1) % n];
        int c0, c1, r0, r1;
        const double x0 = (std::min(a.x, b.x) - half) / cell_ - 0.5, x1 = (std::max(a.x, b.x) + half) / cell_ - 0.5;
        const double y0 = (std::min(a.y, b.y) - half) / cell_ - 0.5, y1 = (std::max(a.y, b.y) + half) / cell_ - 0.5;
        if (!cellRange(x0, x1, columns_, c0, c1) || !cellRange(y0, y1, rows_, r0, r1))
            continue;
        for (int row = r0; row <= r1; ++row)
            for (int column = c0; column <= c1; ++column)
                if (distanceToSegment({(column + 0.5) * cell_, (row + 0.5) * cell_}, a, b) <= half)
                    cellAt(column, row) = mark.brightness;
    }
}

void FloorMap::paintCircle(const FloorMark& mark)
{
    const double outer = std::max(mark.radius + (mark.width > 0 ? mark.width / 2 : 0), 0.0);
    const double inner = mark.width > 0 ? mark.radius - mark.width / 2 : -1;
    int c0, c1, r0, r1;
    if (!cellRange((mark.x - outer) / cell_ - 0.5, (mark.x + outer) / cell_ - 0.5, columns_, c0, c1) ||
        !cellRange((mark.y - outer) / cell_ - 0.5, (mark.y + outer) / cell_ - 0.5, rows_, r0, r1))
        return;
    for (int row = r0; row <= r1; ++row)
        for (int column = c0; column <= c1; ++column) {
            const double d = std::hypot((column + 0.5) * cell_ - mark.x, (row + 0.5) * cell_ - mark.y);
            if (d <= outer && d >= inner)
                cellAt(column, row) = mark.brightness;
        }
}

void FloorMap::paintRect(const FloorMark& mark)
{
    int c0, c1, r0, r1;
    if (!cellRange(mark.x / cell_ - 0.5, (mark.x + mark.w) / cell_ - 0.5, columns_, c0, c1) ||
        !cellRange(mark.y / cell_ - 0.5, (mark.y + mark.h) / cell_ - 0.5, rows_, r0, r1))
        return;
    for (int row = r0; row <= r1; ++row)
        for (int column = c0; column <= c1; ++column)
            cellAt(column, row) = mark.brightness;
}

} // namespace tarvel

#pragma once
// The table the simulated robot drives on, seen from above. Lengths in centimetres, x to the right
// and y up from the bottom-left corner, headings in degrees counter-clockwise from the x axis.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvel {

constexpr double kMaxWorldSide = 5000; // cm

struct WorldPoint {
    double x = 0, y = 0;
};

// A painted shape on the floor: a line (a polyline of some width), a filled rectangle or a circle
// (filled, or a ring when it has a width).
struct FloorMark {
    enum class Kind { Line, Rect, Circle };
    Kind kind = Kind::Line;
    std::vector<WorldPoint> points; // line
    bool closed = false;            // line
    double x = 0, y = 0, w = 0, h = 0, radius = 0;
    double width = 2;               // line, ring (0: filled circle)
    std::uint8_t brightness = 20;
};

struct WorldWall {
    WorldPoint from, to;
};

enum class SourceKind { Light, Sound, Infrared };

// A lamp on the table lights the floor around it; a sound or infrared source is heard or received
// within its range while it is on. The user switches sources on and off.
struct WorldSource {
    SourceKind kind = SourceKind::Light;
    WorldPoint at;
    double range = 40;
    int intensity = 150;    // light: added to the level at its centre, fading to 0 at the range
    int frequency = 1000;   // sound, Hz
    std::uint8_t data = 1;  // infrared: the data byte the beacon sends
    bool on = true;
};

enum class Steering { Differential, Car };

struct RobotPlacement {
    WorldPoint at{30, 30};
    double heading = 0;
    Steering steering = Steering::Differential;
};

// A grey-level picture, rows from the top.
struct GreyPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels;
    bool empty() const { return pixels.empty(); }
    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

struct World {
    std::string name; // Windows-1252
    double width = 200, height = 150;
    std::uint8_t floorBrightness = 230;
    GreyPicture picture; // stretched over the whole table when present
    std::string pictureFile;
    int ambient = 110;   // light level over a white floor with the lamp off
    int lampLight = 145; // what the robot's lamp adds over a white floor
    std::vector<FloorMark> marks;
    std::vector<WorldWall> walls;
    double wallThickness = 2;
    bool border = true; // walls along the table's edges
    std::vector<WorldSource> sources;
    RobotPlacement robot;
};

// The floor painted into cells once, so that the light sensor reads it at no cost.
class FloorMap {
public:
    void paint(const World& world);
    std::uint8_t at(double x, double y) const;
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    double cell() const { return cell_; }
    // Row 0 is the bottom of the table.
    const std::vector<std::uint8_t>& cells() const { return cells_; }

private:
    void paintLine(const FloorMark& mark);
    void paintCircle(const FloorMark& mark);
    void paintRect(const FloorMark& mark);
    std::uint8_t& cellAt(int column, int row)
    {
        return cells_[std::size_t(row) * std::size_t(columns_) + std::size_t(column)];
    }

    int columns_ = 0, rows_ = 0;
    double cell_ = 0.25;
    std::uint8_t outside_ = 0;
    std::vector<std::uint8_t> cells_;
};

// Every wall the robot can hit, the table's border included, as segments of a thickness.
std::vector<WorldWall> solidWalls(const World& world);
// Distance from a point to the nearest wall surface (negative inside a wall); `toward` gets the
// nearest wall point.
double wallClearance(const std::vector<WorldWall>& walls, double thickness, WorldPoint p, WorldPoint* toward = nullptr);
double distanceToSegment(WorldPoint p, WorldPoint a, WorldPoint b, WorldPoint* nearest = nullptr);

} // namespace tarvel

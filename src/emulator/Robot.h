#pragma once
// The simulated robot: a round body with two driven wheels (or, steered "Tipo Auto", a driven axle
// and a steering motor), a bumper at the front and the light sensor looking at the floor ahead.
#include "emulator/World.h"

#include <cstdint>
#include <vector>

namespace tarvel {

// One documented set of dimensions (docs/brick-isa.md, "The simulated robot").
struct RobotGeometry {
    static constexpr double track = 16;            // cm between the wheels
    static constexpr double bodyRadius = 10;       // cm
    static constexpr double sensorAhead = 8;       // cm from the centre to the light sensor
    static constexpr double wheelSpeed = 7.853981633974483; // cm/s of a wheel at full power (2.5 pi)
    static constexpr double carWheelbase = 12;     // cm, "Tipo Auto"
    static constexpr double carSteerDegrees = 30;  // steering angle at the end stop
    static constexpr double bumperGap = 0.3;       // cm: closer than this to a wall presses the bumper
    static constexpr double bumperHalfAngle = 70;  // degrees each side of the heading
};

struct RobotPose {
    double x = 0, y = 0, heading = 0; // cm, cm, degrees counter-clockwise from +x
};

struct RobotState {
    RobotPose pose;
    bool bumper = false;  // the front bumper touches a wall
    bool blocked = false; // the last move was stopped by a wall
    double travelled = 0; // cm driven so far
};

// Moves the robot for `seconds` with the motor byte (motor A left / traction, motor B right /
// steering). Walls stop it; the bumper state is updated.
void moveRobot(RobotState& robot, std::uint8_t motors, Steering steering, double seconds,
               const std::vector<WorldWall>& walls, double wallThickness);
// Whether the bumper touches a wall at this pose.
bool bumperPressed(const RobotPose& pose, const std::vector<WorldWall>& walls, double wallThickness);
// Where the light sensor looks.
WorldPoint sensorPoint(const RobotPose& pose);

} // namespace tarvel

#include "emulator/Robot.h"

#include "emulator/BrickCpu.h"

#include <cmath>
#include <numbers>

namespace tarvel {

namespace {

constexpr double kRadians = std::numbers::pi / 180;

int direction(std::uint8_t motors, std::uint8_t forward, std::uint8_t backward)
{
    const bool f = motors & forward, b = motors & backward;
    return f == b ? 0 : f ? 1 : -1; // both bits at once drive nothing
}

double normalised(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360.0 : degrees;
}

} // namespace

WorldPoint sensorPoint(const RobotPose& pose)
{
    const double h = pose.heading * kRadians;
    return {pose.x + RobotGeometry::sensorAhead * std::cos(h), pose.y + RobotGeometry::sensorAhead * std::sin(h)};
}

bool bumperPressed(const RobotPose& pose, const std::vector<WorldWall>& walls, double wallThickness)
{
    WorldPoint q;
    const double clearance = wallClearance(walls, wallThickness, {pose.x, pose.y}, &q);
    if (clearance >= RobotGeometry::bodyRadius + RobotGeometry::bumperGap)
        return false;
    const double toward = std::atan2(q.y - pose.y, q.x - pose.x) / kRadians;
    const double off = std::fabs(normalised(toward - pose.heading + 180) - 180);
    return off <= RobotGeometry::bumperHalfAngle;
}

void moveRobot(RobotState& robot, std::uint8_t motors, Steering steering, double seconds,
               const std::vector<WorldWall>& walls, double wallThickness)
{
    const int left = direction(motors, kLeftForward, kLeftBackward);
    const int right = direction(motors, kRightForward, kRightBackward);
    double speed = 0, turn = 0; // cm/s, rad/s counter-clockwise
    if (steering == Steering::Car) {
        speed = left * RobotGeometry::wheelSpeed;
        turn = -right * speed * std::tan(RobotGeometry::carSteerDegrees * kRadians) / RobotGeometry::carWheelbase;
    } else {
        speed = (left + right) * RobotGeometry::wheelSpeed / 2;
        turn = (right - left) * RobotGeometry::wheelSpeed / RobotGeometry::track;
    }
    robot.blocked = false;
    if (speed == 0 && turn == 0) {
        robot.bumper = bumperPressed(robot.pose, walls, wallThickness);
        return;
    }
    const RobotPose old = robot.pose;
    const double h0 = old.heading * kRadians;
    const double h1 = h0 + turn * seconds;
    RobotPose next = old;
    if (std::fabs(turn) < 1e-12) {
        next.x += speed * seconds * std::cos(h0);
        next.y += speed * seconds * std::sin(h0);
    } else {
        const double radius = speed / turn;
        next.x += radius * (std::sin(h1) - std::sin(h0));
        next.y -= radius * (std::cos(h1) - std::cos(h0));
    }
    next.heading = normalised(h1 / kRadians);
    // The body is round: turning on the spot never hits anything; moving closer to a wall than
    // the body allows is refused.
    const double before = wallClearance(walls, wallThickness, {old.x, old.y});
    const double after = wallClearance(walls, wallThickness, {next.x, next.y});
    if (after < RobotGeometry::bodyRadius && after < before) {
        next.x = old.x;
        next.y = old.y;
        robot.blocked = true;
    } else {
        robot.travelled += std::fabs(speed) * seconds;
    }
    robot.pose = next;
    robot.bumper = bumperPressed(robot.pose, walls, wallThickness);
}

} // namespace tarvel

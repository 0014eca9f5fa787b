// World files, the floor the light sensor sees, the robot's motion and its bumper, and the shipped
// examples in the worlds made for them.
#include "EmulatorTestSupport.h"

#include "emulator/SimReport.h"
#include "emulator/WorldFile.h"
#include "model/ProgramFile.h"
#include "model/TextFile.h"

#include <cmath>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarvel;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

const fs::path kWorlds = fs::path(TARVEL_APPDIR) / "worlds";

World shipped(const std::string& file)
{
    WorldLoad load = loadWorldFile(kWorlds / file);
    EXPECT_EQ(load.error, "") << file;
    return load.world.value_or(World{});
}

// An example program from the application folder, built, in a world.
Simulation example(const std::string& file, const std::string& world)
{
    BuiltProgram program;
    EXPECT_TRUE(openProgramFile(program.store, fs::path(TARVEL_APPDIR) / file).ok) << file;
    Simulation sim;
    sim.setWorld(shipped(world));
    program.loadInto(sim);
    sim.start();
    return sim;
}

} // namespace

TEST(WorldFile, ShippedWorldsLoad)
{
    const auto files = worldFiles(kWorlds);
    ASSERT_GE(files.size(), 3u);
    for (const auto& file : files) {
        const WorldLoad load = loadWorldFile(file);
        EXPECT_EQ(load.error, "") << file;
        ASSERT_TRUE(load.world);
        EXPECT_FALSE(load.world->name.empty());
    }
    const World track = shipped("pista.json");
    EXPECT_EQ(track.name, "Pista con l\xEDnea"); // read as UTF-8, kept in Windows-1252
    ASSERT_EQ(track.marks.size(), 1u);
    EXPECT_TRUE(track.marks[0].closed);
}

TEST(WorldFile, BadFilesGiveAMessageNamingTheProblem)
{
    const std::pair<const char*, const char*> cases[] = {
        {"{", "JSON"},
        {"[]", "objeto"},
        {R"({"width": "ancho"})", "\"width\""},
        {R"({"width": 1e9})", "fuera de rango"},
        {R"({"walls": [[1, 2, 3]]})", "pared"},
        {R"({"marks": [{"oval": 1}]})", "marca"},
        {R"({"marks": [{"line": [[1, "a"]]}]})", "coordenada"},
        {R"({"sources": [{"kind": "radio"}]})", "\"kind\""},
        {R"({"robot": {"steering": "tanque"}})", "steering"},
        {R"({"floor": {"picture": "../secreto.pgm"}})", "misma carpeta"},
        {R"({"floor": {"picture": "falta.pgm"}})", "falta.pgm"},
    };
    for (auto [text, words] : cases) {
        const WorldLoad load = parseWorld(text, kWorlds);
        EXPECT_FALSE(load.world) << text;
        EXPECT_NE(load.error.find(words), std::string::npos) << text << " -> " << load.error;
    }
}

TEST(WorldFile, WhatIsNoFileIsRefusedWithTheReason)
{
    const fs::path dir = fs::temp_directory_path() / ("tarvel_world_" + std::to_string(::getpid()));
    fs::create_directories(dir / "piso.pgm");
    ASSERT_EQ(::mkfifo((dir / "tubo.json").c_str(), 0600), 0);
    WorldLoad load = loadWorldFile(dir / "tubo.json");
    EXPECT_FALSE(load.world);
    EXPECT_NE(load.error.find("tubo.json\r\nEs una tuberia"), std::string::npos) << load.error;
    load = loadWorldFile("/dev/zero");
    EXPECT_NE(load.error.find("dispositivo"), std::string::npos) << load.error;

    // The floor picture named by a good world is a folder.
    load = parseWorld(R"({"floor": {"picture": "piso.pgm"}})", dir);
    EXPECT_FALSE(load.world);
    EXPECT_NE(load.error.find("piso.pgm: Es una carpeta"), std::string::npos) << load.error;
    fs::remove_all(dir);
}

TEST(WorldFile, FloorPicturesInPgmAndPpm)
{
    std::string error;
    GreyPicture grey = parsePicture("P2\n# a comment\n3 2\n10\n0 5 10\n10 10 0\n", error);
    ASSERT_EQ(error, "");
    EXPECT_EQ(grey.width, 3);
    EXPECT_EQ(grey.at(1, 0), 128);
    EXPECT_EQ(grey.at(2, 1), 0);
    GreyPicture colour = parsePicture(std::string("P6 1 1 255\n") + char(255) + char(255) + char(255), error);
    ASSERT_EQ(error, "");
    EXPECT_EQ(colour.at(0, 0), 255);
    for (const char* bad : {"", "P7 1 1 255\n", "P5 2 2 255\nab", "P2 3 2 10\n1 2", "P5 99999 1 255\n", "P2 1 1 0\n"}) {
        error.clear();
        EXPECT_TRUE(parsePicture(bad, error).empty()) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }

    // A picture beside the world: its top row is the far side of the table.
    const fs::path dir = fs::temp_directory_path() / ("tarvel_world_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ASSERT_TRUE(writeFileReplacing(dir / "piso.pgm", "P2 2 2 255\n0 0\n255 255\n").empty());
    const WorldLoad load = parseWorld(R"({"width": 100, "height": 100, "floor": {"picture": "piso.pgm"}})", dir);
    fs::remove_all(dir);
    ASSERT_TRUE(load.world) << load.error;
    FloorMap floor;
    floor.paint(*load.world);
    EXPECT_EQ(floor.at(20, 80), 0);
    EXPECT_EQ(floor.at(20, 20), 255);
}

TEST(World, FloorMarksAndTheLampGiveTheLightLevel)
{
    World world;
    world.marks.push_back({FloorMark::Kind::Line, {{0, 50}, {200, 50}}, false, 0, 0, 0, 0, 0, 4, 10});
    world.marks.push_back({FloorMark::Kind::Circle, {}, false, 150, 120, 0, 0, 10, 0, 60});
    FloorMap floor;
    floor.paint(world);
    EXPECT_EQ(floor.at(30, 51.5), 10);
    EXPECT_EQ(floor.at(30, 53), 230);
    EXPECT_EQ(floor.at(155, 120), 60);
    EXPECT_EQ(floor.at(-5, 20), 230); // off the table: the plain floor

    // The sensor 8 cm ahead of the robot; the lamp adds its light over a bright floor.
    world.robot = {{22, 50}, 0};
    Simulation sim;
    sim.setWorld(world);
    sim.load(assemble({"IN 1, 0", "LAMP 1", "WAITK MILI, 2", "IN 2, 0", "HALT"}));
    sim.start();
    sim.advanceTo(sec(1), true);
    EXPECT_EQ(sim.cpu().v()[1], std::lround(10 * 110 / 255.0));
    EXPECT_EQ(sim.cpu().v()[2], 10);
    sim.placeRobot({22, 70, 0});
    sim.start();
    sim.advanceTo(sim.timeUs() + sec(1), true);
    EXPECT_EQ(sim.cpu().v()[1], std::lround(230 * 110 / 255.0));
    EXPECT_EQ(sim.cpu().v()[2], 230);
}

TEST(World, DrivingSpeedAndCarSteering)
{
    RobotState robot;
    robot.pose = {50, 50, 0};
    for (int i = 0; i < 1000; ++i)
        moveRobot(robot, 0x48, Steering::Differential, 0.001, {}, 2);
    EXPECT_NEAR(robot.pose.x, 50 + RobotGeometry::wheelSpeed, 1e-6);
    EXPECT_NEAR(robot.pose.y, 50, 1e-6);

    // Car: the left motor drives, the right one steers (forward: to the right).
    RobotState car;
    car.pose = {50, 50, 90};
    for (int i = 0; i < 2000; ++i)
        moveRobot(car, kLeftForward | kRightForward, Steering::Car, 0.001, {}, 2);
    EXPECT_LT(car.pose.heading, 90);
    EXPECT_GT(car.pose.x, 50);
    RobotState parked = car;
    moveRobot(parked, kRightBackward, Steering::Car, 1, {}, 2); // steering alone does not move it
    EXPECT_EQ(parked.pose.x, car.pose.x);
}

TEST(World, AWallStopsTheRobotAndPressesTheBumper)
{
    World world;
    world.width = 100;
    world.height = 100;
    world.robot = {{50, 50}, 0};
    Simulation sim;
    sim.setWorld(world);
    sim.load(assemble({"MOTL 1", "MOTR 1", "UNTIL 1", "IN 1, 2", "MOVE RETROCEDE, DECI, 10", "IN 2, 2", "HALT"}));
    sim.start();
    sim.advanceTo(sec(20), true);
    EXPECT_EQ(sim.endState(), BrickState::Halted);
    EXPECT_EQ(sim.cpu().v()[1], 1);
    EXPECT_EQ(sim.cpu().v()[2], 0);
    // The bumper closed just before the body met the border (at 100 - thickness / 2), then the
    // robot backed off for a second.
    EXPECT_NEAR(sim.robot().pose.x,
                100 - 1 - RobotGeometry::bodyRadius - RobotGeometry::bumperGap - RobotGeometry::wheelSpeed, 0.1);
    // A wall behind stops the robot too, but does not press the front bumper.
    EXPECT_FALSE(bumperPressed({89, 50, 180}, solidWalls(world), 2));
    EXPECT_TRUE(bumperPressed({89, 50, 0}, solidWalls(world), 2));
}

TEST(World, SourcesAreHeardWithinTheirRange)
{
    World world;
    world.sources.push_back({SourceKind::Infrared, {60, 50}, 30, 0, 0, 9, false});
    world.sources.push_back({SourceKind::Sound, {60, 50}, 30, 0, 700, 0, false});
    world.sources.push_back({SourceKind::Light, {60, 50}, 20, 100, 0, 0, true});
    world.robot = {{52, 50}, 0};
    Simulation sim;
    sim.setWorld(world);
    EXPECT_FALSE(sim.cpu().inputs.irSignal);
    sim.switchSource(0, true);
    sim.switchSource(1, true);
    EXPECT_TRUE(sim.cpu().inputs.irSignal);
    EXPECT_EQ(sim.cpu().inputs.irData, 9);
    EXPECT_TRUE(sim.cpu().inputs.sound);
    EXPECT_EQ(sim.cpu().inputs.soundFrequency, 70);
    EXPECT_EQ(sim.cpu().inputs.light, std::lround(230 * 110 / 255.0) + 100); // the lamp's centre
    sim.placeRobot({10, 10, 0});
    EXPECT_FALSE(sim.cpu().inputs.irSignal);
}

TEST(Examples, BlinkingLightsToggleEveryHalfSecond)
{
    Simulation sim = example("Luces Intermitentes.gtf", "mesa.json");
    sim.advanceTo(sec(3));
    const auto leds = eventsOf(sim, SimEvent::Kind::Leds);
    ASSERT_GE(leds.size(), 5u);
    for (std::size_t i = 0; i + 1 < leds.size(); ++i) {
        EXPECT_NE(leds[i].value, leds[i + 1].value);
        EXPECT_NEAR(double(leds[i + 1].timeUs - leds[i].timeUs), double(ms(500)), 100);
    }
}

TEST(Examples, TheDanceGoesRoundThreeTimesAndEndsWithOk)
{
    Simulation sim = example("Baile del Robot.gtf", "mesa.json");
    sim.advanceTo(sec(60), true);
    EXPECT_EQ(endName(sim), "stop");
    int backward = 0;
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Motors))
        backward += e.value == (kLeftBackward | kRightBackward);
    EXPECT_EQ(backward, 3);
    EXPECT_EQ(eventsOf(sim, SimEvent::Kind::Tone).size(), 2u); // the OK sound
}

TEST(Examples, AvoidingObstaclesBacksOffEachTimeItBumps)
{
    Simulation sim = example("Evitar Obstaculos.gtf", "laberinto.json");
    sim.advanceTo(sec(60));
    int backOffs = 0;
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Motors))
        backOffs += e.value == (kLeftBackward | kRightBackward);
    EXPECT_GE(backOffs, 3);
    EXPECT_TRUE(sim.cpu().running());
}

TEST(Examples, FollowingTheLightFindsItAndBeeps)
{
    Simulation sim = example("Sigue la Luz.gtf", "luz.json");
    sim.advanceTo(sec(20));
    const auto tones = eventsOf(sim, SimEvent::Kind::Tone);
    ASSERT_FALSE(tones.empty());
    EXPECT_NEAR(tones.front().frequency, 440, 3);
}

TEST(Examples, TheMelodyPlaysFiveNotesLightsUpAndSwitchesOff)
{
    Simulation sim = example("Melodia.gtf", "mesa.json");
    sim.advanceTo(sec(10), true);
    const auto tones = eventsOf(sim, SimEvent::Kind::Tone);
    ASSERT_EQ(tones.size(), 5u);
    for (std::size_t i = 1; i < tones.size(); ++i)
        EXPECT_GT(tones[i].frequency, tones[i - 1].frequency);
    EXPECT_EQ(eventsOf(sim, SimEvent::Kind::Lamp).front().value, 1);
    EXPECT_EQ(endName(sim), "stop");
    EXPECT_NEAR(sim.seconds(), 2.5, 0.05);
}

TEST(Examples, TheLineFollowerGoesRoundTheTrackOnTheLine)
{
    Simulation sim = example("Seguir la Linea.gtf", "pista.json");
    const World track = shipped("pista.json");
    const auto& line = track.marks[0].points;
    double farthest = 0;
    std::array<bool, 4> quadrants{};
    for (int step = 1; step <= 150; ++step) {
        sim.advanceTo(sec(step));
        const WorldPoint p = sensorPoint(sim.robot().pose);
        double nearest = 1e9;
        for (std::size_t i = 0; i < line.size(); ++i)
            nearest = std::min(nearest, distanceToSegment(p, line[i], line[(i + 1) % line.size()]));
        farthest = std::max(farthest, nearest);
        quadrants[std::size_t((p.x > 100) * 2 + (p.y > 75))] = true;
    }
    EXPECT_LT(farthest, 6.0); // never loses the line
    EXPECT_EQ(quadrants, (std::array<bool, 4>{true, true, true, true}));
}

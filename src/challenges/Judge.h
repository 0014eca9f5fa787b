#pragma once
// The judge: runs a built program on the emulated brick in the challenge's world for the challenge's
// time, with its inputs at their times, records what happened once a millisecond of virtual time,
// and then says of each goal whether it was met and why, in words. The same image and challenge
// give the same verdict on any machine: nothing depends on the real clock.
#include "challenges/Challenge.h"
#include "emulator/Simulation.h"
#include "model/Text.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

struct ProgramImage;

// The robot at one millisecond of the run.
struct RunSample {
    float x = 0, y = 0, heading = 0;
    bool touching = false; // the bumper pressed, or a wall stopped a move
};

// What happened in one run.
struct ChallengeRun {
    std::vector<RunSample> samples; // sample i is the robot at i ms
    std::vector<SimEvent> events;
    bool ended = false;   // the program ended before the time ran out
    std::string end;      // "stop", "halt", "lock", "restart", or "time"
    std::int64_t endUs = 0; // when the run stopped: the end of the program, or the time limit
    std::array<std::uint8_t, 8> v{};
    std::uint8_t motors = 0, leds = 0;
    bool lamp = false;
    double travelled = 0; // cm
    std::uint64_t instructions = 0;
    bool cancelled = false;
};

struct GoalResult {
    int depth = 0; // 0 for the goals of the challenge, 1 for the parts of a group, ...
    Goal::Kind kind = Goal::Kind::All;
    bool met = false;
    Text statement; // what the goal asks
    Text reason;    // what the run did about it
    std::optional<std::int64_t> atUs; // when it was met, for goals met at a moment
};

struct Verdict {
    bool passed = false;
    int stars = 0;      // 0 when not passed, else 1..3
    double seconds = 0; // when the goals were met (or the run ended): what time stars look at
    std::vector<GoalResult> goals; // the goals' tree in reading order, groups before their parts
    std::string end;
    double endSeconds = 0;
    double distance = 0;     // cm driven
    double lineShare = 0;    // of the time over the dark line, 0..1
    double lineProgress = 0; // of the line followed in order, 0..1
    std::vector<WorldPoint> trail; // the robot's path, thinned
    bool cancelled = false;
};

// Runs the program already loaded in `sim` (world, steering and element map set) from time 0.
// `cancel`, when set from another thread, ends the run early (the verdict then says so).
ChallengeRun runChallenge(const Challenge& challenge, Simulation& sim, const std::atomic<bool>* cancel = nullptr);
Verdict evaluateRun(const Challenge& challenge, const ChallengeRun& run);
// What each goal asks, in the verdict's order, before any run (the reasons are of an empty run).
std::vector<GoalResult> goalsToMeet(const Challenge& challenge);

// The whole judgement of a built program: a fresh simulation in the challenge's world, the run,
// the verdict. `finalState`, when given, receives the simulation as the run left it.
Verdict judgeProgram(const Challenge& challenge, const ProgramImage& program, Simulation* finalState = nullptr,
                     const std::atomic<bool>* cancel = nullptr);

// The first goal not met that has no parts of its own: what a student should look at first. Null
// when the goals were met.
const GoalResult* firstMissedGoal(const Verdict& verdict);
// The verdict in one sentence: the stars and the time, or the first goal missed and why.
Text verdictText(const Verdict& verdict);

// Seconds as the reasons write them: "3,2".
std::string secondsText(double seconds);
// The same as a text, its decimal mark the reader's: "3,2" in Spanish, "3.2" in English.
Text secondsWords(double seconds);
// "Una estrella", "2 estrellas", ...
Text starsText(int stars);

} // namespace tarvel

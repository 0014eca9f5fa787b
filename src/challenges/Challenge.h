#pragma once
// A challenge: a world, where the robot starts, how long the program may run, the inputs that come
// at given times, and the goals a run must meet, with the stars it earns. Teachers write them as
// JSON files (docs/challenges.md); ChallengeFile reads them.
#include "emulator/World.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

// Something that happens to the brick at a time of the run, as a user in the simulator would do it.
struct ChallengeInput {
    enum class Kind { Clap, Remote, PcByte, Light, Touch, Sound, Source };
    Kind kind = Kind::Clap;
    std::int64_t atUs = 0;
    int value = 0;        // remote key, PC byte, light level, touch/sound 0 or 1, source index
    bool release = false; // light, touch, sound: back to what the world gives
    bool on = true;       // source
};

// One goal, or a group of goals of which all or any must be met.
struct Goal {
    enum class Kind { All, Any, Reach, NoWall, OnLine, LineEnd, Led, Lamp, Tone, Send, End, Within, Variable, Still };
    Kind kind = Kind::All;
    std::vector<Goal> parts; // All, Any

    std::string label; // the teacher's name for the goal or its region (Windows-1252), may be empty
    std::string englishLabel; // the same for the English interface (translations.en.labels); may be empty
    // The part of the run in which an event counts (Reach, LineEnd, Led, Lamp, Tone, Send).
    std::int64_t afterUs = 0;
    std::int64_t beforeUs = std::numeric_limits<std::int64_t>::max();
    bool atEnd = false; // Reach, Led, Lamp: the state when the run ends, not at some moment

    // Reach: a rectangle (x, y, w, h) or a circle (x, y, radius).
    bool circle = false;
    double x = 0, y = 0, w = 0, h = 0, radius = 0;
    // OnLine, LineEnd: how far from the dark line still counts as over it (cm), and for OnLine the
    // share of the time or of the distance driven.
    double margin = 3;
    double share = 0.8;
    bool ofPath = false;
    // Led: 0 A, 1 B, 2 C. Led, Lamp: whether it must be lit or turned off.
    int led = 0;
    bool on = true;
    // Tone: how many tones, of which frequency (0: any), or these notes in order.
    int count = 1;
    double frequency = 0, tolerance = 0;
    std::vector<double> notes;
    // Send: the byte (-1: any).
    int byte = -1;
    // End: "any", "stop", "halt", "restart" or "lock".
    std::string end = "any";
    // Within: the program ends before this.
    double seconds = 0;
    // Variable: V1..V5 compared with a value.
    int variable = 1;
    std::string compare = "=";
    int value = 0;
};

// What decides the stars of a run that meets its goals.
struct StarRule {
    enum class Measure { None, Time, Distance, LineShare, LineProgress };
    Measure measure = Measure::None; // None: every passing run earns three
    double three = 0, two = 0;        // time and distance: at most; shares: at least
};

struct Challenge {
    std::string id; // the file's name without its extension (UTF-8, as the file system has it)
    std::string title, description; // Windows-1252
    std::string englishTitle, englishDescription; // for the English interface; may be empty
    std::string worldName; // the world file's name in worlds/, empty for a world written inline
    World world;
    double seconds = 10;
    std::vector<ChallengeInput> inputs; // sorted by time
    Goal goals;
    StarRule stars;
    std::string solution; // the reference solution's file name beside the challenge (UTF-8), may be empty
};

// The challenge in the words of the English interface: its title, description and goals' labels
// where the file gives them in English, its Spanish ones where it does not.
Challenge inEnglish(Challenge challenge);

// The variables as the challenge files and the flowchart name them: "roja" .. "naranja".
inline constexpr const char* kChallengeVariableWords[5] = {"roja", "azul", "verde", "rosa", "naranja"};

} // namespace tarvel

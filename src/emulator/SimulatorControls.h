#pragma once
// What the simulator window offers and how it paces the simulation, stated without the window.
#include "model/Text.h"
#include "emulator/Simulation.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvel {

struct SimulatorSpeed {
    const char* label;
    double factor;
};
inline constexpr std::array<SimulatorSpeed, 6> kSimulatorSpeeds = {
    {{"x0.25", 0.25}, {"x0.5", 0.5}, {"x1", 1}, {"x2", 2}, {"x5", 5}, {"x10", 10}}};
inline constexpr int kNormalSpeed = 2;

// Virtual time for one frame: the real time since the last frame at the chosen speed. A late frame
// (the window was busy or hidden) counts as at most a tenth of a second, so the robot never jumps.
std::int64_t frameAdvanceUs(std::int64_t elapsedRealUs, double speed);

// The keys of the infrared remote: the label and the data byte each one sends.
struct RemoteKeyText {
    const char* label;
    std::uint8_t data;
};
inline constexpr std::array<RemoteKeyText, 12> kRemoteKeys = {{{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5},
                                                               {"6", 6}, {"7", 7}, {"8", 8}, {"9", 9}, {"0", 0},
                                                               {"\xAB", 11}, {"\xBB", 12}}}; // « and »

// The student's five variables (V1..V5) as the flowchart names them.
inline constexpr std::array<const char*, 5> kVariableNames = {
    QT_TRANSLATE_NOOP("core", "Var. Roja"), QT_TRANSLATE_NOOP("core", "Var. Azul"), QT_TRANSLATE_NOOP("core", "Var. Verde"),
    QT_TRANSLATE_NOOP("core", "Var. Rosa"), QT_TRANSLATE_NOOP("core", "Var. Naranja")};

// What the brick is doing, for the window's status line (Windows-1252).
std::string simulatorStatus(const Simulation& sim, bool paused);
// One motor's direction in words, from the motor byte: "Adelante", "Atras" or "Parado".
std::string motorDirection(std::uint8_t motors, bool left);

} // namespace tarvel

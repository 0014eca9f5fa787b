#pragma once
// The console's rules: what each control sends, in order and with its waits, the state it keeps
// and the texts and colours it shows.
#include "link/LinkSequencer.h"
#include "model/Text.h"
#include "link/ToolColour.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvel {

// Every console command is sent 15 ms after its click (after the previous command when they queue).
constexpr int kConsoleWaitMs = 15;

struct ConsoleState {
    std::uint8_t leftMotor = 0, rightMotor = 0; // 0 stopped, 1 forward, 2 backward
    std::array<bool, 3> leds{};                 // "A", "B", "C"
    std::uint8_t frontLightClicks = 0;          // its lowest bit is the light's state
};

enum class ConsoleMotor { AdvBoth, AdvLeft, AdvRight, RevBoth, RevLeft, RevRight, StopBoth, StopLeft, StopRight };

// Opening the console: all LEDs off.
std::vector<LinkStep> consoleLoad(ConsoleState& state);
std::vector<LinkStep> consoleMotor(ConsoleState& state, ConsoleMotor control);
std::vector<LinkStep> consoleLed(ConsoleState& state, int index);
std::vector<LinkStep> consoleFrontLight(ConsoleState& state);
// The tone of the frequency and duration boxes and the volume slider.
std::vector<LinkStep> consoleBeep(const std::string& frequencyText, const std::string& durationText, int volume);
std::vector<LinkStep> consoleReadLight();
std::vector<LinkStep> consoleReadInfrared(); // the only control without the wait
std::vector<LinkStep> consoleRun();
std::vector<LinkStep> consoleTurnOff();

struct SpinRange {
    int minimum, maximum, step, initial;
};
constexpr SpinRange kFrequencySpin{100, 5000, 10, 1000};
constexpr SpinRange kDurationSpin{50, 5000, 50, 100};
constexpr int kVolumeMaximum = 32;

// The spin value after a number was typed in its box and the box was left: the typed value only
// when it lies strictly between the limits, otherwise the spin keeps its value (and the box shows it).
int spinAfterTyping(const std::string& typed, const SpinRange& range, int spinValue);
// "100%" for 32, "15%" for 5.
std::string volumeText(int volume);

ToolColour consoleLedColour(int index, bool on);
ToolColour infraredColour(int state);
// The brick shape takes the colour of the connected brick's case.
ToolColour brickShapeColour(std::uint8_t modelCode, std::uint8_t variantCode);

// What the console says about the link: connected, never connected, or lost while open.
Text consoleLinkText(bool connected, bool lost, const std::string& brickName);

} // namespace tarvel

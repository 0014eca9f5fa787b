#pragma once
// What a headless run reports, the inputs a script sets, and the text a program sends to the PC.
#include "emulator/Simulation.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace tarvel {

struct TimedInput {
    std::int64_t timeUs = 0;
    InputChange change;
};

// "NAME=VALUE", or with `timed` "T:NAME=VALUE" (T in seconds). Empty with `error` set when the text
// is not one; soundfreq is in Hz.
std::optional<TimedInput> parseInputSetting(const std::string& text, bool timed, std::string& error);

// "stop", "halt", "lock", "restart" or "time" (still running when the time ran out).
std::string endName(const Simulation& sim);

// {"seconds","instructions","end","events","final","robot"}.
nlohmann::ordered_json simulationReport(const Simulation& sim);
// The same for people, one event a line (UTF-8).
std::string simulationText(const Simulation& sim);

// The PC's screen of messages: each SEND writes its value in its format (bits 0..1: 0 hex,
// 1 decimal, 2 binary, 3 ASCII; bit 2 clears first, bit 3 goes to the origin, bit 4 ends the line).
class MessageScreen {
public:
    void receive(std::uint8_t value, std::uint8_t format);
    const std::string& text() const { return text_; }
    void clear();

private:
    std::string text_;
    std::size_t cursor_ = 0;
};

std::string sendValueText(std::uint8_t value, std::uint8_t format);

} // namespace tarvel

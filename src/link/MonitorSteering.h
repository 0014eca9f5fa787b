#pragma once
// The communication monitor's rules: the motor byte of each button, the mouse-stick pad that turns
// mouse movements into driving commands, and the warning shown before it opens.
#include "model/Text.h"
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

constexpr int kMonitorTimerMs = 200;
constexpr double kPadDeadZoneTwips = 100; // movements up to this size between two ticks are ignored

enum class MonitorButton { Up, Down, Left, Right, Stop };

struct MonitorButtonText {
    MonitorButton button;
    const char* name;
    const char* tooltip;
    std::uint8_t motorByte;
};
const std::vector<MonitorButtonText>& monitorButtons();
std::uint8_t monitorButtonByte(MonitorButton button);

// The pad's state while the monitor is open; positions in twips, y growing downwards.
struct MonitorPad {
    int countdown = 0;
    bool padLeft = true; // the mouse has not moved on the pad since it was last outside
    bool running = true; // toggled by double-clicking the pad
    double mouseX = 0, mouseY = 0;
    double currentX = 0, currentY = 0, previousX = 0, previousY = 0;
    std::string description = QT_TRANSLATE_NOOP("core", "Detenido"); // lblDescript
    std::string pause = QT_TRANSLATE_NOOP("core", "Activo");         // lblPause

    void moved(double xTwips, double yTwips);
    void clicked();
    // Each returns the motor byte to send, if any.
    std::optional<std::uint8_t> doubleClicked();
    // The mouse left the pad (onto the buttons' frame): the motors stop unless the "Quenvar" control
    // keeps them running.
    std::optional<std::uint8_t> left(bool keepRunning);
    std::optional<std::uint8_t> tick();
};

// The warning's text, with the examples it names (each is an example program of the menus).
std::string monitorWarningText();
const std::vector<std::string>& monitorWarningExamples();

} // namespace tarvel

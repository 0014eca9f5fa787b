#include "link/ConsoleCommands.h"

#include "model/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarvel {

namespace {

std::vector<LinkStep> waited(std::vector<LinkStep> steps)
{
    steps.insert(steps.begin(), LinkStep::wait(kConsoleWaitMs));
    return steps;
}

std::uint8_t leftByte(std::uint8_t state)
{
    return state == 1 ? 0x40 : 0x80;
}

std::uint8_t rightByte(std::uint8_t state)
{
    return state == 1 ? 0x08 : 0x20;
}

// The number at the start of a box's text, as the system reads typed numbers ("12.5x" is 12.5).
double leadingValue(const std::string& text)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    return end == begin || !std::isfinite(value) ? 0.0 : value;
}

int toInt16(double value)
{
    return int(std::lround(std::clamp(value, -32768.0, 32767.0)));
}

} // namespace

std::vector<LinkStep> consoleLoad(ConsoleState& state)
{
    state = ConsoleState{};
    return waited({LinkStep::leds(0)});
}

std::vector<LinkStep> consoleMotor(ConsoleState& s, ConsoleMotor control)
{
    switch (control) {
    case ConsoleMotor::AdvBoth: s.leftMotor = s.rightMotor = 1; return waited({LinkStep::motors(0x48)});
    case ConsoleMotor::AdvLeft: s.leftMotor = 1; return waited({LinkStep::motors(0x40)});
    case ConsoleMotor::AdvRight: s.rightMotor = 1; return waited({LinkStep::motors(0x08)});
    case ConsoleMotor::RevBoth: s.leftMotor = s.rightMotor = 2; return waited({LinkStep::motors(0xA0)});
    case ConsoleMotor::RevLeft: s.leftMotor = 2; return waited({LinkStep::motors(0x80)});
    case ConsoleMotor::RevRight: s.rightMotor = 2; return waited({LinkStep::motors(0x20)});
    case ConsoleMotor::StopBoth: s.leftMotor = s.rightMotor = 0; return waited({LinkStep::motors(0x00)});
    case ConsoleMotor::StopLeft: {
        // Stopping one motor stops both, then starts the other one again.
        s.leftMotor = 0;
        std::vector<LinkStep> steps{LinkStep::motors(0x00)};
        if (s.rightMotor != 0)
            steps.push_back(LinkStep::motors(rightByte(s.rightMotor)));
        return waited(steps);
    }
    case ConsoleMotor::StopRight: {
        s.rightMotor = 0;
        std::vector<LinkStep> steps{LinkStep::motors(0x00)};
        if (s.leftMotor != 0)
            steps.push_back(LinkStep::motors(leftByte(s.leftMotor)));
        return waited(steps);
    }
    }
    return {};
}

std::vector<LinkStep> consoleLed(ConsoleState& s, int index)
{
    if (index < 0 || index > 2)
        return {};
    s.leds[std::size_t(index)] = !s.leds[std::size_t(index)];
    return waited({LinkStep::leds((s.leds[0] ? 1 : 0) + (s.leds[1] ? 2 : 0) + (s.leds[2] ? 4 : 0))});
}

std::vector<LinkStep> consoleFrontLight(ConsoleState& s)
{
    // The counter wraps after 255 clicks; its lowest bit keeps alternating all the same.
    s.frontLightClicks = std::uint8_t(s.frontLightClicks + 1);
    return waited({LinkStep::frontLight(s.frontLightClicks & 1)});
}

std::vector<LinkStep> consoleBeep(const std::string& frequencyText, const std::string& durationText, int volume)
{
    return waited({LinkStep::beep(toInt16(leadingValue(frequencyText)), std::clamp(volume, 0, kVolumeMaximum),
                                  toInt16(leadingValue(durationText)))});
}

std::vector<LinkStep> consoleReadLight()
{
    return waited({LinkStep::of(LinkStep::Kind::ReadLight)});
}

std::vector<LinkStep> consoleReadInfrared()
{
    return {LinkStep::of(LinkStep::Kind::ReadIr)};
}

std::vector<LinkStep> consoleRun()
{
    return waited({LinkStep::of(LinkStep::Kind::Run)});
}

std::vector<LinkStep> consoleTurnOff()
{
    return waited({LinkStep::of(LinkStep::Kind::TurnOff)});
}

int spinAfterTyping(const std::string& typed, const SpinRange& range, int spinValue)
{
    const double value = leadingValue(typed);
    if (value > range.minimum && value < range.maximum)
        return toInt16(value);
    return spinValue;
}

std::string volumeText(int volume)
{
    return std::to_string(int(std::floor(double(volume) / kVolumeMaximum * 100.0))) + "%";
}

ToolColour consoleLedColour(int index, bool on)
{
    if (index == 1)
        return rgbColour(on ? 0x00FF00 : 0x008000);
    return rgbColour(on ? 0xFF0000 : 0x800000);
}

ToolColour infraredColour(int state)
{
    return rgbColour(state & 1 ? 0x800080 : 0xFF00FF);
}

ToolColour brickShapeColour(std::uint8_t modelCode, std::uint8_t variantCode)
{
    if (modelCode != 0x20)
        return {0, ToolColour::System::ScrollBar};
    switch (variantCode) {
    case 0: return rgbColour(0xFF8080);
    case 1: return rgbColour(0x80FFFF);
    case 2: return rgbColour(0xFFFFC0);
    case 3: return {0, ToolColour::System::Desktop};
    case 4: return rgbColour(0x0000FF);
    case 5: return rgbColour(0xFFFF00);
    default: return {0, ToolColour::System::ScrollBar};
    }
}

Text consoleLinkText(bool connected, bool lost, const std::string& brickName)
{
    if (connected)
        return Text(QT_TRANSLATE_NOOP("core", "Ladrillo conectado: %1")).arg(brickName);
    if (lost)
        return QT_TRANSLATE_NOOP("core", "Se perdio la conexion con el Ladrillo: conectelo de nuevo");
    return QT_TRANSLATE_NOOP("core", "Ladrillo no conectado: use \"Conectar\"");
}

} // namespace tarvel

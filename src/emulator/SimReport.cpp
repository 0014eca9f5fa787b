#include "emulator/SimReport.h"

#include "model/Cp1252.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvel {

namespace {

using json = nlohmann::ordered_json;

bool wholeNumber(const std::string& text, long long& value)
{
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && p == end;
}

const char* kindName(SimEvent::Kind kind)
{
    switch (kind) {
    case SimEvent::Kind::Motors: return "motors";
    case SimEvent::Kind::Leds: return "leds";
    case SimEvent::Kind::Lamp: return "lamp";
    case SimEvent::Kind::Tone: return "tone";
    case SimEvent::Kind::Send: return "send";
    }
    return "";
}

double rounded(double v, double unit)
{
    return std::round(v / unit) * unit;
}

} // namespace

std::optional<TimedInput> parseInputSetting(const std::string& text, bool timed, std::string& error)
{
    TimedInput result;
    std::string rest = text;
    if (timed) {
        const auto colon = rest.find(':');
        char* end = nullptr;
        const std::string t = colon == std::string::npos ? std::string() : rest.substr(0, colon);
        const double seconds = t.empty() ? -1 : std::strtod(t.c_str(), &end);
        if (t.empty() || end != t.c_str() + t.size() || !(seconds >= 0) || seconds > 1e6) {
            error = "se esperaba T:NOMBRE=VALOR con T en segundos: " + text;
            return std::nullopt;
        }
        result.timeUs = std::llround(seconds * 1e6);
        rest = rest.substr(colon + 1);
    }
    const auto equals = rest.find('=');
    const auto name = equals == std::string::npos ? std::nullopt : inputNameFrom(rest.substr(0, equals));
    if (!name) {
        error = "entrada desconocida (light, touch, ir, irdata, sound, soundfreq, pcmsg): " + text;
        return std::nullopt;
    }
    long long value = 0;
    const long long highest = *name == InputName::SoundFrequency ? 25500 : 255;
    if (!wholeNumber(rest.substr(equals + 1), value) || value < 0 || value > highest) {
        error = "valor fuera de rango (0 a " + std::to_string(highest) + "): " + text;
        return std::nullopt;
    }
    result.change = {*name, int(value)};
    return result;
}

std::string endName(const Simulation& sim)
{
    if (sim.restartedAtEnd())
        return "restart";
    if (!sim.endState())
        return "time";
    switch (*sim.endState()) {
    case BrickState::Halted: return "halt";
    case BrickState::Locked: return "lock";
    case BrickState::Running: return "time";
    case BrickState::Off: return "stop";
    }
    return "time";
}

json simulationReport(const Simulation& sim)
{
    json events = json::array();
    for (const auto& e : sim.events()) {
        json value;
        if (e.kind == SimEvent::Kind::Tone)
            value = {{"frequency", rounded(e.frequency, 0.01)}, {"ms", rounded(double(e.durationUs) / 1000, 0.001)}};
        else if (e.kind == SimEvent::Kind::Send)
            value = {{"byte", e.value}, {"format", e.format}};
        else
            value = e.value;
        events.push_back({{"t", double(e.timeUs) / 1e6}, {"kind", kindName(e.kind)}, {"value", value}});
    }
    const BrickCpu& cpu = sim.cpu();
    json v = json::array();
    for (auto x : cpu.v())
        v.push_back(x);
    const RobotPose& pose = sim.robot().pose;
    return {{"seconds", sim.seconds()},
            {"instructions", cpu.instructions()},
            {"end", endName(sim)},
            {"events", events},
            {"eventsDropped", sim.eventsDropped()},
            {"final",
             {{"pc", cpu.pc()}, {"a", cpu.a()}, {"v", v}, {"motors", cpu.motors()}, {"leds", cpu.leds()},
              {"lamp", cpu.lamp()}}},
            {"robot",
             {{"x", rounded(pose.x, 0.001)}, {"y", rounded(pose.y, 0.001)}, {"heading", rounded(pose.heading, 0.01)}}}};
}

std::string simulationText(const Simulation& sim)
{
    std::string out;
    char line[160];
    for (const auto& e : sim.events()) {
        const double t = double(e.timeUs) / 1e6;
        switch (e.kind) {
        case SimEvent::Kind::Motors: std::snprintf(line, sizeof line, "%9.3f s  motores 0x%02X\n", t, e.value); break;
        case SimEvent::Kind::Leds:
            std::snprintf(line, sizeof line, "%9.3f s  leds %d%d%d (ABC)\n", t, (e.value >> 2) & 1, (e.value >> 1) & 1,
                          e.value & 1);
            break;
        case SimEvent::Kind::Lamp:
            std::snprintf(line, sizeof line, "%9.3f s  luz %s\n", t, e.value ? "encendida" : "apagada");
            break;
        case SimEvent::Kind::Tone:
            std::snprintf(line, sizeof line, "%9.3f s  tono %.1f Hz, %.1f ms\n", t, e.frequency,
                          double(e.durationUs) / 1000);
            break;
        case SimEvent::Kind::Send:
            std::snprintf(line, sizeof line, "%9.3f s  envia %d (formato %d): %s\n", t, e.value, e.format,
                          cp1252ToUtf8(sendValueText(std::uint8_t(e.value), std::uint8_t(e.format))).c_str());
            break;
        }
        out += line;
    }
    if (sim.eventsDropped() > 0)
        out += "(" + std::to_string(sim.eventsDropped()) + " eventos mas no se guardaron)\n";
    const RobotPose& pose = sim.robot().pose;
    std::snprintf(line, sizeof line, "Fin: %s a los %.3f s, %llu instrucciones\n", endName(sim).c_str(), sim.seconds(),
                  static_cast<unsigned long long>(sim.cpu().instructions()));
    out += line;
    std::snprintf(line, sizeof line, "Robot: x %.1f cm, y %.1f cm, rumbo %.1f grados\n", pose.x, pose.y, pose.heading);
    out += line;
    return out;
}

std::string sendValueText(std::uint8_t value, std::uint8_t format)
{
    char text[16];
    switch (format & 3) {
    case 0: std::snprintf(text, sizeof text, "%02X", value); return text;
    case 1: return std::to_string(value);
    case 2: {
        std::string bits;
        for (int i = 7; i >= 0; --i)
            bits += (value >> i) & 1 ? '1' : '0';
        return bits;
    }
    default: return value >= 32 && value != 127 ? std::string(1, char(value)) : std::string("?");
    }
}

void MessageScreen::clear()
{
    text_.clear();
    cursor_ = 0;
}

void MessageScreen::receive(std::uint8_t value, std::uint8_t format)
{
    if (format & 4)
        clear();
    if (format & 8)
        cursor_ = 0;
    std::string piece = sendValueText(value, format);
    if ((format & 3) != 3)
        piece += ' ';
    if (format & 16)
        piece += '\n';
    for (char c : piece) {
        if (cursor_ < text_.size())
            text_[cursor_] = c;
        else
            text_ += c;
        ++cursor_;
    }
    constexpr std::size_t kKeep = 20'000; // a program that sends forever does not fill the memory
    if (text_.size() > kKeep) {
        const std::size_t cut = text_.size() - kKeep / 2;
        text_.erase(0, cut);
        cursor_ = cursor_ > cut ? cursor_ - cut : 0;
    }
}

} // namespace tarvel

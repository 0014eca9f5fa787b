#include "emulator/Simulation.h"

#include "model/ToneTiming.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

// The protocol numbers the LEDs A, B, C from bit 0; the processor from bit 2.
std::uint8_t reversedLeds(std::uint8_t bits)
{
    return std::uint8_t(((bits & 1) << 2) | (bits & 2) | ((bits >> 2) & 1));
}

double distance(WorldPoint a, WorldPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

const char* inputNameText(InputName name)
{
    switch (name) {
    case InputName::Light: return "light";
    case InputName::Touch: return "touch";
    case InputName::Ir: return "ir";
    case InputName::IrData: return "irdata";
    case InputName::Sound: return "sound";
    case InputName::SoundFrequency: return "soundfreq";
    case InputName::PcMessage: return "pcmsg";
    }
    return "";
}

std::optional<InputName> inputNameFrom(const std::string& text)
{
    for (auto name : {InputName::Light, InputName::Touch, InputName::Ir, InputName::IrData, InputName::Sound,
                      InputName::SoundFrequency, InputName::PcMessage})
        if (text == inputNameText(name))
            return name;
    return std::nullopt;
}

Simulation::Simulation()
{
    cpu_.setOutputs(this);
    World table;
    table.border = false;
    table.robot.at = {table.width / 2, table.height / 2};
    setWorld(std::move(table), false);
}

void Simulation::setWorld(World world, bool worldSensors)
{
    world_ = std::move(world);
    worldSensors_ = worldSensors;
    floor_.paint(world_);
    walls_ = solidWalls(world_);
    steering_ = world_.robot.steering;
    resetRobot();
}

void Simulation::resetRobot()
{
    placeRobot({world_.robot.at.x, world_.robot.at.y, world_.robot.heading});
}

void Simulation::placeRobot(const RobotPose& pose)
{
    robot_ = {};
    robot_.pose = pose;
    robot_.bumper = bumperPressed(pose, walls_, world_.wallThickness);
    refreshInputs();
    inputsSince_ = time_;
}

void Simulation::load(std::span<const std::uint8_t> image)
{
    cpu_.switchOff(time_);
    auto& memory = cpu_.memory();
    memory.fill(0);
    std::copy_n(image.begin(), std::min(image.size(), memory.size()), memory.begin());
}

void Simulation::start()
{
    events_.clear();
    dropped_ = 0;
    endState_.reset();
    restartEnd_ = false;
    programStart_ = time_;
    cpu_.start(time_);
    refreshInputs();
    inputsSince_ = time_;
    if (programStarted)
        programStarted();
}

void Simulation::switchOff()
{
    cpu_.switchOff(time_);
}

std::optional<ElementAt> Simulation::runningElement() const
{
    if (!cpu_.running())
        return std::nullopt;
    return elementMap_.elementAt(cpu_.currentInstruction());
}

std::int64_t Simulation::nextBoundary(std::int64_t limit) const
{
    std::int64_t boundary = std::min(nextTick_, limit);
    if (!scheduled_.empty())
        boundary = std::min(boundary, std::max(scheduled_.begin()->first, time_));
    return boundary;
}

void Simulation::crossBoundary(std::int64_t boundary)
{
    time_ = std::max(time_, boundary);
    bool changed = false;
    if (time_ >= nextTick_) {
        if (cpu_.motors() != 0)
            moveRobot(robot_, cpu_.motors(), steering_, double(kWorldTickUs) / 1e6, walls_, world_.wallThickness);
        nextTick_ += kWorldTickUs;
        changed = true;
    }
    while (!scheduled_.empty() && scheduled_.begin()->first <= time_) {
        apply(scheduled_.begin()->second);
        scheduled_.erase(scheduled_.begin());
        changed = true;
    }
    if (changed) {
        refreshInputs();
        inputsSince_ = time_;
    }
}

std::uint64_t Simulation::advanceTo(std::int64_t t, bool stopAtEnd)
{
    std::uint64_t executed = 0;
    while (time_ < t) {
        if (stopAtEnd && (endState_ || restartEnd_)) {
            time_ = std::max(time_, endTime_);
            return executed;
        }
        const std::int64_t boundary = nextBoundary(t);
        if (cpu_.running())
            executed += cpu_.runUntil(boundary, inputsSince_);
        if (stopAtEnd && (endState_ || restartEnd_)) {
            time_ = std::max(time_, endTime_);
            return executed;
        }
        crossBoundary(boundary);
    }
    return executed;
}

bool Simulation::stepUntil(const std::function<bool()>& done, std::int64_t capUs)
{
    if (!cpu_.running())
        return false;
    const std::int64_t limit = time_ + capUs;
    int budget = 2'000'000; // instructions: a step never keeps the window busy for long
    while (time_ < limit) {
        const std::int64_t boundary = nextBoundary(limit);
        while (cpu_.running() && cpu_.busyUntil() < boundary && budget-- > 0) {
            cpu_.stepOne(boundary, inputsSince_);
            if (cpu_.busyUntil() < boundary)
                time_ = std::max(time_, cpu_.busyUntil());
            if (!cpu_.running() || done())
                return true;
        }
        if (!cpu_.running() || budget <= 0)
            return true;
        crossBoundary(boundary);
    }
    return true;
}

bool Simulation::stepInstruction(std::int64_t capUs)
{
    // A wait in progress is finished first; otherwise one instruction runs, with its wait.
    const std::uint64_t before = cpu_.instructions();
    const bool wasWaiting = cpu_.waiting();
    return stepUntil([&] { return (wasWaiting || cpu_.instructions() > before) && !cpu_.waiting(); }, capUs);
}

bool Simulation::stepElement(std::int64_t capUs)
{
    if (elementMap_.empty())
        return stepInstruction(capUs);
    const auto from = runningElement();
    return stepUntil(
        [&] {
            if (cpu_.waiting())
                return false;
            const auto now = elementMap_.elementAt(cpu_.pc());
            return now && now != from;
        },
        capUs);
}

void Simulation::setInput(InputName name, int value)
{
    apply({name, value});
    refreshInputs();
    inputsSince_ = time_;
}

void Simulation::releaseInput(InputName name)
{
    switch (name) {
    case InputName::Light: forcedLight_.reset(); break;
    case InputName::Touch: forcedTouch_.reset(); break;
    case InputName::Ir: forcedIr_.reset(); break;
    case InputName::Sound: forcedSound_.reset(); break;
    case InputName::SoundFrequency: forcedFrequency_.reset(); break;
    default: break;
    }
    refreshInputs();
    inputsSince_ = time_;
}

void Simulation::schedule(std::int64_t t, InputChange change)
{
    scheduled_.emplace(t, change);
}

void Simulation::apply(const InputChange& change)
{
    const int v = change.value;
    switch (change.name) {
    case InputName::Light: forcedLight_ = std::clamp(v, 0, 255); break;
    case InputName::Touch: forcedTouch_ = v != 0; break;
    case InputName::Ir: forcedIr_ = v != 0; break;
    case InputName::IrData:
        irData_ = std::uint8_t(v);
        irUntil_ = time_ + kRemoteKeyUs;
        break;
    case InputName::Sound: forcedSound_ = v != 0; break;
    case InputName::SoundFrequency: forcedFrequency_ = std::max(v, 0); break;
    case InputName::PcMessage: cpu_.receiveMessage(std::uint8_t(v)); break;
    }
}

void Simulation::pressRemoteKey(std::uint8_t data)
{
    setInput(InputName::IrData, data);
}

void Simulation::clap()
{
    clapUntil_ = time_ + kClapUs;
    refreshInputs();
    inputsSince_ = time_;
}

void Simulation::holdTouch(bool pressed)
{
    touchHeld_ = pressed;
    refreshInputs();
    inputsSince_ = time_;
}

void Simulation::sendMessage(std::uint8_t byte)
{
    cpu_.receiveMessage(byte);
}

void Simulation::switchSource(std::size_t index, bool on)
{
    if (index < world_.sources.size())
        world_.sources[index].on = on;
    refreshInputs();
    inputsSince_ = time_;
}

std::uint8_t Simulation::lightLevel() const
{
    const WorldPoint at = sensorPoint(robot_.pose);
    double level = floor_.at(at.x, at.y) * double(world_.ambient + (cpu_.lamp() ? world_.lampLight : 0)) / 255.0;
    for (const auto& source : world_.sources)
        if (source.on && source.kind == SourceKind::Light && source.range > 0)
            level += source.intensity * std::max(0.0, 1.0 - distance(at, source.at) / source.range);
    return std::uint8_t(std::clamp(std::lround(level), 0L, 255L));
}

void Simulation::refreshInputs()
{
    BrickInputs& in = cpu_.inputs;
    const WorldPoint centre{robot_.pose.x, robot_.pose.y};
    bool beacon = false, heard = false;
    int heardHz = 0;
    for (const auto& source : world_.sources) {
        if (!source.on || distance(centre, source.at) > source.range)
            continue;
        if (source.kind == SourceKind::Infrared) {
            beacon = true;
            irData_ = source.data;
        } else if (source.kind == SourceKind::Sound) {
            heard = true;
            heardHz = source.frequency;
        }
    }
    const bool clapping = time_ < clapUntil_;
    in.light = forcedLight_ ? std::uint8_t(*forcedLight_) : worldSensors_ ? lightLevel() : 0;
    in.touch = forcedTouch_ ? *forcedTouch_ != 0 : touchHeld_ || (worldSensors_ && robot_.bumper);
    in.irSignal = forcedIr_ ? *forcedIr_ != 0 : time_ < irUntil_ || beacon;
    in.irData = irData_;
    in.sound = forcedSound_ ? *forcedSound_ != 0 : clapping || heard;
    const int hz = forcedFrequency_ ? *forcedFrequency_ : clapping ? kClapHz : heard ? heardHz : 0;
    in.soundFrequency = std::uint8_t(std::clamp(hz / 10, 0, 255));
    const bool lightHigh = in.light > cpu_.threshold();
    in.lightPulses += lightHigh && !lastLightHigh_;
    in.irPulses += in.irSignal && !lastIr_;
    in.soundPulses += in.sound && !lastSound_;
    lastLightHigh_ = lightHigh;
    lastIr_ = in.irSignal;
    lastSound_ = in.sound;
}

void Simulation::usbCommand(std::span<const std::uint8_t> d, std::span<std::uint8_t> reply)
{
    auto at = [&](std::size_t i) -> int { return i < d.size() ? d[i] : 0; };
    if (at(0) == 0x08) {
        if (at(1) == 0x02 && cpu_.state() != BrickState::Locked)
            start();
        else if (at(1) == 0x03)
            switchOff();
    } else if (at(0) == 0x01 && at(3) != 0x01) {
        // A program block: the brick stops what it runs and stores the bytes.
        if (cpu_.running())
            cpu_.switchOff(time_);
        for (std::size_t i = 0; i < 4; ++i)
            if (std::size_t address = std::size_t(at(2)) + i; address < cpu_.memory().size())
                cpu_.memory()[address] = std::uint8_t(at(4 + i));
    } else if (at(0) == 0x04 && cpu_.state() != BrickState::Locked) {
        switch (at(1)) {
        case 0x00:
            if (reply.size() > 2) {
                // The receiver's line is high while nothing arrives and low during a signal.
                reply[0] = std::uint8_t((reply[0] & ~0x20) | (cpu_.inputs.irSignal ? 0 : 0x20));
                reply[2] = cpu_.inputs.light;
            }
            break;
        case 0x01: cpu_.setLeds(time_, reversedLeds(std::uint8_t(at(2) & 7))); break;
        case 0x02:
            // A running program gets the monitor's motor byte as a message; otherwise it drives.
            if (cpu_.running())
                cpu_.receiveMessage(std::uint8_t(at(2)));
            else
                cpu_.setMotors(time_, std::uint8_t(at(2)));
            break;
        case 0x04: {
            ToneTiming timing;
            timing.tonePeriodsHigh = std::uint8_t(at(2));
            timing.tonePeriodsLow = std::uint8_t(at(3));
            timing.toneLowTicks = std::uint8_t(at(4));
            timing.toneHighTicks = std::uint8_t(at(5));
            const ToneSound sound = toneSound(timing);
            if (sound.frequency > 0 && sound.durationMs > 0)
                tonePlayed(time_, {sound.frequency, std::int64_t(std::llround(sound.durationMs * 1000)), sound.duty});
            break;
        }
        case 0x08: cpu_.setLamp(time_, (at(2) & 1) != 0); break;
        default: break;
        }
    }
    refreshInputs();
    inputsSince_ = time_;
}

void Simulation::clearEvents()
{
    events_.clear();
    dropped_ = 0;
}

void Simulation::log(SimEvent event)
{
    if (events_.size() < maxEvents)
        events_.push_back(event);
    else
        ++dropped_;
}

void Simulation::motorsChanged(std::int64_t t, std::uint8_t byte)
{
    log({t, SimEvent::Kind::Motors, byte});
}

void Simulation::ledsChanged(std::int64_t t, std::uint8_t leds)
{
    log({t, SimEvent::Kind::Leds, leds});
}

void Simulation::lampChanged(std::int64_t t, bool on)
{
    log({t, SimEvent::Kind::Lamp, on ? 1 : 0});
}

void Simulation::tonePlayed(std::int64_t t, const BrickToneEvent& tone)
{
    SimEvent e{t, SimEvent::Kind::Tone};
    e.frequency = tone.frequency;
    e.durationUs = tone.durationUs;
    e.duty = tone.duty;
    log(e);
}

void Simulation::sent(std::int64_t t, std::uint8_t value, std::uint8_t format)
{
    log({t, SimEvent::Kind::Send, value, format});
}

void Simulation::stopped(std::int64_t t, BrickState state)
{
    endState_ = state;
    endTime_ = t;
}

void Simulation::restarted(std::int64_t t)
{
    restartEnd_ = true;
    endTime_ = t;
    cpu_.breakRequested = true;
}

} // namespace tarvel

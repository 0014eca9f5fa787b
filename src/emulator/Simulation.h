#pragma once
// The simulated brick as a whole: the emulated processor, the robot in its world, the inputs the
// user sets or schedules, and the log of what the program did. Time is virtual (microseconds) and
// only moves when advanceTo is called, so the same image, world and inputs give the same trace on
// any machine at any speed.
#include "model/Text.h"
#include "emulator/BrickCpu.h"
#include "emulator/ElementMap.h"
#include "emulator/Robot.h"
#include "emulator/World.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvel {

struct SimEvent {
    enum class Kind { Motors, Leds, Lamp, Tone, Send };
    std::int64_t timeUs = 0;
    Kind kind = Kind::Motors;
    int value = 0;            // motor byte, LED bits, lamp 0/1, sent byte
    int format = 0;           // send: the format byte
    double frequency = 0;     // tone
    std::int64_t durationUs = 0;
    double duty = 0.5;
};

// The inputs a user or a script can set.
enum class InputName { Light, Touch, Ir, IrData, Sound, SoundFrequency, PcMessage };

struct InputChange {
    InputName name = InputName::Light;
    int value = 0;
};

constexpr std::int64_t kWorldTickUs = 1'000;
constexpr std::int64_t kRemoteKeyUs = 100'000; // a key of the infrared remote sends for this long
constexpr std::int64_t kClapUs = 150'000;
constexpr int kClapHz = 1500;

// Everything a simulation holds, copied as a whole (the processor then reports to the copy).
struct SimulationData {
    BrickCpu cpu_;
    World world_;
    FloorMap floor_;
    std::vector<WorldWall> walls_;
    RobotState robot_;
    Steering steering_ = Steering::Differential;
    bool worldSensors_ = false;
    ElementMap elementMap_;

    std::int64_t time_ = 0, nextTick_ = kWorldTickUs, inputsSince_ = 0;
    std::optional<std::int64_t> programStart_;
    std::multimap<std::int64_t, InputChange> scheduled_;
    std::optional<int> forcedLight_, forcedTouch_, forcedIr_, forcedSound_, forcedFrequency_;
    bool touchHeld_ = false;
    std::int64_t irUntil_ = -1, clapUntil_ = -1;
    std::uint8_t irData_ = 0;
    bool lastLightHigh_ = false, lastIr_ = false, lastSound_ = false;

    std::vector<SimEvent> events_;
    std::size_t dropped_ = 0;
    std::optional<BrickState> endState_;
    bool restartEnd_ = false;
    std::int64_t endTime_ = 0;
};

class Simulation : private SimulationData, private BrickOutputs {
public:
    Simulation();
    Simulation(const Simulation& other)
        : SimulationData(other)
        , BrickOutputs()
    {
        cpu_.setOutputs(this);
    }
    Simulation& operator=(const Simulation& other)
    {
        SimulationData::operator=(other);
        cpu_.setOutputs(this);
        return *this;
    }

    // The world; the robot goes to its starting place. `worldSensors` false: light and touch come
    // only from the inputs set by hand (a run without a world).
    void setWorld(World world, bool worldSensors = true);
    const World& world() const { return world_; }
    const FloorMap& floor() const { return floor_; }
    bool worldSensors() const { return worldSensors_; }
    void setSteering(Steering steering) { steering_ = steering; }
    Steering steering() const { return steering_; }
    void resetRobot();
    const RobotState& robot() const { return robot_; }
    void placeRobot(const RobotPose& pose);

    // The program memory; `load` also stops a running program, as a download does.
    void load(std::span<const std::uint8_t> image);
    void start();     // "Ejecutar"
    void switchOff(); // "Apagar"
    void setElementMap(ElementMap map) { elementMap_ = std::move(map); }
    const ElementMap& elementMap() const { return elementMap_; }
    std::optional<ElementAt> runningElement() const;

    // Moves virtual time to `t`. With `stopAtEnd` it returns early, at the end, when the program
    // stops, halts, locks or restarts. Returns the instructions executed.
    std::uint64_t advanceTo(std::int64_t t, bool stopAtEnd = false);
    // One instruction, with its wait; at most `capUs` of virtual time. False when none ran.
    bool stepInstruction(std::int64_t capUs = 60'000'000);
    // Until the next element starts (one instruction when there is no element map).
    bool stepElement(std::int64_t capUs = 60'000'000);
    std::int64_t timeUs() const { return time_; }
    double seconds() const { return double(time_) / 1e6; }
    // The time since the program last started (0 before any start): the clock the user reads.
    double programSeconds() const { return programStart_ ? double(time_ - *programStart_) / 1e6 : 0.0; }

    // Inputs. A forced value holds until it is released; scheduled changes apply at their time.
    void setInput(InputName name, int value);
    void releaseInput(InputName name);
    void schedule(std::int64_t t, InputChange change);
    void pressRemoteKey(std::uint8_t data);
    void clap();
    void holdTouch(bool pressed);
    void sendMessage(std::uint8_t byte);
    void switchSource(std::size_t index, bool on);

    // A command of the USB protocol (data bytes, report-ID byte excluded) reaching the brick;
    // `reply` (data bytes) receives what the brick answers.
    void usbCommand(std::span<const std::uint8_t> data, std::span<std::uint8_t> reply);

    const BrickCpu& cpu() const { return cpu_; }
    BrickCpu& cpu() { return cpu_; }
    const std::vector<SimEvent>& events() const { return events_; }
    std::size_t eventsDropped() const { return dropped_; }
    void clearEvents();
    std::size_t maxEvents = 1'000'000;
    // How the last run ended and when ("time" while it still runs).
    std::optional<BrickState> endState() const { return endState_; }
    bool restartedAtEnd() const { return restartEnd_; }
    std::int64_t endTimeUs() const { return endTime_; }

    // Called when a program starts (the window opens itself) and for every new event.
    std::function<void()> programStarted;

private:
    void motorsChanged(std::int64_t t, std::uint8_t byte) override;
    void ledsChanged(std::int64_t t, std::uint8_t leds) override;
    void lampChanged(std::int64_t t, bool on) override;
    void tonePlayed(std::int64_t t, const BrickToneEvent& tone) override;
    void sent(std::int64_t t, std::uint8_t value, std::uint8_t format) override;
    void stopped(std::int64_t t, BrickState state) override;
    void restarted(std::int64_t t) override;
    void log(SimEvent event);

    std::int64_t nextBoundary(std::int64_t limit) const;
    void crossBoundary(std::int64_t boundary);
    void apply(const InputChange& change);
    void refreshInputs();
    std::uint8_t lightLevel() const;
    bool stepUntil(const std::function<bool()>& done, std::int64_t capUs);

};

const char* inputNameText(InputName name);
std::optional<InputName> inputNameFrom(const std::string& text);

} // namespace tarvel

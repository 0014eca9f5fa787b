#pragma once
// A brick without hardware: answers every command of the protocol like a device would, keeps the
// downloaded program and shows its outputs. Used in classrooms without robots and by the tests.
#include "link/BrickTransport.h"
#include "link/LinkClock.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace tarvel {

class Simulation;

struct SimulatedBrickConfig {
    std::uint8_t modelCode = 0x20; // J2
    std::uint8_t variantCode = 0;  // A1 (Rojo Cristal)
    std::uint8_t infoByte = 0x01;
    int replyLatencyMs = 2;
    int inputReportLength = 65;  // report-ID byte included
    int outputReportLength = 65;
    // Faults, counted over the commands written since the brick was created (1 = the first one).
    std::optional<int> noReplyFromCommand; // this command and every later one get no reply
    std::optional<int> lateReplyCommand;   // this command's reply comes late
    int lateReplyMs = 600;
    std::optional<int> unplugAtBlock; // unplugged when this program block (1 = the first) arrives
    bool answersTone = false;          // a brick whose firmware also answers the tone command
    bool attached = true;
};

struct BrickTone {
    std::uint8_t periodsHigh = 0, periodsLow = 0, lowTicks = 0, highTicks = 0;
};

class SimulatedBrick final : public BrickTransport {
public:
    SimulatedBrick(LinkClock& clock, SimulatedBrickConfig config = {});

    bool open() override;
    void close() override;
    int inputReportLength() const override { return config_.inputReportLength; }
    int outputReportLength() const override { return config_.outputReportLength; }
    int write(const std::uint8_t* report, std::size_t length) override;
    int read(std::uint8_t* buffer, std::size_t length, int timeoutMs) override;
    std::string lastError() const override { return lastError_; }
    bool devicePresent() override { return config_.attached; }

    // What the outside world sets. A value set by hand holds, also for a program running on the
    // emulator, until the world's own value is asked for again (releaseInputs).
    void setLightLevel(std::uint8_t level);
    void setInfrared(bool on);
    void plug(bool attached);
    SimulatedBrickConfig& config() { return config_; }
    // The emulator that stores and runs downloaded programs: every command also goes to it, and
    // its answer to "Read inputs" is the brick's.
    void attachEmulator(Simulation* emulator);

    // What the brick shows.
    std::uint8_t leds() const { return leds_; }
    std::uint8_t motors() const { return motors_; }
    bool frontLight() const { return frontLight_; }
    std::optional<BrickTone> lastTone() const { return lastTone_; }
    const std::array<std::uint8_t, 256>& programMemory() const { return memory_; }
    bool running() const { return running_; }
    bool switchedOff() const { return switchedOff_; }
    int downloadsFinished() const { return downloadsFinished_; }
    bool isOpen() const { return open_; }
    // Every output report received, report-ID byte first.
    const std::vector<std::vector<std::uint8_t>>& receivedReports() const { return log_; }

    // The other inputs of the simulated world, as the tools' panel and the tests set them. The
    // infrared line reads 0 while a remote-control signal arrives. The light sensor sees its own
    // front light: with the light on it reads the level plus the reflection, as on a test bench.
    void setTouch(bool pressed);
    void setSoundLevel(std::uint8_t level);
    void setFrontLightReflection(std::uint8_t amount);
    // The inputs set by hand give way to the world's again.
    void releaseInputs();
    std::uint8_t lightLevel() const { return lightLevel_; }
    bool infrared() const { return infrared_; }
    bool touch() const { return touch_; }
    std::uint8_t soundLevel() const { return soundLevel_; }
    std::uint8_t frontLightReflection() const { return reflection_; }
    std::uint8_t lightReading() const;
    // When each report of receivedReports() arrived, on the brick's clock.
    const std::vector<std::int64_t>& receivedTimesUs() const { return receivedTimes_; }

private:
    struct Reply {
        std::int64_t readyAtUs;
        std::vector<std::uint8_t> report;
    };
    void execute(const std::vector<std::uint8_t>& data, bool& replies, std::vector<std::uint8_t>& reply);
    // The inputs set by hand, handed to the emulator, which answers for the brick's sensors.
    void syncInputs();

    LinkClock& clock_;
    Simulation* emulator_ = nullptr;
    SimulatedBrickConfig config_;
    std::deque<Reply> replies_;
    std::vector<std::vector<std::uint8_t>> log_;
    std::array<std::uint8_t, 256> memory_{};
    std::optional<BrickTone> lastTone_;
    std::string lastError_;
    int commands_ = 0;
    int blocks_ = 0;
    int downloadsFinished_ = 0;
    std::uint8_t leds_ = 0, motors_ = 0, lightLevel_ = 0;
    bool frontLight_ = false, running_ = false, switchedOff_ = false, open_ = false;
    bool touch_ = false;
    bool infrared_ = true; // the receiver's line is high while no remote control sends
    std::uint8_t soundLevel_ = 0, reflection_ = 150;
    bool lightSet_ = false, infraredSet_ = false, touchSet_ = false, soundSet_ = false;
    std::vector<std::int64_t> receivedTimes_;
};

} // namespace tarvel

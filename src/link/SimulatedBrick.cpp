#include "link/SimulatedBrick.h"

#include "emulator/Simulation.h"
#include "model/Text.h"

#include <algorithm>

namespace tarvel {

SimulatedBrick::SimulatedBrick(LinkClock& clock, SimulatedBrickConfig config)
    : clock_(clock)
    , config_(config)
{
}

bool SimulatedBrick::open()
{
    if (!config_.attached) {
        lastError_ = QT_TRANSLATE_NOOP("core", "Ladrillo simulado desconectado");
        return false;
    }
    open_ = true;
    return true;
}

void SimulatedBrick::close()
{
    open_ = false;
}

void SimulatedBrick::plug(bool attached)
{
    config_.attached = attached;
    if (!attached) {
        open_ = false;
        replies_.clear();
    }
}

int SimulatedBrick::write(const std::uint8_t* report, std::size_t length)
{
    if (!config_.attached || !open_) {
        lastError_ = QT_TRANSLATE_NOOP("core", "El dispositivo no esta conectado");
        return -1;
    }
    std::vector<std::uint8_t> full(report, report + length);
    full.resize(std::size_t(config_.outputReportLength), 0);
    log_.push_back(full);
    receivedTimes_.push_back(clock_.nowUs());
    ++commands_;
    const std::vector<std::uint8_t> data(full.begin() + 1, full.end());
    bool replies = false;
    std::vector<std::uint8_t> reply(std::size_t(config_.inputReportLength), 0);
    execute(data, replies, reply);
    if (!config_.attached) {
        lastError_ = QT_TRANSLATE_NOOP("core", "El dispositivo se desconecto");
        return -1;
    }
    if (replies && !(config_.noReplyFromCommand && commands_ >= *config_.noReplyFromCommand)) {
        int latency = config_.replyLatencyMs;
        if (config_.lateReplyCommand && commands_ == *config_.lateReplyCommand)
            latency = config_.lateReplyMs;
        replies_.push_back({clock_.nowUs() + std::int64_t(latency) * 1000, reply});
    }
    return int(length);
}

void SimulatedBrick::execute(const std::vector<std::uint8_t>& d, bool& replies, std::vector<std::uint8_t>& reply)
{
    // Reply layout: byte 0 is the report ID, data from byte 1 on.
    auto data = [&](std::size_t i) -> std::uint8_t& { return reply[i + 1]; };
    replies = true;
    if (d[0] == 0x08) {
        switch (d[1]) {
        case 0x01:
            data(0) = std::uint8_t(config_.modelCode | (config_.variantCode & 0x0F));
            data(1) = config_.infoByte;
            break;
        case 0x02: running_ = true; break;
        case 0x03:
            switchedOff_ = true;
            running_ = false;
            motors_ = 0;
            break;
        default: break; // 0x04 release: the brick acknowledges
        }
    } else if (d[0] == 0x01) {
        if (d[3] == 0x01) { // end of download
            ++downloadsFinished_;
        } else {
            ++blocks_;
            if (config_.unplugAtBlock && blocks_ >= *config_.unplugAtBlock) {
                plug(false);
                replies = false;
                return;
            }
            const std::size_t address = d[2];
            for (std::size_t i = 0; i < 4 && address + i < memory_.size(); ++i)
                memory_[address + i] = d[4 + i];
            running_ = false;
        }
    } else if (d[0] == 0x04) {
        switch (d[1]) {
        case 0x00:
            data(0) = infrared_ ? 0x20 : 0x00;
            data(2) = lightReading();
            break;
        case 0x01: leds_ = d[2] & 7; break;
        case 0x02: motors_ = d[2]; break;
        case 0x04:
            lastTone_ = BrickTone{d[2], d[3], d[4], d[5]};
            replies = config_.answersTone; // normally the tone command has no reply
            break;
        case 0x08: frontLight_ = (d[2] & 1) != 0; break;
        default: break;
        }
    }
    if (emulator_) {
        if (d[0] == 0x04 && d[1] == 0x08)
            syncInputs(); // the front light shines on the sensor
        emulator_->usbCommand(d, std::span<std::uint8_t>(reply).subspan(1));
    }
    if (replies) {
        data(6) = d[0]; // an echo of the command, for whoever watches the wire
        data(7) = d[1];
    }
}

void SimulatedBrick::attachEmulator(Simulation* emulator)
{
    emulator_ = emulator;
    syncInputs();
}

void SimulatedBrick::setLightLevel(std::uint8_t level)
{
    lightLevel_ = level;
    lightSet_ = true;
    syncInputs();
}

void SimulatedBrick::setInfrared(bool on)
{
    infrared_ = on;
    infraredSet_ = true;
    syncInputs();
}

void SimulatedBrick::setTouch(bool pressed)
{
    touch_ = pressed;
    touchSet_ = true;
    syncInputs();
}

void SimulatedBrick::setSoundLevel(std::uint8_t level)
{
    soundLevel_ = level;
    soundSet_ = true;
    syncInputs();
}

void SimulatedBrick::setFrontLightReflection(std::uint8_t amount)
{
    reflection_ = amount;
    syncInputs();
}

void SimulatedBrick::releaseInputs()
{
    lightSet_ = infraredSet_ = touchSet_ = soundSet_ = false;
    if (!emulator_)
        return;
    for (InputName name : {InputName::Light, InputName::Ir, InputName::Touch, InputName::Sound})
        emulator_->releaseInput(name);
}

void SimulatedBrick::syncInputs()
{
    if (!emulator_)
        return;
    if (lightSet_)
        emulator_->setInput(InputName::Light, lightReading());
    if (infraredSet_)
        emulator_->setInput(InputName::Ir, infrared_ ? 0 : 1); // a high line: no signal
    if (touchSet_)
        emulator_->setInput(InputName::Touch, touch_ ? 1 : 0);
    if (soundSet_)
        emulator_->setInput(InputName::Sound, soundLevel_);
}

std::uint8_t SimulatedBrick::lightReading() const
{
    return std::uint8_t(std::min(255, lightLevel_ + (frontLight_ ? reflection_ : 0)));
}

int SimulatedBrick::read(std::uint8_t* buffer, std::size_t length, int timeoutMs)
{
    if (!config_.attached || !open_) {
        lastError_ = QT_TRANSLATE_NOOP("core", "El dispositivo no esta conectado");
        return -1;
    }
    const std::int64_t deadline = clock_.nowUs() + std::int64_t(std::max(timeoutMs, 0)) * 1000;
    if (replies_.empty() || replies_.front().readyAtUs > deadline) {
        clock_.sleepUntilUs(deadline);
        return 0;
    }
    clock_.sleepUntilUs(replies_.front().readyAtUs);
    const auto report = std::move(replies_.front().report);
    replies_.pop_front();
    const std::size_t n = std::min(length, report.size());
    std::copy_n(report.begin(), n, buffer);
    return int(n);
}

} // namespace tarvel

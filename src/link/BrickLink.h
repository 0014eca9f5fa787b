#pragma once
// The brick's command protocol: identify, download, run, switch off and direct access to motors,
// LEDs, light, tones and sensors, on top of the USB link.
#include "link/LinkClock.h"
#include "link/UsbLink.h"
#include "model/ToneTiming.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace tarvel {

// Progress of a connect or disconnect: the text and bar of the "connecting" window.
struct ConnectProgress {
    std::function<void(const Text& label)> label;
    std::function<void(int value, int maximum)> bar;
};

// brickName and brickMemorySize from the identify reply's first two bytes.
struct BrickIdentity {
    std::uint8_t modelCode = 0, variantCode = 0, infoByte = 0;
    std::string name;
    bool setsMemory = false; // variants 0..2 have 255 bytes of program memory
};
BrickIdentity decodeIdentify(std::uint8_t byte0, std::uint8_t byte1);

class BrickLink {
public:
    BrickLink(BrickTransport& transport, LinkClock& clock, LinkEvents events = {}, std::function<void()> pump = {});

    bool BrickExchange(int delayMs);
    void WaitMs(int ms);
    bool EnsureBrickOpen();
    bool IdentifyBrick();
    bool RunBrickProgram();
    bool TurnOffBrick();
    // One block of the download: 01 00 ADDRESS 00 and the image's four bytes from ADDRESS (zeros
    // past its end). False when the link closed itself (unplugged, no reply).
    bool SendProgramBlock(int address, std::span<const std::uint8_t> image);
    void SendProgramImage(int& size, std::span<const std::uint8_t> image);
    void FinishDownload();
    bool SetBrickLeds(std::uint8_t mask);
    bool SetBrickMotors(std::uint8_t code);
    bool SetFrontLight(std::uint8_t on);
    bool BrickBeep(std::int16_t& frequency, std::int16_t& volume, std::int16_t& durationMs);
    std::uint8_t ReadLightSensor();
    std::uint8_t ReadIrState();
    // Connects when not connected, disconnects when connected; true when connected afterwards.
    bool ToggleBrickConnection(int progressMax, const ConnectProgress& progress = {});

    bool brickConnected() const { return usb_.brickConnected; }
    bool busy() const { return busy_; }
    // An exchange or a wait of this link is under way (events run during waits): the link must not
    // be replaced now.
    bool inUse() const { return busy_ || waiting_ > 0; }
    UsbLink& usb() { return usb_; }

    std::uint8_t brickModelCode = 0;
    std::uint8_t brickVariantCode = 0;
    std::uint8_t brickInfoByte = 0;
    std::string brickName;
    int brickMemorySize = 0;
    ToneTiming toneBytes;

private:
    void setCommand(std::initializer_list<std::uint8_t> bytes);
    bool identifyExchange(); // sends Identify and decodes the reply; false when none came
    bool readInputs(); // the Read inputs exchange; false when refused
    bool finalCommand(std::uint8_t command); // run or switch off, then close the link
    void status(StatusPanel panel, const Text& text);

    UsbLink usb_;
    LinkClock& clock_;
    std::function<void()> pump_;
    bool busy_ = false;
    int waiting_ = 0;
};

} // namespace tarvel

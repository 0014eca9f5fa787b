#pragma once
// The lowest layer of the brick link: one device, whole reports, the buffers the commands fill.
#include "model/StatusPanel.h"
#include "link/BrickTransport.h"
#include "model/Text.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvel {

constexpr int kReportDataBytes = 65; // buffers hold bytes 0..64

// What the link tells whoever shows its state (the main window): status panel texts (panel 1 the
// transport, panel 2 the brick) and the brick tools switched on or off.
struct LinkEvents {
    std::function<void(StatusPanel panel, const Text& text)> statusPanel;
    std::function<void(bool connected)> connectTool;
};

class UsbLink {
public:
    UsbLink(BrickTransport& transport, LinkEvents events = {})
        : transport_(transport)
        , events_(std::move(events))
    {
    }

    bool OpenBrick();
    void CloseBrick();
    // Sends `outputBuffer` as one report (report ID 0 first); false when no write was attempted.
    bool WriteReport();
    // Reads one report into `inputBuffer` (zeros on a time-out, which closes the link); false when
    // no read was attempted.
    bool ReadReport(int timeoutMs);
    // Throws away input reports that arrived after their command gave up on them, so the next
    // command reads its own reply.
    void drainInput();

    std::array<std::uint8_t, kReportDataBytes> outputBuffer{};
    std::array<std::uint8_t, kReportDataBytes> inputBuffer{};
    int inputReportByteLength = 0;
    int outputReportByteLength = 0;
    bool deviceDetected = false;
    bool brickConnected = false; // the protocol's flag; CloseBrick clears it
    bool lastReadTimedOut = false; // the last read got no reply (time-out or device gone)
    std::string lastError;
    // Every output report sent, report-ID byte first (what went on the wire).
    std::vector<std::vector<std::uint8_t>> sentReports;

    LinkEvents& events() { return events_; }

private:
    BrickTransport& transport_;
    LinkEvents events_;
};

} // namespace tarvel

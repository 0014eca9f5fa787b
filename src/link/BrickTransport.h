#pragma once
// One HID device as the link sees it: whole reports, report-ID byte first.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvel {

class BrickTransport {
public:
    virtual ~BrickTransport() = default;

    // Finds the brick (vendor 0x04D8, product 0x0002) and opens it.
    virtual bool open() = 0;
    virtual void close() = 0;
    // Report lengths including the report-ID byte; valid after a successful open.
    virtual int inputReportLength() const = 0;
    virtual int outputReportLength() const = 0;
    // Writes one output report; bytes written, or -1 with lastError().
    virtual int write(const std::uint8_t* report, std::size_t length) = 0;
    // Reads one input report (report-ID byte first) waiting at most timeoutMs (0: only what is
    // already there); bytes read, 0 on time-out, -1 on error with lastError().
    virtual int read(std::uint8_t* buffer, std::size_t length, int timeoutMs) = 0;
    virtual std::string lastError() const = 0;
    // Whether a brick is attached now, open or not. Asked on a timer to notice plugging and
    // unplugging, so it must be cheap and must not disturb an open device.
    virtual bool devicePresent() = 0;
};

constexpr std::uint16_t kBrickVendorId = 0x04D8;
constexpr std::uint16_t kBrickProductId = 0x0002;

} // namespace tarvel

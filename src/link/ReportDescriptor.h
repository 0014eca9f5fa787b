#pragma once
// Report lengths from a HID report descriptor, as the device's capabilities state them.
#include <cstdint>
#include <span>

namespace tarvel {

struct ReportLengths {
    int input = 0;  // bytes including the report-ID byte; 0 when the device has no such report
    int output = 0;
};

// The longest input and output report over all report IDs, plus the report-ID byte.
ReportLengths reportLengthsFromDescriptor(std::span<const std::uint8_t> descriptor);

} // namespace tarvel

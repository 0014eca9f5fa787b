#pragma once
#include "model/InstructionRecord.h"

#include <cstdint>

namespace tarvel {

// The four tone bytes of the brick's tone generator: the high and low halves of one square-wave
// period in ticks of 8 microseconds, and the number of periods to play.
struct ToneTiming {
    std::uint8_t toneHighTicks = 0;
    std::uint8_t toneLowTicks = 0;
    std::uint8_t tonePeriodsLow = 0;
    std::uint8_t tonePeriodsHigh = 0;
    bool operator==(const ToneTiming&) const = default;
};

// Fills `timing` from a tone and returns true when the tone is out of range. A volume above 32 and
// a frequency below 100 are corrected in the caller's variables. When the period count does not
// fit in 16 bits the two period bytes keep their previous values.
bool toneTiming(std::int16_t& frequency, std::int16_t& volume, std::int16_t durationMs, ToneTiming& timing);

// A tone element's text starts with its four tone bytes, periods first.
void setToneText(RecordText& text, const ToneTiming& timing);

// What the brick's tone generator plays for four tone bytes: the square wave's frequency, the time
// it sounds and the share of each period that is high (the volume).
struct ToneSound {
    double frequency = 0;
    double durationMs = 0;
    double duty = 0;
};
ToneSound toneSound(const ToneTiming& timing);

} // namespace tarvel

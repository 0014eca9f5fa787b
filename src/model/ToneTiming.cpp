#include "model/ToneTiming.h"

#include <cmath>

namespace tarvel {

namespace {
// A tick value of one period half: 1..255, with 0 raised to 1; overflow (or a negative value from a
// negative volume) gives 1 and marks the tone out of range.
std::uint8_t tickByte(long long ticks, bool& outOfRange)
{
    if (ticks < 0 || ticks > 255) {
        outOfRange = true;
        return 1;
    }
    return ticks == 0 ? 1 : std::uint8_t(ticks);
}
} // namespace

bool toneTiming(std::int16_t& frequency, std::int16_t& volume, std::int16_t durationMs, ToneTiming& timing)
{
    if (volume > 32)
        volume = 32;
    if (frequency < 100)
        frequency = 100;
    bool outOfRange = false;

    const float period = float((1.0 / frequency) / 0.000008);
    const float duty = float(volume) / 64.0f;
    const long long high = (long long)std::floor(duty * period);
    timing.toneHighTicks = tickByte(high, outOfRange);
    const long long low = (long long)std::nearbyint(std::floor(period) - double(high));
    timing.toneLowTicks = tickByte(low, outOfRange);

    // Periods in whole numbers: (duration / 1000) / (1 / frequency) computed exactly, so that
    // 100 ms at 440 Hz is 44 periods and not 43.999.
    const long long periods = (long long)durationMs * frequency;
    if (periods < 0 || periods / 1000 > 65535)
        return true;
    const auto n = static_cast<unsigned>(periods / 1000);
    timing.tonePeriodsLow = std::uint8_t(n % 256);
    timing.tonePeriodsHigh = std::uint8_t(n / 256);
    return outOfRange;
}

void setToneText(RecordText& text, const ToneTiming& timing)
{
    text[0] = timing.tonePeriodsHigh;
    text[1] = timing.tonePeriodsLow;
    text[2] = timing.toneHighTicks;
    text[3] = timing.toneLowTicks;
}

ToneSound toneSound(const ToneTiming& timing)
{
    const int ticks = timing.toneHighTicks + timing.toneLowTicks;
    if (ticks == 0)
        return {};
    const double periodSeconds = ticks * 0.000008;
    const int periods = timing.tonePeriodsHigh * 256 + timing.tonePeriodsLow;
    return {1.0 / periodSeconds, periods * periodSeconds * 1000.0, double(timing.toneHighTicks) / ticks};
}

} // namespace tarvel

#include "model/ToneTiming.h"

#include <gtest/gtest.h>

using namespace tarvel;

namespace {
struct ToneCase {
    int frequency, volume, duration;
    ToneTiming expected; // high, low, periodsLow, periodsHigh
    bool outOfRange;
};
} // namespace

TEST(ToneTiming, ToneCommandExamples)
{
    const ToneCase cases[] = {
        {440, 32, 1000, {142, 142, 184, 1}, false},
        {1000, 32, 100, {0x3E, 0x3F, 0x64, 0x00}, false},
        {440, 32, 100, {0x8E, 0x8E, 0x2C, 0x00}, false},
        {5000, 16, 1000, {0x06, 0x13, 0x88, 0x13}, false},
        {1000, 0, 100, {0x01, 0x7D, 0x64, 0x00}, false},
        {100, 32, 100, {0x01, 0x01, 0x0A, 0x00}, true},
    };
    for (const auto& c : cases) {
        auto f = std::int16_t(c.frequency), v = std::int16_t(c.volume);
        ToneTiming t;
        EXPECT_EQ(toneTiming(f, v, std::int16_t(c.duration), t), c.outOfRange) << c.frequency;
        EXPECT_EQ(t, c.expected) << c.frequency << " Hz " << c.volume;
    }
}

TEST(ToneTiming, CorrectsTheCallersVolumeAndFrequency)
{
    std::int16_t f = 50, v = 40;
    ToneTiming t;
    toneTiming(f, v, 100, t);
    EXPECT_EQ(f, 100);
    EXPECT_EQ(v, 32);
    f = -7;
    toneTiming(f, v, 100, t);
    EXPECT_EQ(f, 100);
}

TEST(ToneTiming, NegativeVolumeIsOutOfRange)
{
    std::int16_t f = 1000, v = -3;
    ToneTiming t;
    EXPECT_TRUE(toneTiming(f, v, 100, t));
}

TEST(ToneTiming, OverflowingPeriodCountKeepsThePeriodBytes)
{
    ToneTiming t{0, 0, 0xAB, 0xCD};
    std::int16_t f = 30000, v = 32;
    EXPECT_TRUE(toneTiming(f, v, 30000, t)); // 900000 periods
    EXPECT_EQ(t.tonePeriodsLow, 0xAB);
    EXPECT_EQ(t.tonePeriodsHigh, 0xCD);
    EXPECT_EQ(t.toneHighTicks, 2); // the tick bytes are still computed
    std::int16_t f2 = 1000;
    EXPECT_TRUE(toneTiming(f2, v, -100, t)); // a negative duration cannot be played either
    EXPECT_EQ(t.tonePeriodsLow, 0xAB);
}

TEST(ToneTiming, PeriodCountAtTheSixteenBitEdge)
{
    ToneTiming t;
    std::int16_t f = 5000, v = 32;
    EXPECT_FALSE(toneTiming(f, v, 13100, t)); // 65500 periods
    EXPECT_EQ(t.tonePeriodsLow, 0xDC);
    EXPECT_EQ(t.tonePeriodsHigh, 0xFF);
    EXPECT_TRUE(toneTiming(f, v, 13108, t)); // 65540 periods
    EXPECT_EQ(t.tonePeriodsLow, 0xDC);
}

TEST(ToneSound, BytesGiveBackTheToneTheBrickPlays)
{
    std::int16_t frequency = 440, volume = 32;
    ToneTiming timing;
    toneTiming(frequency, volume, 500, timing);
    const ToneSound sound = toneSound(timing);
    // The period is whole ticks of 8 microseconds: 284 ticks, about 440.1 Hz.
    EXPECT_NEAR(sound.frequency, 440.0, 1.0);
    EXPECT_NEAR(sound.durationMs, 500.0, 3.0);
    EXPECT_NEAR(sound.duty, 0.5, 0.01);
    EXPECT_EQ(toneSound(ToneTiming{}).frequency, 0.0);
}

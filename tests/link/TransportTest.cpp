#include "link/BrickTools.h"
#include "link/LinkClock.h"
#include "link/ReportDescriptor.h"

#include <gtest/gtest.h>

using namespace tarvel;

TEST(WaitMs, WaitsAtLeastTheTimeAndRunsEvents)
{
    ManualClock clock;
    int pumped = 0;
    WaitMs(clock, 7, [&] { ++pumped; });
    EXPECT_EQ(clock.nowUs(), 7000);
    EXPECT_GE(pumped, 4); // every 2 ms at least
    WaitMs(clock, 0, {});
    EXPECT_EQ(clock.nowUs(), 7000);

    SteadyClock real;
    const auto start = real.nowUs();
    WaitMs(real, 20, {});
    const auto took = real.nowUs() - start;
    EXPECT_GE(took, 20000);
}

TEST(ReportDescriptor, LengthsIncludeTheReportId)
{
    // Vendor page, 64-byte input and output reports (the usual brick firmware).
    const std::uint8_t vendor64[] = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x19, 0x01, 0x29, 0x40, 0x15, 0x00,
                                     0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40, 0x81, 0x00, 0x19, 0x01, 0x29, 0x40,
                                     0x91, 0x00, 0xC0};
    const auto lengths = reportLengthsFromDescriptor(vendor64);
    EXPECT_EQ(lengths.input, 65);
    EXPECT_EQ(lengths.output, 65);

    // Two report IDs: the longest counts; push/pop restore the globals.
    const std::uint8_t numbered[] = {0x85, 0x01, 0x75, 0x08, 0x95, 0x08, 0x81, 0x02, 0xA4, 0x95, 0x20,
                                     0xB4, 0x85, 0x02, 0x95, 0x10, 0x81, 0x02, 0x91, 0x02};
    const auto two = reportLengthsFromDescriptor(numbered);
    EXPECT_EQ(two.input, 17);
    EXPECT_EQ(two.output, 17);

    EXPECT_EQ(reportLengthsFromDescriptor({}).input, 0);
    const std::uint8_t truncated[] = {0x75, 0x08, 0x96, 0x40};
    EXPECT_EQ(reportLengthsFromDescriptor(truncated).output, 0);
}


TEST(BrickTools, PicturesAndCaptionByState)
{
    const auto off = brickToolsState(false, false);
    EXPECT_FALSE(off.brickReady);
    EXPECT_EQ(off.conectCaption, "Conectar");
    EXPECT_EQ(off.pictures[0].picture, 13);
    EXPECT_EQ(off.pictures[4].picture, 17);
    const auto on = brickToolsState(true, false);
    EXPECT_EQ(on.conectCaption, "Conectado!");
    EXPECT_EQ(std::string(on.pictures[1].key), "Run");
    EXPECT_EQ(on.pictures[1].picture, 11);
    const auto automatic = brickToolsState(false, true);
    EXPECT_TRUE(automatic.brickReady);
    EXPECT_EQ(automatic.conectCaption, "Automatico");
}

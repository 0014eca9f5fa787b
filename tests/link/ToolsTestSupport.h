#pragma once
// A connected simulated brick for the brick tools' tests, and the commands it received as data
// bytes with their times.
#include "LinkTestSupport.h"
#include "link/LinkSequencer.h"

#include <gtest/gtest.h>

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

struct ToolsSetup : SimulatedSetup {
    explicit ToolsSetup(tarvel::SimulatedBrickConfig config = {})
        : SimulatedSetup(config)
    {
        EXPECT_TRUE(link.IdentifyBrick());
        first = brick.receivedReports().size();
    }
    // The first `count` data bytes of every report received since the brick was identified.
    std::vector<Bytes> commands(std::size_t count = 3) const
    {
        std::vector<Bytes> out;
        for (std::size_t i = first; i < brick.receivedReports().size(); ++i)
            out.push_back(received(i, count));
        return out;
    }
    // Milliseconds between each of those reports and the one before it.
    std::vector<std::int64_t> gapsMs() const
    {
        std::vector<std::int64_t> out;
        const auto& t = brick.receivedTimesUs();
        for (std::size_t i = first + 1; i < t.size(); ++i)
            out.push_back((t[i] - t[i - 1]) / 1000);
        return out;
    }
    std::size_t first = 0;
};

} // namespace testsupport

#pragma once
#include "link/BrickLink.h"
#include "link/SimulatedBrick.h"

#include <string>
#include <vector>

namespace testsupport {

// A brick link to a simulated brick on a manual clock, with the events it reported.
struct SimulatedSetup {
    explicit SimulatedSetup(tarvel::SimulatedBrickConfig config = {})
        : brick(clock, config)
        , link(brick, clock, events())
    {
    }
    tarvel::LinkEvents events()
    {
        return {[this](tarvel::StatusPanel panel, const tarvel::Text& text) { panels.push_back(std::to_string(int(panel)) + ":" + text.spanish()); },
                [this](bool on) { tools.push_back(on); }};
    }
    // The data bytes (after the report ID) of the n-th report the brick received.
    std::vector<std::uint8_t> received(std::size_t n, std::size_t count) const
    {
        const auto& r = brick.receivedReports().at(n);
        return {r.begin() + 1, r.begin() + 1 + std::ptrdiff_t(count)};
    }

    tarvel::ManualClock clock;
    tarvel::SimulatedBrick brick;
    std::vector<std::string> panels;
    std::vector<bool> tools;
    tarvel::BrickLink link;
};

} // namespace testsupport

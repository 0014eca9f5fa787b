#pragma once
// Challenges written inline for the tests, and hand-made programs judged in them.
#include "challenges/ChallengeFile.h"
#include "challenges/Judge.h"
#include "challenges/ProgramImage.h"
#include "emulator/EmulatorTestSupport.h"
#include "model/Cp1252.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

#include <string>

namespace testsupport {

inline const std::filesystem::path kWorlds = std::filesystem::path(TARVEL_APPDIR) / "worlds";

inline tarvel::Challenge challengeFrom(const std::string& json)
{
    const tarvel::ChallengeLoad load = tarvel::parseChallenge(json, kWorlds);
    EXPECT_TRUE(load.challenge.has_value()) << tarvel::cp1252ToUtf8(load.error.spanish()) << "\n" << json;
    return load.challenge.value_or(tarvel::Challenge{});
}

// The Spanish of a core text, as UTF-8 for comparing with literals of this file.
inline std::string words(const tarvel::Text& text)
{
    return tarvel::cp1252ToUtf8(text.spanish());
}

inline tarvel::Verdict judged(const tarvel::Challenge& challenge, const std::vector<std::uint8_t>& image)
{
    tarvel::ProgramImage program;
    program.ok = true;
    program.image = image;
    return tarvel::judgeProgram(challenge, program);
}

// "met: reason" of each goal in reading order, indented by depth.
inline std::vector<std::string> outcome(const tarvel::Verdict& verdict)
{
    std::vector<std::string> lines;
    for (const auto& g : verdict.goals)
        lines.push_back(std::string(std::size_t(g.depth) * 2, ' ') + (g.met ? "+ " : "- ") + words(g.reason));
    return lines;
}

} // namespace testsupport

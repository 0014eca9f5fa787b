// Challenge files of any bytes never crash their reader; one that reads is judged (on a short clock)
// without crashing, and its verdict has a result for every goal.
#include "challenges/ChallengeFile.h"
#include "challenges/Judge.h"
#include "challenges/ProgramImage.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ChallengeLoad load = parseChallenge(text, TARVEL_APPDIR "/worlds");
    if (load.challenge.has_value() == !load.error.spanish().empty())
        std::abort(); // a challenge, or a reason why not: never both, never neither
    if (!load.challenge)
        return 0;
    Challenge& c = *load.challenge;
    c.seconds = std::min(c.seconds, 0.3);
    // A robot that drives, lights a LED, beeps and sends a byte, then stops.
    ProgramImage program;
    program.ok = true;
    program.image = {0x3A, 0x7B, 0x04, 0x01, 0xDD, 0x2F, 0x01, 0x00, 0x10, 0x64, 0x5D};
    const Verdict v = judgeProgram(c, program);
    if (v.goals.empty() || v.stars < 0 || v.stars > 3 || (v.stars > 0) != v.passed)
        std::abort();
    return 0;
}

#pragma once
// Building records in tests.
#include "model/InstructionRecord.h"

#include <string>

namespace testsupport {

inline tarvel::InstructionRecord element(int f, int s, int o, int a1 = 0, int a2 = 0, int a3 = 0,
                                         const std::string& name = "")
{
    tarvel::InstructionRecord r;
    r.family = std::uint8_t(f);
    r.subtype = std::uint8_t(s);
    r.option = std::uint8_t(o);
    r.arg1 = std::int16_t(a1);
    r.arg2 = std::int16_t(a2);
    r.arg3 = std::uint8_t(a3);
    r.name = name;
    return r;
}

} // namespace testsupport

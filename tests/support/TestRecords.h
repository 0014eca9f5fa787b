#pragma once
// Building records in tests.
#include "model/InstructionRecord.h"

namespace testsupport {

using tarvel::makeElement;
constexpr auto element = [](int f, int s, int o, int a1 = 0, int a2 = 0, int a3 = 0, const std::string& name = "") {
    return tarvel::makeElement(f, s, o, a1, a2, a3, name);
};

} // namespace testsupport

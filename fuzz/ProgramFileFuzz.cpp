// Any bytes as a program file: loading never reads or writes out of bounds, and what was loaded
// saves and loads back to the same bytes.
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static tarvel::ProgramStore store; // large: built once, reset by every load
    tarvel::loadProgram(store, {data, size});
    const auto saved = tarvel::serializeProgram(store);
    static tarvel::ProgramStore again;
    tarvel::loadProgram(again, saved);
    if (tarvel::serializeProgram(again) != saved)
        std::abort();
    return 0;
}

#pragma once
// A flowchart built for the judge: translated and assembled as a build does, or the first thing that
// stopped it, in the words the build window would use.
#include "emulator/ElementMap.h"
#include "emulator/World.h"
#include "model/Text.h"

#include <cstdint>
#include <vector>

namespace tarvel {

struct CompilationLibrary;
class ProgramStore;

struct ProgramImage {
    bool ok = false;
    std::vector<std::uint8_t> image;
    ElementMap elementMap;
    Steering steering = Steering::Differential;
    Text message; // when it did not build: the first message only
};

// Builds `store` (its element sizes already those of `library`). Safe to call from several threads
// at once with one library.
ProgramImage buildProgramImage(const ProgramStore& store, const CompilationLibrary& library);

} // namespace tarvel

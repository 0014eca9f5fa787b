#pragma once
// The compilation library of a command: --lib FILE, or the library shipped with the program.
#include "compiler/CompilationLibrary.h"

#include <string>

namespace CLI {
class App;
}

namespace tarvel::cli {

std::string shippedLibraryPath();

struct LibraryOption {
    std::string path;
    void add(CLI::App& command);
    // Loads the library as the program does at start-up, integrity check included; messages go to
    // stderr. False when the file cannot be read or is no library, or, with `requireIntegrity`, when
    // the check failed (the library then yields no code and no help).
    bool load(CompilationLibrary& library, bool requireIntegrity = false) const;
};

} // namespace tarvel::cli

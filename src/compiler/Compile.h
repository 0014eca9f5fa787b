#pragma once
// Translate and assemble, as a build does before anything goes to the brick.
#include "compiler/Assembler.h"
#include "compiler/Translator.h"

#include <string>

namespace tarvel {

struct CompilationLibrary;
class ProgramStore;

struct CompileResult {
    std::string source;      // the generated source text
    int memoryUsed = 0;
    int subroutineBalance = 0;
    bool assembled = false;  // false when unbalanced subroutines skipped the assembly
};

// Translates the program and, when its subroutines are balanced, assembles the source into a
// cleared image. The assembler's state (image, messages) is the rest of the result.
CompileResult compileProgram(const ProgramStore& store, const CompilationLibrary& library, Translator& translator,
                             Assembler& assembler);

// Assembles a source text the way a build assembles its source file; with `appendEnd` a line end
// and "    END" are added, as for the source editor's text.
void assembleSource(const std::string& text, bool appendEnd, Assembler& assembler);

} // namespace tarvel

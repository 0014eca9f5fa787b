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
    // When the assembly listed messages: the jumps to labels the program does not draw, in the
    // user's words (missingLabelReport), to go before the assembler's list.
    std::string labelReport;
};

// One line (CR LF ended) per element that goes to a label its sequence does not place: the
// assembler only sees the generated name ("C0_x"), the user drew "x" at a place on the grid.
std::string missingLabelReport(const ProgramStore& store);
// The same sentences, one per element.
std::vector<Text> missingLabelLines(const ProgramStore& store);

// Translates the program and, when its subroutines are balanced, assembles the source into a
// cleared image. The assembler's state (image, messages) is the rest of the result.
CompileResult compileProgram(const ProgramStore& store, const CompilationLibrary& library, Translator& translator,
                             Assembler& assembler);

// Assembles a source text the way a build assembles its source file; with `appendEnd` a line end
// and "    END" are added, as for the source editor's text.
void assembleSource(const std::string& text, bool appendEnd, Assembler& assembler);

} // namespace tarvel

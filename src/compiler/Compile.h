#pragma once
// Translate and assemble, as a build does before anything goes to the brick.
#include "compiler/Assembler.h"
#include "compiler/BuildPlan.h"
#include "compiler/Translator.h"

#include <optional>
#include <string>

namespace tarvel {

struct CompilationLibrary;
class ProgramStore;

struct CompileResult {
    Translation translation;
    // None when unbalanced subroutines skipped the assembly; the image was assembled into a
    // cleared one.
    std::optional<Assembly> assembly;
    // When the assembly listed messages: the jumps to labels the program does not draw, in the
    // user's words (missingLabelReport), to go before the assembler's list.
    std::string labelReport;

    bool assembled() const { return assembly.has_value(); }
    // The assembly, or an empty one (no image, no messages) when it was skipped.
    const Assembly& assemblyOrEmpty() const;
    // What the build's outcome means against the library's capacity (buildVerdict).
    BuildVerdict verdict(int libraryCapacity) const;
};

// One line (CR LF ended) per element that goes to a label its sequence does not place: the
// assembler only sees the generated name ("C0_x"), the user drew "x" at a place on the grid.
std::string missingLabelReport(const ProgramStore& store);
// The same sentences, one per element.
std::vector<Text> missingLabelLines(const ProgramStore& store);

// Translates the program and, when its subroutines are balanced, assembles the source into a
// cleared image.
CompileResult compileProgram(const ProgramStore& store, const CompilationLibrary& library, TemplateMemory& memory);

// Assembles a source text the way a build assembles its source file; with `appendEnd` a line end
// and "    END" are added, as for the source editor's text. Bytes that ORG skips keep the values of
// `start` (a cleared image when none is given).
Assembly assembleSource(const std::string& text, bool appendEnd, const CompilationLibrary& library,
                        const ImageArray* start = nullptr);

} // namespace tarvel

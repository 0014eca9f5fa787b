#pragma once
// Flowchart-to-source translation: every element's library template, filled in with its operands.
#include "model/InstructionRecord.h"
#include "model/ProgramSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvel {

struct CompilationLibrary;
class ProgramStore;

// "VRoja" .. "VNaranja" for 1..5, the number in signed form otherwise.
std::string VariableSourceName(int n);

// The source file a build writes: "SysTemp.src", or the program's name with ".src" when source
// files are kept.
std::string sourceFileName(const std::string& programName, bool storeSourceFiles);

// The source lines one element produced (1-based line numbers of the generated text).
struct SourceSpan {
    int sequence = 0;
    int index = 0;
    int firstLine = 0;
    int lineCount = 0;
};

// What a template leaves behind for later templates, elements and builds: the locals set by "_?",
// the automatic label each slot stood for last and the bytes of the last melody note. None of it is
// cleared between builds, as library authors may rely on; the session keeps one.
struct TemplateMemory {
    std::array<std::int32_t, 128> autoLabelMap{};
    std::array<std::int32_t, 31> templateLocals{};
    std::array<std::uint8_t, 6> noteBytes{};
};

// What translating a program made.
struct Translation {
    std::string source; // with the trailer
    // Where each element's text lies in `source`, in translation order.
    std::vector<SourceSpan> elementSpans;
    int memoryUsed = 0;
    int subroutineBalance = 0;
};

// Translates the whole program; `memory` is read and updated.
Translation translateProgram(const ProgramStore& store, const CompilationLibrary& library, TemplateMemory& memory);

// The translation's working state for one walk over the program (translateProgram makes one per
// build). Tests drive its steps one by one.
class Translator {
public:
    // The whole program, with the trailer. Resets the per-build counters first.
    std::string TranslateProgram(const ProgramStore& store, const CompilationLibrary& library);

    std::string TranslateElement(const InstructionRecord& record, int sequence);
    std::string ExpandTemplate(std::int32_t position, const InstructionRecord& record, int sequence);
    std::string SubstituteOperand(const std::string& operand, const InstructionRecord& record, int sequence) const;

    // Per-build counters: set before a walk (TranslateProgram does it).
    void startBuild(const CompilationLibrary& library, const ProgramSettings& settings);

    std::int32_t elementCounter = 0;
    std::int32_t autoLabelCounter = 0;
    TemplateMemory memory;
    int memoryUsed = 0;
    int subroutineBalance = 0;
    std::string generatedSource;
    // Where each element's text lies in generatedSource, in translation order (TranslateProgram).
    std::vector<SourceSpan> elementSpans;

private:
    std::string expandKey(int f, int s, int o, const InstructionRecord& record, int sequence);
    std::string noCodeLine(const InstructionRecord& record) const;
    std::string defaultCode(const InstructionRecord& record, int sequence);
    std::string translatePath(const InstructionRecord& record, int sequence);
    std::string translateMelody(const InstructionRecord& record, int sequence);
    std::string arithmetic(const std::string& upper, const InstructionRecord& record, bool& matched) const;

    const CompilationLibrary* library_ = nullptr;
    ProgramSettings settings_;
};

} // namespace tarvel

#include "compiler/Compile.h"

#include "model/JumpTargets.h"
#include "model/ProgramStore.h"

namespace tarvel {

CompileResult compileProgram(const ProgramStore& store, const CompilationLibrary& library, Translator& translator,
                             Assembler& assembler)
{
    CompileResult result;
    assembler.clearImage();
    result.source = translator.TranslateProgram(store, library);
    result.memoryUsed = translator.memoryUsed;
    result.subroutineBalance = translator.subroutineBalance;
    assembler.reset();
    if (result.subroutineBalance != 0)
        return result;
    assembler.assembleLines(splitSourceLines(result.source));
    result.assembled = true;
    if (!assembler.assemblyErrorsText.empty())
        result.labelReport = missingLabelReport(store);
    return result;
}

std::vector<Text> missingLabelLines(const ProgramStore& store)
{
    std::vector<Text> lines;
    for (const MissingLabel& m : missingLabels(store))
        lines.push_back(missingLabelSentence(store, m));
    return lines;
}

std::string missingLabelReport(const ProgramStore& store)
{
    std::string report;
    for (const MissingLabel& m : missingLabels(store))
        report += missingLabelText(store, m) + "\r\n";
    return report;
}

void assembleSource(const std::string& text, bool appendEnd, Assembler& assembler)
{
    assembler.reset();
    assembler.assembleLines(splitSourceLines(appendEnd ? text + "\r\n    END\r\n" : text));
}

} // namespace tarvel

#include "compiler/Compile.h"

#include "model/JumpTargets.h"
#include "model/ProgramStore.h"

namespace tarvel {

CompileResult compileProgram(const ProgramStore& store, const CompilationLibrary& library, TemplateMemory& memory)
{
    CompileResult result;
    result.translation = translateProgram(store, library, memory);
    if (result.translation.subroutineBalance != 0)
        return result;
    result.assembly = assemble(splitSourceLines(result.translation.source), library);
    if (!result.assembly->errorsText.empty())
        result.labelReport = missingLabelReport(store);
    return result;
}

const Assembly& CompileResult::assemblyOrEmpty() const
{
    static const Assembly none;
    return assembly ? *assembly : none;
}

BuildVerdict CompileResult::verdict(int libraryCapacity) const
{
    const Assembly& a = assemblyOrEmpty();
    return buildVerdict({translation.subroutineBalance, &a.messages, a.cancelledAt, a.imageLength, libraryCapacity});
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

Assembly assembleSource(const std::string& text, bool appendEnd, const CompilationLibrary& library,
                        const ImageArray* start)
{
    return assemble(splitSourceLines(appendEnd ? text + "\r\n    END\r\n" : text), library, start);
}

} // namespace tarvel

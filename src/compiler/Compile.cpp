#include "compiler/Compile.h"

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
    return result;
}

void assembleSource(const std::string& text, bool appendEnd, Assembler& assembler)
{
    assembler.reset();
    assembler.assembleLines(splitSourceLines(appendEnd ? text + "\r\n    END\r\n" : text));
}

} // namespace tarvel

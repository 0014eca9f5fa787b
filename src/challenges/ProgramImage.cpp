#include "challenges/ProgramImage.h"

#include "compiler/CompilationLibrary.h"
#include "compiler/Compile.h"
#include "emulator/BrickCpu.h"
#include "model/ProgramStore.h"

#include <algorithm>

namespace tarvel {

ProgramImage buildProgramImage(const ProgramStore& store, const CompilationLibrary& library)
{
    ProgramImage out;
    Translator translator;
    Assembler assembler(library);
    const CompileResult result = compileProgram(store, library, translator, assembler);
    if (!result.assembled) {
        out.message = Text("core", QT_TRANSLATE_NOOP("core", "Una o Varias Subrutinas No Tienen Final!"));
        return out;
    }
    if (!assembler.messages.empty() || !assembler.assemblyErrorsText.empty()) {
        // A jump to a label the program does not draw is said as the user drew it, before the
        // assembler's own words.
        const std::string& labels = result.labelReport;
        if (!labels.empty())
            out.message = Text::literal(labels.substr(0, labels.find("\r\n")));
        else if (!assembler.messages.empty())
            out.message = assemblyMessageText(assembler.messages.front());
        else
            out.message = Text::literal(assembler.assemblyErrorsText.substr(0, assembler.assemblyErrorsText.find("\r\n")));
        return out;
    }
    if (assembler.imageLength > library.libraryCapacity || assembler.imageLength > kBrickMemoryBytes) {
        out.message = Text("core", QT_TRANSLATE_NOOP("core", "El Programa Excede la Memoria Disponible! (%1)"))
                          .arg(assembler.imageLength);
        return out;
    }
    if (assembler.imageLength <= 0) {
        out.message = Text("core", QT_TRANSLATE_NOOP("core", "El programa no generó código para el Ladrillo"));
        return out;
    }
    out.ok = true;
    out.image.assign(assembler.programImage.begin(), assembler.programImage.begin() + assembler.imageLength);
    out.elementMap = ElementMap::fromBuild(translator, assembler);
    out.steering = store.programSettings.directionMode == 1 ? Steering::Car : Steering::Differential;
    return out;
}

} // namespace tarvel

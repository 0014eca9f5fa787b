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
    TemplateMemory memory;
    const CompileResult result = compileProgram(store, library, memory);
    if (!result.assembled()) {
        out.message = Text("core", QT_TRANSLATE_NOOP("core", "Una o Varias Subrutinas No Tienen Final!"));
        return out;
    }
    const Assembly& assembly = *result.assembly;
    if (!assembly.messages.empty() || !assembly.errorsText.empty()) {
        // A jump to a label the program does not draw is said as the user drew it, before the
        // assembler's own words.
        const std::string& labels = result.labelReport;
        if (!labels.empty())
            out.message = Text::literal(labels.substr(0, labels.find("\r\n")));
        else if (!assembly.messages.empty())
            out.message = assemblyMessageText(assembly.messages.front());
        else
            out.message = Text::literal(assembly.errorsText.substr(0, assembly.errorsText.find("\r\n")));
        return out;
    }
    if (assembly.imageLength > library.libraryCapacity || assembly.imageLength > kBrickMemoryBytes) {
        out.message = Text("core", QT_TRANSLATE_NOOP("core", "El Programa Excede la Memoria Disponible! (%1)"))
                          .arg(assembly.imageLength);
        return out;
    }
    if (assembly.imageLength <= 0) {
        out.message = Text("core", QT_TRANSLATE_NOOP("core", "El programa no generó código para el Ladrillo"));
        return out;
    }
    out.ok = true;
    const auto bytes = assembly.bytes();
    out.image.assign(bytes.begin(), bytes.end());
    out.elementMap = ElementMap::fromBuild(result.translation, assembly);
    out.steering = store.programSettings.directionMode == 1 ? Steering::Car : Steering::Differential;
    return out;
}

} // namespace tarvel

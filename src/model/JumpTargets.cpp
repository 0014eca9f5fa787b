#include "model/JumpTargets.h"

#include "model/FlowchartSheet.h"
#include "model/NumberText.h"
#include "model/ProgramStore.h"
#include "model/TextUtil.h"

namespace tarvel
{

namespace
{

bool placesLabel(const InstructionRecord& r)
{
    return r.is(family::Structure, structure::ProgramStart) || r.is(family::Structure, structure::Label)
        || r.is(family::Structure, structure::SubroutineStart);
}

// What the element is, as the head of its sentence.
const char* jumpWords(const InstructionRecord& r)
{
    if (r.family == family::Structure)
        return "El salto a la etiqueta";
    if (r.subtype == 21)
        return "La repeticion que salta a la etiqueta";
    return "La decision que salta a la etiqueta";
}

} // namespace

bool jumpsToLabel(const InstructionRecord& r)
{
    return r.is(family::Structure, structure::Jump) || r.family == family::Decisions
        || r.family == family::DecisionsInverted;
}

bool labelPlaced(const ProgramStore& store, int sequence, const std::string& name)
{
    // The assembler reads a label up to its blanks: a target typed with a trailing blank still meets it.
    const std::string wanted = trimBlanks(name);
    for (int i = 0; i < store.sequenceLength(sequence); ++i) {
        const InstructionRecord& r = store.recordAt(sequence, i);
        if (placesLabel(r) && trimBlanks(r.name) == wanted)
            return true;
    }
    return false;
}

std::vector<MissingLabel> missingLabels(const ProgramStore& store)
{
    std::vector<MissingLabel> missing;
    for (int s = 0; s < kSequences; ++s)
        for (int i = 0; i < store.sequenceLength(s); ++i) {
            const InstructionRecord& r = store.recordAt(s, i);
            if (jumpsToLabel(r) && !labelPlaced(store, s, r.name))
                missing.push_back({ s, i, r.name });
        }
    return missing;
}

std::string missingLabelText(const ProgramStore& store, const MissingLabel& m)
{
    const InstructionRecord& r = store.recordAt(m.sequence, m.index);
    return std::string(jumpWords(r)) + " \"" + m.label + "\" no tiene su etiqueta en el programa ("
        + sequenceCaption(store, m.sequence) + ", fila " + plainNumber(m.index / kGridColumns + 1) + ", columna "
        + plainNumber(m.index % kGridColumns + 1) + ")";
}

UserMessage missingLabelWarning(const std::string& label)
{
    return { "La Etiqueta de Destino No Existe en Esta Secuencia: " + label
            + "\r\nDibuje la Etiqueta Antes de Compilar el Programa.",
        "Aviso", MessageIcon::Warning };
}

} // namespace tarvel

#include "model/JumpTargets.h"

#include "model/FlowchartSheet.h"
#include "model/NumberText.h"
#include "model/ProgramStore.h"
#include "model/Text.h"
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

// What the element is says how its sentence begins.
const char* missingLabelPattern(const InstructionRecord& r)
{
    if (r.family == family::Structure)
        return QT_TRANSLATE_NOOP("core", "El salto a la etiqueta \"%1\" no tiene su etiqueta en el programa (%2, fila %3, columna %4)");
    if (r.subtype == decisions::Repeat)
        return QT_TRANSLATE_NOOP("core", "La repeticion que salta a la etiqueta \"%1\" no tiene su etiqueta en el programa (%2, fila %3, columna %4)");
    return QT_TRANSLATE_NOOP("core", "La decision que salta a la etiqueta \"%1\" no tiene su etiqueta en el programa (%2, fila %3, columna %4)");
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

Text missingLabelSentence(const ProgramStore& store, const MissingLabel& m)
{
    return Text(missingLabelPattern(store.recordAt(m.sequence, m.index)))
        .arg(m.label)
        .arg(m.sequence == 0 ? Text(QT_TRANSLATE_NOOP("core", "Mi_Prog")) : Text::literal(sequenceCaption(store, m.sequence)))
        .arg(plainNumber(m.index / kGridColumns + 1))
        .arg(plainNumber(m.index % kGridColumns + 1));
}

std::string missingLabelText(const ProgramStore& store, const MissingLabel& m)
{
    return missingLabelSentence(store, m).spanish();
}

UserMessage missingLabelWarning(const std::string& label)
{
    return { Text::lines({ Text(QT_TRANSLATE_NOOP("core", "La Etiqueta de Destino No Existe en Esta Secuencia: %1"))
                               .arg(label),
                 QT_TRANSLATE_NOOP("core", "Dibuje la Etiqueta Antes de Compilar el Programa.") }),
        QT_TRANSLATE_NOOP("core", "Aviso"), MessageIcon::Warning };
}

} // namespace tarvel

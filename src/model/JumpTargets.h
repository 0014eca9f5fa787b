#pragma once
// Jumps, decisions and repeats go to a label by its name. The label is one drawn in the same
// sequence, or the sequence's own start ("Inicio", a subroutine's name): what the translation
// places as that sequence's labels.
#include "model/InstructionRecord.h"
#include "model/UserMessage.h"

#include <string>
#include <vector>

namespace tarvel
{

class ProgramStore;

// Whether the element goes to the label its `name` holds.
bool jumpsToLabel(const InstructionRecord& record);
// Whether sequence `sequence` places a label `name`.
bool labelPlaced(const ProgramStore& store, int sequence, const std::string& name);

struct MissingLabel {
    int sequence = 0;
    int index = 0;
    std::string label;
    bool operator==(const MissingLabel&) const = default;
};
// Every element of the program that goes to a label its sequence does not place, in program order.
std::vector<MissingLabel> missingLabels(const ProgramStore& store);

// For the build: which element goes to which missing label, where the user sees it on the grid
// ("El salto a la etiqueta "x" no tiene su etiqueta en el programa (Mi_Prog, fila 1, columna 3)").
Text missingLabelSentence(const ProgramStore& store, const MissingLabel& missing);
std::string missingLabelText(const ProgramStore& store, const MissingLabel& missing);
// For the drawing of such an element: the label is named, and may still be drawn.
UserMessage missingLabelWarning(const std::string& label);

} // namespace tarvel

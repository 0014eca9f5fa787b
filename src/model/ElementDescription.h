#pragma once
#include "model/InstructionRecord.h"
#include "model/Text.h"
#include "model/UserMessage.h"

#include <optional>
#include <string>

namespace tarvel {

class ProgramStore;

// What `record` does, from its codes and operands, with the cost suffix from the store's element
// sizes. Combinations without a rule keep the description they had.
Text elementDescription(const InstructionRecord& record, const ProgramStore& store);
// Stores the Spanish of elementDescription in `record.description`.
void describeElement(InstructionRecord& record, const ProgramStore& store);
// The description `record` holds, as a text: the one elementDescription or the start dialog gave
// it; one that came some other way is shown as it stands.
Text shownDescription(const InstructionRecord& record, const ProgramStore& store);

// The word of a variable number: "Var. Roja" .. "Valor Al Azar"; empty outside 1..7.
Text variableText(int number);
std::string variableWord(int number);

struct StructureCheckFlags {
    bool syntaxAssistantOff = false;
    bool structureCheckOff = false;
};

// Whether `next` may follow `previous` at the end of a sequence; the refusal message otherwise.
std::optional<UserMessage> checkStructure(const InstructionRecord& previous, const InstructionRecord& next,
                                          StructureCheckFlags flags = {});

// The description the program start dialog gives the start element for its mode (option 10 or 11).
Text startModeText(int option);

// Blanks, ":" and "," become "_" (the argument is changed the same way).
std::string cleanName(std::string& text);

} // namespace tarvel

#pragma once
#include "model/InstructionRecord.h"
#include "model/UserMessage.h"

#include <optional>
#include <string>

namespace tarvel {

class ProgramStore;

// Builds `record.description` from its codes and operands, with the cost suffix from the store's
// element sizes. Combinations without a rule keep the description they had.
void describeElement(InstructionRecord& record, const ProgramStore& store);

// The word of a variable number: "Var. Roja" .. "Valor Al Azar"; empty outside 1..7.
std::string variableWord(int number);

struct StructureCheckFlags {
    bool syntaxAssistantOff = false;
    bool structureCheckOff = false;
};

// Whether `next` may follow `previous` at the end of a sequence; the refusal message otherwise.
std::optional<UserMessage> checkStructure(const InstructionRecord& previous, const InstructionRecord& next,
                                          StructureCheckFlags flags = {});

// The description the program start dialog gives the start element for its mode (option 10 or 11).
std::string startModeText(int option);

// Blanks, ":" and "," become "_" (the argument is changed the same way).
std::string cleanName(std::string& text);

} // namespace tarvel

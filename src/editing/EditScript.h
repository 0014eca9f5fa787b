#pragma once
// Edits written as words, for scripts and tests: "add 0 14,10,12,1,1,1", "delete 1 0", ... Each
// operation runs the editing operations the windows use, with the answers a user would give.
#include "editing/ProgramEditor.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvel {

struct EditOperation {
    enum class Kind { Add, Insert, Replace, Modify, Delete, Space, Sub, New } kind = Kind::Add;
    std::string word; // as written: "add", "insert", ...
    int sequence = 0;
    int index = 0;
    InstructionRecord element; // codes, operands and name (Windows-1252)
};

struct EditScriptParse {
    std::vector<EditOperation> operations;
    std::string error; // the first word that could not be read; empty when all were
};

// Reads operations from words (names in Windows-1252):
//   add SEQ F,S,O,A1,A2,A3[,NAME]   insert SEQ INDEX ELEMENT   replace SEQ INDEX ELEMENT
//   modify SEQ INDEX ELEMENT        delete SEQ INDEX           space SEQ INDEX
//   sub NAME                        new
EditScriptParse parseEditScript(const std::vector<std::string>& words);

struct EditResult {
    bool ok = false;
    std::string message; // what the user would have been told (Windows-1252), lines joined by CR LF
    std::vector<UserMessage> messages; // the same, message by message, as the windows show them
};

// Runs one operation on the program. Questions are answered Yes (delete a subroutine, replace a
// path or melody by a new one).
EditResult applyEditOperation(ProgramEditor& editor, ProgramStore& store, EditorState& state,
                              const EditOperation& operation);

} // namespace tarvel

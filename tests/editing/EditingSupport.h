#pragma once
// A program with its editor state, history and editing operations, as the windows hold them.
#include "editing/ProgramEditor.h"
#include "model/ProgramFile.h"
#include "support/TestRecords.h"

#include <vector>

namespace testsupport {

struct Editing {
    Editing() { editor.newProgram(); }

    // A new element built the way a dialog builds it, then committed.
    tarvel::EditOutcome add(const tarvel::InstructionRecord& r)
    {
        editor.openPalette();
        const tarvel::RecordText text = store.currentElement.text;
        store.currentElement = r;
        store.currentElement.text = text;
        return editor.commitElement();
    }
    tarvel::EditOutcome addLabel(const std::string& name)
    {
        editor.openPalette();
        store.currentElement.family = 17;
        store.currentElement.subtype = 11;
        return editor.acceptLabel(name, -1);
    }
    tarvel::EditOutcome addSubroutine(const std::string& name)
    {
        editor.openPalette();
        store.currentElement.family = 17;
        store.currentElement.subtype = 13;
        return editor.acceptSubroutine(name);
    }
    std::vector<std::uint8_t> bytes() { return tarvel::serializeProgram(store); }
    int length(int sequence = 0) const { return store.sequenceLength(sequence); }
    const tarvel::InstructionRecord& at(int sequence, int index) const { return store.recordAt(sequence, index); }
    std::vector<std::string> labels(int sequence) const
    {
        const auto& t = store.labelTable[std::size_t(sequence)];
        return {t.begin(), t.begin() + store.labelCount[std::size_t(sequence)]};
    }

    tarvel::ProgramStore store;
    tarvel::EditorState state;
    tarvel::UndoHistory history;
    bool syntaxAssistantOff = false;
    tarvel::ProgramEditor editor{store, state, history, syntaxAssistantOff};
};

} // namespace testsupport

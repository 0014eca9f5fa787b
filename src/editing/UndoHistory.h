#pragma once
// Undo and redo of edits: the program as it was before each step.
#include "model/ProgramStore.h"

#include <deque>
#include <optional>

namespace tarvel {

class UndoHistory {
public:
    static constexpr std::size_t kSteps = 500;

    // A step is about to change the program; `before` is how it was. Forgets what could be redone.
    void push(ProgramSnapshot before);
    // The program to go back to, given how it is now (which becomes a redo step); none when empty.
    std::optional<ProgramSnapshot> undo(ProgramSnapshot current);
    std::optional<ProgramSnapshot> redo(ProgramSnapshot current);
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoSteps() const { return undo_.size(); }
    void clear();
    // The last snapshot taken, so that the next one shares what has not changed.
    const ProgramSnapshot* latest() const { return undo_.empty() ? nullptr : &undo_.back(); }

private:
    std::deque<ProgramSnapshot> undo_, redo_;
};

} // namespace tarvel

#include "editing/UndoHistory.h"

namespace tarvel {

void UndoHistory::push(ProgramSnapshot before)
{
    undo_.push_back(std::move(before));
    if (undo_.size() > kSteps)
        undo_.pop_front();
    redo_.clear();
}

std::optional<ProgramSnapshot> UndoHistory::undo(ProgramSnapshot current)
{
    if (undo_.empty())
        return std::nullopt;
    ProgramSnapshot target = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(std::move(current));
    return target;
}

std::optional<ProgramSnapshot> UndoHistory::redo(ProgramSnapshot current)
{
    if (redo_.empty())
        return std::nullopt;
    ProgramSnapshot target = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(std::move(current));
    return target;
}

void UndoHistory::clear()
{
    undo_.clear();
    redo_.clear();
}

} // namespace tarvel

#pragma once
// Editor state shared by the editing operations, the canvas and the dialogs.
#include <string>

namespace tarvel {

enum class EditorMode { Normal, InsertPending, ReplacePending };

struct EditorState {
    bool insertMode = true; // false while a dialog modifies an existing element
    EditorMode editorMode = EditorMode::Normal;
    bool structureCheckOff = false; // while an insertion or replacement is pending
    bool programDirty = false;
    std::string dialogActionText; // the word a palette gives the dialog it opens (Windows-1252)
    // The element a modify works on, or the place of a pending insertion or replacement.
    int targetSequence = 0;
    int targetIndex = 0;
    int pendingViewTop = 0; // first visible element when the pending operation started

    bool pending() const { return editorMode != EditorMode::Normal; }
};


} // namespace tarvel

#pragma once

namespace tarvel {

enum class EditorMode { Normal, InsertPending, ReplacePending };

// Editor state shared by the editing operations, the canvas and the dialogs.
struct EditorState {
    bool insertMode = true;
    EditorMode editorMode = EditorMode::Normal;
    bool structureCheckOff = false;
    bool programDirty = false;
    int previewPictureIndex = 0; // 20000: the canvas moves its own scroll bar
};

constexpr int kScrollMarker = 20000;

} // namespace tarvel

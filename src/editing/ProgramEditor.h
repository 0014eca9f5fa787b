#pragma once
// The editing operations on the program: commit of new and modified elements, delete, insert a
// separator, insert before and replace (pending until the next element is committed), new
// program, subroutines, undo and redo. The windows show the results; the rules are here.
#include "editing/EditorState.h"
#include "editing/ElementKinds.h"
#include "editing/UndoHistory.h"
#include "model/IconComposition.h"
#include "model/ProgramStore.h"
#include "model/UserMessage.h"

#include <string>
#include <vector>

namespace tarvel {

// What an operation did, for the windows to show.
struct EditOutcome {
    bool changed = false; // the program changed (one undo step)
    std::vector<UserMessage> messages;
    bool appended = false;       // a new element was drawn at the end of the active sequence
    bool modified = false;       // the element at (targetSequence, targetIndex) changed in place
    bool redraw = false;         // the whole view has to be drawn again
    bool pendingEnded = false;   // an insertion or replacement finished or was cancelled
    bool tabsChanged = false;    // subroutines appeared, disappeared or were renamed
    bool askDeleteSubroutine = false; // ask the question, then call deleteSubroutine on Yes
    bool keepDialogOpen = false;      // a refused name: the dialog waits for another
};

// What the modify command opens for the selected element.
enum class ModifyKind { None, Dialog, NewPathQuestion, NewMelodyQuestion };
struct ModifyStart {
    ModifyKind kind = ModifyKind::None;
    DialogId dialog = DialogId::None;
};

// What a palette item asks for: a dialog or editor to open (with its title), or nothing more when
// the element was inserted at once or the choice was refused (`outcome`).
struct PaletteChoice {
    DialogId open = DialogId::None;
    std::string title;
    EditOutcome outcome;
};

class ProgramEditor {
public:
    // `warnUncodedIcons`: an element added that the library has no code for is told so (the
    // settings' choice; a run without windows leaves it off).
    ProgramEditor(ProgramStore& store, EditorState& editor, UndoHistory& history, const bool& syntaxAssistantOff,
                  const bool& warnUncodedIcons = kNoUncodedWarning);

    // The OK of every dialog and the palette items without a dialog: `currentElement` appended to
    // the active sequence (or moved into place by a pending insertion or replacement) or stored over
    // the element being modified.
    EditOutcome commitElement();

    // A toolbox button opens its palette: a new element starts from a cleared `currentElement`.
    void openPalette();
    // Item `item` of palette `palette` (toolbox order) was released.
    PaletteChoice choosePaletteItem(int palette, int item);

    // The element menu on element `index` of the active sequence.
    ModifyStart beginModify(int index);
    EditOutcome deleteElement(int index);
    EditOutcome deleteSubroutine(int sequence); // after the user answered Yes
    EditOutcome insertSeparator(int index);
    bool beginInsert(int index);
    bool beginReplace(int index);
    EditOutcome cancelPending(); // status panel 7

    // The label dialog's OK: name rules, the label table and the commit. `renamedEntry` is the
    // label table entry of the label being modified (-1 when inserting).
    EditOutcome acceptLabel(std::string typedName, int renamedEntry);
    // The subroutine dialog's OK: a new subroutine (inserting) or the active one renamed.
    EditOutcome acceptSubroutine(std::string typedName);

    // A new program: the store reset with the start element drawn; the history forgotten.
    void newProgram();
    // After a program was loaded or the workspace cleared: normal mode, no history.
    void resetEditing();

    EditOutcome undo();
    EditOutcome redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    // Icon numbers, overlay positions and the label mark of the element just appended to sequence
    // `sequence` (what drawing it decides), with the capacity messages and, where the library has no
    // code for it, the warning that says so.
    std::vector<UserMessage> drawAppended(int sequence);

private:
    void remember(); // the program before a step
    void stepDone(EditOutcome& outcome);
    void finishPending(EditOutcome& outcome);
    void warnOfMissingLabel(EditOutcome& outcome, int sequence, const InstructionRecord& element) const;

    ProgramStore& store_;
    EditorState& editor_;
    UndoHistory& history_;
    const bool& syntaxAssistantOff_;
    const bool& warnUncodedIcons_;
    static constexpr bool kNoUncodedWarning = false;
    std::optional<ProgramSnapshot> before_;
};

// Every composed icon of a freshly loaded program numbered in order, with its overlay positions and
// label marks; the capacity message once when the numbers run out.
std::vector<UserMessage> numberLoadedIcons(ProgramStore& store);

// The icon layers of a stored element (a label by its mark).
std::vector<Layer> storedIconLayers(const InstructionRecord& record);
// The icon a dialog previews for `currentElement`: a new label by the element it will follow.
std::vector<Layer> previewIconLayers(const ProgramStore& store, const EditorState& editor);

} // namespace tarvel

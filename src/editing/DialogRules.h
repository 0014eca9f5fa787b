#pragma once
// The rules of a parameter dialog, without a window: which controls it has, what they show for the
// element being edited, what element the user's choices make, and what OK does. Every dialog is one
// of these; the window builds its controls from `controls()`, shows `view` and forwards the user's
// gestures. The frame (title, preview, constant entry, OK, cancel) is shared here once.
#include "model/Text.h"
#include "editing/EditorState.h"
#include "editing/ElementKinds.h"
#include "model/NumberEntry.h"
#include "model/ProgramStore.h"
#include "model/ToneTiming.h"
#include "model/UserMessage.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

enum class ControlKind {
    Picker,  // image combo box: items show a picture of imlstTeclas (selected: item 1..n)
    Options, // option buttons (selected: index 0..n-1)
    Check,   // check boxes, one per item (selected: bit i set when box i is ticked)
    Text,    // a text box (text)
    Combo,   // an editable list (text, list)
    Slider,  // a slider (selected: its value, items[0].picture..items[1].picture the range)
    Note,    // a line of text (text)
    Button,  // a push button, its caption the first item's word (chosen with 0)
    UpDown,  // up and down arrow buttons (chosen with +1 or -1)
};

struct PickerItem {
    PickerItem() = default;
    PickerItem(int picture_, Text word_, std::string name_ = {})
        : picture(picture_)
        , word(std::move(word_))
        , name(std::move(name_))
    {
    }
    int picture = 0;  // entry of imlstTeclas (pickers)
    Text word;        // what the item means: its accessible name, or an option's caption
    std::string name; // an option button's or check box's own control name (default: control_i)
};

struct ControlDesign {
    std::string name;    // the control's name: objectName of the widget
    ControlKind kind = ControlKind::Picker;
    std::string caption; // label beside the control, or the title of a frame of options (empty: none)
    std::vector<PickerItem> items;
    int maxLength = 0;   // typing limit of a text or combo (0: none)
    std::string captionName = {}; // the caption label's own control name (empty: unnamed)
    bool besidePrevious = false;  // shown on the row of the control before it
    std::string tooltip = {};
    std::optional<NumberRange> number = {}; // a text or combo that asks for a number: the range it takes
    std::vector<std::string> units = {}; // what may follow its digits ("Hz (Do)" of a listed tone)
};

// What the frame's constant entry (txtConst) takes: the 8-bit constants of every dialog.
inline constexpr NumberRange kConstantRange { 0, 255 };

struct ControlState {
    bool visible = true;
    bool enabled = true;
    int selected = 0;
    std::string text;
    std::vector<std::string> list; // a combo's entries
    std::vector<std::string> itemWords; // captions of check boxes or options that change (empty: as specified)
    bool red = false;                   // text shown in red (a value out of range)
};

// What the window shows, refreshed after every gesture.
struct DialogView {
    std::string title;
    std::vector<ControlState> controls; // parallel to controls()
    // The frame's constant entry: txtConst with UDConst, and lblConstant over the preview at the
    // element's overlay One or Two position.
    bool constantVisible = false;
    std::string constantText;
    bool constantRed = false;
    int constantOverlay = 1;
    std::string constantLabel;     // what lblConstant shows
    bool constantLabelBorder = false;
    int constantLabelWidth = 0;    // twips; 0: the size of the overlay it stands for
    // A name drawn over the preview at overlay Two (lblEtiqueta).
    std::optional<std::string> previewName;
    Text quickHelp; // lblQuickHelp
    // A tone the window should play now on the computer's speaker (the sound dialog's "Probar");
    // the window clears it once played.
    std::optional<ToneTiming> toneToPlay;
};

// What OK asks for.
struct DialogAccept {
    enum class Action { Commit, CommitLabel, CommitSubroutine, Close, Stay } action = Action::Commit;
    std::string name; // for labels and subroutines
    int labelEntry = -1;
    std::optional<UserMessage> message; // shown before the action

    static DialogAccept commit() { return {}; }
    static DialogAccept close() { return {Action::Close, {}, -1, std::nullopt}; }
    static DialogAccept stay(UserMessage m) { return {Action::Stay, {}, -1, std::move(m)}; }
};

class DialogRules {
public:
    DialogRules(DialogId id, std::string designCaption, std::vector<ControlDesign> controls, bool hasConstant);
    virtual ~DialogRules() = default;

    DialogId id() const { return id_; }
    const std::vector<ControlDesign>& controls() const { return controls_; }
    bool hasConstant() const { return hasConstant_; }
    int controlIndex(const std::string& name) const; // -1 when the dialog has no such control

    // Form load on `store.currentElement`: the defaults when inserting, then the controls. A title
    // from the palette replaces the design caption.
    void open(ProgramStore& store, EditorState& editor, const std::string& paletteTitle = {});
    // The user's gestures.
    void choose(const std::string& control, int value); // picker item, option index, check bits, slider
    void type(const std::string& control, const std::string& text);
    void typeConstant(const std::string& text); // txtConst_Change
    void constantUp();
    void constantDown();
    virtual DialogAccept accept() { return {}; }

    DialogView view;
    int dialogConstant = 0;

protected:
    virtual void load() = 0; // defaults (when inserting) and the controls for the element
    virtual void chosen(int /*control*/, int /*value*/) {}
    virtual void typed(int /*control*/, const std::string& /*text*/) {}
    virtual void storeConstant(int /*value*/) {} // the field that holds the constant

    InstructionRecord& element() { return store_->currentElement; }
    ProgramStore& store() { return *store_; }
    EditorState& editor() { return *editor_; }
    bool inserting() const { return editor_->insertMode; }
    ControlState& control(const std::string& name);
    // Shows or hides the constant entry with `dialogConstant`; the label sits at `overlay`.
    void showConstant(bool shown, int overlay);
    void writeConstant(); // dialogConstant into txtConst and lblConstant, which stores it
    // lblConstant alone (dialogs without txtConst): `text` over the preview at `overlay`, shown
    // only where the icon has that overlay.
    void showLabel(bool shown, int overlay, const std::string& text, bool border = false);

private:
    DialogId id_;
    std::string designCaption_;
    std::vector<ControlDesign> controls_;
    bool hasConstant_;
    ProgramStore* store_ = nullptr;
    EditorState* editor_ = nullptr;
};

// The value a constant entry takes from typed text: the leading number (0 for none), 255 and red
// above 255, otherwise its low 8 bits.
struct ConstantValue {
    int value = 0;
    bool red = false;
};
ConstantValue constantFromText(const std::string& text);

// Picker items of the variables 1..n (n up to 7), with their words.
std::vector<PickerItem> variableItems(int count);
// The picker item that shows `value`, or none (0) when a damaged element holds a value outside it.
inline int pickerItem(int value, int count)
{
    return value >= 1 && value <= count ? value : 0;
}

// The rules of a dialog, or none for the dialogs built elsewhere (the path and melody editors).
std::unique_ptr<DialogRules> makeDialogRules(DialogId id);

} // namespace tarvel

#include "editing/DialogRules.h"

#include "editing/CalculationDialogs.h"
#include "editing/DecisionDialogs.h"
#include "editing/InputDialogs.h"
#include "editing/OutputDialogs.h"
#include "editing/StructureDialogs.h"
#include "model/ElementDescription.h"
#include "model/IconComposition.h"
#include "model/NumberText.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

ConstantValue constantFromText(const std::string& text)
{
    const std::size_t start = text.find_first_not_of(' ');
    const double v = start == std::string::npos ? 0 : leadingNumber(std::string_view(text).substr(start));
    if (v > 255)
        return {255, true};
    // Rounded, then its low 8 bits: "-1" is 255. Far-off values cannot overflow the reduction.
    const double rounded = std::clamp(std::nearbyint(v), -1.0e15, 1.0e15);
    return {int((long long)rounded & 255), false};
}

std::vector<PickerItem> variableItems(int count)
{
    std::vector<PickerItem> items;
    for (int n = 1; n <= count; ++n)
        items.push_back({n, variableText(n)});
    return items;
}

DialogRules::DialogRules(DialogId id, std::string designCaption, std::vector<ControlDesign> controls, bool hasConstant)
    : id_(id)
    , designCaption_(std::move(designCaption))
    , controls_(std::move(controls))
    , hasConstant_(hasConstant)
{
    view.controls.resize(controls_.size());
}

int DialogRules::controlIndex(const std::string& name) const
{
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].name == name)
            return int(i);
    return -1;
}

ControlState& DialogRules::control(const std::string& name)
{
    static ControlState none;
    const int i = controlIndex(name);
    if (i < 0) {
        none = {};
        return none;
    }
    return view.controls[std::size_t(i)];
}

void DialogRules::open(ProgramStore& store, EditorState& editor, const std::string& paletteTitle)
{
    store_ = &store;
    editor_ = &editor;
    view = DialogView{};
    view.controls.assign(controls_.size(), ControlState{});
    dialogConstant = 0;
    const std::string caption = paletteTitle.empty() ? designCaption_ : paletteTitle;
    view.title = editor.insertMode ? caption : caption + " [Modificar]";
    load();
}

void DialogRules::choose(const std::string& name, int value)
{
    const int i = controlIndex(name);
    if (i < 0 || !store_)
        return;
    ControlState& c = view.controls[std::size_t(i)];
    const ControlDesign& design = controls_[std::size_t(i)];
    if (design.kind == ControlKind::Picker && (value < 1 || value > int(design.items.size())))
        return;
    if (design.kind == ControlKind::Options && (value < 0 || value >= int(design.items.size())))
        return;
    if (design.kind == ControlKind::Check && (value < 0 || value >= (1 << design.items.size())))
        return;
    if (design.kind == ControlKind::UpDown && value != 1 && value != -1)
        return;
    if (!c.enabled || !c.visible)
        return; // a hidden or disabled control takes no gesture
    if (design.kind != ControlKind::Button && design.kind != ControlKind::UpDown)
        c.selected = value;
    chosen(i, value);
}

void DialogRules::type(const std::string& name, const std::string& text)
{
    const int i = controlIndex(name);
    if (i < 0 || !store_)
        return;
    const ControlDesign& design = controls_[std::size_t(i)];
    ControlState& c = view.controls[std::size_t(i)];
    c.text = design.maxLength > 0 && int(text.size()) > design.maxLength ? text.substr(0, std::size_t(design.maxLength)) : text;
    typed(i, c.text);
}

void DialogRules::typeConstant(const std::string& text)
{
    if (!hasConstant_ || !store_)
        return;
    view.constantText = text;
    const ConstantValue v = constantFromText(text);
    view.constantRed = v.red;
    dialogConstant = v.value;
    if (view.constantVisible) {
        view.constantLabel = signedNumber(dialogConstant);
        storeConstant(dialogConstant);
    }
}

void DialogRules::constantUp()
{
    dialogConstant = dialogConstant >= 255 ? 0 : dialogConstant + 1;
    writeConstant();
}

void DialogRules::constantDown()
{
    dialogConstant = dialogConstant <= 0 ? 255 : dialogConstant - 1;
    writeConstant();
}

void DialogRules::writeConstant()
{
    typeConstant(plainNumber(dialogConstant));
    view.constantLabel = signedNumber(dialogConstant);
}

void DialogRules::showConstant(bool shown, int overlay)
{
    // The label sits where the icon prints its value: without such an overlay there is nothing to show.
    InstructionRecord probe = element();
    setOverlayPositions(probe);
    const int top = overlay == 1 ? probe.lblOneTop : probe.lblTwoTop;
    view.constantVisible = shown && top >= 1;
    view.constantOverlay = overlay;
}

void DialogRules::showLabel(bool shown, int overlay, const std::string& text, bool border)
{
    showConstant(shown, overlay);
    view.constantLabel = text;
    view.constantLabelBorder = border;
}

std::unique_ptr<DialogRules> makeDialogRules(DialogId id)
{
    for (auto make : {makeCalculationDialog, makeInputDialog, makeOutputDialog, makeDecisionDialog,
                      makeStructureDialog})
        if (auto rules = make(id))
            return rules;
    return nullptr;
}

} // namespace tarvel

#include "model/IconComposition.h"

#include "model/NumberText.h"
#include "model/ProgramStore.h"

namespace tarvel {

const char* layerListName(LayerList list)
{
    switch (list) {
    case LayerList::Especial: return "vacio";
    case LayerList::Frame: return "frame";
    case LayerList::Motores: return "motores";
    case LayerList::Salidas: return "salidas";
    case LayerList::Entradas: return "entradas";
    case LayerList::Esperas: return "esperas";
    case LayerList::Calculos: return "calculos";
    case LayerList::Decisiones: return "decisiones";
    case LayerList::Saltos: return "saltos";
    }
    return "";
}

namespace {

using L = LayerList;

std::optional<Layer> outputOptionLayer(const InstructionRecord& r)
{
    switch (r.option) {
    case outputs::FromVariable: return Layer{L::Calculos, r.arg1};
    case outputs::FromConstant: return Layer{L::Salidas, 5};
    case outputs::SwitchOn: return Layer{L::Salidas, 1};
    case outputs::SwitchOff: return Layer{L::Salidas, 2};
    case outputs::PlaySequence: return Layer{L::Salidas, 3};
    default: return std::nullopt;
    }
}

int inputPicture(int s, int o)
{
    static const int table[][3] = {{10, 10, 1}, {10, 11, 2}, {11, 10, 3}, {12, 10, 4},
                                   {12, 12, 5}, {13, 10, 6}, {13, 13, 7}, {14, 12, 8}};
    for (const auto& row : table)
        if (row[0] == s && row[1] == o)
            return row[2];
    return 0;
}

Layer frame(int n) { return {L::Frame, n}; }

} // namespace

std::vector<Layer> iconLayers(const InstructionRecord& r, int labelPicture)
{
    const int f = r.family, s = r.subtype, o = r.option;
    if (f == 0)
        return {{L::Especial, 1}};
    if (f == family::Separator)
        return {};
    if (f == family::Motors && s >= motors::Forward && s <= motors::Stop)
        return {frame(s == motors::Forward || s == motors::Backward || s == motors::Stop ? 2 : 1),
                {L::Motores, s - 9}};
    if (f == family::Outputs) {
        if (r.is(family::Outputs, outputs::Sound, outputs::OkSound) ||
            r.is(family::Outputs, outputs::Sound, outputs::ErrorSound) ||
            r.is(family::Outputs, outputs::Sound, outputs::Melody) ||
            r.is(family::Outputs, outputs::PcMessage, outputs::SendText)) {
            const int kind = o == outputs::OkSound ? 7 : o == outputs::ErrorSound ? 8 : o == outputs::Melody ? 9 : 12;
            return {frame(1), {L::Salidas, kind}};
        }
        if (r.is(family::Outputs, outputs::Sound, outputs::Tone))
            return {frame(2), {L::Salidas, 10}};
        const auto option = outputOptionLayer(r);
        // 4 = 1 + 2, 5 = 3 + 4: the option layer lies beneath
        if (s == outputs::Display && o >= outputs::FromVariable && o <= outputs::SwitchOff && option)
            return {*option, {L::Salidas, 5}, frame(o <= outputs::FromConstant ? 1 : 2)};
        const bool lightOrSound = (s == outputs::Lamp || s == outputs::Sound) &&
                                  (o == outputs::FromVariable || o == outputs::SwitchOn || o == outputs::SwitchOff);
        if ((lightOrSound || s == outputs::PcMessage) && o >= outputs::FromVariable && o <= outputs::PlaySequence &&
            option)
            return {*option, frame(1), {L::Salidas, s == outputs::Lamp ? 4 : s == outputs::Sound ? 6 : 11}};
        return {};
    }
    if (f == family::Inputs) {
        const int picture = inputPicture(s, o);
        if (picture == 0)
            return {};
        return {{L::Entradas, picture}, frame(1), {L::Calculos, r.arg1 + 26}};
    }
    if (f == family::Waits) {
        if (waits::isCondition(s) && (o == waits::While || o == waits::Until))
            return {frame(o == waits::While ? 3 : 4), {L::Esperas, s - 4}};
        const int delay = s == waits::Seconds       ? 1
                          : s == waits::Tenths      ? 2
                          : s == waits::Hundredths  ? 13
                          : s == waits::Thousandths ? 14
                                                    : 0;
        if (delay && o == waits::ConstantAmount)
            return {frame(1), {L::Esperas, delay}};
        if (delay && o == waits::VariableAmount)
            return {{L::Esperas, r.arg1 + 2}, frame(1), {L::Esperas, delay}};
        return {};
    }
    if (f == family::Calculations) {
        if (calculations::isOperation(s) && o == calculations::ConstantOperand)
            return {{L::Calculos, s - 4}, frame(1), {L::Calculos, r.arg1 + 10}};
        if (calculations::isOperation(s) && o == calculations::VariableOperand)
            return {frame(1), {L::Calculos, r.arg1 + 10}, {L::Calculos, s - 4}, {L::Calculos, r.arg2 + 15}};
        if (s == calculations::Load) {
            if (o == calculations::LoadConstant)
                return {frame(1), {L::Calculos, r.arg2 + 26}};
            if (o == calculations::LoadVariable)
                return {{L::Calculos, r.arg1 + 20}, frame(1), {L::Calculos, r.arg2 + 26}};
            if (o == calculations::LoadRandom)
                return {{L::Calculos, 26}, frame(1), {L::Calculos, r.arg2 + 26}};
        }
        return {};
    }
    if (f == family::Decisions || f == family::DecisionsInverted) {
        const Layer base = frame(f == family::Decisions ? 5 : 6);
        if (s == decisions::Repeat)
            return {base, {L::Decisiones, r.arg1 + 21}};
        if (decisions::isCondition(s))
            return {base, {L::Decisiones, s - 5}};
        if (decisions::isComparison(s) && o == decisions::WithConstant)
            return {base, {L::Decisiones, r.arg1}, {L::Decisiones, s + 6}};
        if (decisions::isComparison(s))
            return {base, {L::Decisiones, r.arg1}, {L::Decisiones, r.arg2 + 5}, {L::Decisiones, s + 6}};
        return {};
    }
    if (f == family::Structure) {
        switch (s) {
        case structure::ProgramStart: return {{L::Saltos, 1}};
        case structure::Label: return {{L::Saltos, labelPicture == 1 ? 1 : 2}};
        case structure::Jump: return {{L::Saltos, 3}};
        case structure::SubroutineStart: return {{L::Saltos, 4}};
        case structure::Call: return {{L::Saltos, 5}};
        case structure::SubroutineEnd: return {{L::Saltos, 6}};
        case structure::ProgramEnd: return {{L::Saltos, 7}};
        default: return {};
        }
    }
    return {};
}

void setOverlayPositions(InstructionRecord& r)
{
    r.lblOneTop = r.lblOneLeft = r.lblTwoTop = r.lblTwoLeft = 0;
    auto one = [&](int top, int left) { r.lblOneTop = std::int16_t(top), r.lblOneLeft = std::int16_t(left); };
    auto two = [&](int top, int left) { r.lblTwoTop = std::int16_t(top), r.lblTwoLeft = std::int16_t(left); };
    const int f = r.family, s = r.subtype, o = r.option;
    if (f == family::Motors && (s == motors::Forward || s == motors::Backward || s == motors::Stop))
        two(1440, 360);
    else if (r.is(family::Outputs, outputs::Sound, outputs::Tone))
        two(1440, 150);
    else if (r.is(family::Outputs, outputs::Display, outputs::FromConstant))
        two(240, 100);
    else if (f == family::Outputs && s == outputs::Display && o >= outputs::SwitchOn && o <= outputs::PlaySequence)
        two(1440, 360);
    else if (f == family::Outputs && o == outputs::FromConstant && s != outputs::Display)
        one(240, 100);
    else if (f == family::Waits && o == waits::ConstantAmount)
        one(300, 200);
    else if (f == family::Calculations && calculations::isOperation(s) && o == calculations::ConstantOperand)
        two(700, 550);
    else if (r.is(family::Calculations, calculations::Load, calculations::LoadConstant))
        one(240, 360);
    else if (f == family::Structure &&
             (s == structure::ProgramStart || s == structure::Label || s == structure::SubroutineStart))
        two(1240, 90);
    else if (f == family::Structure && (s == structure::Jump || s == structure::Call))
        two(1440, 160);
    else if (f == family::Decisions || f == family::DecisionsInverted) {
        if (decisions::isComparison(s) && o == decisions::WithConstant)
            one(690, 340);
        two(1460, 240);
    }
}

namespace {
bool noFlowFromAbove(const InstructionRecord& before)
{
    return before.family == family::Separator || before.is(family::Structure, structure::ProgramEnd) ||
           before.is(family::Structure, structure::Jump);
}
} // namespace

int labelPictureAt(ProgramStore& store, int sequence, int index)
{
    if (index < 1)
        return 1; // the first element of its sequence: nothing above it
    if (!noFlowFromAbove(store.recordAt(sequence, index - 1)))
        return 2;
    InstructionRecord& label = store.recordAt(sequence, index);
    if (label.is(family::Structure, structure::Label))
        label.arg3 = structure::LabelNoFlowAbove; // only a label is ever marked
    return 1;
}

int labelPicture(ProgramStore& store, int sequence, bool insertMode, InstructionRecord& current)
{
    if (!insertMode)
        return current.arg3 == structure::LabelNoFlowAbove ? 1 : 2;
    const int length = store.sequenceLength(sequence);
    if (length < 2)
        return 1;
    const int picture = labelPictureAt(store, sequence, length - 1);
    if (picture == 1 && store.recordAt(sequence, length - 1).is(family::Structure, structure::Label) &&
        current.is(family::Structure, structure::Label))
        current.arg3 = structure::LabelNoFlowAbove;
    return picture;
}

int findMainLabel(const ProgramStore& store, const std::string& name)
{
    for (int i = 1; i < kMainSlots && !store.recordAt(0, i).empty(); ++i)
        if (store.recordAt(0, i).is(family::Structure, structure::Label) && store.recordAt(0, i).name == name)
            return i;
    return -1;
}

int labelJumpRow(int index)
{
    const int row = index / kGridColumns;
    return row > 3 ? row - 3 : row;
}

OverlayLabel overlayOne(const InstructionRecord& r)
{
    OverlayLabel label;
    if (r.lblOneTop < 1)
        return label;
    label.visible = true;
    label.text = signedNumber(r.family == family::Decisions || r.family == family::DecisionsInverted ? r.arg2 : r.arg1);
    label.top = r.lblOneTop;
    label.left = r.lblOneLeft;
    label.width = 375;
    label.height = 195;
    return label;
}

OverlayLabel overlayTwo(const InstructionRecord& r)
{
    OverlayLabel label;
    if (r.lblTwoTop < 1)
        return label;
    label.visible = true;
    label.top = r.lblTwoTop;
    label.left = r.lblTwoLeft;
    label.transparent = false;
    label.background = 0xFFFFFF;
    if (!r.name.empty()) {
        label.text = r.name;
        label.border = true;
        label.width = 855;
        label.height = 255;
        if (r.family == family::Structure && r.subtype != structure::Jump && r.subtype != structure::Call) {
            label.border = false;
            // Colours given as &HBBGGRR: C0FFC0 light green, C0FFFF light yellow.
            label.background = r.subtype == structure::SubroutineStart ? 0xC0FFC0 : 0xFFFFC0;
        }
        if (r.family == family::Motors) {
            label.width = 450;
            label.height = 240;
        }
        if (r.is(family::Outputs, outputs::Display)) {
            label.width = 450;
            label.height = 240;
            if (r.option == outputs::FromConstant)
                label.border = false;
        }
    } else {
        label.text = signedNumber(r.arg2);
        label.width = 375;
        label.height = 195;
        if (r.is(family::Outputs, outputs::Sound, outputs::Tone)) {
            label.width = 850;
            label.height = 255;
            label.border = true;
            label.text += "Hz";
        }
    }
    return label;
}

bool warnsUncoded(const InstructionRecord& r, const ProgramStore& store, bool warnUncodedIcons)
{
    return warnUncodedIcons && r.family >= family::Motors && r.family < family::LibraryReserved &&
           r.family != family::Structure && store.elementSizeTable.at(r.family, r.subtype, r.option) == 0;
}

} // namespace tarvel

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
    case 10: return Layer{L::Calculos, r.arg1};
    case 11: return Layer{L::Salidas, 5};
    case 12: return Layer{L::Salidas, 1};
    case 13: return Layer{L::Salidas, 2};
    case 14: return Layer{L::Salidas, 3};
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
    if (f == family::Motors && s >= 10 && s <= 17)
        return {frame(s == 10 || s == 11 || s == 17 ? 2 : 1), {L::Motores, s - 9}};
    if (f == family::Outputs) {
        if (r.is(11, 12, 16) || r.is(11, 12, 17) || r.is(11, 12, 14) || r.is(11, 13, 15)) {
            const int kind = o == 16 ? 7 : o == 17 ? 8 : o == 14 ? 9 : 12;
            return {frame(1), {L::Salidas, kind}};
        }
        if (r.is(11, 12, 11))
            return {frame(2), {L::Salidas, 10}};
        const auto option = outputOptionLayer(r);
        if (s == 11 && o >= 10 && o <= 13 && option) // 4 = 1 + 2, 5 = 3 + 4: the option layer lies beneath
            return {*option, {L::Salidas, 5}, frame(o <= 11 ? 1 : 2)};
        const bool lightOrSound = (s == 10 || s == 12) && (o == 10 || o == 12 || o == 13);
        if ((lightOrSound || s == 13) && o >= 10 && o <= 14 && option)
            return {*option, frame(1), {L::Salidas, s == 10 ? 4 : s == 12 ? 6 : 11}};
        return {};
    }
    if (f == family::Inputs) {
        const int picture = inputPicture(s, o);
        if (picture == 0)
            return {};
        return {{L::Entradas, picture}, frame(1), {L::Calculos, r.arg1 + 26}};
    }
    if (f == family::Waits) {
        if (s >= 12 && s <= 16 && (o == 12 || o == 13))
            return {frame(o == 12 ? 3 : 4), {L::Esperas, s - 4}};
        const int delay = s == 10 ? 1 : s == 11 ? 2 : s == 17 ? 13 : s == 18 ? 14 : 0;
        if (delay && o == 10)
            return {frame(1), {L::Esperas, delay}};
        if (delay && o == 11)
            return {{L::Esperas, r.arg1 + 2}, frame(1), {L::Esperas, delay}};
        return {};
    }
    if (f == family::Calculations) {
        if (s >= 10 && s <= 14 && o == 11)
            return {{L::Calculos, s - 4}, frame(1), {L::Calculos, r.arg1 + 10}};
        if (s >= 10 && s <= 14 && o == 12)
            return {frame(1), {L::Calculos, r.arg1 + 10}, {L::Calculos, s - 4}, {L::Calculos, r.arg2 + 15}};
        if (s == 15) {
            if (o == 11)
                return {frame(1), {L::Calculos, r.arg2 + 26}};
            if (o == 12)
                return {{L::Calculos, r.arg1 + 20}, frame(1), {L::Calculos, r.arg2 + 26}};
            if (o == 13)
                return {{L::Calculos, 26}, frame(1), {L::Calculos, r.arg2 + 26}};
        }
        return {};
    }
    if (f == family::Decisions || f == family::DecisionsInverted) {
        const Layer base = frame(f == family::Decisions ? 5 : 6);
        if (s == 21)
            return {base, {L::Decisiones, r.arg1 + 21}};
        if (s >= 16 && s <= 20)
            return {base, {L::Decisiones, s - 5}};
        if (s >= 10 && s <= 15 && o == 10)
            return {base, {L::Decisiones, r.arg1}, {L::Decisiones, s + 6}};
        if (s >= 10 && s <= 15)
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
    if (f == family::Motors && (s == 10 || s == 11 || s == 17))
        two(1440, 360);
    else if (r.is(11, 12, 11))
        two(1440, 150);
    else if (r.is(11, 11, 11))
        two(240, 100);
    else if (f == family::Outputs && s == 11 && o >= 12 && o <= 14)
        two(1440, 360);
    else if (f == family::Outputs && o == 11 && s != 11)
        one(240, 100);
    else if (f == family::Waits && o == 10)
        one(300, 200);
    else if (f == family::Calculations && s >= 10 && s <= 14 && o == 11)
        two(700, 550);
    else if (r.is(14, 15, 11))
        one(240, 360);
    else if (f == family::Structure && (s == 10 || s == 11 || s == 13))
        two(1240, 90);
    else if (f == family::Structure && (s == 12 || s == 14))
        two(1440, 160);
    else if (f == family::Decisions || f == family::DecisionsInverted) {
        if (s >= 10 && s <= 15 && o == 10)
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
        label.arg3 = 15; // only a label is ever marked
    return 1;
}

int labelPicture(ProgramStore& store, int sequence, bool insertMode, InstructionRecord& current)
{
    if (!insertMode)
        return current.arg3 == 15 ? 1 : 2;
    const int length = store.sequenceLength(sequence);
    if (length < 2)
        return 1;
    const int picture = labelPictureAt(store, sequence, length - 1);
    if (picture == 1 && store.recordAt(sequence, length - 1).is(family::Structure, structure::Label) &&
        current.is(family::Structure, structure::Label))
        current.arg3 = 15;
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
    label.text = signedNumber(r.family == 15 || r.family == 16 ? r.arg2 : r.arg1);
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
        if (r.is(family::Outputs, 11)) {
            label.width = 450;
            label.height = 240;
            if (r.option == 11)
                label.border = false;
        }
    } else {
        label.text = signedNumber(r.arg2);
        label.width = 375;
        label.height = 195;
        if (r.is(11, 12, 11)) {
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
    return warnUncodedIcons && r.family >= 10 && r.family <= 25 && r.family != family::Structure &&
           store.elementSizeTable.at(r.family, r.subtype, r.option) == 0;
}

} // namespace tarvel

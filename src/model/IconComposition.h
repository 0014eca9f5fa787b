#pragma once
// Which layered pictures make up an element's icon, where its two value overlays sit and what they
// show. Pure rules: the canvas turns them into pixels.
#include "model/InstructionRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvel {

class ProgramStore;

// The picture lists of the icon layers.
enum class LayerList { Especial, Frame, Motores, Salidas, Entradas, Esperas, Calculos, Decisiones, Saltos };
const char* layerListName(LayerList list); // folder name of its pictures: "frame", "motores", ...

struct Layer {
    LayerList list;
    int entry; // 1-based
    bool operator==(const Layer&) const = default;
};

// The layers of an icon in drawing order, bottom first; empty when the element has no icon.
std::vector<Layer> iconLayers(const InstructionRecord& record, int labelPicture = 2);

// Sets the four overlay positions of `record` (twips from the cell's corner; 0 = no overlay).
void setOverlayPositions(InstructionRecord& record);

// The label rule: picture 1 when no flow can arrive from the element above, 2 otherwise. While a
// new element is being placed the label (the last element of `sequence`) is marked with arg3 15.
int labelPicture(ProgramStore& store, int sequence, bool insertMode, InstructionRecord& current);
// The same rule for the label at `index`, as drawn right after it was appended (loading a file).
int labelPictureAt(ProgramStore& store, int sequence, int index);

// The first label of the main program with this name (index 1..600), or -1.
int findMainLabel(const ProgramStore& store, const std::string& name);
// The scroll row that shows the element at `index` in the view, its row at the bottom when it is
// further down than the first four rows.
int labelJumpRow(int index);

// One value overlay as the canvas shows it.
struct OverlayLabel {
    bool visible = false;
    std::string text;       // Windows-1252
    int top = 0, left = 0;  // twips from the cell's corner
    int width = 0, height = 0;
    bool border = false;
    unsigned background = 0xFFFFFF; // RGB; only for overlay Two
    bool transparent = true;        // overlay One has no background
};
OverlayLabel overlayOne(const InstructionRecord& record);
OverlayLabel overlayTwo(const InstructionRecord& record);

// Whether drawing this element warns that the library has no code for it.
bool warnsUncoded(const InstructionRecord& record, const ProgramStore& store, bool warnUncodedIcons);

} // namespace tarvel

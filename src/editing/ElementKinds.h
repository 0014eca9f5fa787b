#pragma once
// The one registry where element kinds, palette items and their dialogs meet: which dialog edits an
// element, what each palette item does, and the words the palettes give the dialogs.
#include "model/Text.h"
#include "model/InstructionRecord.h"

#include <string>
#include <vector>

namespace tarvel {

// The parameter dialogs and editors, by their form names.
enum class DialogId {
    None,
    MotoresBasico,
    SalidaLuces,
    SalidaPantalla,
    SalidaSonido,
    SalidaMensaje,
    EntradaLuz,
    EntradaTacto,
    EntradaControl,
    EntradaSonido,
    EntradaMensaje,
    EsperaTiempo,
    EsperaDirecta,
    CalculoMatematico,
    CalculoLogico,
    CalculoCarga,
    DecisionComparar,
    DecisionDirecta,
    SaltosRepetir,
    SaltoNuevaEtiq,
    SaltoSaltar,
    SaltoNuevaSub,
    SaltoFinProg,
    MotorTour,        // path editor
    SalidaSonidoTour, // melody editor
};
const char* dialogFormName(DialogId id); // "formCalculoMatematico", ...

// The dialog that modifies an element; None for elements without one (turns, spins, the subroutine
// end, separators, codes no palette makes). Paths and melodies answer their editors.
DialogId dialogFor(const InstructionRecord& record);
// The word the modify command gives the dialogs that serve several elements (Windows-1252).
std::string modifyActionText(const InstructionRecord& record);

// What a palette item does.
enum class PaletteAction {
    OpenDialog,      // set the codes given, then open the dialog
    InsertAtOnce,    // the element needs no dialog: commit it now
    CloseSubroutine, // the subroutine end: refused in the main program
    CallSubroutine,  // refused inside a subroutine (no nesting)
    EndProgram,      // refused inside a subroutine while the syntax assistant is on
};

struct PaletteItem {
    std::string tooltip;
    PaletteAction action = PaletteAction::OpenDialog;
    DialogId dialog = DialogId::None;
    int family = 0;  // codes the item sets (0: left to the dialog)
    int subtype = 0;
    std::string actionText; // dialogActionText for the dialog
    std::string title;      // the window title replacing the dialog's design caption
    bool checksStructure = false; // the structure check runs before the dialog opens
};

struct Palette {
    std::string window;   // "subToolMotores"
    std::string items;    // "imgSubToolMotores"
    std::string pictures; // "imlstMotores"
    std::string theme;    // the toolbox button's tooltip, "Operacion de Motor"
    std::string name;     // a short name for the palette, "Motores"
    std::vector<PaletteItem> entries;
};

// The seven palettes in toolbox order.
const std::vector<Palette>& palettes();

} // namespace tarvel

#pragma once
#include "editing/DialogRules.h"

namespace tarvel {

// formSaltoNuevaEtiq, formSaltoSaltar, formSaltoNuevaSub and formSaltoFinProg; none for other
// dialogs.
std::unique_ptr<DialogRules> makeStructureDialog(DialogId id);

} // namespace tarvel

#pragma once
#include "editing/DialogRules.h"

namespace tarvel {

// formMotoresBasico, formSalidaLuces, formSalidaPantalla, formSalidaSonido and formSalidaMensaje;
// none for other dialogs.
std::unique_ptr<DialogRules> makeOutputDialog(DialogId id);

} // namespace tarvel

#pragma once
#include "editing/DialogRules.h"

namespace tarvel {

// The five input dialogs (formEntradaLuz .. formEntradaMensaje) and the two waits
// (formEsperaTiempo, formEsperaDirecta); none for other dialogs.
std::unique_ptr<DialogRules> makeInputDialog(DialogId id);

// The help line of a time wait by constant: how long it waits and, for tenths with independent
// motors, the angle a robot turning on the spot covers meanwhile (Windows-1252).
Text timeWaitHelp(int subtype, int units, const ProgramSettings& settings);

} // namespace tarvel

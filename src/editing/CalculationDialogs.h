#pragma once
#include "editing/DialogRules.h"

namespace tarvel {

// formCalculoMatematico, formCalculoLogico and formCalculoCarga; none for other dialogs.
std::unique_ptr<DialogRules> makeCalculationDialog(DialogId id);

} // namespace tarvel

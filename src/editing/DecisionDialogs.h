#pragma once
#include "editing/DialogRules.h"

namespace tarvel {

// formDecisionComparar, formDecisionDirecta and formSaltosRepetir; none for other dialogs.
std::unique_ptr<DialogRules> makeDecisionDialog(DialogId id);

} // namespace tarvel

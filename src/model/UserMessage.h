#pragma once
// A message for the user, returned as a value: the core decides the words, the caller shows them.
#include "model/Text.h"

namespace tarvel {

enum class MessageIcon { Information, Warning, Critical, Question };

struct UserMessage {
    Text text; // rendered in Spanish where it is printed, in the user's language in a window
    Text title;
    MessageIcon icon = MessageIcon::Information;
};

} // namespace tarvel

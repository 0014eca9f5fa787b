#pragma once
// A message for the user, returned as a value: the core decides the words, the caller shows them.
#include <string>

namespace tarvel {

enum class MessageIcon { Information, Warning, Critical, Question };

struct UserMessage {
    std::string text; // Windows-1252 bytes, like every text of the core
    std::string title;
    MessageIcon icon = MessageIcon::Information;
};

} // namespace tarvel

#pragma once
// Small text helpers shared by every subsystem (texts are Windows-1252 bytes).
#include <string>
#include <string_view>

namespace tarvel {

// Without leading and trailing blanks (only blanks: tabs and other bytes stay).
std::string trimBlanks(std::string_view text);
std::string upperCase(std::string_view text);
// The value of a hexadecimal digit (either case), or -1 for any other character.
int hexDigit(char c);

} // namespace tarvel

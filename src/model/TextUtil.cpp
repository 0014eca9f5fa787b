#include "model/TextUtil.h"

#include <algorithm>
#include <cctype>

namespace tarvel {

std::string trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string upperCase(std::string_view text)
{
    std::string out(text);
    // Only ASCII letters: the system's keywords and mnemonics are ASCII.
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
    return out;
}

} // namespace tarvel

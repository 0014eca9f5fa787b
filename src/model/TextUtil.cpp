#include "model/TextUtil.h"

#include <algorithm>
#include <cctype>

namespace tarvel {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}


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

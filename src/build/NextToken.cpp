#include "build/NextToken.h"

#include <algorithm>
#include <cctype>

namespace tarvel {

std::string NextToken(std::string_view line, std::size_t& position, char separator)
{
    while (position < line.size() && line[position] == ' ')
        ++position;
    const std::size_t start = position;
    while (position < line.size() && line[position] != separator && line[position] != '\r')
        ++position;
    std::string token(line.substr(start, position - start));
    if (position < line.size() && line[position] == separator)
        ++position;
    return token;
}

long long leadingDigits(std::string_view word)
{
    long long value = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            break;
        value = std::min(value * 10 + (c - '0'), 1LL << 40);
    }
    return value;
}

} // namespace tarvel

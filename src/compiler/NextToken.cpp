#include "compiler/NextToken.h"

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

} // namespace tarvel

#pragma once
// Conversion between the Windows-1252 bytes the core keeps and the UTF-8 shown at the edges.
#include <string>
#include <string_view>

namespace tarvel {

std::string cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte become "?".
std::string utf8ToCp1252(std::string_view text);
// The first character of `text` (UTF-8) that has no Windows-1252 byte, or "" when every one has.
std::string firstWithoutCp1252(std::string_view text);

} // namespace tarvel

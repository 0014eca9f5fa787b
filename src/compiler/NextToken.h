#pragma once
// The one tokenizer of the library loader, the translator and the assembler.
#include <cstddef>
#include <string>
#include <string_view>

#include "model/NumberText.h"
#include "model/TextUtil.h"

namespace tarvel {

// Skips blanks at `position`, then takes the characters up to `separator` (exclusive), a carriage
// return or the end of the line; `position` moves past the separator. "" at the end of the line.
std::string NextToken(std::string_view line, std::size_t& position, char separator);

} // namespace tarvel

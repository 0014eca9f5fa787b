#pragma once
// Whole-file reads and writes. A write goes to a temporary file beside the target and is renamed
// over it, so the previous file stays whole until the new one is complete.
#include <filesystem>
#include <string>

namespace tarvel {

bool readWholeFile(const std::filesystem::path& path, std::string& bytes);
// Empty on success, otherwise the reason (in Spanish).
std::string writeFileReplacing(const std::filesystem::path& path, std::string_view bytes);

} // namespace tarvel

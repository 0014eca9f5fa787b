#pragma once
// Challenge files: JSON written by a teacher, in the application folder's retos/. Nothing in a bad
// file crashes the reader or is silently dropped: an unknown field, a missing one or a value of the
// wrong type is refused with a message that names the field as the file writes it.
#include "challenges/Challenge.h"
#include "model/Text.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvel {

struct ChallengeLoad {
    std::optional<Challenge> challenge;
    Text error; // empty when the challenge loaded
};

// Reads a challenge file; a world named by file is looked for in `worldsFolder`.
ChallengeLoad loadChallengeFile(const std::filesystem::path& path, const std::filesystem::path& worldsFolder);
// Reads challenge text (UTF-8 JSON). `worldsFolder` as above; an inline world's picture is not allowed.
ChallengeLoad parseChallenge(std::string_view json, const std::filesystem::path& worldsFolder);

// The challenge files of a folder (*.json), sorted by file name: the numbers their names start
// with give the order of the lessons.
std::vector<std::filesystem::path> challengeFiles(const std::filesystem::path& folder);

// A challenge file is a few kilobytes; an inline world with hundreds of walls stays well below this.
constexpr std::uintmax_t kChallengeFileMaxBytes = std::uintmax_t(4) << 20;

} // namespace tarvel

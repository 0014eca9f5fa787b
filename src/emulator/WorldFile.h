#pragma once
// World files: a small JSON text a teacher can write, with an optional floor picture beside it
// (PGM or PPM, the portable grey and colour map formats). Nothing in a bad file crashes the
// reader: it answers with a message instead.
#include "emulator/World.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

struct WorldLoad {
    std::optional<World> world;
    std::string error; // Windows-1252, empty when the world loaded
};

// Reads a world file; the floor picture is looked for beside it.
WorldLoad loadWorldFile(const std::filesystem::path& path);
// Reads world text; `folder` is where its picture lies (empty: a picture is refused).
WorldLoad parseWorld(std::string_view json, const std::filesystem::path& folder);
// Reads a PGM (P2, P5) or PPM (P3, P6) picture as grey levels; empty with `error` set when bad.
GreyPicture parsePicture(std::string_view bytes, std::string& error);

// The worlds shipped in a folder (its *.json files), sorted by file name.
std::vector<std::filesystem::path> worldFiles(const std::filesystem::path& folder);
// The regular .json files of a folder, sorted by name (none when it cannot be read).
std::vector<std::filesystem::path> jsonFilesIn(const std::filesystem::path& folder);

} // namespace tarvel

#pragma once
// The program file: fixed 92-byte records, main program first, then the subroutines, with the
// program settings packed as text into the first record.
#include "model/ProgramSettings.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tarvel {

class ProgramStore;

constexpr int kRecordBytes = 92;
constexpr int kFileMainRecords = 600;
constexpr int kFileSubRecords = 128;

struct FileOutcome {
    bool ok = true;
    Text error;              // why the file could not be read or written
    std::vector<Text> notes; // what was read around a damaged part
};

std::string buildProgramHeader(const ProgramSettings& settings);
ProgramSettings parseProgramHeader(std::string_view text);

// Stores the header in main slot 0 and returns the file's bytes.
std::vector<std::uint8_t> serializeProgram(ProgramStore& store);
// Why `bytes` are not a program file (no record, no program start first, a record of no element
// family); empty when they are one.
Text notAProgram(std::span<const std::uint8_t> bytes);
// Replaces the store's program with the records in `bytes` (reset first, then one append each).
// Bytes that are not a program are refused and the store is left as it was.
FileOutcome loadProgram(ProgramStore& store, std::span<const std::uint8_t> bytes);

// Writes a temporary file beside `path` and renames it over the target, so the previous file stays
// whole until the new one is complete.
FileOutcome saveProgramFile(ProgramStore& store, const std::filesystem::path& path);
// Reads the whole file before touching the store: a file that cannot be read changes nothing.
FileOutcome openProgramFile(ProgramStore& store, const std::filesystem::path& path);

// `name` with ".gtf" appended unless it already ends so (any case).
std::string withGtfExtension(std::string name);

} // namespace tarvel

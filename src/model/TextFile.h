#pragma once
// Whole-file reads and writes. A read takes only a regular file, up to a bound that fits the kind of
// file, so a folder, a pipe or a device given as a file is refused at once instead of hanging or
// filling the memory. A write goes to a temporary file beside the target, is flushed to the disk and
// renamed over it, so the previous file stays whole until the new one is complete.
#include "model/Text.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvel {

// The largest file of each kind that is read.
// 601 main records and eight subroutines of 129, 92 bytes each: the most a program file holds.
constexpr std::uintmax_t kProgramFileMaxBytes = 92 * (601 + 8 * 129);
// A library is tens of kilobytes; this leaves room for a long template at every key of its tables.
constexpr std::uintmax_t kLibraryFileMaxBytes = std::uintmax_t(8) << 20;
// A translated program of every element with long templates is well below it (as in the source editor).
constexpr std::uintmax_t kSourceFileMaxBytes = std::uintmax_t(1) << 20;
// A world is a few kilobytes of JSON written by hand, even with hundreds of walls and marks.
constexpr std::uintmax_t kWorldFileMaxBytes = std::uintmax_t(4) << 20;
// A binary colour map of 4096 x 4096, the largest picture the world reader takes, fits.
constexpr std::uintmax_t kFloorPictureMaxBytes = std::uintmax_t(64) << 20;
// An assembled image: the assembler's addresses 0..2048.
constexpr std::uintmax_t kImageFileMaxBytes = 2049;
// A download to the brick: its size travels as one byte.
constexpr std::uintmax_t kBrickImageMaxBytes = 255;
// Config.txt, qp_list.txt, Recientes.txt, a recovery copy's names, an example's help: lines of names
// and paths; every example line of every list with names of full length fits.
constexpr std::uintmax_t kListFileMaxBytes = std::uintmax_t(256) << 10;
// Any other file: above every kind above, still small enough to hold in memory.
constexpr std::uintmax_t kAnyFileMaxBytes = std::uintmax_t(64) << 20;

// Reads the regular file at `path`, of at most `maxBytes` bytes, into `bytes`. Empty on success;
// otherwise why not, one sentence in Spanish without the path, and `bytes` keeps what it had. Never
// throws and never waits: a pipe or a device is refused without being read.
std::string readRegularFile(const std::filesystem::path& path, std::string& bytes, std::uintmax_t maxBytes);
// The same, when the reason does not matter.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::uintmax_t maxBytes = kAnyFileMaxBytes);

// Writes `bytes` to `path` through a temporary file in the same folder. Empty on success, otherwise
// the message (in Spanish: what failed, with the path, and on the next line why); the previous file
// is then untouched and no temporary is left. An existing file keeps its permissions; a folder or
// anything that is not a regular file is never written through.
Text writeFileReplacing(const std::filesystem::path& path, std::string_view bytes);

// A replacement in two steps, so that several files are written all or none: every `prepare` first,
// then every `commit`. A prepared file that is never committed leaves no trace.
class PendingFile
{
public:
    PendingFile() = default;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();

    // Writes the temporary and flushes it to the disk; the message of `writeFileReplacing` on failure.
    Text prepare(const std::filesystem::path& path, std::string_view bytes);
    // Renames the temporary over the target.
    Text commit();

private:
    std::filesystem::path shown_; // the path as given, for messages
    std::filesystem::path target_; // where the rename goes (a link's own file)
    std::filesystem::path temporary_; // empty once committed or removed
};

// Our temporaries are named ".tarvel-PID-RANDOM.tmp": short whatever the target's name, and telling
// which process writes them. True, with `pid`, for such a name.
bool isTemporaryName(std::string_view fileName, long& pid);
// Removes the temporaries in `folder` left by processes that no longer run (a save that was killed).
void removeStaleTemporaries(const std::filesystem::path& folder);

// A file-system path (the system's bytes, UTF-8) as Windows-1252 text, for a message.
std::string pathText(const std::filesystem::path& path);

} // namespace tarvel

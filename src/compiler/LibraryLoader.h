#pragma once
// Reading a library file into a CompilationLibrary, line by line, as the file format says.
#include "model/Text.h"
#include "compiler/CompilationLibrary.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

struct LibraryLoadResult {
    CompilationLibrary library;
    bool opened = false;             // false: neither the file nor the default could be read
    bool usedDefault = false; // the named file could not be read; the default file was read
    std::string unreadReason; // why the named file could not be read (Spanish), when it could not
    std::vector<UserMessage> messages; // shown to the user, in order
};

// Loads `path` on top of `previous`: the three element tables start empty, while the instruction
// set, motion names, capacity and version strings keep what `previous` had unless the file sets
// them. When `path` cannot be read, `defaultPath` is read instead and becomes `libraryPath`.
LibraryLoadResult LoadLibrary(const CompilationLibrary& previous, const std::filesystem::path& path,
                              const std::filesystem::path& defaultPath);

// The same from bytes already in memory (tests, fuzzing).
LibraryLoadResult LoadLibraryBytes(const CompilationLibrary& previous, std::string bytes, std::string path);
// Why a loaded file is no library at all (a program, a picture, any binary or text file without a
// library's lines): empty when it is one. Messages of the load do not count; a library with a bad
// line is still a library.
std::string notALibrary(const LibraryLoadResult& loaded);

// The line reader: one line per call (without its line end), "END" at the end of the file.
class LibraryLineReader {
public:
    explicit LibraryLineReader(const std::string& bytes)
        : bytes_(bytes)
    {
    }
    std::string ReadLibraryLine();
    // 1-based position of the next byte to read.
    std::int32_t libraryFilePosition() const { return std::int32_t(position_ + 1); }
    bool finished() const { return finished_; }

private:
    const std::string& bytes_;
    std::size_t position_ = 0; // 0-based
    bool finished_ = false;
};

// The integrity code of the loaded tables: 16 upper-case hexadecimal digits.
std::string computeIntegrityCode(const CompilationLibrary& library);
// Compares the code with the library's own; on a mismatch empties the element tables and returns
// the start-up message.
std::optional<UserMessage> CheckLibraryIntegrity(CompilationLibrary& library);

// The status-bar texts after a load: "Libreria: " + model and "Memoria: 0/" + capacity.
Text libraryStatusText(const CompilationLibrary& library);
Text memoryStatusText(const CompilationLibrary& library);

// The information text of the About window: the library's version strings and integrity code.
Text libraryInformationText(const CompilationLibrary& library);

// The help text of an element, or "No Hay Ayuda Disponible para este Grafo".
std::string elementHelpText(const CompilationLibrary& library, int family, int subtype, int option);

} // namespace tarvel

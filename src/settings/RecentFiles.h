#pragma once
// The programs opened or saved last, newest first, for the "Archivo" menu. They are kept in a file
// of their own beside Config.txt, one path a line, so that Config.txt stays as other readers know it.
#include "model/UserMessage.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tarvel {

constexpr std::size_t kRecentFilesMax = 8;
constexpr const char* kRecentFilesName = "Recientes.txt";

class RecentFiles {
public:
    // Newest first; Windows-1252 paths like every path of the core.
    const std::vector<std::string>& paths() const { return paths_; }
    // `path` goes to the top; an entry already there moves up; the ninth falls out.
    void add(const std::string& path);
    // False when the path was not in the list.
    bool remove(const std::string& path);

    // The file's text: one path a line. Reading skips blank lines, repeats and anything past eight.
    static RecentFiles parse(const std::string& bytes);
    std::string text() const;

    bool operator==(const RecentFiles&) const = default;

private:
    std::vector<std::string> paths_;
};

// Menu captions: the position and the file name, with its folder when two entries share a name.
std::vector<std::string> recentFileCaptions(const RecentFiles& recent);
// An entry whose file is gone: said once, and the entry leaves the list.
UserMessage missingRecentFileMessage(const std::string& path);

RecentFiles loadRecentFiles(const std::string& path);
// Empty on success, otherwise why the file could not be written.
Text storeRecentFiles(const std::string& path, const RecentFiles& recent);

} // namespace tarvel

#include "settings/RecentFiles.h"

#include "model/Text.h"
#include "model/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace tarvel {

namespace {

// "a/./b.gtf" and "a/b.gtf" are one file.
std::string normal(const std::string& path)
{
    return std::filesystem::path(path).lexically_normal().string();
}

} // namespace

void RecentFiles::add(const std::string& path)
{
    if (path.empty())
        return;
    remove(path);
    paths_.insert(paths_.begin(), normal(path));
    if (paths_.size() > kRecentFilesMax)
        paths_.resize(kRecentFilesMax);
}

bool RecentFiles::remove(const std::string& path)
{
    const auto it = std::find(paths_.begin(), paths_.end(), normal(path));
    if (it == paths_.end())
        return false;
    paths_.erase(it);
    return true;
}

RecentFiles RecentFiles::parse(const std::string& bytes)
{
    RecentFiles recent;
    std::size_t start = 0;
    while (start <= bytes.size() && recent.paths_.size() < kRecentFilesMax) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        if (!line.empty() && std::find(recent.paths_.begin(), recent.paths_.end(), normal(line)) == recent.paths_.end())
            recent.paths_.push_back(normal(line));
        start = end + 1;
    }
    return recent;
}

std::string RecentFiles::text() const
{
    std::string out;
    for (const auto& p : paths_)
        out += p + "\r\n";
    return out;
}

std::vector<std::string> recentFileCaptions(const RecentFiles& recent)
{
    std::map<std::string, int> sameName;
    for (const auto& p : recent.paths())
        ++sameName[std::filesystem::path(p).filename().string()];
    std::vector<std::string> captions;
    for (const auto& p : recent.paths()) {
        const std::filesystem::path path(p);
        std::string caption = std::to_string(captions.size() + 1) + " " + path.filename().string();
        if (sameName[path.filename().string()] > 1)
            caption += " (" + path.parent_path().string() + ")";
        captions.push_back(caption);
    }
    return captions;
}

UserMessage missingRecentFileMessage(const std::string& path)
{
    return {Text::lines({Text(QT_TRANSLATE_NOOP("core", "No se encontro el archivo %1")).arg(path),
                         QT_TRANSLATE_NOOP("core", "Se quito de la lista de archivos recientes.")}),
            QT_TRANSLATE_NOOP("core", "Aviso"), MessageIcon::Warning};
}

RecentFiles loadRecentFiles(const std::string& path)
{
    std::string bytes;
    readWholeFile(path, bytes, kListFileMaxBytes); // a list that cannot be read is an empty list
    return RecentFiles::parse(bytes);
}

Text storeRecentFiles(const std::string& path, const RecentFiles& recent)
{
    return writeFileReplacing(path, recent.text());
}

} // namespace tarvel

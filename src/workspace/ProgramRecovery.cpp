#include "workspace/ProgramRecovery.h"

#include "model/Text.h"
#include "model/TextFile.h"

#include <algorithm>
#include <system_error>

namespace tarvel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramSuffix = ".gtf";
constexpr const char* kNamesSuffix = ".txt"; // the program's name and path, one a line

fs::path folderOf(const fs::path& appFolder)
{
    return appFolder / kRecoveryFolderName;
}

fs::path namesFile(const fs::path& programFile)
{
    fs::path names = programFile;
    return names.replace_extension(kNamesSuffix);
}

std::vector<std::string> lines(const std::string& bytes)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        out.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

void removeQuietly(const fs::path& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

} // namespace

ProgramRecovery::ProgramRecovery(const fs::path& folder, std::string session)
    : folder_(folderOf(folder))
    , session_(std::move(session))
{
}

fs::path ProgramRecovery::programFile() const
{
    return folder_ / (session_ + kProgramSuffix);
}

fs::path ProgramRecovery::lockFile() const
{
    return folder_ / (session_ + ".lock");
}

AutosaveOutcome ProgramRecovery::tick(ProgramStore& store, bool programDirty, const std::string& programName,
                                      const std::string& programPath)
{
    std::error_code ec;
    if (!programDirty) {
        if (!fs::exists(programFile(), ec))
            return {};
        discard();
        return {AutosaveStep::Removed, {}};
    }
    fs::create_directories(folder_, ec);
    // The names first: a copy is never found without the name it belongs to.
    Text error = writeFileReplacing(namesFile(programFile()), programName + "\r\n" + programPath + "\r\n");
    if (error.empty()) {
        const FileOutcome saved = saveProgramFile(store, programFile());
        error = saved.error;
    }
    if (!error.empty())
        return {AutosaveStep::Nothing, error};
    return {AutosaveStep::Written, {}};
}

void ProgramRecovery::discard()
{
    removeQuietly(programFile());
    removeQuietly(namesFile(programFile()));
}

fs::path recoveryLockFile(const fs::path& folder, const std::string& session)
{
    return folderOf(folder) / (session + ".lock");
}

std::vector<RecoveryCopy> leftBehindCopies(const fs::path& folder, const std::string& ownSession,
                                           const std::function<bool(const std::string&)>& sessionRuns)
{
    std::vector<std::pair<fs::file_time_type, RecoveryCopy>> found;
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path file = it->path();
        if (file.extension() != kProgramSuffix || !it->is_regular_file(ec))
            continue;
        RecoveryCopy copy;
        copy.session = file.stem().string();
        copy.programFile = file;
        if (copy.session == ownSession || (sessionRuns && sessionRuns(copy.session)))
            continue;
        std::string bytes;
        readWholeFile(namesFile(file), bytes, kListFileMaxBytes); // names that cannot be read are no names
        const std::vector<std::string> names = lines(bytes);
        copy.programName = names.size() > 0 && !names[0].empty() ? names[0] : "Mi Programa.gtf";
        copy.programPath = names.size() > 1 ? names[1] : std::string();
        found.emplace_back(it->last_write_time(ec), std::move(copy));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<RecoveryCopy> copies;
    for (auto& f : found)
        copies.push_back(std::move(f.second));
    return copies;
}

UserMessage recoveryQuestion(const RecoveryCopy& copy)
{
    return {Text::lines({QT_TRANSLATE_NOOP("core", "Tarvel Lab no se cerro correctamente la ultima vez."),
                         Text(QT_TRANSLATE_NOOP("core", "Se encontro una copia de recuperacion del programa \"%1\" con cambios sin guardar."))
                             .arg(copy.programName),
                         Text::literal(""),
                         QT_TRANSLATE_NOOP("core", "Desea recuperarla? (Si responde No, la copia se borra.)")}),
            QT_TRANSLATE_NOOP("core", "Recuperar Programa"), MessageIcon::Question};
}

FileOutcome recoverCopy(ProgramStore& store, const RecoveryCopy& copy)
{
    return openProgramFile(store, copy.programFile);
}

void removeCopy(const RecoveryCopy& copy)
{
    removeQuietly(copy.programFile);
    removeQuietly(namesFile(copy.programFile));
}

} // namespace tarvel

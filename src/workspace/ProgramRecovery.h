#pragma once
// A copy of the program in memory, written every minute while it has unsaved changes, so that a
// crash or a power cut loses at most a minute of a lesson's work. Every running session writes its
// own copy (two windows may share one application folder); the next start offers the copies of the
// sessions that did not end cleanly.
#include "model/ProgramFile.h"
#include "model/UserMessage.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tarvel {

class ProgramStore;

constexpr int kAutosaveIntervalMs = 60 * 1000;
constexpr const char* kRecoveryFolderName = "Recuperacion";

// A copy left behind, with the name and the path the program had when it was copied.
struct RecoveryCopy {
    std::string session;
    std::filesystem::path programFile;
    std::string programName;
    std::string programPath;
};

enum class AutosaveStep { Nothing, Written, Removed };
struct AutosaveOutcome {
    AutosaveStep step = AutosaveStep::Nothing;
    Text error; // the copy could not be written (the program in memory is untouched)
};

class ProgramRecovery {
public:
    // `folder` is the application folder; `session` names this run's copy (a file name part).
    ProgramRecovery(const std::filesystem::path& folder, std::string session);

    // The minute's tick: with unsaved changes the copy is written (through a temporary file, so a
    // cut in the middle leaves the previous copy whole); without them an earlier copy is removed.
    // Nothing of the program changes: its name, path and dirty flag stay as they are.
    AutosaveOutcome tick(ProgramStore& store, bool programDirty, const std::string& programName,
                         const std::string& programPath);
    // The program was saved, or the session ends cleanly.
    void discard();

    const std::string& session() const { return session_; }
    std::filesystem::path programFile() const;
    std::filesystem::path lockFile() const; // held while the session runs (by the window)

private:
    std::filesystem::path folder_;
    std::string session_;
};

// The copies of other sessions that no longer run (`sessionRuns` tells), newest first.
std::vector<RecoveryCopy> leftBehindCopies(const std::filesystem::path& folder, const std::string& ownSession,
                                           const std::function<bool(const std::string& session)>& sessionRuns);
// The lock file of a session's copy (a session that runs holds it).
std::filesystem::path recoveryLockFile(const std::filesystem::path& folder, const std::string& session);
// The question asked after start-up; Yes recovers the copy, No removes it.
UserMessage recoveryQuestion(const RecoveryCopy& copy);
// Reads the copy into the store (the store is untouched when it cannot be read).
FileOutcome recoverCopy(ProgramStore& store, const RecoveryCopy& copy);
void removeCopy(const RecoveryCopy& copy);

} // namespace tarvel

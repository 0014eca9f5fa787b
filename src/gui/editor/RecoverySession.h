#pragma once
// This session's recovery copy: the lock that tells other sessions it runs, the minute's timer and
// the copies that sessions which did not end cleanly left behind. The rules are ProgramRecovery's.
#include "workspace/ProgramRecovery.h"

#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

class QTimer;

namespace tarvel {

class Workspace;

class RecoverySession : public QObject {
    Q_OBJECT
public:
    RecoverySession(Workspace& workspace, QObject* parent = nullptr);
    // A clean end: the copy goes with the session.
    ~RecoverySession() override;

    // Takes the session's lock and starts writing the copy every minute.
    void start();
    // One tick now (the timer's, or after a recovery, so the recovered work is safe at once).
    AutosaveOutcome tick();
    // The program was saved.
    void discard();
    std::vector<RecoveryCopy> leftBehind() const;
    const ProgramRecovery& recovery() const { return recovery_; }

    // A copy could not be written (told once, until a later copy is written again).
    std::function<void(const Text& error)> writeFailed;

private:
    void removeDeadLocks();

    Workspace& ws_;
    ProgramRecovery recovery_;
    std::unique_ptr<QLockFile> lock_;
    QTimer* timer_ = nullptr;
    bool failureShown_ = false;
};

} // namespace tarvel

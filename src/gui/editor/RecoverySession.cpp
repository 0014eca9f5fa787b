#include "gui/editor/RecoverySession.h"

#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace tarvel {

namespace {

// The process and the moment it started: unique among the sessions that share the folder, also
// after a restart reuses process numbers.
std::string newSessionName()
{
    return QStringLiteral("%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .toStdString();
}

QString lockPath(const std::filesystem::path& file)
{
    return QString::fromStdString(file.string());
}

} // namespace

RecoverySession::RecoverySession(Workspace& workspace, QObject* parent)
    : QObject(parent)
    , ws_(workspace)
    , recovery_(workspace.appFolder(), newSessionName())
{
}

RecoverySession::~RecoverySession()
{
    if (lock_)
        recovery_.discard();
}

void RecoverySession::start()
{
    if (lock_)
        return;
    QDir().mkpath(lockPath(recovery_.lockFile().parent_path()));
    lock_ = std::make_unique<QLockFile>(lockPath(recovery_.lockFile()));
    lock_->setStaleLockTime(0); // held for the whole session, however long
    lock_->tryLock(0);
    removeDeadLocks();
    timer_ = new QTimer(this);
    timer_->setInterval(kAutosaveIntervalMs);
    connect(timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_->start();
}

void RecoverySession::removeDeadLocks()
{
    // A session killed with nothing unsaved left only its lock, which no copy would ever clear. A
    // dead session's copy is still offered: without a lock it counts as not running.
    const QDir folder(lockPath(recovery_.lockFile().parent_path()));
    const QString own = QFileInfo(lockPath(recovery_.lockFile())).fileName();
    for (const QString& name : folder.entryList({QStringLiteral("*.lock")}, QDir::Files)) {
        if (name == own)
            continue;
        QLockFile other(folder.filePath(name));
        other.setStaleLockTime(0);
        if (other.tryLock(0))
            other.unlock(); // the session is gone: this removes its lock file
    }
}

AutosaveOutcome RecoverySession::tick()
{
    const AutosaveOutcome outcome =
        recovery_.tick(ws_.store, ws_.editor.programDirty, ws_.programName, ws_.programPath);
    if (outcome.error.empty()) {
        failureShown_ = false;
    } else if (!failureShown_) {
        failureShown_ = true;
        if (writeFailed)
            writeFailed(outcome.error);
    }
    return outcome;
}

void RecoverySession::discard()
{
    recovery_.discard();
}

std::vector<RecoveryCopy> RecoverySession::leftBehind() const
{
    // A session runs while it holds its lock; a lock left by a crash or a power cut is stale.
    return leftBehindCopies(ws_.appFolder(), recovery_.session(), [this](const std::string& session) {
        QLockFile other(lockPath(recoveryLockFile(ws_.appFolder(), session)));
        other.setStaleLockTime(0);
        if (!other.tryLock(0))
            return true;
        other.unlock(); // removes the lock file
        return false;
    });
}

} // namespace tarvel

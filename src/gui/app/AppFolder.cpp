#include "gui/app/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tarvel {

QString shippedFolder()
{
    const QDir exe(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {exe.filePath("appdir"), exe.filePath("../share/tarvel-lab"),
                                     QStringLiteral(TARVEL_SOURCE_APPDIR)})
        if (QFileInfo::exists(candidate + "/Clib_J2A1_USB0.LIB"))
            return QDir(candidate).absolutePath();
    return QStringLiteral(TARVEL_SOURCE_APPDIR);
}

int seedFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    int copied = 0;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (QFile::copy(source, target)) {
            QFile(target).setPermissions(QFile(target).permissions() | QFileDevice::WriteOwner);
            ++copied;
        }
    }
    return copied;
}

QString applicationFolder()
{
    const QString shipped = shippedFolder();
    // An installed copy belongs to the package manager and to every user of the machine: each user,
    // root too, works in a folder of their own.
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath("../share/tarvel-lab");
    QTemporaryFile probe(shipped + "/.tarvel-write-test-XXXXXX");
    if (shipped != QDir(installed).absolutePath() && probe.open())
        return shipped;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    seedFolder(shipped, user);
    return user;
}

} // namespace tarvel

// The file menu's extras and the services beside it: recent files, picture export, printing, the
// recovery copy written every minute, and the watch for the brick being plugged in or pulled out.
#include "gui/editor/MainWindow.h"

#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/app/UserCommand.h"
#include "gui/editor/Canvas.h"
#include "gui/editor/FlowchartPainter.h"
#include "gui/editor/RecoverySession.h"
#include "model/FlowchartSheet.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include <filesystem>

namespace tarvel {

namespace {

// Long drawings (a program of hundreds of elements) show the wait cursor.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void MainWindow::startFileServices()
{
    ws_.recentFiles = loadRecentFiles(ws_.recentFilesPath());
    fillRecentMenu();

    auto* brickTimer = new QTimer(this);
    brickTimer->setObjectName("tmrBrickWatch");
    brickTimer->setInterval(kBrickWatchIntervalMs);
    connect(brickTimer, &QTimer::timeout, this, [this] { pollBrick(); });
    pollBrick(); // what is attached at start-up; the status bar keeps its start-up text
    brickTimer->start();

    if (!dialogs_.keepRecoveryCopies() || recovery_)
        return;
    recovery_ = new RecoverySession(ws_, this);
    recovery_->writeFailed = [this](const Text& error) {
        message({Text::lines({asShown(tr("No se pudo guardar la copia de recuperacion del programa:")), error}), "Aviso",
                 MessageIcon::Warning});
    };
    recovery_->start();
    // Asked once the window is up, not in the middle of start-up.
    QTimer::singleShot(0, this, [this] { offerRecovery(); });
}

void MainWindow::pollBrick()
{
    ws_.pollBrickPresence(); // the link's events update the status bar and the tools
}

// Recent files --------------------------------------------------------------------------------

void MainWindow::rememberRecentFile(const std::string& path)
{
    ws_.recentFiles.add(path);
    storeRecentFiles(ws_.recentFilesPath(), ws_.recentFiles); // a list that cannot be kept is no loss
    fillRecentMenu();
}

void MainWindow::fillRecentMenu()
{
    if (!recentMenu_)
        return;
    // The entry that was clicked may be the one being replaced: deleted once its signal is done.
    for (QAction* old : recentMenu_->actions()) {
        recentMenu_->removeAction(old);
        old->deleteLater();
    }
    const auto& paths = ws_.recentFiles.paths();
    const auto captions = recentFileCaptions(ws_.recentFiles);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string path = paths[i];
        // The position is the keyboard shortcut; an "&" of a file name is shown as it is.
        QAction* a = recentMenu_->addAction(QStringLiteral("&") + qs(captions[i]).replace("&", "&&"));
        a->setObjectName(QStringLiteral("mnuFileRecientesList_%1").arg(i));
        a->setToolTip(fromNativePath(path));
        a->setStatusTip(fromNativePath(path));
        connect(a, &QAction::triggered, this,
                [this, path] { runUserCommand(this, [this, path] { openRecentFile(path); }); });
    }
    if (paths.empty()) {
        QAction* none = recentMenu_->addAction(tr("No hay archivos recientes"));
        none->setObjectName("mnuFileRecientesNinguno");
        none->setEnabled(false);
        return;
    }
    recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(tr("Borrar Lista"));
    clear->setObjectName("mnuFileRecientesBorrar");
    connect(clear, &QAction::triggered, this, [this] {
        ws_.recentFiles = RecentFiles{};
        storeRecentFiles(ws_.recentFilesPath(), ws_.recentFiles);
        fillRecentMenu();
    });
}

void MainWindow::openRecentFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        message(missingRecentFileMessage(path));
        ws_.recentFiles.remove(path);
        storeRecentFiles(ws_.recentFilesPath(), ws_.recentFiles);
        fillRecentMenu();
        return;
    }
    closeToolWindow();
    if (!askToSaveChanges())
        return;
    // The path's own bytes: a name that is not UTF-8 still opens.
    if (openProgramPath(path, true)) {
        ws_.hasHelp = false;
        canvas_->setHelpPicture(false);
    }
    RefreshPanelObjects();
}

// Export and print ----------------------------------------------------------------------------

QString MainWindow::exportImage(const QString& path)
{
    const WaitCursor wait;
    return FlowchartPainter(ws_.store, ws_.programName).exportImage(path, ws_.store.activeSequence);
}

void MainWindow::exportImageCommand()
{
    closeToolWindow();
    const int sequence = ws_.store.activeSequence;
    QString name = QFileInfo(qs(ws_.programName)).completeBaseName();
    if (sequence > 0)
        name += "-" + qs(sequenceCaption(ws_.store, sequence));
    QString filter;
    QString chosen = QFileDialog::getSaveFileName(this, tr("Exportar Imagen"), QDir::home().filePath(name + ".png"),
                                                  tr("Imagen PNG (*.png);;Imagen SVG (*.svg)"), &filter);
    if (chosen.isEmpty())
        return;
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix != "png" && suffix != "svg")
        chosen += filter.contains("svg") ? ".svg" : ".png";
    const QString error = exportImage(chosen);
    if (!error.isEmpty())
        message({asShown(error), "Error", MessageIcon::Critical});
}

void MainWindow::printCommand()
{
    closeToolWindow();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qs(ws_.programName));
    const FlowchartPainter painter(ws_.store, ws_.programName);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Imprimir"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, std::max(1, int(painter.pageLayout(printer).pages.size())));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    {
        const WaitCursor wait;
        error = painter.print(printer);
    }
    if (!error.isEmpty())
        message({asShown(error), "Error", MessageIcon::Critical});
}

// Recovery ------------------------------------------------------------------------------------

void MainWindow::offerRecovery()
{
    if (!recovery_)
        return;
    for (const RecoveryCopy& copy : recovery_->leftBehind()) {
        // Yes: the work is safe under this session's copy before the old one goes. No, or a copy
        // that cannot be read: it goes, so it is not asked about at every start.
        if (message(recoveryQuestion(copy), YesNoButtons) == QMessageBox::Yes && recoverProgram(copy))
            recovery_->tick();
        removeCopy(copy);
    }
}

bool MainWindow::recoverProgram(const RecoveryCopy& copy)
{
    closeToolWindow();
    if (!askToSaveChanges())
        return false;
    const FileOutcome outcome = recoverCopy(ws_.store, copy); // a copy that cannot be read changes nothing
    if (!outcome.ok) {
        message({outcome.error, "Error", MessageIcon::Critical});
        return false;
    }
    canvas_->icons().clear(); // the numbers start again at 1 with the recovered program
    // An unsaved program under the name it had: "Guardar" writes it where it came from.
    ws_.programName = copy.programName;
    ws_.programPath = copy.programPath.empty() ? ws_.appFile(copy.programName) : copy.programPath;
    ws_.hasHelp = false;
    canvas_->setHelpPicture(false);
    showLoadedProgram();
    ws_.editor.programDirty = true;
    return true;
}

} // namespace tarvel

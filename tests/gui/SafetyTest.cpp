// Nothing the user does loses work or ends the program: questions that can be cancelled, quitting
// while a question is open, the path editor's question, refused files, names that are not UTF-8,
// what a killed session left behind. Real message boxes are answered from a timer while they wait.
#include "DrawingSession.h"
#include "gui/app/InfoWindows.h"
#include "gui/editor/RecoverySession.h"
#include "gui/tours/FormMotorTour.h"
#include "gui/tours/TourArea.h"
#include "model/ProgramFile.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>
#include <QTimer>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarvel;

namespace {

// Runs `act` on the next modal window that opens (a message box or a file dialog), and records
// its text.
struct ModalWatch {
    explicit ModalWatch(std::function<void(QWidget*)> act)
        : act(std::move(act))
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !this->act)
                return;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                texts.push_back(box->text());
            auto once = std::move(this->act);
            this->act = nullptr;
            once(modal);
        });
        timer.start();
    }
    void then(std::function<void(QWidget*)> next) { act = std::move(next); }
    bool done() const { return !act; }

    std::function<void(QWidget*)> act;
    QStringList texts;
    QTimer timer;
};

void press(QWidget* modal, QMessageBox::StandardButton button)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box);
    QVERIFY(box->button(button));
    box->button(button)->click();
}

struct Drawing : testsupport::DrawingSession {
    void trigger(const char* name) { window->findChild<QAction*>(name)->trigger(); }
    int length() const { return workspace->store.sequenceLength(0); }
    // An element added through the arithmetic dialog, as a user would: the program has changes.
    void addCalculation()
    {
        pick(4, 0);
        QVERIFY(dialog());
        QTest::mouseClick(dialog()->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    }
};

std::string bytesOf(const QString& path)
{
    std::string bytes;
    readWholeFile(path.toStdString(), bytes);
    return bytes;
}

// A process number that no process has now.
qint64 deadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

class SafetyTest : public QObject {
    Q_OBJECT
private slots:
    void theSaveQuestionCanBeCancelled()
    {
        Drawing s;
        s.addCalculation();
        QCOMPARE(s.length(), 2);
        QVERIFY(s.workspace->editor.programDirty);

        s.answer = QMessageBox::Cancel;
        s.trigger("mnuFileNuevo");
        QCOMPARE(s.length(), 2);
        s.window->exampleMenu(9)->actions().first()->trigger();
        QCOMPARE(s.length(), 2);
        QVERIFY(!s.window->OpenProgram(QStringLiteral("whatever.gtf")));
        QCOMPARE(s.length(), 2);

        // Escape on the real question, and Yes followed by a cancelled save dialog, cancel too.
        s.dialogs.answer = nullptr;
        ModalWatch watch([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        s.trigger("mnuFileNuevo");
        QVERIFY(watch.done());
        QCOMPARE(watch.texts, QStringList{"Desea Guardar los Cambios Realizados en el Programa?"});
        QCOMPARE(s.length(), 2);
        watch.then([&watch](QWidget* modal) {
            press(modal, QMessageBox::Yes);
            watch.then([](QWidget* dialog) {
                QVERIFY(qobject_cast<QFileDialog*>(dialog));
                qobject_cast<QDialog*>(dialog)->reject();
            });
        });
        s.trigger("mnuFileNuevo");
        QVERIFY(watch.done());
        QCOMPARE(s.length(), 2);
        QVERIFY(s.workspace->editor.programDirty);

        // No discards, as before.
        watch.then([](QWidget* modal) { press(modal, QMessageBox::No); });
        s.trigger("mnuFileNuevo");
        QCOMPARE(s.length(), 1);
    }

    void quittingAsksForUnsavedChangesAndKeepsTheRecoveryCopy()
    {
        Drawing s;
        s.addCalculation();
        QVERIFY(s.window->recoverySession());
        QCOMPARE(s.window->recoverySession()->tick().step, AutosaveStep::Written);
        const auto copy = s.window->recoverySession()->recovery().programFile();
        QVERIFY(std::filesystem::exists(copy));

        s.answer = QMessageBox::Cancel;
        QVERIFY(!s.window->close());
        QVERIFY(s.window->isVisible());
        QCOMPARE(s.messages.back(), std::string("Desea Guardar los Cambios Realizados en el Programa?"));
        QCOMPARE(s.length(), 2);
        QVERIFY(std::filesystem::exists(copy));

        s.answer = QMessageBox::No;
        QVERIFY(s.window->close());
    }

    void quittingWhileAStructureErrorIsOpenOverADialog()
    {
        Drawing s;
        s.appendElement(makeElement(17, structure::ProgramEnd, 0));
        s.dialogs.answer = nullptr;
        s.pick(4, 0);
        QPointer<ElementDialog> dialog = s.dialog();
        QVERIFY(dialog);
        // The structure error is open over the dialog when "Salir" is chosen.
        ModalWatch watch([&](QWidget*) {
            s.trigger("mnuFileSalir");
            watch.then([](QWidget* modal) { press(modal, QMessageBox::No); });
        });
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        // The quit comes once the dialog's OK has ended, nothing freed twice.
        QTRY_VERIFY(!s.window->isVisible());
        QVERIFY(watch.texts.size() >= 1);
        QVERIFY(watch.texts[0].startsWith("Despues de un Fin de Programa DEBE seguir"));
        QTRY_VERIFY(!dialog);
    }

    void aTooLongPathIsStoredOnOkAndKeptOnCancel()
    {
        Drawing s;
        s.dialogs.answer = nullptr;
        s.pick(0, 6);
        QPointer<FormMotorTour> tour = qobject_cast<FormMotorTour*>(s.window->toolWindow());
        QVERIFY(tour);
        auto* area = tour->findChild<TourArea*>("shpLimits");
        for (int i = 0; i < 21; ++i) {
            const QPoint p = TourArea::toPixels({i % 2 ? 4000.0 : 6000.0, 3847.5}).toPoint();
            QTest::mouseMove(area, p);
            QTest::mouseClick(area, Qt::LeftButton, {}, p);
        }
        const QString steps = tour->findChild<QLabel*>("lblMemMonitor")->text();
        QCOMPARE(tour->editor().segmentCount(), 20);

        ModalWatch watch([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->button(QMessageBox::Ok)->text(), QString("Aceptar"));
            QCOMPARE(box->button(QMessageBox::Cancel)->text(), QString("Cancelar"));
            box->button(QMessageBox::Cancel)->click();
        });
        tour->findChild<QPushButton*>("cmdGuardar")->click();
        QVERIFY(watch.done());
        QCOMPARE(watch.texts.size(), 1);
        QVERIFY(tour && tour->isVisible());
        QCOMPARE(tour->editor().segmentCount(), 20);
        QCOMPARE(tour->findChild<QLabel*>("lblMemMonitor")->text(), steps);
        QCOMPARE(s.length(), 1);

        watch.then([](QWidget* modal) { press(modal, QMessageBox::Ok); });
        tour->findChild<QPushButton*>("cmdGuardar")->click();
        QVERIFY(watch.done());
        QTRY_VERIFY(!tour);
        QCOMPARE(s.length(), 2);
        QCOMPARE(s.workspace->store.recordAt(0, 1).arg1, std::int16_t(16));
    }

    void withoutABrickTheCommandsSaySoAndTheFailedConnectionStays()
    {
        testsupport::Session s; // the USB link, and no brick on this machine
        for (const char* key : {"Compi", "CompiSend", "Send", "Run", "mnuTextCompiGrabar", "mnuTextGrabar"}) {
            QAction* a = s.window->findChild<QAction*>(key);
            QVERIFY2(!a->isEnabled(), key);
            QVERIFY2(a->toolTip().contains("Usar Ladrillo Simulado"), key);
        }
        QVERIFY(s.window->findChild<QAction*>("mnuTextCompilar")->isEnabled()); // the menu compiles always

        s.window->FullComConnect();
        auto* failed = s.window->findChild<QDialog*>("formConnecting");
        QVERIFY(failed);
        QTest::qWait(1500); // it used to go by itself after about a second
        QVERIFY(failed->isVisible());
        QVERIFY(failed->findChild<QLabel*>("lblSinLadrillo")->text().contains("Usar Ladrillo Simulado"));
        QPointer<QDialog> guard(failed);
        failed->findChild<QPushButton*>("cmdSimulado")->click();
        QTRY_VERIFY(!guard);
        QCOMPARE(s.window->panelText(StatusPanel::Port), QString("SIM"));
        QVERIFY(s.workspace->settings.useSimulatedBrick);

        s.window->FullComConnect();
        QVERIFY(s.workspace->link().brickConnected());
        for (const char* key : {"Compi", "CompiSend", "Send", "Run"}) {
            QVERIFY2(s.window->findChild<QAction*>(key)->isEnabled(), key);
            QVERIFY2(!s.window->findChild<QAction*>(key)->toolTip().contains("Usar Ladrillo Simulado"), key);
        }
    }

    void aRefusedFileIsNotTheOneSaveWrites()
    {
        QTemporaryDir outside;
        const QString refused = outside.filePath("roto.gtf");
        writeFileReplacing(refused.toStdString(), "esto no es un programa");
        const QString folder = outside.filePath("carpeta.gtf");
        QDir().mkpath(folder);

        testsupport::Session s({}, {});
        s.window->startUp(refused); // a second start-up opens the file given, as the command line does
        QCOMPARE(s.workspace->programName, std::string("Mi Programa.gtf"));
        QCOMPARE(s.workspace->programPath, s.workspace->appFile("Mi Programa.gtf"));
        QVERIFY(!s.window->openProgramPath(folder.toStdString(), true));
        QVERIFY(!s.window->openProgramPath("/dev/zero", true));
        QCOMPARE(s.workspace->programPath, s.workspace->appFile("Mi Programa.gtf"));
        s.appendElement(makeElement(14, 12, 12, 4, 3, 4));
        QVERIFY(s.window->SaveProgram(false));
        QCOMPARE(bytesOf(refused), std::string("esto no es un programa"));
        QVERIFY(s.window->windowTitle().endsWith("Mi Programa.gtf"));
    }

    void aNameThatIsNotUtf8Opens()
    {
        testsupport::Session s;
        s.appendElement(makeElement(14, 12, 12, 4, 3, 4));
        const std::string path = s.dir.path().toStdString() + "/programa-\xF1.gtf"; // Latin-1, not UTF-8
        QVERIFY(saveProgramFile(s.workspace->store, path).ok);
        s.window->NewProgram();
        QCOMPARE(s.workspace->store.sequenceLength(0), 1);
        s.window->openRecentFile(path);
        QCOMPARE(s.workspace->store.sequenceLength(0), 2);
        QCOMPARE(s.workspace->programPath, path);
        QVERIFY(s.window->SaveProgram(false));
        QVERIFY(std::filesystem::exists(path));
        std::filesystem::remove(path); // a name the temporary folder's own clean-up cannot spell
    }

    void theWelcomeWindowClosedDuringStartUp()
    {
        QTemporaryDir dir;
        for (const QString& f : QDir(TARVEL_APPDIR).entryList(QDir::Files))
            if (f != "Config.txt" && !f.endsWith(".src"))
                QFile::copy(QDir(TARVEL_APPDIR).filePath(f), dir.filePath(f));
        Workspace workspace(dir.path().toStdString());
        testsupport::ScriptedDialogs dialogs;
        dialogs.answer = [](const UserMessage&, int) { return 0; };
        MainWindow window(workspace, dialogs);
        window.show();
        // Start-up waits for the welcome window, which frees itself when it is closed.
        bool closed = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* welcome = window.findChild<WelcomeWindow*>(); welcome && welcome->isVisible()) {
                welcome->close();
                closed = true;
            }
        });
        poll.start();
        window.startUp();
        QVERIFY(closed);
        QVERIFY(!window.findChild<WelcomeWindow*>() || !window.findChild<WelcomeWindow*>()->isVisible());
        QCOMPARE(workspace.store.sequenceLength(0), 1);
    }

    // Folders, pipes and devices where the application folder's files should be: the window starts,
    // says what it could not read, and nothing waits on a pipe.
    void theWindowStartsWhateverItsFilesAre()
    {
        // The last one is a recovery copy left by a session that is gone.
        for (const char* name : {"Config.txt", "qp_list.txt", "Recientes.txt", "Clib_J2A1_USB0.LIB",
                                 "Recuperacion/9-9.gtf"}) {
            for (const char* kind : {"folder", "fifo", "zero"}) {
                QTemporaryDir dir;
                for (const QString& f : QDir(TARVEL_APPDIR).entryList(QDir::Files))
                    if (f != "Config.txt" && !f.endsWith(".src"))
                        QFile::copy(QDir(TARVEL_APPDIR).filePath(f), dir.filePath(f));
                const QString target = dir.filePath(name);
                QDir().mkpath(dir.filePath("Recuperacion"));
                QFile::remove(target);
                const std::string path = target.toStdString();
                if (QString(kind) == "folder")
                    QVERIFY(QDir().mkpath(target));
                else if (QString(kind) == "fifo")
                    QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
                else
                    QVERIFY(QFile::link("/dev/zero", target));
                if (QString(name) == "Clib_J2A1_USB0.LIB") // the library Config.txt names
                    writeFileReplacing(dir.filePath("Config.txt").toStdString(),
                                       "1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n" + path + "\r\n1\r\n");
                Workspace workspace(dir.path().toStdString());
                std::vector<std::string> shown;
                testsupport::ScriptedDialogs dialogs;
                dialogs.answer = [&shown](const UserMessage& m, int) {
                    shown.push_back(m.text.spanish());
                    return int(QMessageBox::No);
                };
                dialogs.waitsForWelcome = false;
                MainWindow window(workspace, dialogs);
                window.show();
                window.startUp();
                QVERIFY2(window.isVisible(), name);
                QCOMPARE(workspace.store.sequenceLength(0), 1);
                // A recent-files list that cannot be read is no loss; the others are told.
                if (QString(name) != "Recientes.txt" && !QString(name).startsWith("Recuperacion"))
                    QVERIFY2(!shown.empty(), qPrintable(QStringLiteral("%1 as %2").arg(name, kind)));
            }
        }
    }

    void whatAKilledSessionLeftIsRemovedAtTheNextStart()
    {
        QTemporaryDir dir;
        for (const QString& f : QDir(TARVEL_APPDIR).entryList(QDir::Files))
            if (f != "Config.txt" && !f.endsWith(".src"))
                QFile::copy(QDir(TARVEL_APPDIR).filePath(f), dir.filePath(f));
        QDir(dir.path()).mkpath("Recuperacion");
        // What a lock of a session killed with nothing unsaved looks like.
        const QString dead = dir.filePath("Recuperacion/1-1.lock");
        QFile lock(dead);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid()) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        // And a save killed half way, beside the program and in the application folder.
        const QString killedSave = dir.filePath(QStringLiteral(".tarvel-%1-0123456789abcdef.tmp").arg(deadPid()));
        writeFileReplacing(killedSave.toStdString(), "medio programa");
        // And one of a session that still runs.
        QLockFile running(dir.filePath("Recuperacion/2-2.lock"));
        QVERIFY(running.tryLock(0));

        Workspace workspace(dir.path().toStdString());
        testsupport::ScriptedDialogs dialogs;
        dialogs.answer = [](const UserMessage&, int) { return 0; };
        dialogs.waitsForWelcome = false;
        MainWindow window(workspace, dialogs);
        window.startUp();
        QVERIFY(!QFileInfo::exists(dead));
        QVERIFY(!QFileInfo::exists(killedSave));
        QVERIFY(QFileInfo::exists(dir.filePath("Recuperacion/2-2.lock")));
        QVERIFY(QFileInfo::exists(
            QString::fromStdString(window.recoverySession()->recovery().lockFile().string())));
    }
};

QTEST_MAIN(SafetyTest)
#include "SafetyTest.moc"

// The file menu's extras and the services beside the editor: recent files, picture export and
// printing of long programs, the recovery copy, and the brick plugged in and pulled out.
#include "GuiSession.h"

#include "gui/app/QtText.h"
#include "gui/editor/FlowchartPainter.h"
#include "gui/editor/RecoverySession.h"
#include "model/FlowchartSheet.h"
#include "model/ProgramFile.h"
#include "workspace/ProgramRecovery.h"

#include <QAction>
#include <QImage>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTest>

#include <filesystem>

using namespace tarvel;
using testsupport::Session;
namespace fs = std::filesystem;

namespace {

// A session without the welcome window (the settings say so; the default library).
struct QuietSession : Session {
    explicit QuietSession(bool simulated = false)
        : Session(std::string("1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n\r\n0\r\n"), {}, simulated)
    {
    }
};

// A program file of `count` elements (the start element and motor steps), written by the core.
void writeProgram(const QString& path, int count)
{
    ProgramStore store;
    store.newProgram();
    for (int i = 1; i < count; ++i) {
        store.currentElement = makeElement(10, 10, 10, i % 3, 0, 0);
        store.appendCurrent();
    }
    QVERIFY(saveProgramFile(store, path.toStdString()).ok);
}

QAction* menuAction(QMenu* menu, const QString& name)
{
    for (QAction* a : menu->actions())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

bool blank(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != Qt::white)
                return false;
    return true;
}

int pdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = f.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>") + pdf.count("/Type /Page "));
}

} // namespace

class ProductTest : public QObject {
    Q_OBJECT
private slots:
    void fileMenuHoldsTheNewCommands()
    {
        QuietSession s;
        auto* file = s.window->findChild<QMenu*>("mnuFile");
        QVERIFY(file);
        QAction* exportImage = s.window->findChild<QAction*>("mnuFileExportar");
        QAction* print = s.window->findChild<QAction*>("mnuFileImprimir");
        QVERIFY(exportImage && print);
        QCOMPARE(exportImage->text(), QString("Exportar Imagen"));
        QCOMPARE(print->text(), QString("Imprimir"));
        QCOMPARE(print->shortcut(), QKeySequence(QKeySequence::Print));
        auto* recent = s.window->findChild<QMenu*>("mnuFileRecientes");
        QVERIFY(recent);
        QCOMPARE(recent->title(), QString("Archivos Recientes"));
        QVERIFY(menuAction(recent, "mnuFileRecientesNinguno"));
        // The order users expect: the new commands after "Guardar Como", "Salir" last.
        const auto actions = file->actions();
        QVERIFY(actions.indexOf(exportImage) > actions.indexOf(s.window->findChild<QAction*>("mnuFileGuardarComo")));
        QCOMPARE(actions.last()->objectName(), QString("mnuFileSalir"));
    }

    void recentFilesAreKeptOpenedAndForgottenWhenMissing()
    {
        QuietSession s;
        const QString a = s.dir.filePath("uno.gtf"), b = s.dir.filePath("dos.gtf");
        writeProgram(a, 3);
        writeProgram(b, 9);
        QVERIFY(s.window->OpenProgram(a)); // as from the command line or a double click
        QVERIFY(s.window->OpenProgram(b));
        s.window->OpenProgram("Melodia.gtf"); // a shipped example is not a recent file
        auto* recent = s.window->findChild<QMenu*>("mnuFileRecientes");
        QAction* first = menuAction(recent, "mnuFileRecientesList_0");
        QAction* second = menuAction(recent, "mnuFileRecientesList_1");
        QVERIFY(first && second);
        QCOMPARE(first->text(), QString("&1 dos.gtf"));
        QCOMPARE(second->toolTip(), a);
        QVERIFY(!menuAction(recent, "mnuFileRecientesList_2"));

        second->trigger();
        QCOMPARE(s.window->windowTitle(), QString("Tarvel Lab 2.0 : uno.gtf"));
        QCOMPARE(s.workspace->store.sequenceLength(0), 3);
        QCOMPARE(menuAction(recent, "mnuFileRecientesList_0")->toolTip(), a); // moved to the top

        // Saving under a new name puts that name on top, and the list outlives the session.
        const QString c = s.dir.filePath("tres.gtf");
        s.workspace->programPath = c.toStdString();
        QVERIFY(s.window->SaveProgram(false));
        const RecentFiles kept = loadRecentFiles(s.workspace->recentFilesPath());
        QCOMPARE(kept.paths().size(), std::size_t(3));
        QCOMPARE(QString::fromStdString(kept.paths()[0]), c);

        // A file that was deleted meanwhile: a clear message and the entry leaves the list.
        QFile::remove(b);
        s.messages.clear();
        menuAction(recent, "mnuFileRecientesList_2")->trigger();
        QCOMPARE(s.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(s.messages[0]).contains("No se encontro el archivo " + b));
        QCOMPARE(s.window->windowTitle(), QString("Tarvel Lab 2.0 : uno.gtf")); // the program stays
        QVERIFY(!menuAction(recent, "mnuFileRecientesList_2"));
        QCOMPARE(loadRecentFiles(s.workspace->recentFilesPath()).paths().size(), std::size_t(2));

        menuAction(recent, "mnuFileRecientesBorrar")->trigger();
        QVERIFY(menuAction(recent, "mnuFileRecientesNinguno"));
        QVERIFY(loadRecentFiles(s.workspace->recentFilesPath()).paths().empty());
    }

    void exportOfALongProgramHoldsEveryRow()
    {
        QuietSession s;
        const QString program = s.dir.filePath("largo.gtf");
        writeProgram(program, 600);
        QVERIFY(s.window->OpenProgram(program));
        QCOMPARE(s.workspace->store.sequenceLength(0), 600);
        const SheetRect expected = pictureRect(86);

        const QString png = s.dir.filePath("largo.png");
        QCOMPARE(s.window->exportImage(png), QString());
        const QImage image(png);
        QCOMPARE(image.size(), QSize(expected.width, expected.height));
        // The first cell (the start element) and the last row are drawn, with its row number. (The
        // 600th element is past the icon capacity: it shows the empty picture, as on the canvas.)
        const QPoint grid(sheet::kMargin, sheet::kMargin + sheet::kTitleHeight);
        auto cellArea = [&](int row, int column) {
            const SheetRect c = gridCell(row, column);
            return QRect(grid.x() + c.x + 10, grid.y() + c.y + 10, c.width - 20, c.height - 20);
        };
        QVERIFY(!blank(image, cellArea(0, 0)));
        QVERIFY(!blank(image, cellArea(85, 3)));
        QVERIFY(!blank(image, QRect(grid.x(), grid.y() + gridCell(85, 0).y + 40, sheet::kRowNumberWidth - 6, 30)));

        const QString svg = s.dir.filePath("largo.svg");
        QCOMPARE(s.window->exportImage(svg), QString());
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox().size(), QSize(expected.width, expected.height));

        // The picture's size follows the rows: a short program gives a short picture.
        s.window->NewProgram();
        const QString small = s.dir.filePath("corto.png");
        QCOMPARE(s.window->exportImage(small), QString());
        QCOMPARE(QImage(small).height(), pictureRect(1).height);

        // A folder that does not exist: the reason, and no file.
        const QString nowhere = s.dir.filePath("no/existe.png");
        QVERIFY(!s.window->exportImage(nowhere).isEmpty());
        QVERIFY(!QFile::exists(nowhere));
    }

    void printingSpreadsTheProgramOverNumberedPages()
    {
        QuietSession s;
        const QString program = s.dir.filePath("largo.gtf");
        writeProgram(program, 600);
        QVERIFY(s.window->OpenProgram(program));
        const FlowchartPainter painter(s.workspace->store, s.workspace->programName);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString pdf = s.dir.filePath("largo.pdf");
        printer.setOutputFileName(pdf);
        const PageLayout layout = painter.pageLayout(printer);
        QVERIFY(layout.pages.size() > 5);
        int rows = 0;
        for (const auto& p : layout.pages)
            rows += p.rowCount;
        QCOMPARE(rows, 86);
        QCOMPARE(painter.print(printer), QString());
        QCOMPARE(pdfPages(pdf), int(layout.pages.size()));

        // The pages the print dialog asked for.
        QPrinter some(QPrinter::HighResolution);
        some.setOutputFormat(QPrinter::PdfFormat);
        some.setPageSize(QPageSize(QPageSize::A4));
        some.setOutputFileName(s.dir.filePath("parte.pdf"));
        some.setPrintRange(QPrinter::PageRange);
        some.setFromTo(2, 3);
        QCOMPARE(painter.print(some), QString());
        QCOMPARE(pdfPages(s.dir.filePath("parte.pdf")), 2);
    }

    void theRecoveryCopyIsWrittenAndGoesWithASave()
    {
        QuietSession s;
        RecoverySession* recovery = s.window->recoverySession();
        QVERIFY(recovery);
        const QString copy = QString::fromStdString(recovery->recovery().programFile().string());
        QCOMPARE(recovery->tick().step, AutosaveStep::Nothing); // nothing unsaved yet
        QVERIFY(!QFile::exists(copy));

        s.appendElement(makeElement(10, 10, 10));
        s.workspace->editor.programDirty = true;
        const std::string name = s.workspace->programName, path = s.workspace->programPath;
        QCOMPARE(recovery->tick().step, AutosaveStep::Written);
        QVERIFY(QFile::exists(copy));
        QCOMPARE(s.workspace->programName, name); // the program itself is untouched
        QCOMPARE(s.workspace->programPath, path);
        QVERIFY(s.workspace->editor.programDirty);

        QVERIFY(s.window->SaveProgram(false));
        QVERIFY(!QFile::exists(copy));

        // A clean exit takes the copy along.
        s.workspace->editor.programDirty = true;
        recovery->tick();
        QVERIFY(QFile::exists(copy));
        s.window.reset();
        QVERIFY(!QFile::exists(copy));
    }

    void aCopyLeftByACrashIsOfferedAfterStartUp()
    {
        QuietSession s;
        // What a session that died left behind, and the copy of a session that still runs.
        ProgramStore lost;
        lost.newProgram();
        for (int i = 0; i < 8; ++i) {
            lost.currentElement = makeElement(10, 10, 10);
            lost.appendCurrent();
        }
        ProgramRecovery(s.workspace->appFolder(), "10-1").tick(lost, true, "Robot.gtf", "/home/ana/Robot.gtf");
        ProgramRecovery(s.workspace->appFolder(), "20-1").tick(lost, true, "Otro.gtf", "/home/ana/Otro.gtf");
        QLockFile running(QString::fromStdString(recoveryLockFile(s.workspace->appFolder(), "20-1").string()));
        QVERIFY(running.tryLock(0));

        std::vector<std::string> asked;
        s.dialogs.answer = [&](const UserMessage& m, bool question) {
            asked.push_back(m.text.spanish());
            return question ? int(QMessageBox::Yes) : 0;
        };
        s.window->offerRecovery();
        QCOMPARE(asked.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(asked[0]).contains("Robot.gtf"));
        QCOMPARE(s.window->windowTitle(), QString("Tarvel Lab 2.0 : Robot.gtf"));
        QCOMPARE(s.workspace->programPath, std::string("/home/ana/Robot.gtf"));
        QCOMPARE(s.workspace->store.sequenceLength(0), 9);
        QVERIFY(s.workspace->editor.programDirty); // unsaved: "Guardar" writes it where it was
        const fs::path folder = s.workspace->appFolder() / kRecoveryFolderName;
        QVERIFY(!fs::exists(folder / "10-1.gtf"));
        QVERIFY(fs::exists(s.window->recoverySession()->recovery().programFile())); // safe again at once
        QVERIFY(fs::exists(folder / "20-1.gtf"));

        // "No" removes a copy without touching the program.
        running.unlock();
        s.workspace->editor.programDirty = false;
        s.dialogs.answer = [&](const UserMessage& m, bool) {
            asked.push_back(m.text.spanish());
            return int(QMessageBox::No);
        };
        s.window->offerRecovery();
        QCOMPARE(asked.size(), std::size_t(2));
        QVERIFY(!fs::exists(folder / "20-1.gtf"));
        QCOMPARE(s.window->windowTitle(), QString("Tarvel Lab 2.0 : Robot.gtf"));
    }

    void unattendedRunsLeaveTheCopiesAlone()
    {
        QTemporaryDir dir;
        ProgramStore lost;
        lost.newProgram();
        ProgramRecovery(dir.path().toStdString(), "30-1").tick(lost, true, "p.gtf", "");
        Workspace ws(dir.path().toStdString());
        int asked = 0;
        testsupport::ScriptedDialogs dialogs;
        dialogs.waitsForWelcome = false;
        dialogs.keepsRecoveryCopies = false;
        dialogs.answer = [&](const UserMessage&, bool) { return ++asked, 0; };
        MainWindow window(ws, dialogs);
        window.startUp();
        QCoreApplication::processEvents();
        QVERIFY(!window.recoverySession());
        QVERIFY(fs::exists(dir.path().toStdString() + "/Recuperacion/30-1.gtf"));
    }

    void pluggingAndUnpluggingTheBrickIsNoticedWhileTheProgramRuns()
    {
        QuietSession s(true);
        SimulatedBrick* brick = s.workspace->simulatedBrick();
        QVERIFY(brick);
        s.window->FullComConnect();
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: J2-A1 (Rojo Cristal)"));
        QVERIFY(s.workspace->brickReady);

        brick->plug(false); // pulled out: the window's timer sees it
        QTRY_COMPARE_WITH_TIMEOUT(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno"), 5000);
        QVERIFY(!s.workspace->brickReady);
        QVERIFY(!s.workspace->link().brickConnected());
        QCOMPARE(s.window->findChild<QAction*>("Conect")->text(), QString("Conectar"));

        brick->plug(true);
        QTRY_COMPARE_WITH_TIMEOUT(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Disponible"), 5000);
        s.window->FullComConnect(); // no restart needed
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: J2-A1 (Rojo Cristal)"));
        QVERIFY(s.workspace->brickReady);
    }
};

QTEST_MAIN(ProductTest)
#include "ProductTest.moc"

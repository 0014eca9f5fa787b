// The build window and the source editor, driven from the main window as a student would, with the
// simulated brick; widgets found by their names.
#include "GuiSession.h"

#include "gui/app/QtText.h"
#include "gui/build/FormEditSource.h"
#include "gui/build/FormScreenCompi.h"
#include "gui/build/SourceCodeEdit.h"
#include "model/TextFile.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

using namespace tarvel;

namespace {

// The shared session, full interface, no welcome window, the simulated brick.
struct Session : testsupport::Session {
    Session()
        : testsupport::Session("1\r\n1\r\n1\r\n0\r\n1\r\n1\r\nClib_J2A1_USB0.LIB\r\n1\r\n", {}, true)
    {
    }
    Workspace& ws() { return *workspace; }
    QAction* action(const char* name) { return window->findChild<QAction*>(name); }
    FormScreenCompi* buildWindow() { return window->findChild<FormScreenCompi*>("formScreenCompi"); }
    template <typename T>
    T* inBuild(const char* name)
    {
        FormScreenCompi* w = buildWindow();
        return w ? w->findChild<T*>(name) : nullptr;
    }
    void open(const QString& example) { QVERIFY(window->OpenProgram(dir.filePath(example))); }
    void connectBrick()
    {
        QVERIFY(ws().link().IdentifyBrick());
        window->ConnectTool(true);
    }
    // Lets events run until the build is over or waits for "Cerrar", noting each status shown.
    bool waitForBuild(int timeoutMs = 15000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            if (QLabel* status = inBuild<QLabel>("lblConectStatus"))
                if (statuses.empty() || statuses.back() != status->text())
                    statuses.push_back(status->text());
            if (ws().buildMode == 255 && !buildWindow())
                return true;
            if (QPushButton* exit = inBuild<QPushButton>("cmdExit"); exit && exit->isVisible())
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return false;
    }
    void pressCerrar()
    {
        QPushButton* exit = inBuild<QPushButton>("cmdExit");
        QVERIFY(exit && exit->isVisible());
        QTest::mouseClick(exit, Qt::LeftButton);
        QTRY_VERIFY(!buildWindow());
        QCOMPARE(ws().buildMode, 255);
    }
    QString fileText(const QString& name)
    {
        std::string bytes;
        readWholeFile(dir.filePath(name).toStdString(), bytes);
        return qs(bytes);
    }

    QStringList statuses;
};

InstructionRecord element(int f, int s, int o, int a1 = 0, int a2 = 0, const std::string& name = "")
{
    return makeElement(f, s, o, a1, a2, 0, name);
}

} // namespace

class BuildWindowTest : public QObject {
    Q_OBJECT
private slots:
    void compileFromTheMenu()
    {
        Session s;
        s.open("Melodia.gtf");
        // The toolbar's Compilar waits for the brick tools; the menu does not.
        s.action("Compi")->trigger();
        QVERIFY(!s.buildWindow());
        s.action("mnuTextCompilar")->trigger();
        FormScreenCompi* w = s.buildWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Compilar Grafos, Generar Codigo"));
        QVERIFY(!s.inBuild<QWidget>("cmdExit")->isVisible());
        QVERIFY(!s.inBuild<QWidget>("txtErrors")->isVisible());
        QVERIFY(!s.inBuild<QWidget>("lblError")->isVisible());
        // A second build cannot start while this one runs.
        s.action("mnuTextCompilar")->trigger();
        QCOMPARE(s.window->findChildren<FormScreenCompi*>().size(), 1);
        QVERIFY(s.waitForBuild());
        QCOMPARE(s.statuses.last(), QString("Terminado!")); // shown 700 ms before the window goes
        QCOMPARE(s.window->panelText(StatusPanel::Memory), QString("Memoria: 40/(255)"));
        QCOMPARE(s.ws().assembly.imageLength, 40);
        QVERIFY(s.ws().simulatedBrick()->receivedReports().empty());
        QVERIFY(s.messages.empty());
        // Another program: the count was this one's.
        const QString before = s.window->panelText(StatusPanel::Memory);
        s.open("Melodia.gtf");
        QVERIFY(s.window->panelText(StatusPanel::Memory) != before);
        QVERIFY(s.window->panelText(StatusPanel::Memory).startsWith("Memoria: 0/"));
    }

    void compileSendAndRunWithTheToolbar()
    {
        Session s;
        s.open("Melodia.gtf");
        s.action("CompiSend")->trigger(); // tools off: nothing
        QVERIFY(!s.buildWindow());
        s.action("Conect")->trigger();
        QVERIFY(s.ws().brickReady);
        QTest::mouseClick(s.window->findChild<QToolButton*>("Toolbar1_CompiSend"), Qt::LeftButton);
        auto* bar = s.inBuild<QProgressBar>("pBarCompi");
        QVERIFY(bar);
        QList<int> download; // values while the bar counts blocks
        connect(bar, &QProgressBar::valueChanged, bar, [&](int v) {
            if (bar->maximum() != 100)
                download.append(v);
        });
        // The window answers while the image goes out: a timer set now fires during the build.
        bool answered = false;
        QTimer::singleShot(120, s.window.get(), [&] { answered = s.ws().buildMode == 15; });
        QVERIFY(s.waitForBuild());
        QVERIFY(answered);
        QVERIFY(s.statuses.contains("Enviando..."));
        QCOMPARE(s.statuses.last(), QString("Terminado!"));
        QVERIFY2(download.size() >= 10, qPrintable(QString::number(download.size()))); // one step per block
        QVERIFY(std::is_sorted(download.begin(), download.end()));
        const SimulatedBrick& brick = *s.ws().simulatedBrick();
        QVERIFY(brick.running());
        for (int i = 0; i < 40; ++i)
            QCOMPARE(brick.programMemory()[std::size_t(i)], s.ws().assembly.image[std::size_t(i)]);
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Conectado?"));
        QVERIFY(!s.ws().brickReady);
        QCOMPARE(s.window->findChild<QAction*>("Conect")->text(), QString("Conectar"));

        // "Grabar" sends the last image again once the brick is connected.
        s.connectBrick();
        s.action("mnuTextGrabar")->trigger();
        QCOMPARE(s.buildWindow()->windowTitle(), QString("Enviar Codigo al Ladrillo"));
        QVERIFY(s.waitForBuild());
        QCOMPARE(brick.downloadsFinished(), 2);
        QVERIFY(!brick.running()); // a download stops the old program; nothing started it again
    }

    void tooBigForTheLibrary()
    {
        Session s;
        s.open("Melodia.gtf");
        s.connectBrick();
        s.ws().library.libraryCapacity = 30;
        const auto before = s.ws().simulatedBrick()->receivedReports().size();
        s.action("mnuTextCompiGrabar")->trigger();
        QVERIFY(s.waitForBuild());
        QCOMPARE(
            s.inBuild<QLabel>("lblConectStatus")->text(), QString("El Programa Excede la Memoria Disponible! (40)"));
        QVERIFY(s.inBuild<QLabel>("lblError")->isVisible());
        QCOMPARE(s.inBuild<QLabel>("lblError")->text(), QString("Error de Espacio de Memoria"));
        QCOMPARE(s.ws().buildMode, 15); // until the user closes
        s.pressCerrar();
        QCOMPARE(s.ws().simulatedBrick()->receivedReports().size(), before);
        QVERIFY(s.ws().brickReady); // nothing was sent: the tools stay as they were
        QVERIFY(s.window->panelText(StatusPanel::Brick) != "Ladrillo: Conectado?");
    }

    void unbalancedSubroutines()
    {
        Session s;
        ProgramStore& store = s.ws().store;
        store.activeSequence = 1;
        store.subroutineCount = 1;
        store.subroutineNames[1] = "sub";
        s.appendElement(element(17, 13, 10, 0, 0, "sub"));
        store.activeSequence = 0;
        s.action("mnuTextCompilar")->trigger();
        QVERIFY(s.waitForBuild());
        QCOMPARE(s.inBuild<QLabel>("lblConectStatus")->text(), QString("Una o Varias Subrutinas No Tienen Final!"));
        QCOMPARE(s.inBuild<QLabel>("lblError")->text(), QString("Error de Programacion"));
        QVERIFY(!s.statuses.contains("Compilando Fuente..."));
        s.pressCerrar();

        s.ws().settings.syntaxAssistantOff = true;
        s.statuses.clear();
        s.action("mnuTextCompilar")->trigger();
        QVERIFY(s.waitForBuild());
        QVERIFY(!s.statuses.contains("Compilando Fuente..."));
        QVERIFY(!s.statuses.contains("Terminado!"));
        QCOMPARE(
            s.inBuild<QLabel>("lblConectStatus")->text(), QString("El Programa No Genera Codigo para el Ladrillo!"));
        s.pressCerrar();
    }

    void aJumpToAMissingLabelIsNamedInTheBuildsList()
    {
        Session s;
        s.appendElement(element(17, 11, 10, 0, 0, "arriba"));
        s.appendElement(element(17, 12, 10, 1, 0, "noexiste"));
        s.action("mnuTextCompilar")->trigger();
        QVERIFY(s.waitForBuild());
        const QString list = s.inBuild<QPlainTextEdit>("txtErrors")->toPlainText();
        QVERIFY2(list.startsWith("El salto a la etiqueta \"noexiste\" no tiene su etiqueta en el programa (Mi_Prog, "
                                 "fila 1, columna 3)"),
            qPrintable(list));
        QVERIFY(list.contains("[1001] : C0_noexiste")); // the assembler's own message stays beneath
        s.pressCerrar();
    }

    void unpluggedDuringTheDownload()
    {
        Session s;
        s.open("Melodia.gtf");
        std::string fileBefore;
        readWholeFile(s.dir.filePath("Melodia.gtf").toStdString(), fileBefore);
        const auto elements = s.ws().store.totalElements();
        s.connectBrick();
        s.ws().simulatedBrick()->config().unplugAtBlock = 4;
        s.action("mnuTextCompiGrabar")->trigger();
        QVERIFY(s.waitForBuild());
        QCOMPARE(s.inBuild<QLabel>("lblConectStatus")->text(), QString("Error al Enviar Programa!"));
        QCOMPARE(s.inBuild<QLabel>("lblError")->text(), QString("Error de Conexion! (2)"));
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno"));
        QVERIFY(!s.ws().brickReady);
        s.pressCerrar();
        QCOMPARE(s.ws().store.totalElements(), elements);
        std::string fileAfter;
        readWholeFile(s.dir.filePath("Melodia.gtf").toStdString(), fileAfter);
        QVERIFY(fileAfter == fileBefore);
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno")); // not "Conectado?"
    }

    void sourceEditorAfterABuild()
    {
        Session s;
        s.open("Sigue la Luz.gtf");
        s.action("mnuTextCompilar")->trigger();
        QVERIFY(s.waitForBuild());
        s.action("mnuEditSource")->trigger();
        auto* editor = s.window->findChild<FormEditSource*>("formEditSource");
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->windowTitle(), QString("Ver y Editar Codigo Fuente"));
        auto* text = editor->findChild<SourceCodeEdit*>("rtxtSource");
        QCOMPARE(editor->findChild<QLabel*>("lblErrores")->text(), QString("Errores"));
        QCOMPARE(editor->findChild<QLabel*>("lblProgSize")->text(), QString("Memoria: ----"));
        // The same text as the source file, ending with the END line.
        QCOMPARE(text->toPlainText().replace("\n", "\r\n"), s.fileText("SysTemp.src"));
        QCOMPARE(text->document()->lastBlock().previous().text(), QString("            END"));
        for (const char* key : {"New", "Open", "Save", "Run", "Compi", "Send", "CompiSend"})
            QVERIFY2(editor->findChild<QToolButton*>(QStringLiteral("Toolbar1_%1").arg(key)), key);
        QCOMPARE(editor->findChild<QToolButton*>("Toolbar1_New")->accessibleName(), QString("Nuevo"));

        // Selecting an element marks the lines it produced.
        const auto& spans = s.ws().translation.elementSpans;
        const SourceSpan third = spans.at(2); // the next build replaces the spans
        testsupport::CanvasCells{*s.window}.click(2);
        QCOMPARE(text->markedFirstLine(), third.firstLine);
        QCOMPARE(text->markedLineCount(), third.lineCount);
        QVERIFY(text->document()->findBlockByNumber(third.firstLine - 1).text().startsWith(";"));

        // An edit ends the mark; closing keeps the edit for the next opening.
        text->moveCursor(QTextCursor::End);
        QTest::keyClicks(text, "; mio");
        QCOMPARE(text->markedLineCount(), 0);
        testsupport::CanvasCells{*s.window}.click(2);
        QCOMPARE(text->markedLineCount(), 0);
        const QString edited = text->toPlainText();
        editor->close();
        QVERIFY(!editor->isVisible());
        s.action("mnuEditSource")->trigger();
        QCOMPARE(text->toPlainText(), edited);
        // The next flowchart build replaces it, in the open editor too.
        text->document()->setModified(false);
        s.action("mnuTextCompilar")->trigger();
        QVERIFY(s.waitForBuild());
        QVERIFY(!text->toPlainText().contains("; mio"));
        testsupport::CanvasCells{*s.window}.click(2);
        QCOMPARE(text->markedFirstLine(), third.firstLine);
    }

    void sourceEditorBuilds()
    {
        Session s;
        s.action("mnuEditSource")->trigger();
        auto* editor = s.window->findChild<FormEditSource*>("formEditSource");
        editor->resultDelayMs = 0;
        auto* text = editor->findChild<SourceCodeEdit*>("rtxtSource");
        auto* debug = editor->findChild<QPlainTextEdit*>("txtDebug");
        auto* errors = editor->findChild<QLabel*>("lblErrores");
        auto* size = editor->findChild<QLabel*>("lblProgSize");

        // No END line: the build adds one.
        text->setPlainText(" BEEPOK\n LDK 5");
        editor->findChild<QAction*>("Compi")->trigger();
        QVERIFY(!editor->mayClose());
        QCOMPARE(s.buildWindow()->windowTitle(), QString("Generar Codigo"));
        QVERIFY(s.waitForBuild());
        QTRY_VERIFY(editor->mayClose());
        QCOMPARE(errors->text(), QString("Errores : (0)"));
        QCOMPARE(size->text(), QString("Memoria: 3"));
        QVERIFY(debug->toPlainText().isEmpty());

        // One unknown mnemonic: one line, one error; double-clicking it goes to that line.
        text->setPlainText(" BEEPOK\n NOEXISTE\n STOP");
        editor->findChild<QAction*>("Compi")->trigger();
        QVERIFY(s.waitForBuild());
        QCOMPARE(s.messages.size(), std::size_t(1));
        QVERIFY(s.messages[0].rfind("Se ha generado un error de sintaxis interna", 0) == 0);
        QVERIFY(s.inBuild<QWidget>("txtErrors")->isVisible());
        QVERIFY(!editor->mayClose()); // the editor waits for the build window's "Cerrar"
        s.pressCerrar();
        QTRY_COMPARE(errors->text(), QString("Errores : (1)"));
        QCOMPARE(debug->document()->blockCount(), 1);
        QCOMPARE(debug->toPlainText(), QString(" 2 - Error: Instruccion Inexistente [1008] : NOEXISTE"));
        text->moveCursor(QTextCursor::Start);
        QTest::mouseDClick(debug->viewport(), Qt::LeftButton, {}, QPoint(20, debug->fontMetrics().height() / 2));
        QCOMPARE(text->textCursor().blockNumber(), 1);
        QCOMPARE(text->textCursor().selectedText(), QString(" NOEXISTE"));

        // A warning alone stops the build as well.
        text->setPlainText(" DB 300, 2");
        editor->findChild<QAction*>("Compi")->trigger();
        QVERIFY(s.waitForBuild());
        s.pressCerrar();
        QTRY_COMPARE(errors->text(), QString("Errores : (0)"));
        QVERIFY(debug->toPlainText().contains("[2001]"));

        // Send and CompiGraba need the brick tools; with them the editor's text goes out and runs.
        text->setPlainText(" BEEPOK\n STOP");
        editor->findChild<QAction*>("CompiSend")->trigger();
        QVERIFY(!s.buildWindow());
        s.connectBrick();
        editor->findChild<QAction*>("CompiSend")->trigger();
        QCOMPARE(s.buildWindow()->windowTitle(), QString("Generar Codigo, Enviar Codigo y Correr Programa"));
        QVERIFY(s.waitForBuild());
        QTRY_VERIFY(editor->mayClose());
        QVERIFY(s.ws().simulatedBrick()->running());
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Conectado?"));
        QCOMPARE(size->text(), QString("Memoria: 2"));
    }

    void sourceEditorFiles()
    {
        Session s;
        s.action("mnuEditSource")->trigger();
        auto* editor = s.window->findChild<FormEditSource*>("formEditSource");
        auto* text = editor->findChild<SourceCodeEdit*>("rtxtSource");
        QString startedAt;
        QString answer;
        editor->chooseSaveFile = [&](const QString&, const QString& start) {
            startedAt = start;
            return answer;
        };
        editor->chooseOpenFile = editor->chooseSaveFile;

        // An empty text saves as an empty file; the dialog starts in the home folder.
        editor->findChild<QAction*>("New")->trigger();
        answer = s.dir.filePath("vacio.src");
        editor->findChild<QAction*>("Save")->trigger();
        QCOMPARE(startedAt, QDir::homePath());
        QVERIFY(QFileInfo::exists(answer));
        QCOMPARE(QFileInfo(answer).size(), 0);

        // Saving over a file replaces it whole; the next dialog starts at the file.
        text->setPlainText(" BEEPOK\n STOP");
        answer = s.dir.filePath("prog");
        editor->findChild<QAction*>("Save")->trigger();
        QCOMPARE(s.fileText("prog.src"), QString(" BEEPOK\r\n STOP"));
        QCOMPARE(editor->sourceFilePath(), s.dir.filePath("prog.src"));

        // Opening shows the file with a line end after it; a cancelled dialog changes nothing.
        editor->findChild<QAction*>("New")->trigger();
        answer = s.dir.filePath("prog.src");
        editor->findChild<QAction*>("Open")->trigger();
        QCOMPARE(startedAt, s.dir.filePath("prog.src"));
        QCOMPARE(text->toPlainText(), QString(" BEEPOK\n STOP\n"));
        answer.clear();
        editor->findChild<QAction*>("Open")->trigger();
        QCOMPARE(text->toPlainText(), QString(" BEEPOK\n STOP\n"));

        // A file that cannot be read is reported; the text stays.
        answer = s.dir.filePath("no-existe.src");
        editor->findChild<QAction*>("Open")->trigger();
        QCOMPARE(s.messages.size(), std::size_t(1));
        QCOMPARE(text->toPlainText(), QString(" BEEPOK\n STOP\n"));

        // A text the flowchart did not produce is kept when the editor closes.
        editor->close();
        QCOMPARE(s.ws().translation.source, std::string(" BEEPOK\r\n STOP\r\n"));
        QVERIFY(s.ws().translation.elementSpans.empty());
    }
};

QTEST_MAIN(BuildWindowTest)
#include "BuildWindowTest.moc"

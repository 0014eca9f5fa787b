// The interface in English: chosen in the settings and installed at start-up, every text of the
// translation file translated, no Spanish text left in the windows, the core's texts translated
// where the windows show them, and the files the program writes the same in both languages.
#include "ScriptedDialogs.h"
#include "compiler/BuildPlan.h"
#include "compiler/Compile.h"
#include "editing/DialogRules.h"
#include "editing/EditScript.h"
#include "editing/ElementKinds.h"
#include "gui/app/QtText.h"
#include "gui/app/Translation.h"
#include "gui/app/UiText.h"
#include "gui/editor/Canvas.h"
#include "CanvasCells.h"
#include "gui/editor/IconStore.h"
#include "gui/editor/MainWindow.h"
#include "gui/settings/SettingsDialog.h"
#include "model/CodeTable.h"
#include "model/ElementDescription.h"
#include "model/JumpTargets.h"
#include "model/NumberEntry.h"
#include "model/ProgramFile.h"
#include "model/TextFile.h"
#include "settings/SettingsForm.h"
#include "workspace/Workspace.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>
#include <set>

using namespace tarvel;

namespace
{

// No welcome window, the default library; the ninth line is the language.
const std::string kConfig = "1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n\r\n0\r\n";

// The program as it starts: the language the settings file asks for, installed before the first
// window is made, then the main window.
struct Start {
    explicit Start(const std::string& config)
    {
        QDir source(TARVEL_APPDIR);
        for (const QString& f : source.entryList(QDir::Files))
            if (f != "Config.txt" && !f.endsWith(".src"))
                QFile::copy(source.filePath(f), dir.filePath(f));
        writeFileReplacing(dir.filePath("Config.txt").toStdString(), config);
        translator = installConfiguredLanguage(*QCoreApplication::instance(), dir.path());
        workspace = std::make_unique<Workspace>(dir.path().toStdString());
        dialogs.answer = [this](const UserMessage& m, bool) {
            messages.push_back(m.text.spanish());
            return 0;
        };
        dialogs.waitsForWelcome = false;
        dialogs.keepsRecoveryCopies = false;
        window = std::make_unique<MainWindow>(*workspace, dialogs);
        window->show();
        window->startUp();
    }
    ~Start()
    {
        window.reset();
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    QStringList menuTitles() const
    {
        QStringList titles;
        for (QAction* a : window->menuBar()->actions())
            titles << a->text();
        return titles;
    }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }

    QTemporaryDir dir;
    QTranslator* translator = nullptr;
    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<MainWindow> window;
    std::vector<std::string> messages;
};

struct Message {
    QString source, translation;
    QString context;
    bool finished = true;
};

std::vector<Message> translationFile()
{
    std::vector<Message> all;
    QFile file(TARVEL_TRANSLATIONS);
    if (!file.open(QIODevice::ReadOnly))
        return all;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            all.push_back({ {}, {}, context, true });
        else if (xml.name() == QLatin1String("source") && !all.empty())
            all.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == QLatin1String("translation") && !all.empty()) {
            all.back().finished = xml.attributes().value("type").isEmpty();
            all.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return all;
}

QStringList markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// Every text a window shows, says to a screen reader or offers in a list.
QStringList shownTexts(QWidget* root)
{
    QStringList texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w))
            texts << g->title();
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                texts << t->tabText(i);
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i) << c->itemData(i, Qt::ToolTipRole).toString();
        for (QAction* a : w->actions())
            texts << a->text() << a->toolTip();
    }
    for (QAction* a : root->findChildren<QAction*>())
        texts << a->text() << a->toolTip();
    texts.removeAll(QString());
    return texts;
}

// The Spanish texts that have an English of their own.
std::set<QString> spanishTexts()
{
    std::set<QString> spanish;
    for (const Message& m : translationFile())
        if (m.translation != m.source && markers(m.source).isEmpty())
            spanish.insert(m.source);
    return spanish;
}

QStringList stillSpanish(const QStringList& texts, const std::set<QString>& spanish)
{
    QStringList left;
    for (const QString& t : texts)
        if (spanish.count(t) && !left.contains(t))
            left << t;
    return left;
}

// The text and title of the message box that `gesture` makes the main window show.
template <typename Gesture> std::pair<QString, QString> shownMessage(testsupport::ScriptedDialogs& dialogs, Gesture gesture)
{
    std::pair<QString, QString> shown;
    dialogs.answer = nullptr;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = { box->text(), box->windowTitle() };
            box->done(0);
        }
    });
    gesture();
    return shown;
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void spanishUnlessChosenOnAnEnglishDesktop()
    {
        QCOMPARE(QLocale::system().language(), QLocale::English); // the test runs on an English desktop
        for (const std::string& config : { kConfig, kConfig + "0\r\n", kConfig + "x\r\n" }) {
            Start s(config);
            QVERIFY(!s.translator);
            QCOMPARE(s.menuTitles(),
                QStringList({ "Archivo", "Edicion", "Compilacion", "Conexion", "Ayuda", "Configuracion" }));
            QCOMPARE(s.action("New")->toolTip(), QString("Comenzar un Nuevo Programa"));
            QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno"));
            // Qt's own dialogs (opening a file, printing) speak Spanish with the rest.
            QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QString("Abrir"));
        }
        // No settings file at all: Spanish, and the new file says so on its ninth line.
        QTemporaryDir empty;
        QCOMPARE(configuredLanguage(empty.path()), InterfaceLanguage::Spanish);
    }

    void englishStartUp()
    {
        Start s(kConfig + "1\r\n");
        QVERIFY(s.translator);
        QCOMPARE(s.menuTitles(), QStringList({ "File", "Edit", "Build", "Connection", "Help", "Settings" }));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QString("Open"));
        QCOMPARE(s.action("mnuFileGuardarComo")->text(), QString("Save As"));
        QCOMPARE(s.action("mnuTextCompiGrabar")->text(), QString("Compile, Send and Run"));
        // The toolbar, with the buttons' accessible names in English too.
        QCOMPARE(s.action("New")->text(), QString("New"));
        QCOMPARE(s.action("New")->toolTip(), QString("Start a New Program"));
        QCOMPARE(s.action("Conect")->text(), QString("Connect"));
        // The status bar, with the core's panel texts.
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Brick: None"));
        QCOMPARE(s.window->panelText(StatusPanel::Library), QString("Library: J2A1"));
        QCOMPARE(s.window->panelText(StatusPanel::Objects), QString("Objects:  1/ 1"));
        QCOMPARE(s.window->panelText(StatusPanel::EditorMode), QString("Editor: Normal"));
        QCOMPARE(s.window->statusBar()->findChild<QLabel*>("sbarMain_5")->toolTip(), QString("Memory Used/Available"));

        // A palette and its items' tooltips, from the core's registry.
        s.window->openPalette(0);
        auto* palette = s.window->findChild<QWidget*>("subToolMotores");
        QVERIFY(palette);
        QCOMPARE(palette->windowTitle(), QString("Motors"));
        auto* first = palette->findChild<QWidget*>("imgSubToolMotores_0");
        QVERIFY(first);
        QCOMPARE(first->toolTip(), QString("Turn Motor(s) On Forward"));

        // A dialog: its title from the palette, its captions from the core's rules; objectNames stay.
        s.window->openElementDialog(DialogId::EsperaTiempo, uiText("Generar una Demora por Tiempo"));
        auto* wait = s.window->findChild<QWidget*>("formEsperaTiempo");
        QVERIFY(wait);
        QCOMPARE(wait->windowTitle(), QString("Wait for a Time"));
        QVERIFY(stillSpanish(shownTexts(wait), spanishTexts()).isEmpty());
        wait->close();

        auto* settings = new SettingsDialog(*s.workspace, s.window.get());
        QCOMPARE(settings->windowTitle(), QString("Global Settings"));
        QCOMPARE(settings->findChild<QTabWidget*>("tabConfig")->tabText(4), QString("Language"));
        QCOMPARE(settings->findChild<QComboBox*>("cmbIdioma")->currentIndex(), 1);
        settings->close();

        // A message box with the core's message: a file that is not a program.
        const QString empty = s.dir.filePath("vacio.gtf");
        writeFileReplacing(empty.toStdString(), "");
        QCOMPARE(shownMessage(s.dialogs, [&] { s.window->OpenProgram(empty); }),
            std::pair(QString("The file is not a Tarvel Lab program: it has no element."), QString("Error")));
        // Texts the core composes: with numbers, with a path and its reason under it; a sentence
        // nobody translated stays as it is.
        ProgramStore store;
        store.newProgram();
        std::vector<std::uint8_t> bad = serializeProgram(store), junk = bad;
        junk[0] = 99;
        bad.insert(bad.end(), junk.begin(), junk.end());
        QCOMPARE(uiText(loadProgram(store, bad).error),
            QString("The file is not a Tarvel Lab program: record 2 is not an element (family 99)."));
        const QString missing = s.dir.filePath("mis 2 programas/a.gtf");
        QCOMPARE(uiText(openProgramFile(store, missing.toStdString()).error),
            QString("Could Not Open the File %1\r\nThe file does not exist.").arg(missing));
        QCOMPARE(uiText(Text::sentence("Texto que nadie tradujo")), QString("Texto que nadie tradujo"));
    }

    void descriptionsAreShownInEnglishAndStoredInSpanish()
    {
        Start s(kConfig + "1\r\n");
        ProgramStore& store = s.workspace->store;
        store.currentElement = makeElement(13, 10, 10, 5, 0, 0); // a wait of 5 seconds
        describeElement(store.currentElement, store);
        store.appendCurrent();
        s.workspace->programEditor.drawAppended(0);
        s.window->canvas().afterAppend();
        s.window->canvas().renderLastElement();
        QVERIFY(qs(store.recordAt(0, 1).description).startsWith("Demora de 5 Segundos"));
        const QString tip = testsupport::CanvasCells{*s.window}.tip(1);
        QVERIFY2(tip.startsWith("Delay of 5 Seconds"), qPrintable(tip));
        QCOMPARE(testsupport::CanvasCells{*s.window}.name(1), tip);
        // Assembler messages keep their line number first, which a double click reads.
        QCOMPARE(uiText(assemblyMessageText({AssemblyCode::LabelInUse, 12, "LOOP"})),
            QString(" 12 - Error: Label already used [1003] : LOOP"));
    }

    void whatTypingBuildingAndStartingSayIsEnglish()
    {
        Start s(kConfig + "1\r\n");
        ProgramStore store;
        store.newProgram();
        store.currentElement = makeElement(17, 12, 10, 1, 0, 0, "lejos");
        store.appendCurrent();
        QCOMPARE(uiText(missingLabelLines(store).at(0)),
            QString("The jump to the label \"lejos\" has no such label in the program (My_Prog, row 1, column 2)"));
        QCOMPARE(uiText(missingLabelWarning("lejos").text),
            QString("The Target Label Does Not Exist in This Sequence: lejos\r\nDraw the Label Before Compiling the "
                    "Program."));
        QCOMPARE(uiText(numberRangeMessage({ 0, 245 }).text), QString("Only Numbers from 0 to 245 Are Accepted"));
        QCOMPARE(uiText(motorNameRefusal("a%b")->text),
            QString(
                "A Motor's Name Cannot Contain the Character %\r\nThe Character % Separates the Values Saved with the "
                "Program."));
        QTemporaryDir home;
        const QString config = home.filePath("Config.txt");
        writeFileReplacing(config.toStdString(), "1\r\nCom\r\n1\r\n0\r\n1\r\n3\r\n/x.LIB\r\n");
        QCOMPARE(uiText(loadOrCreateConfig(config.toStdString(), "/x.LIB").error),
            QString("Could Not Read the Settings in the File %1\r\nLine 2 Does Not "
                    "Have the Expected Format.\r\nIt Was Replaced by the Default Values.\r\nThe "
                    "Previous File Was Kept As %1.bak").arg(config));
    }

    void everyElementDescriptionIsWhollyEnglish()
    {
        // The elements of the shipped examples (together every kind), every output and every wait
        // with each of their options, shown as tooltips: no Spanish word left in them.
        Start s(kConfig + "1\r\n");
        static const QRegularExpression spanish(QStringLiteral(
            "\\b(que|Por|de|del|la|el|en|Sonido|Haya|Mientras|Hasta|Esperar|Cargar|Encender|Apagar|Segundos?|Este|"
            "Mayor|Menor|Igual|Distinto|Roja|Azul|Verde|Rosa|Naranja|Guardar|Leer|Enviar|Demora|Decimas|Milesimas|"
            "Centesimas|Repetir|Veces|Llamar|Saltar|Etiqueta|Subrutina|Programa|Terminar|Inicio|Elemento|Ayuda|Luz|"
            "Pantalla|Señal|Microfono|Tacto|Girar|Doblar|Hacia|Derecha|Izquierda|Valor|Azar|Copiar|Hacer|"
            "Reproducir|Ejecutar|Recorrido|Melodia|Contar|Pulsos|Mensaje|Datos|Frecuencia|Intensidad|Separador|"
            "Tiempo|Secuencia|Texto|Vacio|contenido|valor)\\b"));
        std::vector<InstructionRecord> elements;
        for (const QString& f : QDir(TARVEL_APPDIR).entryList({"*.gtf"}, QDir::Files)) {
            ProgramStore program;
            QVERIFY(openProgramFile(program, QDir(TARVEL_APPDIR).filePath(f).toStdString()).ok);
            for (int q = 0; q <= program.subroutineCount; ++q)
                for (int i = 0; i < program.sequenceLength(q); ++i)
                    elements.push_back(program.recordAt(q, i));
        }
        const std::pair<int, std::vector<int>> outputs[] = {
            {10, {10, 11, 12, 13}}, {11, {10, 11, 12, 13}}, {12, {10, 11, 14, 16, 17}}, {13, {10, 15}}};
        for (const auto& [sub, options] : outputs)
            for (int o : options)
                for (int a : {1, 6})
                    elements.push_back(makeElement(family::Outputs, sub, o, a, 440, 16));
        for (int sub : {10, 11, 17, 18})
            for (int o : {10, 11})
                elements.push_back(makeElement(13, sub, o, 3, 0, 0));
        for (int sub = 12; sub <= 16; ++sub)
            for (int o : {12, 13})
                elements.push_back(makeElement(13, sub, o, 0, 0, 0));
        ProgramStore store;
        QStringList left;
        std::set<QString> seen;
        for (InstructionRecord& r : elements) {
            describeElement(r, store);
            const QString shown = uiText(elementDescription(r, store));
            if (spanish.match(shown).hasMatch() && seen.insert(shown).second) {
                left << QStringLiteral("%1 => %2").arg(qs(r.description), shown);
                qWarning("%s", qPrintable(left.back()));
            }
        }
        QCOMPARE(left.size(), 0);
        // The words drawn in a decision's frame too.
        const QByteArray decision = IconStore::layerPicture("frame", "5");
        QVERIFY(decision.contains(">YES</text>") && decision.contains(">NO</text>") && !decision.contains(">SI<"));
    }

    void everyTextOfTheTranslationFileIsTranslated()
    {
        const auto all = translationFile();
        QVERIFY(all.size() > 500);
        for (const Message& m : all) {
            QVERIFY2(m.finished && !m.translation.isEmpty(), qPrintable(m.context + ": " + m.source));
            QVERIFY2(markers(m.source) == markers(m.translation), qPrintable(m.context + ": " + m.source));
        }
    }

    // Every refusal, warning and question editing can give, in English: every kind of edit, with an
    // element of every family and subtype the library knows and every palette item, at the ends and
    // the middle of every sequence of programs made to provoke them (after an end of program, with
    // a label and its jump, a full subroutine, all subroutines taken).
    void everyEditingMessageIsEnglish()
    {
        Start s(kConfig + "1\r\n");
        std::vector<InstructionRecord> kinds;
        s.workspace->library.templateOffsetTable.forEach([&](int f, int sub, int o, std::int32_t offset) {
            if (offset != 0 && f <= 17 && (kinds.empty() || kinds.back().family != f || kinds.back().subtype != sub))
                kinds.push_back(makeElement(f, sub, o, 1, 1, 1, "L"));
        });
        QVERIFY(kinds.size() > 30);
        auto script = [](std::vector<std::string> words) {
            for (int i = 0; i < 4; ++i) // the same wait, four times
                words.insert(words.begin(), {"add", "0", "13,11,10,5,0,0"});
            return words;
        };
        std::vector<std::vector<std::string>> bases = {
            {},
            script({"add", "0", "17,11,10,0,0,0,L", "add", "0", "17,12,10,0,0,0,L"}),
            script({"add", "0", "17,16,11,0,0,0"}),
            script({"sub", "S", "add", "1", "17,14,10,0,0,0,S"}),
            script({"sub", "A", "sub", "B", "sub", "C", "sub", "D", "sub", "E", "sub", "F", "sub", "G", "sub", "H"}),
        };
        std::vector<std::string> full = {"sub", "Llena"}, labels, main;
        for (int i = 0; i < kSubSlots; ++i)
            full.insert(full.end(), {"add", "1", "13,11,10,5,0,0"});
        for (int i = 0; i <= kLabelEntries; ++i)
            labels.insert(labels.end(), {"add", "0", "17,11,10,0,0,0,E" + std::to_string(i)});
        for (int i = 0; i < kMainSlots; ++i)
            main.insert(main.end(), {"add", "0", "13,11,10,5,0,0"});
        bases.insert(bases.end(), {full, labels, main});
        kinds.push_back(makeElement(27, 10, 10)); // no element of a program

        QSet<QString> same; // words written alike in both languages ("Error")
        for (const Message& m : translationFile())
            if (m.finished && m.translation == m.source)
                same.insert(m.source);
        std::set<std::string> seen;
        QStringList spanish;
        auto check = [&](const std::vector<UserMessage>& messages) {
            for (const UserMessage& m : messages)
                for (const Text* text : {&m.text, &m.title})
                    if (!text->empty() && seen.insert(text->spanish()).second && uiText(*text) == qs(text->spanish()) &&
                        !same.contains(qs(text->spanish())))
                        spanish << qs(text->spanish());
        };
        const bool assistantOff = false;
        for (const auto& words : bases) {
            ProgramStore base;
            base.setElementSizes(s.workspace->library.elementSizeTable);
            EditorState baseState;
            UndoHistory baseHistory;
            ProgramEditor baseEditor(base, baseState, baseHistory, assistantOff);
            baseEditor.newProgram();
            for (const EditOperation& op : parseEditScript(words).operations)
                check(applyEditOperation(baseEditor, base, baseState, op).messages);
            for (int seq = 0; seq <= base.subroutineCount; ++seq) {
                const int length = base.sequenceLength(seq);
                for (int index : std::set<int>{0, 1, length / 2, std::max(0, length - 1)}) {
                    auto fresh = [&](auto&& edit) {
                        auto store = std::make_unique<ProgramStore>(base);
                        EditorState state = baseState;
                        UndoHistory history;
                        ProgramEditor editor(*store, state, history, assistantOff);
                        store->activeSequence = seq;
                        edit(editor, *store, state);
                    };
                    using K = EditOperation::Kind;
                    for (K kind : {K::Add, K::Insert, K::Replace, K::Modify})
                        for (const InstructionRecord& element : kinds)
                            fresh([&](ProgramEditor& e, ProgramStore& store, EditorState& state) {
                                check(applyEditOperation(e, store, state, {kind, {}, seq, index, element}).messages);
                            });
                    for (K kind : {K::Delete, K::Space})
                        fresh([&](ProgramEditor& e, ProgramStore& store, EditorState& state) {
                            const EditResult r = applyEditOperation(e, store, state, {kind, {}, seq, index, {}});
                            check(r.messages);
                            if (kind == K::Delete && seq > 0)
                                check(e.deleteSubroutine(seq).messages);
                        });
                    for (const char* name : {"", "L", "S", "A", "1x", "a b", "Nueva", "muy_largo_nombre"})
                        fresh([&](ProgramEditor& e, ProgramStore& store, EditorState&) {
                            e.openPalette();
                            store.currentElement = makeElement(17, 11, 10);
                            check(e.acceptLabel(name, -1).messages);
                            e.openPalette();
                            store.currentElement = makeElement(17, 13, 10);
                            check(e.acceptSubroutine(name).messages);
                        });
                    for (int p = 0; p < int(palettes().size()); ++p)
                        for (int i = 0; i < int(palettes()[std::size_t(p)].entries.size()); ++i)
                            for (bool inserting : {false, true})
                                fresh([&](ProgramEditor& e, ProgramStore&, EditorState&) {
                                    if (inserting)
                                        e.beginInsert(index);
                                    e.openPalette();
                                    check(e.choosePaletteItem(p, i).outcome.messages);
                                });
                }
            }
        }
        {
            // An element the library has no code for, with the warning asked for in the settings.
            ProgramStore store;
            EditorState state;
            UndoHistory history;
            const bool warn = true;
            ProgramEditor editor(store, state, history, assistantOff, warn);
            editor.newProgram();
            check(applyEditOperation(editor, store, state, {EditOperation::Kind::Add, {}, 0, 0, kinds.front()}).messages);
            QVERIFY(seen.count("Esta funcion no Genera Codigo para este Ladrillo!"));
        }
        QVERIFY2(spanish.isEmpty(), qPrintable(spanish.join(" | ")));
        QVERIFY2(seen.size() > 20, qPrintable(QString::number(seen.size()))); // each one provoked
    }

    // Every outcome a build can have, and every caption of its window, in English: walked from the
    // enumeration, so that an outcome added later without its translation fails here.
    void everyBuildOutcomeIsEnglish()
    {
        Start s(kConfig + "1\r\n");
        QStringList spanish;
        auto check = [&](const Text& text) {
            if (!text.empty() && uiText(text) == qs(text.spanish()))
                spanish << qs(text.spanish());
        };
        for (int f = int(BuildFailure::Integrity); f <= int(BuildFailure::NothingToSend); ++f) {
            const FailureText t = buildFailureText(BuildFailure(f), 900);
            check(t.status);
            check(t.error);
        }
        for (int mode : {buildModes::Compile, buildModes::Send, buildModes::CompileSendRun, buildModes::EditorCompile,
                 buildModes::EditorCompileSendRun})
            check(buildCaption(mode));
        check(compilationErrorMessage().text);
        check(compilationErrorMessage().title);
        check(errorCountText(3));
        check(programSizeText(120));
        check(memoryPanelText(10, 0, 200));
        check(memoryPanelText(10, 240, 200));
        QVERIFY2(spanish.isEmpty(), qPrintable(spanish.join(" | ")));
        QCOMPARE(uiText(buildCaption(buildModes::CompileSendRun)),
            QString("Compile Flowchart, Generate Code, Send Code and Run Program"));
    }

    // The core's sentences are written where the core says them, once: a window that spelled one
    // out again (to show or to compare it) would keep a second copy that drifts from the first.
    void noWindowSpellsOutACoreSentence()
    {
        QSet<QString> core;
        for (const Message& m : translationFile())
            if (m.context == QLatin1String("core") && m.source.contains(QLatin1Char(' ')))
                core.insert(m.source);
        QVERIFY(core.size() > 300);
        // A literal that a window translates in its own context is its own text, not a copy.
        static const QRegularExpression literal(
            QStringLiteral("(\\btr\\(\\s*|QT_TRANSLATE_NOOP\\(\\s*\"[^\"]*\",\\s*)?\"((?:[^\"\\\\]|\\\\.)*)\""));
        QStringList found;
        QDirIterator files(QStringLiteral(TARVEL_GUI_SOURCES), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QString code;
            for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
                // Comments may name a sentence; only code counts.
                const qsizetype comment = line.indexOf(QLatin1String("//"));
                code += (comment >= 0 && line.left(comment).count(QLatin1Char('"')) % 2 == 0 ? line.left(comment) : line)
                    + QLatin1Char('\n');
            }
            QVERIFY2(!code.contains(QLatin1String("QT_TRANSLATE_NOOP(\"core\"")), qPrintable(file.fileName()));
            for (auto it = literal.globalMatch(code); it.hasNext();) {
                const auto m = it.next();
                const QString text = m.captured(2).replace(QLatin1String("\\\""), QLatin1String("\""));
                if (m.captured(1).isEmpty() && core.contains(text))
                    found << QFileInfo(file.fileName()).fileName() + ": " + text;
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(" | ")));
    }

    void noWindowShowsSpanishInEnglish()
    {
        Start s(kConfig + "1\r\n");
        const auto spanish = spanishTexts();
        auto check = [&](const char* what) {
            QStringList left;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible())
                    left << stillSpanish(shownTexts(top), spanish);
            left.removeDuplicates();
            QVERIFY2(left.isEmpty(), qPrintable(QString(what) + ": " + left.join(" | ")));
        };
        check("main window");
        for (int p = 0; p < int(palettes().size()); ++p) {
            s.window->openPalette(p);
            check("palette");
            for (int i = 0; i < int(palettes()[std::size_t(p)].entries.size()); ++i) {
                const PaletteItem& item = palettes()[std::size_t(p)].entries[std::size_t(i)];
                if (item.action != PaletteAction::OpenDialog || item.dialog == DialogId::MotorTour
                    || item.dialog == DialogId::SalidaSonidoTour)
                    continue;
                s.window->choosePaletteItem(p, i);
                check(dialogFormName(item.dialog));
                if (QWidget* w = s.window->toolWindow())
                    w->close();
            }
        }
        s.window->openTourEditor(DialogId::MotorTour);
        check("path editor");
        if (QWidget* w = s.window->toolWindow())
            w->close();
        s.window->openTourEditor(DialogId::SalidaSonidoTour);
        check("melody editor");
        if (QWidget* w = s.window->toolWindow())
            w->close();
        (new SettingsDialog(*s.workspace, s.window.get()))->show();
        check("settings");
        s.window->openConsole();
        check("console");
        s.window->openTester();
        check("tester");
        s.window->openSimulator();
        check("simulator");
        s.window->openSourceEditor();
        check("source editor");
        s.window->openMonitor();
        check("monitor");
        s.action("mnuTextAcercaDe")->trigger();
        check("about");
    }

    void theCoreTextsOfEveryDialogAreTranslated()
    {
        Start s(kConfig + "1\r\n");
        QStringList missing;
        auto expect = [&](const Text& text) {
            const QString spanish = qs(text.spanish()).trimmed();
            // Numbers, names of controls and words alike in both languages need no entry.
            static const QRegularExpression plain(QStringLiteral("^[-0-9 .,:%()/=]*$|^[A-Za-z]+[0-9_]+$|^[A-Z]$"));
            // The motors' names are the program's own, as it stores them.
            static const QStringList same = { "Variable", "Decimal", "Hexadecimal", "ASCII", "Error", "Motor", "(A)",
                "(B)", "Izquierdo (A)", "Derecho (B)" };
            if (spanish.isEmpty() || plain.match(spanish).hasMatch() || same.contains(spanish))
                return;
            if (uiText(text).trimmed() == spanish && !missing.contains(spanish))
                missing << spanish;
        };
        for (const Palette& p : palettes()) {
            expect(Text::sentence(p.name));
            expect(Text::sentence(p.theme));
            for (const PaletteItem& item : p.entries) {
                expect(Text::sentence(item.tooltip));
                expect(Text::sentence(item.title));
            }
        }
        for (int p = 0; p < int(palettes().size()); ++p)
            for (int i = 0; i < int(palettes()[std::size_t(p)].entries.size()); ++i) {
                const PaletteItem& item = palettes()[std::size_t(p)].entries[std::size_t(i)];
                if (item.action != PaletteAction::OpenDialog || item.dialog == DialogId::MotorTour
                    || item.dialog == DialogId::SalidaSonidoTour)
                    continue;
                s.workspace->programEditor.openPalette();
                const PaletteChoice choice = s.workspace->programEditor.choosePaletteItem(p, i);
                auto rules = makeDialogRules(choice.open);
                if (!rules)
                    continue;
                rules->open(s.workspace->store, s.workspace->editor, choice.title);
                expect(Text::sentence(rules->view.title));
                if (const Text& help = rules->view.quickHelp; !help.empty() && uiText(help) == qs(help.spanish()))
                    missing << qs(help.spanish());
                for (const ControlDesign& control : rules->controls()) {
                    expect(Text::sentence(control.caption));
                    expect(Text::sentence(control.tooltip));
                    for (const PickerItem& word : control.items)
                        expect(word.word);
                }
                for (const ControlState& state : rules->view.controls)
                    for (const std::string& word : state.itemWords)
                        expect(Text::sentence(word));
            }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ")));
    }

    void filesAreTheSameInBothLanguages()
    {
        // The same gestures in each language: the steering type and a light threshold chosen in the
        // settings, an element added, the program saved and the settings stored.
        auto run = [](const std::string& language, const QString& program, QByteArray& config) {
            Start s(kConfig + language);
            s.workspace->programEditor.openPalette();
            s.window->choosePaletteItem(3, 0); // a wait for a time
            if (QWidget* dialog = s.window->toolWindow())
                if (auto* ok = dialog->findChild<QAbstractButton*>("cmdOk"))
                    ok->click();
            auto* settings = new SettingsDialog(*s.workspace, s.window.get());
            settings->storeConfig = [&s] { s.window->StoreConfig(); };
            settings->show();
            settings->findChild<QAbstractButton*>("optDirAuto")->click();
            settings->findChild<QComboBox*>("cmbSetLuz")->setCurrentIndex(2);
            settings->findChild<QComboBox*>("cmbComInUse")->setCurrentIndex(1);
            emit settings->findChild<QComboBox*>("cmbComInUse")->activated(1);
            settings->findChild<QAbstractButton*>("cmdOk")->click();
            QCOMPARE(s.workspace->store.sequenceLength(0), 2);
            QVERIFY(saveProgramFile(s.workspace->store, program.toStdString()).ok);
            QFile file(s.dir.filePath("Config.txt"));
            QVERIFY(file.open(QIODevice::ReadOnly));
            config = file.readAll();
            // The library path names the session's own folder; the rest must match.
            config.replace(QFile::encodeName(s.dir.path()), "APP");
        };
        QTemporaryDir out;
        QByteArray spanishConfig, englishConfig;
        run("0\r\n", out.filePath("es.gtf"), spanishConfig);
        run("1\r\n", out.filePath("en.gtf"), englishConfig);
        QFile es(out.filePath("es.gtf")), en(out.filePath("en.gtf"));
        QVERIFY(es.open(QIODevice::ReadOnly) && en.open(QIODevice::ReadOnly));
        const QByteArray spanishProgram = es.readAll();
        QVERIFY(spanishProgram.size() > 0);
        QCOMPARE(en.readAll(), spanishProgram);
        const QList<QByteArray> spanishLines = spanishConfig.split('\n'), englishLines = englishConfig.split('\n');
        QCOMPARE(spanishLines.size(), 10); // nine lines and the end
        QCOMPARE(englishLines.mid(0, 8), spanishLines.mid(0, 8));
        QCOMPARE(spanishLines[8], QByteArray("0\r"));
        QCOMPARE(englishLines[8], QByteArray("1\r"));
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"

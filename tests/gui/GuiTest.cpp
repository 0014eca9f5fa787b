// The windows, driven as a user would, on the offscreen platform; widgets found by their names.
#include "GuiSession.h"
#include "gui/app/QtText.h"
#include "gui/audio/TonePlayer.h"
#include "workspace/Workspace.h"
#include "gui/editor/Canvas.h"
#include "gui/editor/MainWindow.h"
#include "model/ElementDescription.h"
#include "model/ProgramFile.h"
#include "model/TextFile.h"
#include "gui/settings/SettingsDialog.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidgetAction>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>
#include <memory>

using namespace tarvel;

namespace {

using testsupport::Session;

InstructionRecord element(int f, int s, int o, int a1 = 0, int a2 = 0, const std::string& name = "")
{
    return makeElement(f, s, o, a1, a2, 0, name);
}

} // namespace

class GuiTest : public QObject {
    Q_OBJECT
private slots:
    void startUpWithoutConfig()
    {
        Session s;
        // The full interface it shows is the one kept (line 5), so the next start shows it again.
        QCOMPARE(s.config(), QString("1\r\n1\r\n1\r\n0\r\n1\r\n0\r\n%1\r\n0\r\n0\r\n")
                                 .arg(QString::fromStdString(s.workspace->defaultLibraryPath())));
        QVERIFY(s.find<QWidget>("imgTools_0")->isVisibleTo(s.window.get()));
        QVERIFY(s.find<QRadioButton>("optSysMode_0")->isChecked());
        Workspace again(s.dir.path().toStdString());
        testsupport::ScriptedDialogs secondDialogs;
        secondDialogs.answer = [](const UserMessage&, int) { return 0; };
        secondDialogs.waitsForWelcome = false;
        MainWindow second(again, secondDialogs);
        second.startUp();
        QVERIFY(second.findChild<QWidget*>("imgTools_0")->isVisibleTo(&second));
        QVERIFY(s.window->findChild<QWidget*>("formWelcome"));
        QCOMPARE(s.window->windowTitle(), QString("Tarvel Lab 2.0 : Mi Programa.gtf"));
        QCOMPARE(s.window->panelText(StatusPanel::Port), QString("USB"));
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno"));
        QCOMPARE(s.window->panelText(StatusPanel::Library), QString("Libreria: J2A1"));
        QCOMPARE(s.window->panelText(StatusPanel::Objects), QString("Objetos:  1/ 1"));
        QCOMPARE(s.window->panelText(StatusPanel::Memory), QString("Memoria: 0/255"));
        QCOMPARE(s.window->panelText(StatusPanel::EditorMode), QString("Editor: Normal"));
        QVERIFY(!s.find<QLabel>("sbarMain_7")->isVisible());
        QCOMPARE(s.cells().tip(0), QString("Inicio del Programa  [0]"));
        QVERIFY(s.messages.empty());
        // The first start leaves the interface full; the new file says reduced for the next start.
        QVERIFY(s.find<QWidget>("imgTools_0")->isVisible());
    }

    void welcomeFlagAndDontShowAgain()
    {
        Session quiet("1\r\n1\r\n1\r\n0\r\n1\r\n1\r\nnada.LIB\r\n");
        QVERIFY(!quiet.window->findChild<QWidget*>("formWelcome"));
        QCOMPARE(quiet.workspace->library.brickModelName, std::string("J2A1")); // fell back to the default
        QVERIFY(quiet.find<QWidget>("imgTools_0")->isVisible());

        Session first;
        auto* dontShow = first.window->findChild<QAbstractButton*>("chkDontShow");
        QVERIFY(dontShow);
        dontShow->click();
        first.window->findChild<QPushButton*>("CmdAccept")->click();
        QVERIFY(first.config().split("\r\n").at(5) == "1");
    }

    void interfaceModeOptionsCheckedWithoutAClick()
    {
        // An assistive technology checks an option without clicking it: the mode still follows,
        // and is stored for the next start.
        Session s;
        auto* full = s.find<QRadioButton>("optSysMode_0");
        auto* reduced = s.find<QRadioButton>("optSysMode_1");
        reduced->setChecked(true);
        QVERIFY(!s.find<QWidget>("imgTools_0")->isVisible());
        QCOMPARE(s.config().split("\r\n").at(4), QString("0"));
        full->setChecked(true);
        QVERIFY(s.find<QWidget>("imgTools_0")->isVisible());
        QCOMPARE(s.config().split("\r\n").at(4), QString("1"));
    }

    // Every item of every menu and every toolbar button is named, once, and is one of the window's
    // commands; no menu is built that nothing opens.
    void everyCommandIsNamedOnce()
    {
        Session s;
        QStringList names;
        QHash<QString, QAction*> byName;
        std::vector<QList<QAction*>> places;
        for (QMenu* menu : s.window->findChildren<QMenu*>())
            places.push_back(menu->actions());
        for (QToolBar* bar : s.window->findChildren<QToolBar*>())
            places.push_back(bar->actions());
        places.push_back(s.window->menuBar()->actions());
        for (const auto& actions : places)
            for (QAction* a : actions) {
                if (a->isSeparator() || a->menu() || qobject_cast<QWidgetAction*>(a))
                    continue;
                QVERIFY2(!a->objectName().isEmpty(), qPrintable(a->text()));
                QVERIFY2(byName.value(a->objectName(), a) == a, qPrintable(a->objectName())); // one action a name
                byName[a->objectName()] = a;
            }
        names = byName.keys();
        for (const char* name : {"mnuFileNuevo", "mnuGrafoEliminar", "mnuGrafoAyuda", "mnuSimulatedBrick", "Conect",
                                 "Simulador", "mnuConfig", "mnuTextSimulador"})
            QVERIFY2(names.contains(name), name);
        for (const char* unused : {"mnuSubs", "mnuProgVarbo", "mnuTourOptions"})
            QVERIFY2(!s.window->findChild<QMenu*>(unused, Qt::FindDirectChildrenOnly), unused);
        QCOMPARE(s.window->commands().elementDelete, s.window->findChild<QAction*>("mnuGrafoEliminar"));
        QCOMPARE(s.window->commands().toolSend, s.window->findChild<QAction*>("Send"));
    }

    void menusOfPicturesAreTheirAccessibleChildren()
    {
        // A popup is never a child of the application for assistive technologies: while open, the
        // example menu is the child of the picture that opened it, and the element menu of the cell.
        Session s;
        auto* picture = s.find<QLabel>("imgRobotCenter_3");
        QAccessibleInterface* pictureAccess = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(pictureAccess->childCount(), 0);
        QTest::mouseClick(picture, Qt::LeftButton);
        QMenu* menu = s.window->exampleMenu(9);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(pictureAccess->childCount(), 1);
        QCOMPARE(pictureAccess->child(0)->object(), menu);
        QCOMPARE(pictureAccess->indexOfChild(pictureAccess->child(0)), 0);
        menu->findChild<QAction*>("mnuProgEjemplosList_0")->trigger();
        menu->hide();
        QCOMPARE(pictureAccess->childCount(), 0);
        QCOMPARE(s.window->windowTitle(), QString("Tarvel Lab 2.0 : Sigue la Luz.gtf"));

        s.cells().click(3);
        QAccessibleInterface* cellAccess = s.cells().accessible(3);
        QTRY_COMPARE(cellAccess->childCount(), 1);
        auto* elementMenu = qobject_cast<QMenu*>(cellAccess->child(0)->object());
        QVERIFY(elementMenu);
        const auto actions = elementMenu->actions();
        QVERIFY(std::any_of(actions.begin(), actions.end(),
                            [](const QAction* a) { return a->objectName() == "mnuGrafoEliminar"; }));
        elementMenu->hide();
        QCOMPARE(cellAccess->childCount(), 0);
    }

    void openExampleWithHelp()
    {
        Session s;
        QMenu* menu = s.window->exampleMenu(9);
        QVERIFY(menu);
        QAction* item = menu->findChild<QAction*>("mnuProgEjemplosList_0");
        QVERIFY(item && item->isVisible());
        QCOMPARE(item->text(), QString("Sigue la Luz"));
        item->trigger();
        QCOMPARE(s.window->windowTitle(), QString("Tarvel Lab 2.0 : Sigue la Luz.gtf"));
        QVERIFY(s.workspace->hasHelp);
        QCOMPARE(s.find<QLabel>("imgHelp")->toolTip(), QString("Haga click aqui para ver la ayuda del programa"));
        QTest::mouseClick(s.find<QLabel>("imgHelp"), Qt::LeftButton);
        auto* help = s.window->findChild<QWidget*>("formAppHelp");
        QVERIFY(help);
        QCOMPARE(s.window->panelText(StatusPanel::Objects), QString("Objetos:  9/ 12"));
        QCOMPARE(s.workspace->store.subroutineCount, 1);

        // Overlays: the start element's name and the decision's label, where the position table says.
        const testsupport::CanvasCells cells = s.cells();
        const auto two0 = cells.label(0, 1);
        QVERIFY(two0.shown);
        QCOMPARE(two0.text, QString("Inicio"));
        QCOMPARE(two0.rect.topLeft(), cells.shown(0).rect.topLeft() + QPoint(px(90), px(1240)));
        const auto two2 = cells.label(2, 1);
        QCOMPARE(two2.text, QString("buscar"));
        QCOMPARE(two2.rect.topLeft(), cells.shown(2).rect.topLeft() + QPoint(px(240), px(1460)));
        QCOMPARE(two2.rect.size(), QSize(px(855), px(255)));
        QVERIFY(!cells.label(2, 0).shown);
        QCOMPARE(cells.tip(3), QString("Encender Motor(es) para Avanzar [2]"));
        QVERIFY(cells.label(3, 1).shown);
        // What assistive technologies read is what is painted.
        QCOMPARE(s.find<QLabel>("lblTwo_2")->text(), QString("buscar"));
        QCOMPARE(cells.name(3), QString("Encender Motor(es) para Avanzar [2]"));

        // An example with a help file named VOID has no help.
        s.window->OpenHelp("void");
        QVERIFY(!s.workspace->hasHelp);
        QCOMPARE(s.find<QLabel>("imgHelp")->toolTip(), QString("No hay ayuda para este programa"));
    }

    void everyOverlayRow()
    {
        Session s;
        const InstructionRecord elements[] = {
            element(10, 10, 10, 1, 0, "AB"), element(11, 12, 11, 100, 440), element(11, 11, 11, 6, 0, "A-C"),
            element(11, 11, 12, 7, 0, "A--"), element(11, 13, 11, 7), element(13, 11, 10, 5),
            element(14, 10, 11, 1, 9), element(14, 15, 11, 200, 1), element(17, 11, 10, 0, 0, "L"),
            element(17, 12, 10, 1, 0, "L"), element(17, 11, 10, 0, 0, "M"), element(15, 12, 10, 1, 7, "M"),
            element(16, 13, 11, 1, 2, "M"),
        };
        for (const auto& e : elements)
            s.appendElement(e);
        struct Expect {
            int cell;
            const char* one;
            int oneTop, oneLeft;
            const char* two;
            int twoTop, twoLeft;
        };
        const Expect expected[] = {
            {1, nullptr, 0, 0, "AB", 1440, 360},      {2, nullptr, 0, 0, " 440Hz", 1440, 150},
            {3, nullptr, 0, 0, "A-C", 240, 100},       {4, nullptr, 0, 0, "A--", 1440, 360},
            {5, " 7", 240, 100, nullptr, 0, 0},        {6, " 5", 300, 200, nullptr, 0, 0},
            {7, nullptr, 0, 0, " 9", 700, 550},        {8, " 200", 240, 360, nullptr, 0, 0},
            {9, nullptr, 0, 0, "L", 1240, 90},         {10, nullptr, 0, 0, "L", 1440, 160},
            {12, " 7", 690, 340, "M", 1460, 240},      {13, nullptr, 0, 0, "M", 1460, 240},
        };
        for (const auto& e : expected) {
            const QPoint cell = s.cells().shown(e.cell).rect.topLeft();
            const auto one = s.cells().label(e.cell, 0);
            const auto two = s.cells().label(e.cell, 1);
            QCOMPARE(one.shown, e.one != nullptr);
            QCOMPARE(two.shown, e.two != nullptr);
            if (e.one) {
                QCOMPARE(one.text, QString(e.one));
                QCOMPARE(one.rect.topLeft(), cell + QPoint(px(e.oneLeft), px(e.oneTop)));
            }
            if (e.two) {
                QCOMPARE(two.text, QString(e.two));
                QCOMPARE(two.rect.topLeft(), cell + QPoint(px(e.twoLeft), px(e.twoTop)));
            }
        }
        // The label after the jump is marked: no flow arrives from above.
        QCOMPARE(int(s.workspace->store.recordAt(0, 11).arg3), 15);
        QCOMPARE(s.workspace->store.pictureCounter, 15);
    }

    // A random walk found a new subroutine opening at the row where the main program had been
    // scrolled to, past its one element.
    void aNewSubroutineOpensAtItsFirstRow()
    {
        Session s;
        ProgramStore& store = s.workspace->store;
        for (int i = 1; i < 36; ++i)
            s.appendElement(element(10, 10, 10, 1, 0, "AB"));
        auto* bar = s.find<QScrollBar>("scrbarGrafo");
        QCOMPARE(bar->maximum(), 2);
        bar->setValue(0);
        s.workspace->programEditor.openPalette();
        s.window->applyEdit(s.workspace->programEditor.acceptSubroutine("sub"));
        QCOMPARE(store.activeSequence, 1);
        QCOMPARE(store.views[1].viewTop, 0);
        QCOMPARE(bar->maximum(), 0);
        QCOMPARE(bar->value(), 0);
        QVERIFY(s.cells().tip(0).startsWith("Inicio de Subrutina"));
        QCOMPARE(s.cells().rowNumber(0), 1);
        QCOMPARE(store.views[0].viewTop, 0); // the main program keeps its place
    }

    void scrollingPastTwentyEightElements()
    {
        Session s;
        for (int i = 1; i < 28; ++i)
            s.appendElement(element(10, 10, 10, 1, 0, "AB"));
        auto* bar = s.find<QScrollBar>("scrbarGrafo");
        QCOMPARE(bar->maximum(), 0);
        QCOMPARE(s.workspace->store.views[0].cursorCell, 28);
        s.appendElement(element(11, 12, 16));
        QCOMPARE(bar->maximum(), 1);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(s.workspace->store.views[0].viewTop, 7);
        QCOMPARE(s.cells().tip(21), QString("Hacer Sonido : Sonido de OK [1]"));
        QCOMPARE(s.cells().rowNumber(0), 2);
        QCOMPARE(s.find<QLabel>("lblFilas_0")->text(), QString(" 2"));
        bar->setValue(0);
        QCOMPARE(s.cells().tip(0), QString("Inicio del Programa  [0]"));
        QCOMPARE(bar->toolTip(), QString("Linea 1"));
        // Appending while scrolled up shows the last rows first.
        s.appendElement(element(11, 12, 17));
        QCOMPARE(bar->value(), 1);
        QCOMPARE(s.cells().tip(22), QString("Hacer Sonido : Sonido de ERROR [1]"));
        QCOMPARE(s.workspace->store.views[0].scrollMax, 1);
    }

    void tabsAndJumpToLabel()
    {
        Session s;
        ProgramStore& store = s.workspace->store;
        store.newProgram();
        for (int i = 1; i < 50; ++i)
            s.appendElement(element(10, 10, 10, 1, 0, "AB"));
        s.appendElement(element(17, 11, 10, 0, 0, "lejos"));
        s.appendElement(element(17, 12, 10, 1, 0, "lejos"));
        store.activeSequence = 1;
        store.subroutineCount = 1;
        store.subroutineNames[1] = "sub";
        s.appendElement(element(17, 13, 10, 0, 0, "sub"));
        s.appendElement(element(17, 15, 10));
        store.activeSequence = 0;
        const std::string file = s.dir.filePath("salto.gtf").toStdString();
        QVERIFY(saveProgramFile(store, file).ok);
        QVERIFY(s.window->OpenProgram(QString::fromStdString(file)));
        auto* bar = s.find<QScrollBar>("scrbarGrafo");
        QCOMPARE(bar->maximum(), 4); // 52 elements: 8 rows, 4 scrolled
        bar->setValue(4);
        // The jump is element 51: row 7, cell 23 of a view starting at row 4.
        QCOMPARE(s.cells().label(23, 1).text, QString("lejos"));
        bar->setValue(0);
        bar->setValue(4);
        bar->setValue(1);
        s.cells().doubleClickTarget(23); // no jump in that cell at this scroll: nothing
        QCOMPARE(bar->value(), 1);
        bar->setValue(4);
        s.cells().doubleClickTarget(23);
        QCOMPARE(bar->value(), 4); // the label at 50: row 7 - 3

        auto* tab = s.find<QLabel>("lblSubTags_1");
        QVERIFY(tab->isVisible());
        QCOMPARE(tab->text(), QString("sub"));
        QTest::mouseClick(tab, Qt::LeftButton);
        QCOMPARE(store.activeSequence, 1);
        QCOMPARE(bar->maximum(), 0);
        QCOMPARE(s.window->panelText(StatusPanel::Objects), QString("Objetos:  2/ 54"));
        QTest::mouseClick(s.find<QLabel>("lblSubTags_0"), Qt::LeftButton);
        QCOMPARE(bar->maximum(), 4);
        QCOMPARE(bar->value(), 4);
    }

    void settingsDialog()
    {
        Session s;
        s.appendElement(element(10, 12, 13));
        s.appendElement(element(10, 15, 13));
        s.window->findChild<QAction*>("mnuConfig")->trigger();
        auto* dialog = s.window->findChild<SettingsDialog*>("formScreenGlobalCfg");
        QVERIFY(dialog);
        auto* light = dialog->findChild<QComboBox*>("cmbSetLuz");
        light->setCurrentIndex(3);
        QVERIFY(!dialog->findChild<QWidget*>("txtSetLuz")->isEnabled());
        dialog->findChild<QRadioButton*>("optDirAuto")->click();
        QCOMPARE(dialog->findChild<QLineEdit*>("txtMotNameLF")->text(), QString("Direccion"));
        dialog->findChild<QAbstractButton*>("chkSimulatedBrick")->click();
        const QString before = s.config();
        dialog->findChild<QPushButton*>("cmdOk")->click();
        QCOMPARE(int(s.workspace->store.programSettings.lightThreshold), 248);
        QCOMPARE(int(s.workspace->store.recordAt(0, 1).option), 14);
        QCOMPARE(int(s.workspace->store.recordAt(0, 2).option), 14);
        QVERIFY(s.config() != before); // the communication change rewrote the file
        QVERIFY(s.config().endsWith("\r\n1\r\n0\r\n")); // the simulated brick, then the language
        QVERIFY(s.workspace->usingSimulatedBrick());
        QCOMPARE(s.window->panelText(StatusPanel::Port), QString("SIM"));

        // Reopening shows the variable threshold; "Restear" alone does not rewrite the file.
        s.window->findChild<QAction*>("mnuConfig")->trigger();
        dialog = s.window->findChild<SettingsDialog*>("formScreenGlobalCfg");
        QCOMPARE(dialog->findChild<QComboBox*>("cmbSetLuz")->currentIndex(), 3);
        s.workspace->settings.dontShowFlags = 1;
        dialog->findChild<QPushButton*>("ClearDontShows")->click();
        const QString unchanged = s.config();
        dialog->findChild<QPushButton*>("cmdOk")->click();
        QCOMPARE(s.workspace->settings.dontShowFlags, 0);
        QCOMPARE(s.config(), unchanged);
    }

    void settingsKeepTheProgramsMotorNames()
    {
        Session s;
        ProgramSettings& p = s.workspace->store.programSettings;
        p.directionMode = 1;
        p.leftMotorName = "Volante";
        p.rightMotorName = "Ruedas";
        auto open = [&s] {
            s.window->findChild<QAction*>("mnuConfig")->trigger();
            return s.window->findChild<SettingsDialog*>("formScreenGlobalCfg");
        };
        SettingsDialog* dialog = open();
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QLineEdit*>("txtMotNameLF")->text(), QString("Volante"));
        QCOMPARE(dialog->findChild<QLineEdit*>("txtMotNameRG")->text(), QString("Ruedas"));
        QVERIFY(dialog->findChild<QRadioButton*>("optDirAuto")->isChecked());
        dialog->findChild<QPushButton*>("cmdOk")->click();
        QCOMPARE(p.leftMotorName, std::string("Volante"));
        QCOMPARE(p.rightMotorName, std::string("Ruedas"));

        // Switching the steering type proposes that type's names.
        dialog = open();
        dialog->findChild<QRadioButton*>("optDirRobot")->click();
        QCOMPARE(dialog->findChild<QLineEdit*>("txtMotNameLF")->text(), QString("Izquierdo"));
        QCOMPARE(dialog->findChild<QLineEdit*>("txtMotNameRG")->text(), QString("Derecho"));
        dialog->findChild<QRadioButton*>("optDirAuto")->click();
        QCOMPARE(dialog->findChild<QLineEdit*>("txtMotNameLF")->text(), QString("Direccion"));
        dialog->findChild<QPushButton*>("cmdCancel")->click();
    }

    void settingsBoxesTakeOnlyWhatTheyCanStore()
    {
        Session s;
        s.window->findChild<QAction*>("mnuConfig")->trigger();
        auto* dialog = s.window->findChild<SettingsDialog*>("formScreenGlobalCfg");
        QVERIFY(dialog);
        std::vector<std::string> told;
        dialog->showMessage = [&told](const UserMessage& m) { told.push_back(m.text.spanish()); };
        // A "%" would split the program's header: the name box refuses it and says why.
        auto* left = dialog->findChild<QLineEdit*>("txtMotNameLF");
        left->clear();
        QTest::keyClicks(left, "Izq%A");
        QCOMPARE(left->text(), QString("IzqA"));
        QVERIFY2(QToolTip::text().contains("Caracter %"), qPrintable(QToolTip::text()));
        // Number boxes take digits within the range their labels and arrows state.
        dialog->findChild<QTabWidget*>("tabConfig")->setCurrentIndex(1);
        auto* light = dialog->findChild<QLineEdit*>("txtSetLuz");
        light->clear();
        QTest::keyClicks(light, "250");
        QCOMPARE(light->text(), QString("25"));
        QVERIFY(QToolTip::text().contains("0 a 245"));
        light->clear();
        QTest::keyClicks(light, "24x4");
        QCOMPARE(light->text(), QString("244"));
        auto* up = dialog->findChild<QToolButton*>("UpDownLuz_up");
        dialog->findChild<UpDown*>("UpDownLuz")->setValue(244);
        up->click();
        up->click();
        QCOMPARE(light->text(), QString(" 245"));
        auto* wait = dialog->findChild<QLineEdit*>("txtSenseTO");
        wait->clear();
        QTest::keyClicks(wait, "1a5");
        QCOMPARE(wait->text(), QString("15"));
        dialog->findChild<QPushButton*>("cmdOk")->click();
        const ProgramSettings& p = s.workspace->store.programSettings;
        QCOMPARE(p.leftMotorName, std::string("IzqA"));
        QCOMPARE(int(p.lightThreshold), 245);
        QCOMPARE(int(p.senseTimeout), 15);
        QVERIFY(told.empty());
        QCOMPARE(parseProgramHeader(buildProgramHeader(p)), p);
    }

    void aDamagedSettingsFileIsSaidAndKeptBeside()
    {
        const std::string junk = "basura\r\nmas basura\r\n\x01\x02\r\n";
        Session s(junk);
        QVERIFY(std::any_of(s.messages.begin(), s.messages.end(), [](const std::string& m) {
            return m.find("No se Pudo Leer la Configuracion") != std::string::npos
                && m.find("Config.txt.bak") != std::string::npos;
        }));
        std::string bytes;
        QVERIFY(readWholeFile(s.dir.filePath("Config.txt.bak").toStdString(), bytes));
        QCOMPARE(bytes, junk);
        QVERIFY(s.config().startsWith("1\r\n1\r\n1\r\n0\r\n1\r\n")); // the full interface it shows, kept
    }

    void connectToTheSimulatedBrick()
    {
        Session s;
        s.window->setSimulatedBrick(true);
        QCOMPARE(s.window->panelText(StatusPanel::Port), QString("SIM"));
        QAction* conect = s.window->findChild<QAction*>("Conect");
        QCOMPARE(conect->text(), QString("Conectar"));
        conect->trigger();
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: J2-A1 (Rojo Cristal)"));
        QCOMPARE(conect->text(), QString("Conectado!"));
        QVERIFY(s.workspace->brickReady);
        QCOMPARE(int(s.workspace->simulatedBrick()->leds()), 0);

        s.window->findChild<QAction*>("mnuTextExe")->trigger();
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Conectado?"));
        QVERIFY(s.workspace->simulatedBrick()->running());
        QVERIFY(!s.workspace->brickReady);
        QCOMPARE(conect->text(), QString("Conectar"));

        conect->trigger();
        QVERIFY(s.workspace->link().brickConnected());
        conect->trigger();
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno"));
        QCOMPARE(conect->text(), QString("Conectar"));
        QVERIFY(!s.workspace->link().brickConnected());

        // An unplugged brick turns the tools off at the next exchange.
        conect->trigger();
        s.workspace->simulatedBrick()->plug(false);
        s.workspace->link().SetBrickLeds(1);
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno"));
        QVERIFY(!s.workspace->brickReady);
    }

    void capacityAndNoCodeMessages()
    {
        Session s;
        ProgramStore& store = s.workspace->store;
        store.pictureCounter = 549;
        s.appendElement(element(11, 12, 16));
        QCOMPARE(s.messages.size(), std::size_t(1));
        QVERIFY(s.messages.back().rfind("Solo Queda Espacio para 50 Instrucciones Graficas", 0) == 0);
        store.pictureCounter = 600;
        s.appendElement(element(11, 12, 17));
        QCOMPARE(s.messages.back(), std::string("Capacidad del Sistema Excedido (600 Instrucciones)"));
        QCOMPARE(int(store.recordAt(0, 2).pictureId), 0); // stored, without an icon
        QCOMPARE(store.sequenceLength(0), 3);

        store.pictureCounter = 10;
        store.elementSizeTable.clear(); // a library without code for anything
        s.appendElement(element(10, 10, 10, 1, 0, "AB"));
        QCOMPARE(s.messages.back(), std::string("Esta funcion no Genera Codigo para este Ladrillo!"));
        const auto count = s.messages.size();
        s.find<QScrollBar>("scrbarGrafo")->setValue(0);
        s.window->canvas().redrawView(); // a redraw never warns
        QCOMPARE(s.messages.size(), count);
        s.workspace->settings.warnUncodedIcons = false;
        s.appendElement(element(10, 11, 10, 1, 0, "AB"));
        QCOMPARE(s.messages.size(), count);

        // Once per element added, also when adding it scrolls the view over other such elements.
        s.workspace->settings.warnUncodedIcons = true;
        for (int i = 0; i < 40; ++i) {
            const auto before = s.messages.size();
            s.appendElement(element(10, 11, 10, 1, 0, "AB"));
            QCOMPARE(s.messages.size(), before + 1);
        }
    }

    void commandLineProgramAndSimulatedBrick()
    {
        Session s({}, "Melodia.gtf", true);
        QCOMPARE(s.window->windowTitle(), QString("Tarvel Lab 2.0 : Melodia.gtf"));
        QCOMPARE(s.workspace->store.sequenceLength(0), 5);
        QCOMPARE(s.window->panelText(StatusPanel::Port), QString("SIM"));
        QVERIFY(s.workspace->usingSimulatedBrick());
        QVERIFY(s.window->findChild<QAction*>("mnuSimulatedBrick")->isChecked());
        QCOMPARE(s.cells().tip(1), QString("Reproducir Melodia (Escala) [25]"));
    }

    void startDialogAndAbout()
    {
        Session s;
        s.cells().click(0);
        auto* start = s.window->findChild<QWidget*>("formSaltoInicioProg");
        QVERIFY(start);
        start->findChild<QRadioButton*>("optTouchEna")->setChecked(true); // checked as assistive tools do
        start->findChild<QPushButton*>("cmdOk")->click();
        QCOMPARE(int(s.workspace->store.recordAt(0, 0).option), 11);
        QCOMPARE(s.cells().tip(0),
                 QString("Inicio de programa (Habilita el sensor tactil) [2]"));
        s.window->findChild<QAction*>("mnuTextAcercaDe")->trigger();
        auto* info = s.window->findChild<QLabel*>("lblInfo");
        QVERIFY(info);
        QVERIFY(info->text().contains("Maquina Virtual : J2VM-1.0"));
        QVERIFY(info->text().contains("Codigo Velatrix : " + qs(s.workspace->library.codeFormatName)));
    }

    void tonePlayerNeverFailsWithoutAudio()
    {
        TonePlayer player;
        ToneTiming timing;
        std::int16_t frequency = 440, volume = 32;
        toneTiming(frequency, volume, 50, timing);
        const bool started = player.play(timing);
        QCOMPARE(started, TonePlayer::audioAvailable());
        if (started)
            QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 3000);
        player.stop();
        QVERIFY(!player.isPlaying());
    }
};

QTEST_MAIN(GuiTest)
#include "GuiTest.moc"

// Drawing a program with the mouse: palettes, the calculation dialogs, the element menu, pending
// insert and replace, undo and redo, on the offscreen platform.
#include "DrawingSession.h"
#include "gui/app/AssistiveSupport.h"
#include "gui/app/QtText.h"
#include "gui/dialogs/ElementDialog.h"
#include "gui/dialogs/PaletteWindow.h"
#include "gui/editor/ClickLabel.h"
#include "gui/tours/FormMotorTour.h"
#include "gui/tours/TourArea.h"
#include "model/ProgramFile.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

using namespace tarvel;
using testsupport::Session;

namespace {

struct Drawing : testsupport::DrawingSession {
    void ok() { QTest::mouseClick(dialog()->findChild<QPushButton*>("cmdOk"), Qt::LeftButton); }
    void selectCell(int cell) { window->canvas().selectCell(cell); }
    void trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
    const InstructionRecord& at(int index) const { return workspace->store.recordAt(workspace->store.activeSequence, index); }
    int length() const { return workspace->store.sequenceLength(workspace->store.activeSequence); }
    QString cellName(int cell) const { return cells().name(cell); }
};

} // namespace

class EditingWindowTest : public QObject {
    Q_OBJECT
private slots:
    void buildAProgramWithPalettesAndDialogs()
    {
        Drawing s;
        QCOMPARE(s.find<QToolButton>("imgTools_4")->accessibleName(), QString("Calculos"));
        s.pick(4, 0); // arithmetic
        QVERIFY(s.dialog());
        QCOMPARE(s.dialog()->objectName(), QString("formCalculoMatematico"));
        QCOMPARE(s.dialog()->windowTitle(), QString("Calculo Matematico"));
        QVERIFY(!qobject_cast<PaletteWindow*>(s.window->toolWindow()));
        auto* argOne = s.dialog()->findChild<QComboBox*>("icmbArgOne");
        QCOMPARE(argOne->itemData(1, Qt::AccessibleTextRole).toString(), QString("Var. Azul"));
        s.chooseItem("icmbResult", 2);
        QCOMPARE(argOne->currentIndex(), 1);
        s.chooseItem("icmbArgTwo", 6);
        auto* constant = s.dialog()->findChild<QLineEdit*>("txtConst");
        QVERIFY(constant->isVisible());
        constant->clear();
        // Letters and a constant past 255 cannot be typed: the box keeps what fits and says its range.
        QTest::keyClicks(constant, "3x00");
        QCOMPARE(constant->text(), QString("30"));
        QVERIFY(QToolTip::text().contains("0 a 255"));
        QVERIFY(!constant->styleSheet().contains("red"));
        QVERIFY(s.dialog()->findChild<QLabel*>("lblConstant")->isVisible());
        s.ok();
        QVERIFY(!s.window->toolWindow());
        QCOMPARE(s.length(), 2);
        QVERIFY(s.at(1).is(14, 10, 11));
        QCOMPARE(s.at(1).arg1, 2);
        QCOMPARE(s.at(1).arg2, 30);
        QCOMPARE(s.cellName(1), qs(s.at(1).description));
        QCOMPARE(s.cellName(2), QString("Celda vacia"));
        QVERIFY(s.workspace->editor.programDirty);
        QCOMPARE(s.window->panelText(StatusPanel::Objects), QString("Objetos:  2/ 2"));
        // A turning item is inserted at once.
        s.pick(0, 3);
        QVERIFY(s.at(2).is(10, 13, 13));
        // The load dialog with the random value.
        s.pick(4, 2);
        s.chooseItem("icmbArgOne", 7);
        s.chooseItem("icmbArgTwo", 4);
        s.ok();
        QVERIFY(s.at(3).is(14, 15, 13));
        QCOMPARE(s.at(3).arg1, 7);
        QCOMPARE(s.at(3).arg2, 4);
        // Saved, the file holds what was drawn.
        QVERIFY(s.window->SaveProgram(false));
        ProgramStore reread;
        QVERIFY(openProgramFile(reread, s.workspace->programPath).ok);
        QCOMPARE(reread.sequenceLength(0), 4);
        QVERIFY(reread.recordAt(0, 3).is(14, 15, 13));
        QVERIFY(!s.workspace->editor.programDirty);
    }

    void aComboEntrySelectedByAssistiveToolsIsChosen()
    {
        // Screen readers and test tools select an entry of the list without clicking it: the
        // combo takes it, and the dialog follows, as after a click.
        installAssistiveSupport();
        Drawing s;
        s.pick(4, 0); // arithmetic
        auto* result = s.dialog()->findChild<QComboBox*>("icmbResult");
        QCOMPARE(result->currentIndex(), 0);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(result->view());
        QVERIFY(list && list->tableInterface());
        QAccessibleInterface* third = list->tableInterface()->cellAt(2, 0);
        QVERIFY(third && third->actionInterface());
        third->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(result->currentIndex(), 2);
        s.ok();
        QVERIFY2(s.at(1).description.rfind("Var. Verde Igual", 0) == 0, s.at(1).description.c_str());
        QCOMPARE(s.length(), 2);
        // Moving through the open list with the keyboard is no choice until Enter.
        s.selectCell(1);
        s.trigger("mnuGrafoModificar");
        result = s.dialog()->findChild<QComboBox*>("icmbResult");
        QCOMPARE(result->currentIndex(), 2);
        result->showPopup();
        QTest::keyClick(result->view(), Qt::Key_Down);
        QCOMPARE(result->currentIndex(), 2);
        QTest::keyClick(result->view(), Qt::Key_Return);
        QCOMPARE(result->currentIndex(), 3);
    }

    void refusalsOfThePalettes()
    {
        Drawing s;
        s.pick(6, 4); // close a subroutine in the main program
        QCOMPARE(s.messages.back(), std::string("El Fin de Subrutina No Puede Estar Dentro del Cuerpo\r\nPrincipal del Programa!"));
        QVERIFY(!s.window->toolWindow());
        QCOMPARE(s.length(), 1);
        s.pick(1, 3); // the melody editor
        QVERIFY(s.window->toolWindow());
        QCOMPARE(s.window->toolWindow()->objectName(), QString("formSalidaSonidoTour"));
    }

    void modifyAnElementInPlace()
    {
        Drawing s;
        s.appendElement(makeElement(14, 12, 12, 4, 3, 4));
        s.selectCell(1);
        s.trigger("mnuGrafoModificar");
        QVERIFY(s.dialog());
        QCOMPARE(s.dialog()->windowTitle(), QString("Calculo Logico [Modificar]"));
        QCOMPARE(s.dialog()->findChild<QComboBox*>("icmbArgTwo")->currentIndex(), 2);
        QVERIFY(s.cells().framed(1));
        s.chooseItem("icmbOperation", 3);
        s.ok();
        QCOMPARE(s.length(), 2);
        QVERIFY(s.at(1).is(14, 14, 12));
        QVERIFY(!s.cells().framed(1));
        QVERIFY(s.workspace->editor.insertMode);
        QCOMPARE(s.cellName(1), qs(s.at(1).description));
    }

    void cancellingAndDeactivationChangeNothing()
    {
        Drawing s;
        s.appendElement(makeElement(14, 10, 12, 1, 1, 1));
        const auto before = serializeProgram(s.workspace->store);
        s.selectCell(1);
        s.trigger("mnuGrafoModificar");
        s.chooseItem("icmbArgOne", 5);
        QTest::mouseClick(s.dialog()->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        QVERIFY(!s.window->toolWindow());
        QCOMPARE(serializeProgram(s.workspace->store), before);
        QVERIFY(!s.cells().framed(1));
        // Another window of the program becoming active cancels the dialog.
        s.pick(4, 1);
        QPointer<QWidget> open = s.window->toolWindow();
        QVERIFY(open);
        open->activateWindow();
        QTRY_VERIFY(QGuiApplication::focusWindow() == open->windowHandle());
        s.window->activateWindow();
        QTRY_VERIFY(!open);
        QCOMPARE(serializeProgram(s.workspace->store), before);
    }

    void insertBeforeReplaceAndCancel()
    {
        Drawing s;
        for (int i = 0; i < 6; ++i)
            s.appendElement(makeElement(13, 10, 10, i + 1));
        s.selectCell(5);
        s.trigger("mnuGrafoInsert");
        QCOMPARE(s.window->panelText(StatusPanel::EditorMode), QString("Editor: Insertar Antes"));
        QVERIFY(s.find<QLabel>("sbarMain_7")->isVisible());
        QCOMPARE(s.window->panelText(StatusPanel::CancelPending), QString("Cancelar Insertar"));
        s.pick(0, 2);
        QCOMPARE(s.length(), 8);
        QVERIFY(s.at(5).is(10, 12));
        QCOMPARE(s.at(6).arg1, 5);
        QCOMPARE(s.window->panelText(StatusPanel::EditorMode), QString("Editor: Normal"));
        QVERIFY(!s.find<QLabel>("sbarMain_7")->isVisible());
        // A cancelled insertion.
        const auto before = serializeProgram(s.workspace->store);
        s.selectCell(2);
        s.trigger("mnuGrafoInsert");
        s.find<ClickLabel>("sbarMain_7")->press();
        QCOMPARE(s.window->panelText(StatusPanel::EditorMode), QString("Editor: Normal"));
        QCOMPARE(serializeProgram(s.workspace->store), before);
        // Insert on the program start does nothing.
        s.selectCell(0);
        s.trigger("mnuGrafoInsert");
        QCOMPARE(s.window->panelText(StatusPanel::EditorMode), QString("Editor: Normal"));
        // Replace keeps the length.
        s.selectCell(3);
        s.trigger("mnuGrafoReemplazar");
        QCOMPARE(s.window->panelText(StatusPanel::CancelPending), QString("Cancelar Reemplazar"));
        s.pick(4, 2);
        s.ok();
        QCOMPARE(s.length(), 8);
        QVERIFY(s.at(3).is(14, 15, 11));
        // A separator.
        s.selectCell(2);
        s.trigger("mnuGrafoInsEsp");
        QCOMPARE(s.length(), 9);
        QCOMPARE(s.at(2).family, family::Separator);
        QCOMPARE(s.cellName(2), QString("Celda vacia"));
    }

    void insertBeforeWithADialog()
    {
        Drawing s;
        s.pick(4, 0); // arithmetic
        s.ok();
        QCOMPARE(s.length(), 2);
        s.cells().click(1);
        s.trigger("mnuGrafoInsert");
        QCOMPARE(s.window->panelText(StatusPanel::EditorMode), QString("Editor: Insertar Antes"));
        s.pick(1, 2); // a sound, through its dialog
        QVERIFY(s.dialog());
        s.ok();
        QCOMPARE(s.length(), 3);
        QCOMPARE(s.at(1).family, family::Outputs);
        QCOMPARE(s.at(2).family, family::Calculations);
        // The cells show the new order, pictures and names alike.
        QCOMPARE(s.cellName(1).toStdString(), s.at(1).description);
        QCOMPARE(s.cellName(2).toStdString(), s.at(2).description);
    }

    void insertBeforeThroughAssistivePresses()
    {
        // The same insertion, pressed the way screen readers and test tools press: the cell, the
        // menu item, the toolbox button, the palette item and OK, each through its accessible action.
        installAssistiveSupport();
        Drawing s;
        s.pick(4, 0);
        s.ok();
        s.window->activateWindow(); // as after the dialog closes on a desktop
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        auto pressOn = [](QObject* object) {
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(object);
            QVERIFY(access && access->actionInterface());
            access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTest::qWait(300);
        };
        pressOn(s.cells().item(1));
        QAccessibleInterface* cell = s.cells().accessible(1);
        QTRY_COMPARE(cell->childCount(), 1); // after the double-click interval
        QAccessibleInterface* menu = cell->child(0);
        QAccessibleInterface* insert = nullptr;
        for (int i = 0; i < menu->childCount(); ++i)
            if (menu->child(i)->text(QAccessible::Name) == "Insertar")
                insert = menu->child(i);
        QVERIFY(insert);
        insert->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(300);
        QCOMPARE(s.window->panelText(StatusPanel::EditorMode), QString("Editor: Insertar Antes"));
        // The menu went with its command: the next click there picks nothing of it.
        QVERIFY(!s.window->findChild<QMenu*>("mnuGrafo")->isVisible());
        QCOMPARE(cell->childCount(), 0);
        pressOn(s.find<QToolButton>("imgTools_1"));
        auto* palette = qobject_cast<PaletteWindow*>(s.window->toolWindow());
        QVERIFY(palette);
        pressOn(palette->findChildren<QToolButton*>()[2]);
        QVERIFY(s.dialog());
        pressOn(s.dialog()->findChild<QPushButton*>("cmdOk"));
        QCOMPARE(s.length(), 3);
        QCOMPARE(s.at(1).family, family::Outputs);
        QCOMPARE(s.cellName(1).toStdString(), s.at(1).description);
        QCOMPARE(s.cellName(2).toStdString(), s.at(2).description);
    }

    void deleteSubroutineUndoAndRedo()
    {
        Drawing s;
        const auto empty = serializeProgram(s.workspace->store);
        ProgramEditor& editor = s.workspace->programEditor;
        for (const char* name : {"uno", "dos", "tres"}) {
            editor.openPalette();
            s.workspace->store.currentElement.family = 17;
            s.workspace->store.currentElement.subtype = 13;
            s.window->applyEdit(editor.acceptSubroutine(name));
            s.window->applyEdit(editor.choosePaletteItem(0, 2).outcome);
        }
        QVERIFY(s.find<QLabel>("lblSubTags_3")->isVisible());
        s.window->canvas().switchSequence(2);
        s.selectCell(0);
        s.answer = QMessageBox::No;
        s.trigger("mnuGrafoEliminar");
        QCOMPARE(s.workspace->store.subroutineCount, 3);
        s.answer = QMessageBox::Yes;
        s.trigger("mnuGrafoEliminar");
        QCOMPARE(s.workspace->store.subroutineCount, 2);
        QCOMPARE(s.workspace->store.activeSequence, 0);
        QCOMPARE(s.find<QLabel>("lblSubTags_2")->text(), QString("tres"));
        QVERIFY(!s.find<QLabel>("lblSubTags_3")->isVisible());
        const auto last = serializeProgram(s.workspace->store);
        auto* undo = s.window->findChild<QAction*>("mnuEditDeshacer");
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        while (undo->isEnabled())
            undo->trigger();
        QCOMPARE(serializeProgram(s.workspace->store), empty);
        QVERIFY(!s.find<QLabel>("lblSubTags_1")->isVisible());
        QVERIFY(s.workspace->editor.programDirty);
        auto* redo = s.window->findChild<QAction*>("mnuEditRehacer");
        while (redo->isEnabled())
            redo->trigger();
        QCOMPARE(serializeProgram(s.workspace->store), last);
        QCOMPARE(s.find<QLabel>("lblSubTags_2")->text(), QString("tres"));
        // Opening or a new program forgets the history.
        s.answer = QMessageBox::No;
        s.window->NewProgram();
        QVERIFY(!undo->isEnabled());
    }

    void newProgramDuringAPendingInsertion()
    {
        Drawing s;
        s.appendElement(makeElement(13, 10, 10, 1));
        s.appendElement(makeElement(13, 10, 10, 2));
        s.selectCell(1);
        s.trigger("mnuGrafoInsert");
        s.answer = QMessageBox::No;
        s.window->NewProgram();
        QCOMPARE(s.window->panelText(StatusPanel::EditorMode), QString("Editor: Normal"));
        QCOMPARE(s.workspace->editor.editorMode, EditorMode::Normal);
        s.pick(0, 2);
        QCOMPARE(s.length(), 2); // appended, not inserted
    }

    void pathEditorFromThePaletteAndModify()
    {
        Drawing s;
        s.pick(0, 6);
        auto* tour = qobject_cast<FormMotorTour*>(s.window->toolWindow());
        QVERIFY(tour);
        auto* area = tour->findChild<TourArea*>("shpLimits");
        for (QPoint p : {QPoint(352, 200), QPoint(409, 200)}) {
            QTest::mouseMove(area, p);
            QTest::mouseClick(area, Qt::LeftButton, {}, p);
        }
        tour->findChild<QPushButton*>("cmdGuardar")->click();
        QCOMPARE(s.length(), 2);
        QVERIFY(s.at(1).is(10, 16));
        QCOMPARE(s.at(1).arg1, 2);
        QCOMPARE(s.cellName(1), qs(s.at(1).description));
        QVERIFY(s.workspace->editor.programDirty);
        // Modify: the question, then a new path replaces the element.
        s.selectCell(1);
        s.answer = QMessageBox::Yes;
        s.trigger("mnuGrafoModificar");
        QVERIFY(s.messages.back().find("no es editable") != std::string::npos);
        tour = qobject_cast<FormMotorTour*>(s.window->toolWindow());
        QVERIFY(tour);
        area = tour->findChild<TourArea*>("shpLimits");
        QTest::mouseMove(area, QPoint(352, 200));
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(352, 200));
        tour->findChild<QPushButton*>("cmdGuardar")->click();
        QCOMPARE(s.length(), 2);
        QCOMPARE(s.at(1).arg1, 1);
        QVERIFY(s.workspace->editor.insertMode);
    }

    void openingAPictureKeepsTheProgram()
    {
        Drawing s;
        s.appendElement(makeElement(13, 10, 10, 1));
        const auto before = serializeProgram(s.workspace->store);
        const QString picture = s.dir.filePath("foto.gtf");
        writeFileReplacing(picture.toStdString(), std::string("\x89PNG\r\n\x1a\n") + std::string(3000, 'x'));
        s.answer = QMessageBox::No;
        QVERIFY(!s.window->OpenProgram(picture));
        QVERIFY(s.messages.back().find("no es un programa") != std::string::npos);
        QCOMPARE(serializeProgram(s.workspace->store), before);
        QCOMPARE(s.cellName(1), qs(s.at(1).description));
        QVERIFY(s.window->windowTitle().endsWith("Mi Programa.gtf"));
    }

    void programsInFoldersWithAccents()
    {
        Drawing s;
        QDir(s.dir.path()).mkpath(QStringLiteral("Año Señal"));
        const QString path = s.dir.filePath(QStringLiteral("Año Señal/Camión.gtf"));
        ProgramStore store;
        store.newProgram();
        store.currentElement = makeElement(13, 10, 10, 3);
        store.appendCurrent();
        QVERIFY(saveProgramFile(store, nativePath(path)).ok);
        s.answer = QMessageBox::No;
        QVERIFY(s.window->OpenProgram(path));
        QCOMPARE(s.length(), 2);
        QCOMPARE(s.window->windowTitle(), QStringLiteral("Tarvel Lab 2.0 : Camión.gtf"));
        s.appendElement(makeElement(11, 10, 12));
        QVERIFY(s.window->SaveProgram(false));
        ProgramStore reread;
        QVERIFY(openProgramFile(reread, nativePath(path)).ok);
        QCOMPARE(reread.sequenceLength(0), 3);
        QVERIFY(QDir(s.dir.filePath(QStringLiteral("Año Señal"))).entryList(QDir::Files).size() == 1);
    }
};

QTEST_MAIN(EditingWindowTest)
#include "EditingWindowTest.moc"

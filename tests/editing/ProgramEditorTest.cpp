#include "EditingSupport.h"

#include "model/ElementDescription.h"

#include <gtest/gtest.h>

using namespace tarvel;
using namespace testsupport;

namespace {

const InstructionRecord kWait = element(13, 10, 10, 2);
const InstructionRecord kLight = element(11, 10, 12);
const InstructionRecord kJump = element(17, 12, 10, 1, 0, 0, "Inicio");
const InstructionRecord kEnd = element(17, 16, 10);

class EditingTest : public ::testing::Test, public Editing {};

} // namespace

TEST_F(EditingTest, CommitAppendsDescribesNumbersAndMarksDirty)
{
    EXPECT_FALSE(state.programDirty);
    const auto outcome = add(kLight);
    EXPECT_TRUE(outcome.changed && outcome.appended);
    EXPECT_TRUE(state.programDirty);
    ASSERT_EQ(length(), 2);
    EXPECT_EQ(at(0, 1).description, "Encender Luz [0]");
    EXPECT_EQ(at(0, 0).pictureId, 1);
    EXPECT_EQ(at(0, 1).pictureId, 2);
    EXPECT_EQ(store.pictureCounter, 3);
}

TEST_F(EditingTest, StructureRulesDropTheElementUnlessLiftedOrPending)
{
    add(kJump);
    auto outcome = add(kLight);
    EXPECT_FALSE(outcome.changed);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].title, "Error: Uso Invalido de Estructura");
    EXPECT_EQ(length(), 2);
    EXPECT_TRUE(addLabel("otra").changed); // a label may follow a jump
    EXPECT_EQ(at(0, 2).arg3, 15);          // and no flow reaches it from above
    add(kEnd);
    syntaxAssistantOff = true;
    EXPECT_TRUE(add(kLight).changed);
}

TEST_F(EditingTest, ModifyStoresInPlaceKeepingTheIconNumber)
{
    add(kLight);
    add(kWait);
    const int picture = at(0, 2).pictureId;
    const ModifyStart start = editor.beginModify(2);
    ASSERT_EQ(start.kind, ModifyKind::Dialog);
    EXPECT_EQ(start.dialog, DialogId::EsperaTiempo);
    EXPECT_FALSE(state.insertMode);
    store.currentElement.arg1 = 9;
    const auto outcome = editor.commitElement();
    EXPECT_TRUE(outcome.modified);
    EXPECT_EQ(at(0, 2).arg1, 9);
    EXPECT_EQ(at(0, 2).pictureId, picture);
    EXPECT_EQ(length(), 3);
    EXPECT_NE(at(0, 2).description.find("9"), std::string::npos);
}

TEST_F(EditingTest, ModifyDoesNothingWhereThereIsNothingToEdit)
{
    EXPECT_EQ(editor.beginModify(0).kind, ModifyKind::None); // the program start
    add(element(10, 12, 13));
    EXPECT_EQ(editor.beginModify(1).kind, ModifyKind::None); // turns have no dialog
    EXPECT_TRUE(state.insertMode);
    add(element(10, 16, 10, 1, 0, 0, "ruta"));
    EXPECT_EQ(editor.beginModify(2).kind, ModifyKind::NewPathQuestion);
    state.insertMode = true;
    add(element(11, 12, 14, 1, 0, 0, "tema"));
    EXPECT_EQ(editor.beginModify(3).kind, ModifyKind::NewMelodyQuestion);
    state.insertMode = true;
    EXPECT_EQ(editor.insertSeparator(1).changed, true);
    EXPECT_EQ(editor.beginModify(1).kind, ModifyKind::None); // a separator
}

TEST_F(EditingTest, DeleteMovesTheRestDownAndForgetsTheLabel)
{
    add(kLight);
    addLabel("vuelta");
    add(kWait);
    EXPECT_EQ(labels(0), (std::vector<std::string>{"Inicio", "vuelta"}));
    const auto outcome = editor.deleteElement(2);
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(length(), 3);
    EXPECT_TRUE(at(0, 2).is(13, 10));
    EXPECT_TRUE(at(0, 3).empty());
    EXPECT_EQ(labels(0), std::vector<std::string>{"Inicio"});
    EXPECT_FALSE(editor.deleteElement(0).changed); // the program start stays
}

TEST_F(EditingTest, InsertBeforeWaitsForTheNextElementAndPutsItInPlace)
{
    for (int i = 0; i < 6; ++i)
        add(element(13, 10, 10, i + 1));
    ASSERT_TRUE(editor.beginInsert(5));
    EXPECT_EQ(state.editorMode, EditorMode::InsertPending);
    EXPECT_TRUE(state.structureCheckOff);
    const auto before = store.views[0];
    // The structure rules are lifted while the insertion waits: a jump before a wait.
    const auto outcome = add(kJump);
    EXPECT_TRUE(outcome.pendingEnded);
    EXPECT_FALSE(outcome.appended);
    EXPECT_EQ(state.editorMode, EditorMode::Normal);
    EXPECT_FALSE(state.structureCheckOff);
    EXPECT_EQ(length(), 8);
    EXPECT_TRUE(at(0, 5).is(17, 12));
    EXPECT_TRUE(at(0, 6).is(13, 10) && at(0, 6).arg1 == 5);
    EXPECT_EQ(at(0, 5).pictureId, store.pictureCounter - 1);
    EXPECT_EQ(store.views[0].viewTop, before.viewTop);
    // The next element goes to the end again.
    EXPECT_TRUE(add(kLight).appended);
    EXPECT_TRUE(at(0, 8).is(11, 10));
}

TEST_F(EditingTest, InsertAndReplaceRefuseStartsAndSeparators)
{
    add(kLight);
    EXPECT_FALSE(editor.beginInsert(0));
    EXPECT_FALSE(editor.beginReplace(0));
    editor.insertSeparator(1);
    EXPECT_FALSE(editor.beginInsert(1));
    EXPECT_EQ(state.editorMode, EditorMode::Normal);
    addSubroutine("giro");
    EXPECT_FALSE(editor.beginInsert(0));
}

TEST_F(EditingTest, NoModifyWhileAnInsertionOrReplacementWaits)
{
    addSubroutine("giro");
    add(kLight);
    add(kWait);
    ASSERT_TRUE(editor.beginInsert(2));
    EXPECT_EQ(editor.beginModify(0).kind, ModifyKind::None);
    EXPECT_EQ(editor.beginModify(1).kind, ModifyKind::None);
    EXPECT_TRUE(state.insertMode);
    EXPECT_TRUE(add(kLight).pendingEnded);
    EXPECT_TRUE(at(1, 0).is(17, 13)); // the subroutine still starts with its start
    EXPECT_TRUE(at(1, 2).is(11, 10) && at(1, 3).is(13, 10));
    ASSERT_TRUE(editor.beginReplace(1));
    EXPECT_EQ(editor.beginModify(2).kind, ModifyKind::None);
    editor.cancelPending();
    EXPECT_EQ(editor.beginModify(2).kind, ModifyKind::Dialog);
}

TEST_F(EditingTest, CancelledInsertLeavesTheProgramAlone)
{
    add(kLight);
    add(kWait);
    const auto before = bytes();
    ASSERT_TRUE(editor.beginInsert(1));
    EXPECT_TRUE(editor.cancelPending().pendingEnded);
    EXPECT_EQ(state.editorMode, EditorMode::Normal);
    EXPECT_EQ(bytes(), before);
    EXPECT_FALSE(editor.cancelPending().pendingEnded); // nothing left to cancel
}

TEST_F(EditingTest, ReplaceKeepsTheLengthAndForgetsAReplacedLabel)
{
    add(kLight);
    addLabel("aqui");
    add(kWait);
    ASSERT_TRUE(editor.beginReplace(2));
    EXPECT_EQ(state.editorMode, EditorMode::ReplacePending);
    add(kEnd);
    EXPECT_EQ(length(), 4);
    EXPECT_TRUE(at(0, 2).is(17, 16));
    EXPECT_EQ(labels(0), std::vector<std::string>{"Inicio"});
    EXPECT_EQ(state.editorMode, EditorMode::Normal);
}

TEST_F(EditingTest, PendingOperationStaysInItsOwnSequence)
{
    add(kLight);
    add(kWait);
    addSubroutine("sub");
    store.activeSequence = 0;
    ASSERT_TRUE(editor.beginInsert(1));
    store.activeSequence = 1; // the user looked at the subroutine meanwhile
    const auto outcome = add(kEnd);
    EXPECT_TRUE(outcome.tabsChanged);
    EXPECT_EQ(store.activeSequence, 0);
    EXPECT_TRUE(at(0, 1).is(17, 16));
    EXPECT_EQ(length(1), 1);
}

TEST_F(EditingTest, SeparatorNeedsTwoElementsAndNotTheStart)
{
    EXPECT_FALSE(editor.insertSeparator(1).changed);
    add(kLight);
    EXPECT_FALSE(editor.insertSeparator(0).changed);
    EXPECT_TRUE(editor.insertSeparator(1).changed);
    EXPECT_EQ(at(0, 1).family, family::Separator);
    EXPECT_EQ(at(0, 1).pictureId, 0);
    EXPECT_TRUE(at(0, 2).is(11, 10));
}

TEST_F(EditingTest, SubroutinesAreCreatedNamedAndDeleted)
{
    EXPECT_TRUE(addSubroutine("uno").changed);
    EXPECT_EQ(store.activeSequence, 1);
    EXPECT_EQ(length(1), 1);
    EXPECT_TRUE(at(1, 0).is(17, 13));
    add(kLight);
    addLabel("l1");
    addSubroutine("dos");
    addSubroutine("tres");
    add(kWait);
    EXPECT_EQ(store.subroutineCount, 3);
    // A label may take a subroutine's name in no sequence; a subroutine may take a label's name.
    store.activeSequence = 0;
    EXPECT_TRUE(addLabel("uno").keepDialogOpen);
    EXPECT_TRUE(addSubroutine("l1").changed);
    store.activeSequence = 2;
    const auto question = editor.deleteElement(0);
    EXPECT_TRUE(question.askDeleteSubroutine);
    EXPECT_FALSE(question.changed);
    const auto outcome = editor.deleteSubroutine(2);
    EXPECT_TRUE(outcome.tabsChanged);
    EXPECT_EQ(store.subroutineCount, 3);
    EXPECT_EQ(store.activeSequence, 0);
    EXPECT_EQ(store.subroutineNames[2], "tres");
    EXPECT_EQ(labels(2), std::vector<std::string>{"tres"});
    EXPECT_EQ(length(2), 2);
    EXPECT_TRUE(at(2, 1).is(13, 10));
    EXPECT_EQ(store.subroutineNames[4], "");
    EXPECT_EQ(length(4), 0);
    EXPECT_EQ(labels(1), (std::vector<std::string>{"uno", "l1"}));
}

TEST_F(EditingTest, NinthSubroutineAndDuplicatesAreRefused)
{
    for (int i = 1; i <= 8; ++i)
        ASSERT_TRUE(addSubroutine("s" + std::to_string(i)).changed);
    const auto before = bytes();
    auto outcome = addSubroutine("nueve");
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].text, "Las 8 Subrutinas Disponibles Estan Ocupadas");
    EXPECT_EQ(bytes(), before);
    outcome = addSubroutine("s3");
    EXPECT_EQ(outcome.messages[0].title, "Error: Subrutina en Uso");
    EXPECT_FALSE(outcome.keepDialogOpen);
}

TEST_F(EditingTest, LabelNamesAreCleanedAndCheckedPerSequence)
{
    EXPECT_TRUE(addLabel("lado 1").changed);
    EXPECT_EQ(at(0, 1).name, "lado_1");
    const auto again = addLabel("lado:1");
    EXPECT_TRUE(again.keepDialogOpen);
    EXPECT_EQ(again.messages[0].title, "Error: Etiqueta en Uso");
    EXPECT_FALSE(addLabel("").changed);
    addSubroutine("otra");
    EXPECT_TRUE(addLabel("lado_1").changed); // the same name in another sequence
    // A refused label element leaves no name behind.
    add(element(17, 15, 10));
    EXPECT_FALSE(addLabel("tarde").changed);
    EXPECT_EQ(labels(1), (std::vector<std::string>{"otra", "lado_1"}));
}

TEST_F(EditingTest, RenamingASubroutineChangesItsTablesNotTheCalls)
{
    addSubroutine("viejo");
    store.activeSequence = 0;
    add(element(17, 14, 10, 1, 0, 0, "viejo"));
    store.activeSequence = 1;
    const ModifyStart start = editor.beginModify(0);
    ASSERT_EQ(start.kind, ModifyKind::Dialog);
    EXPECT_EQ(start.dialog, DialogId::SaltoNuevaSub);
    EXPECT_TRUE(editor.acceptSubroutine("nuevo").tabsChanged);
    EXPECT_EQ(store.subroutineNames[1], "nuevo");
    EXPECT_EQ(at(1, 0).name, "nuevo");
    EXPECT_EQ(labels(1), std::vector<std::string>{"nuevo"});
    EXPECT_EQ(at(0, 1).name, "viejo");
}

TEST_F(EditingTest, PaletteRulesOfContextAndSteering)
{
    editor.openPalette();
    EXPECT_EQ(store.currentElement.family, 0);
    EXPECT_EQ(store.currentElement.option, 10);
    // Turning items take their option from the steering type.
    auto choice = editor.choosePaletteItem(0, 2);
    EXPECT_TRUE(choice.outcome.changed);
    EXPECT_TRUE(at(0, 1).is(10, 12, 13));
    store.programSettings.directionMode = 1;
    editor.openPalette();
    editor.choosePaletteItem(0, 5);
    EXPECT_TRUE(at(0, 2).is(10, 15, 14));
    // Dialog items preset codes, words and titles.
    editor.openPalette();
    choice = editor.choosePaletteItem(3, 3);
    EXPECT_EQ(choice.open, DialogId::EsperaDirecta);
    EXPECT_EQ(store.currentElement.subtype, 14);
    EXPECT_EQ(state.dialogActionText, "Halla Se\xF1"
                                      "al del Control");
    // Closing a subroutine is refused in the main program.
    editor.openPalette();
    choice = editor.choosePaletteItem(6, 4);
    ASSERT_EQ(choice.outcome.messages.size(), 1u);
    EXPECT_EQ(choice.outcome.messages[0].title, "Error: Contexto Invalido");
    addSubroutine("sub");
    syntaxAssistantOff = true;
    editor.openPalette();
    choice = editor.choosePaletteItem(6, 3); // no nesting, whatever the assistant says
    EXPECT_EQ(choice.outcome.messages[0].text, "Este Ladrillo No Permite Anidar Subrutinas!");
    editor.openPalette();
    EXPECT_EQ(editor.choosePaletteItem(6, 6).open, DialogId::SaltoFinProg); // lifted with the assistant off
    syntaxAssistantOff = false;
    editor.openPalette();
    EXPECT_EQ(editor.choosePaletteItem(6, 6).open, DialogId::None);
    editor.openPalette();
    EXPECT_TRUE(editor.choosePaletteItem(6, 4).outcome.changed);
    EXPECT_TRUE(at(1, 1).is(17, 15));
    // After the subroutine end nothing more, not even the path editor.
    editor.openPalette();
    EXPECT_EQ(editor.choosePaletteItem(0, 6).open, DialogId::None);
}

TEST_F(EditingTest, IconCapacityAndTableLimits)
{
    store.pictureCounter = 549;
    auto outcome = add(kLight);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].text.spanish().find("50 Instrucciones"), std::string::npos);
    EXPECT_TRUE(add(kLight).messages.empty());
    store.pictureCounter = 600;
    outcome = add(kLight);
    EXPECT_TRUE(outcome.changed);
    EXPECT_EQ(outcome.messages[0].text, "Capacidad del Sistema Excedido (600 Instrucciones)");
    EXPECT_EQ(at(0, length() - 1).pictureId, 0);
    // A full table refuses, and nothing is written past it.
    syntaxAssistantOff = true;
    while (length() < kMainSlots)
        ASSERT_TRUE(add(kLight).changed);
    outcome = add(kLight);
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(outcome.messages[0].title, "Error");
    EXPECT_FALSE(editor.insertSeparator(3).changed);
    EXPECT_EQ(length(), kMainSlots);
}

TEST_F(EditingTest, UndoEveryStepGivesBackTheFirstBytesAndRedoTheLast)
{
    const auto first = bytes();
    add(kLight);
    addLabel("a");
    add(kWait);
    addSubroutine("s");
    add(kLight);
    store.activeSequence = 0;
    editor.insertSeparator(2);
    ASSERT_TRUE(editor.beginInsert(1));
    add(kEnd);
    ASSERT_FALSE(editor.beginReplace(3)); // the separator
    ASSERT_TRUE(editor.beginReplace(4));  // the label
    add(kWait);
    editor.beginModify(2);
    store.currentElement.option = 13;
    editor.commitElement();
    editor.deleteElement(4);
    store.activeSequence = 1;
    editor.deleteSubroutine(1);
    const auto last = bytes();
    int steps = 0;
    while (editor.canUndo()) {
        EXPECT_TRUE(editor.undo().redraw);
        ++steps;
    }
    EXPECT_EQ(steps, 11);
    EXPECT_EQ(bytes(), first);
    EXPECT_TRUE(state.programDirty);
    while (editor.canRedo())
        editor.redo();
    EXPECT_EQ(bytes(), last);
    EXPECT_EQ(store.subroutineCount, 0);
}

TEST_F(EditingTest, UndoKeepsTwoHundredStepsAndNewProgramForgetsThem)
{
    for (int i = 0; i < 250; ++i)
        add(element(13, 10, 10, i % 200));
    int steps = 0;
    while (editor.canUndo()) {
        editor.undo();
        ++steps;
    }
    EXPECT_EQ(steps, 250);
    EXPECT_EQ(length(), 1);
    editor.redo();
    editor.newProgram();
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.canRedo());
    EXPECT_FALSE(state.programDirty);
}

TEST_F(EditingTest, UndoCancelsAPendingInsertion)
{
    add(kLight);
    add(kWait);
    ASSERT_TRUE(editor.beginInsert(1));
    const auto outcome = editor.undo();
    EXPECT_TRUE(outcome.pendingEnded);
    EXPECT_EQ(state.editorMode, EditorMode::Normal);
    EXPECT_EQ(length(), 2);
}

TEST_F(EditingTest, AJumpToALabelNotDrawnIsWarnedAboutAndStillDrawn)
{
    auto outcome = add(element(17, 12, 10, 1, 0, 0, "noexiste"));
    EXPECT_TRUE(outcome.changed && outcome.appended);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].text.spanish().find("noexiste"), std::string::npos) << outcome.messages[0].text;
    EXPECT_EQ(outcome.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(length(), 2);
    EXPECT_TRUE(addLabel("noexiste").changed);
    // Now it exists: neither a jump nor a decision to it is warned about, nor one to the start.
    EXPECT_TRUE(add(element(15, 12, 10, 1, 3, 0, "noexiste")).messages.empty());
    EXPECT_TRUE(add(element(17, 12, 10, 1, 0, 0, "Inicio")).messages.empty());
    addLabel("otra");

    // A decision modified to go elsewhere, or a jump inserted before its label: the same warning.
    add(element(15, 12, 10, 1, 3, 0, "otra"));
    ASSERT_EQ(editor.beginModify(length() - 1).kind, ModifyKind::Dialog);
    store.currentElement.name = "lejos";
    outcome = editor.commitElement();
    EXPECT_TRUE(outcome.modified);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].text.spanish().find("lejos"), std::string::npos);
    ASSERT_TRUE(editor.beginInsert(1));
    outcome = add(element(17, 12, 10, 1, 0, 0, "otra")); // "otra" is drawn further on
    EXPECT_TRUE(outcome.changed);
    EXPECT_TRUE(outcome.messages.empty());

    // Without the syntax assistant nothing is said.
    syntaxAssistantOff = true;
    outcome = add(element(17, 12, 10, 1, 0, 0, "tampoco"));
    EXPECT_TRUE(outcome.changed);
    EXPECT_TRUE(outcome.messages.empty());
}

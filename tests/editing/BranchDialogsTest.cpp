// Decisions, repeat, labels, jumps, calls, subroutines and the program end: targets from the label
// tables, typed names, and the name rules of the editing operations behind OK.
#include "DialogSupport.h"

#include <gtest/gtest.h>

using namespace tarvel;
using namespace testsupport;
using Action = DialogAccept::Action;

namespace {

class BranchDialogs : public ::testing::Test, public Dialogs {
protected:
    // OK of a label or subroutine dialog, handed to the editing operations as the window does.
    EditOutcome accept()
    {
        const DialogAccept a = rules->accept();
        switch (a.action) {
        case Action::CommitLabel: return editor.acceptLabel(a.name, a.labelEntry);
        case Action::CommitSubroutine: return editor.acceptSubroutine(a.name);
        case Action::Commit: return editor.commitElement();
        default: return {};
        }
    }
};

} // namespace

TEST_F(BranchDialogs, ComparisonDefaultsConstantAndInvert)
{
    addLabel("uno");
    DialogRules& d = fromPalette(5, 4);
    EXPECT_EQ(d.view.title, "Decisiones por Comparacion");
    EXPECT_EQ(current(), element(15, 10, 11, 1, 1, 0, "Inicio"));
    EXPECT_EQ(shown("cmbEtiquetas").list, (std::vector<std::string>{"Inicio", "uno"}));
    EXPECT_EQ(d.view.previewName, "Inicio");
    EXPECT_FALSE(d.view.constantVisible);
    d.choose("icmbArgTwo", 6);
    EXPECT_TRUE(d.view.constantVisible);
    EXPECT_EQ(d.view.constantOverlay, 1);
    d.typeConstant("7");
    d.choose("icmbOperation", 3);
    d.choose("chkInvert", 1);
    d.type("cmbEtiquetas", "uno");
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current(), element(16, 12, 10, 1, 7, 0, "uno"));

    DialogRules& again = modifying(element(16, 12, 10, 1, 7, 0, "uno"));
    EXPECT_EQ(again.view.title, "Decisiones por Comparacion [Modificar]");
    EXPECT_EQ(shown("cmbEtiquetas").text, "uno"); // not the first entry, kept
    EXPECT_EQ(shown("chkInvert").selected, 1);
    EXPECT_EQ(again.view.constantText, "7");
    again.choose("chkInvert", 0);
    EXPECT_EQ(current().family, 15);
}

TEST_F(BranchDialogs, TypedTargetsAreCutCleanedAndNeverEmpty)
{
    DialogRules& d = fromPalette(5, 1);
    EXPECT_EQ(d.view.title, "Decidir por Estado de Sensor de Tacto");
    EXPECT_EQ(current(), element(15, 17, 10, 1, 0, 0, "Inicio"));
    d.type("cmbEtiquetas", "muy largo!");
    EXPECT_EQ(shown("cmbEtiquetas").text, "muy larg");
    EXPECT_EQ(current().name, "muy larg");
    EXPECT_EQ(d.view.previewName, "muy larg");
    EXPECT_EQ(ok(), Action::Commit); // a target need not exist yet
    EXPECT_EQ(current().name, "muy_larg");
    d.type("cmbEtiquetas", "");
    const DialogAccept refused = d.accept();
    EXPECT_EQ(refused.action, Action::Stay);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->title, "Error: Etiqueta Vacia");

    DialogRules& direct = modifying(element(16, 20, 10, 1, 0, 0, "x"));
    EXPECT_EQ(direct.view.title, "Decisiones [Modificar]");
}

TEST_F(BranchDialogs, InsideASubroutineTheListStartsWithItsName)
{
    addSubroutine("giro");
    addLabel("vuelta");
    DialogRules& d = fromPalette(5, 0);
    EXPECT_EQ(shown("cmbEtiquetas").list, (std::vector<std::string>{"giro", "vuelta"}));
    EXPECT_EQ(current().name, "giro");
    (void)d;

    DialogRules& repeat = fromPalette(6, 5);
    EXPECT_EQ(repeat.view.title, "Repetir (Saltar N veces a una etiqueta)");
    EXPECT_EQ(current(), element(15, 21, 11, 1, 1, 0, "Inicio"));
    EXPECT_EQ(shown("cmbEtiquetas").text, "Inicio"); // not a label of this subroutine
    repeat.choose("icmbArgOne", 4);
    EXPECT_FALSE(repeat.view.constantVisible);
    EXPECT_EQ(current().arg2, 1);

    modifying(element(15, 21, 11, 2, 9, 0, "vuelta"));
    EXPECT_EQ(current().arg2, 1); // the repeat's constant is always 1
    EXPECT_EQ(shown("cmbEtiquetas").text, "vuelta");
}

TEST_F(BranchDialogs, LabelNamesThroughTheEditingOperations)
{
    addSubroutine("sub");
    store.activeSequence = 0;
    DialogRules& d = fromPalette(6, 0);
    EXPECT_EQ(d.view.title, "Crear Nueva Etiqueta");
    EXPECT_EQ(d.view.previewName, "Etiqueta");
    d.type("txtEtiqueta", "lado 1");
    EXPECT_TRUE(accept().changed);
    EXPECT_EQ(at(0, 1).name, "lado_1");
    EXPECT_EQ(labels(0), (std::vector<std::string>{"Inicio", "lado_1"}));

    fromPalette(6, 0).type("txtEtiqueta", "sub");
    const EditOutcome taken = accept();
    EXPECT_TRUE(taken.keepDialogOpen);
    EXPECT_EQ(taken.messages.at(0).title, "Error: Etiqueta en Uso");
    fromPalette(6, 0).type("txtEtiqueta", "diez letra");
    EXPECT_EQ(shown("txtEtiqueta").text, "diez let");
    EXPECT_TRUE(accept().changed);

    // Opened to modify and confirmed untouched: nothing changes.
    const auto before = bytes();
    editor.beginModify(1);
    modifying(at(0, 1));
    EXPECT_EQ(shown("txtEtiqueta").text, "lado_1");
    EXPECT_EQ(ok(), Action::Close);
    EXPECT_EQ(bytes(), before);
    editor.beginModify(1);
    modifying(at(0, 1)).type("txtEtiqueta", "borde");
    EXPECT_TRUE(accept().modified);
    EXPECT_EQ(at(0, 1).name, "borde");
    EXPECT_EQ(labels(0)[1], "borde");
}

TEST_F(BranchDialogs, SubroutineNamesLimitsAndRenaming)
{
    DialogRules& d = fromPalette(6, 2);
    EXPECT_EQ(d.view.title, "Crear Nueva Subrutina");
    EXPECT_EQ(d.view.previewName, "Subrutin");
    d.type("txtEtiqueta", "2pasos");
    const EditOutcome numeric = accept();
    EXPECT_TRUE(numeric.keepDialogOpen); // a call would read it as an address
    EXPECT_EQ(numeric.messages.at(0).title, "Error: Nombre Invalido");
    EXPECT_EQ(store.subroutineCount, 0);
    d.type("txtEtiqueta", "pasos");
    EXPECT_TRUE(accept().changed);
    EXPECT_EQ(store.activeSequence, 1);
    EXPECT_EQ(at(1, 0).name, "pasos");

    // Renamed through its start element: tables, tab and element; calls keep the old name.
    store.activeSequence = 0;
    DialogRules& call = fromPalette(6, 3);
    EXPECT_EQ(call.view.title, "Llamar a un Subrutina");
    EXPECT_EQ(current(), element(17, 14, 10, 1, 0, 0, "pasos"));
    EXPECT_EQ(ok(), Action::Commit);
    editor.commitElement();
    store.activeSequence = 1;
    editor.beginModify(0);
    modifying(at(1, 0)).type("txtEtiqueta", "ruta");
    EXPECT_TRUE(accept().tabsChanged);
    EXPECT_EQ(store.subroutineNames[1], "ruta");
    EXPECT_EQ(labels(1)[0], "ruta");
    EXPECT_EQ(at(0, 1).name, "pasos");

    for (int i = 2; i <= 8; ++i)
        addSubroutine("s" + std::to_string(i));
    fromPalette(6, 2).type("txtEtiqueta", "nueve");
    EXPECT_EQ(accept().messages.at(0).text, "Las 8 Subrutinas Disponibles Estan Ocupadas");
    EXPECT_EQ(store.subroutineCount, 8);
}

TEST_F(BranchDialogs, JumpsAndCallsChooseTheirTargets)
{
    DialogRules& jump = fromPalette(6, 1);
    EXPECT_EQ(jump.view.title, "Saltar a una Etiqueta del Programa");
    EXPECT_EQ(current(), element(17, 12, 10, 1, 0, 0, "Inicio"));
    fromPalette(6, 3);
    EXPECT_EQ(shown("cmbEtiquetas").text, "");
    EXPECT_EQ(ok(), Action::Close); // no subroutine to call: nothing committed

    addSubroutine("sub");
    DialogRules& inside = fromPalette(6, 1);
    EXPECT_EQ(current().name, "sub");
    (void)inside;
    store.activeSequence = 0;
    addLabel("uno");
    addLabel("dos");

    // A modified jump keeps its target and its title.
    DialogRules& old = modifying(element(17, 12, 10, 1, 0, 0, "dos"));
    EXPECT_EQ(old.view.title, "Saltar A...");
    EXPECT_EQ(shown("cmbEtiquetas").text, "dos");
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current().name, "dos");
    old.type("cmbEtiquetas", "otra etiq");
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current().name, "otra_eti");
}

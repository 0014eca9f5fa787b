#include "model/JumpTargets.h"
#include "model/ProgramStore.h"
#include "support/TestRecords.h"

#include <gtest/gtest.h>

using namespace tarvel;
using testsupport::element;

namespace
{

void add(ProgramStore& store, const InstructionRecord& r)
{
    store.currentElement = r;
    store.appendCurrent();
}

} // namespace

TEST(JumpTargets, AJumpMeetsOnlyTheLabelsOfItsOwnSequence)
{
    ProgramStore store;
    store.newProgram();
    add(store, element(17, 12, 10, 1, 0, 0, "Inicio")); // the program's start is a label
    add(store, element(17, 11, 10, 0, 0, 0, "vuelta"));
    add(store, element(15, 12, 10, 1, 7, 0, "despues")); // a decision to a label drawn later
    add(store, element(17, 12, 10, 1, 0, 0, "noexiste"));
    add(store, element(17, 11, 10, 0, 0, 0, "despues"));
    for (int i = 0; i < 6; ++i)
        add(store, element(10, 10, 10, 1, 0, 0, "AB"));
    add(store, element(15, 21, 11, 1, 0, 0, "lejos")); // a repeat, in the second row
    store.activeSequence = 1;
    store.subroutineCount = 1;
    store.subroutineNames[1] = "sub";
    add(store, element(17, 13, 10, 0, 0, 0, "sub"));
    add(store, element(16, 17, 10, 1, 0, 0, "sub")); // a subroutine's name is its first label
    add(store, element(17, 12, 10, 1, 0, 0, "vuelta")); // a label of the main program is not its own
    add(store, element(17, 14, 10, 1, 0, 0, "nadie")); // a call goes to a subroutine, not a label
    add(store, element(17, 15, 10));
    store.activeSequence = 0;

    EXPECT_TRUE(labelPlaced(store, 0, "despues"));
    EXPECT_TRUE(labelPlaced(store, 0, "vuelta "));
    EXPECT_FALSE(labelPlaced(store, 1, "vuelta"));
    const std::vector<MissingLabel> expected { { 0, 4, "noexiste" }, { 0, 12, "lejos" }, { 1, 2, "vuelta" } };
    EXPECT_EQ(missingLabels(store), expected);
    EXPECT_EQ(missingLabelText(store, expected[0]),
        "El salto a la etiqueta \"noexiste\" no tiene su etiqueta en el programa (Mi_Prog, fila 1, columna 5)");
    EXPECT_EQ(missingLabelText(store, expected[1]),
        "La repeticion que salta a la etiqueta \"lejos\" no tiene su etiqueta en el programa (Mi_Prog, fila 2, "
        "columna 6)");
    EXPECT_EQ(missingLabelText(store, expected[2]),
        "El salto a la etiqueta \"vuelta\" no tiene su etiqueta en el programa (sub, fila 1, columna 3)");
    EXPECT_NE(missingLabelWarning("noexiste").text.spanish().find(": noexiste\r\n"), std::string::npos);
}

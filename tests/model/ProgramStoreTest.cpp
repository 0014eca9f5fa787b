#include "model/ElementDescription.h"
#include "model/ProgramStore.h"

#include "support/TestRecords.h"

#include <gtest/gtest.h>

using namespace tarvel;

using testsupport::element;

TEST(ProgramStore, NewProgramHoldsOnlyTheStartElement)
{
    ProgramStore store;
    store.newProgram();
    EXPECT_EQ(store.totalElements(), 1);
    EXPECT_EQ(store.sequenceLength(0), 1);
    const auto& start = store.recordAt(0, 0);
    EXPECT_TRUE(start.is(17, 10, 10));
    EXPECT_EQ(start.name, "Inicio");
    EXPECT_EQ(start.description, "Inicio del Programa  [0]");
    EXPECT_EQ(store.labelTable[0][0], "Inicio");
    EXPECT_EQ(store.labelCount[0], 1);
    EXPECT_EQ(store.pictureCounter, 1);
    EXPECT_EQ(store.programSettings, ProgramSettings{});
}

TEST(ProgramStore, ClearingKeepsTheTextOnly)
{
    InstructionRecord r = element(14, 10, 11, 5, 6, 7);
    r.name = "x";
    r.pictureId = 9;
    r.lblTwoLeft = 4;
    setText(r.text, "hola");
    clearElement(r);
    EXPECT_EQ(r.family, 0);
    EXPECT_EQ(r.option, 10);
    EXPECT_EQ(r.arg1, 0);
    EXPECT_EQ(r.pictureId, 0);
    EXPECT_EQ(r.lblTwoLeft, 0);
    EXPECT_TRUE(r.name.empty());
    EXPECT_EQ(textAsString(r.text).substr(0, 5), "hola ");
}

TEST(ProgramStore, FullTablesRefuseInsteadOfOverflowing)
{
    ProgramStore store;
    store.newProgram();
    store.currentElement = element(10, 10, 10);
    for (int i = 1; i < kMainSlots; ++i)
        ASSERT_FALSE(store.appendCurrent());
    EXPECT_EQ(store.sequenceLength(0), 601);
    auto refusal = store.appendCurrent();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title, "Error");
    EXPECT_EQ(store.sequenceLength(0), 601);

    store.activeSequence = 3;
    for (int i = 0; i < kSubSlots; ++i)
        ASSERT_FALSE(store.appendCurrent());
    EXPECT_TRUE(store.appendCurrent());
    EXPECT_EQ(store.sequenceLength(3), 129);
    EXPECT_EQ(store.totalElements(), 601 + 129);
    // Reads outside the tables give an empty record.
    const ProgramStore& view = store;
    EXPECT_TRUE(view.recordAt(3, 129).empty());
    EXPECT_TRUE(view.recordAt(9, 0).empty());
}

TEST(ProgramStore, AppendScrollsTheViewPastTheLastRow)
{
    ProgramStore store;
    store.newProgram();
    store.currentElement = element(10, 10, 10);
    for (int i = 1; i < 28; ++i)
        store.appendCurrent();
    EXPECT_EQ(store.views[0].cursorCell, 28);
    EXPECT_EQ(store.views[0].viewTop, 0);
    store.appendCurrent();
    EXPECT_EQ(store.views[0].cursorCell, 22);
    EXPECT_EQ(store.views[0].viewTop, 7);
}

TEST(ProgramStore, ElementCostRules)
{
    ProgramStore store;
    CodeTable<std::uint8_t> sizes;
    sizes.set(11, 12, 14, 6);
    sizes.set(13, 12, 12, 3);
    sizes.set(13, 12, 14, 9);
    sizes.set(15, 16, 10, 4);
    sizes.set(15, 16, 11, 8);
    sizes.set(16, 16, 10, 5);
    sizes.set(14, 10, 9, 2);
    sizes.set(10, 16, 10, 50);
    store.setElementSizes(sizes);

    EXPECT_EQ(store.elementCost(element(11, 12, 14, 3)), 18);
    EXPECT_EQ(store.elementCost(element(11, 12, 14, 0)), 0);
    EXPECT_EQ(store.elementCost(element(10, 16, 10, 4)), std::nullopt);
    EXPECT_EQ(store.elementCost(element(100, 0, 10)), std::nullopt);
    EXPECT_EQ(store.elementCost(element(26, 9, 9)), std::nullopt);
    EXPECT_EQ(store.elementCost(element(14, 10, 9)), 2); // odd option still costs its own cell
    EXPECT_EQ(store.elementCost(element(14, 10, 40)), std::nullopt);
    EXPECT_EQ(store.elementCost(element(10, 10, 10)), 0);

    store.programSettings.lightThreshold = 245;
    EXPECT_EQ(store.elementCost(element(13, 12, 12)), 3);
    EXPECT_EQ(store.elementCost(element(15, 16, 13)), 4);
    EXPECT_EQ(store.elementCost(element(16, 16, 99)), 5);
    store.programSettings.lightThreshold = 246;
    EXPECT_EQ(store.elementCost(element(13, 12, 12)), 9);
    EXPECT_EQ(store.elementCost(element(15, 16, 10)), 8);
}

TEST(ProgramStore, IconCapacityMessages)
{
    ProgramStore store;
    store.pictureCounter = 549;
    EXPECT_FALSE(store.capacityCheck());
    EXPECT_FALSE(store.capacityWarning());
    store.pictureCounter = 550;
    auto warning = store.capacityWarning();
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->text, "Solo Queda Espacio para 50 Instrucciones Graficas, Es Recomendable\r\n"
                             "Guardar el Programa y Volver a Abrirlo para Recuperar Espacio.");
    EXPECT_EQ(warning->title, "Aviso");
    store.pictureCounter = 599;
    EXPECT_FALSE(store.capacityCheck());
    store.pictureCounter = 600;
    auto refusal = store.capacityCheck();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Capacidad del Sistema Excedido (600 Instrucciones)");
    EXPECT_EQ(refusal->icon, MessageIcon::Critical);
    store.resetStore();
    EXPECT_EQ(store.pictureCounter, 1);
}

TEST(ProgramStore, SteeringTypeReachesEveryTurningElement)
{
    ProgramStore store;
    store.newProgram();
    for (int s : {10, 12, 15}) {
        store.currentElement = element(10, s, s == 10 ? 10 : 13);
        store.appendCurrent();
    }
    store.activeSequence = 2;
    store.currentElement = element(10, 13, 13);
    store.appendCurrent();
    store.programSettings.directionMode = 1;
    applyDirectionMode(store);
    EXPECT_EQ(store.recordAt(0, 1).option, 10);
    EXPECT_EQ(store.recordAt(0, 2).option, 14);
    EXPECT_EQ(store.recordAt(0, 3).option, 14);
    EXPECT_EQ(store.recordAt(2, 0).option, 14);
    store.programSettings.directionMode = 0;
    applyDirectionMode(store);
    EXPECT_EQ(store.recordAt(2, 0).option, 13);
    EXPECT_EQ(startModeText(11).spanish(), "Inicio de programa (Habilita el sensor tactil) [2]");
    EXPECT_EQ(startModeText(10).spanish(), "Inicio de programa [1]");
}

#include "EditingSupport.h"

#include "editing/DialogRules.h"

#include <gtest/gtest.h>

using namespace tarvel;
using namespace testsupport;

namespace {

class DialogTest : public ::testing::Test, public Editing {
protected:
    DialogRules& open(DialogId id, bool inserting = true)
    {
        rules = makeDialogRules(id);
        if (inserting)
            editor.openPalette();
        rules->open(store, state);
        return *rules;
    }
    // The dialog opened to modify `r`, then every control confirmed as it shows: the element the
    // controls make.
    InstructionRecord roundTrip(DialogId id, const InstructionRecord& r)
    {
        store.currentElement = r;
        state.insertMode = false;
        DialogRules& d = open(id, false);
        for (std::size_t i = 0; i < d.controls().size(); ++i) {
            const ControlDesign& design = d.controls()[i];
            const ControlState shown = d.view.controls[i];
            if ((design.kind == ControlKind::Picker && shown.selected > 0) || design.kind == ControlKind::Options)
                d.choose(design.name, shown.selected);
        }
        if (d.view.constantVisible)
            d.typeConstant(d.view.constantText);
        state.insertMode = true;
        return store.currentElement;
    }
    std::unique_ptr<DialogRules> rules;
};

} // namespace

TEST(ConstantEntry, TypedTextClampsWrapsAndNeverFails)
{
    EXPECT_EQ(constantFromText("300").value, 255);
    EXPECT_TRUE(constantFromText("300").red);
    EXPECT_EQ(constantFromText("-1").value, 255);
    EXPECT_FALSE(constantFromText("-1").red);
    EXPECT_EQ(constantFromText("").value, 0);
    EXPECT_EQ(constantFromText("abc").value, 0);
    EXPECT_EQ(constantFromText(" 12x").value, 12);
    EXPECT_EQ(constantFromText("2.6").value, 3);
    EXPECT_EQ(constantFromText("-99999999999999999999999").value & ~255, 0);
    EXPECT_EQ(constantFromText("1e400").value, 0); // no number a double can hold: read as nothing
}

TEST_F(DialogTest, UpAndDownWrapAroundAndStoreTheConstant)
{
    DialogRules& d = open(DialogId::CalculoMatematico);
    d.choose("icmbArgTwo", 6);
    d.typeConstant("255");
    d.constantUp();
    EXPECT_EQ(d.dialogConstant, 0);
    EXPECT_EQ(store.currentElement.arg2, 0);
    EXPECT_EQ(d.view.constantText, "0");
    d.constantDown();
    EXPECT_EQ(store.currentElement.arg2, 255);
    EXPECT_EQ(d.view.constantLabel, " 255");
}

TEST_F(DialogTest, ArithmeticDefaultsAndTiedOperandAndResult)
{
    DialogRules& d = open(DialogId::CalculoMatematico);
    EXPECT_EQ(d.view.title, "Calculo Matematico");
    EXPECT_TRUE(store.currentElement.is(14, 10, 12));
    EXPECT_FALSE(d.view.constantVisible);
    d.choose("icmbResult", 2);
    EXPECT_EQ(store.currentElement.arg1, 2);
    EXPECT_EQ(store.currentElement.arg3, 2);
    EXPECT_EQ(d.view.controls[std::size_t(d.controlIndex("icmbArgOne"))].selected, 2);
    d.choose("icmbOperation", 2);
    EXPECT_EQ(store.currentElement.subtype, 11);
    d.choose("icmbArgTwo", 6);
    EXPECT_TRUE(d.view.constantVisible);
    EXPECT_EQ(d.view.constantOverlay, 2);
    EXPECT_EQ(store.currentElement.option, 11);
    EXPECT_EQ(store.currentElement.arg2, 1);
    d.typeConstant("300");
    EXPECT_TRUE(d.view.constantRed);
    EXPECT_EQ(store.currentElement.arg2, 255);
    d.choose("icmbOperation", 7); // outside the list: ignored
    EXPECT_EQ(store.currentElement.subtype, 11);
}

TEST_F(DialogTest, ModifyingKeepsTheVariableAndOffersConstantOne)
{
    state.insertMode = false;
    store.currentElement = element(14, 13, 12, 4, 3, 4);
    DialogRules& d = open(DialogId::CalculoLogico, false);
    EXPECT_EQ(d.view.title, "Calculo Logico [Modificar]");
    EXPECT_EQ(d.view.controls[std::size_t(d.controlIndex("icmbArgTwo"))].selected, 3);
    EXPECT_EQ(d.view.controls[std::size_t(d.controlIndex("icmbOperation"))].selected, 2);
    d.choose("icmbArgTwo", 6);
    EXPECT_EQ(store.currentElement.arg2, 1);
    EXPECT_EQ(d.view.constantLabel, " 1");
}

TEST_F(DialogTest, LoadDialogSourcesAndRandomValue)
{
    DialogRules& d = open(DialogId::CalculoCarga);
    EXPECT_EQ(d.view.title, "Carga de Variables");
    EXPECT_TRUE(store.currentElement.is(14, 15, 11));
    EXPECT_TRUE(d.view.constantVisible);
    EXPECT_EQ(d.view.constantOverlay, 1);
    d.choose("icmbArgOne", 7);
    EXPECT_TRUE(store.currentElement.is(14, 15, 13));
    EXPECT_EQ(store.currentElement.arg1, 7);
    EXPECT_FALSE(d.view.constantVisible);
    d.typeConstant("40"); // hidden: the source stays the random value
    EXPECT_EQ(store.currentElement.arg1, 7);
    d.choose("icmbArgOne", 6);
    EXPECT_EQ(store.currentElement.arg1, 40);
    EXPECT_EQ(roundTrip(DialogId::CalculoCarga, element(14, 15, 13, 7, 2)), element(14, 15, 13, 7, 2));
    EXPECT_EQ(roundTrip(DialogId::CalculoCarga, element(14, 15, 12, 3, 5)).arg1, 3);
}

TEST_F(DialogTest, EveryCalculationElementSurvivesItsDialog)
{
    std::vector<std::pair<DialogId, InstructionRecord>> cases;
    for (int s = 10; s <= 14; ++s)
        for (int v = 1; v <= 5; ++v) {
            const DialogId id = s <= 11 ? DialogId::CalculoMatematico : DialogId::CalculoLogico;
            for (int w = 1; w <= 5; ++w)
                cases.push_back({id, element(14, s, 12, v, w, v)});
            for (int c : {0, 1, 7, 128, 255})
                cases.push_back({id, element(14, s, 11, v, c, v)});
        }
    for (int t = 1; t <= 5; ++t) {
        for (int v = 1; v <= 5; ++v)
            cases.push_back({DialogId::CalculoCarga, element(14, 15, 12, v, t)});
        for (int c : {0, 9, 255})
            cases.push_back({DialogId::CalculoCarga, element(14, 15, 11, c, t)});
        cases.push_back({DialogId::CalculoCarga, element(14, 15, 13, 7, t)});
    }
    for (const auto& [id, r] : cases) {
        const InstructionRecord back = roundTrip(id, r);
        EXPECT_TRUE(back.family == r.family && back.subtype == r.subtype && back.option == r.option &&
                    back.arg1 == r.arg1 && back.arg2 == r.arg2 && back.arg3 == r.arg3)
            << int(r.subtype) << " " << int(r.option) << " " << r.arg1 << " " << r.arg2;
    }
}

TEST_F(DialogTest, DamagedOperandsOpenWithoutFailing)
{
    for (DialogId id : {DialogId::CalculoMatematico, DialogId::CalculoLogico, DialogId::CalculoCarga}) {
        store.currentElement = element(14, 99, 42, -300, 9000, 200);
        state.insertMode = false;
        DialogRules& d = open(id, false);
        for (const ControlState& c : d.view.controls)
            EXPECT_GE(c.selected, 0);
        d.constantUp();
        EXPECT_GE(d.dialogConstant, 0);
        EXPECT_LE(d.dialogConstant, 255);
    }
}

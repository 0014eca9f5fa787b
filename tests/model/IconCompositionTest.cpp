#include "model/IconComposition.h"
#include "model/ProgramStore.h"
#include "support/TestRecords.h"

#include <gtest/gtest.h>

using namespace tarvel;
using testsupport::element;
using L = LayerList;

TEST(IconComposition, LayersByTheTable)
{
    EXPECT_EQ(iconLayers(element(0, 0, 10)), (std::vector<Layer>{{L::Especial, 1}}));
    EXPECT_TRUE(iconLayers(element(100, 0, 10)).empty());
    EXPECT_EQ(iconLayers(element(10, 10, 10)), (std::vector<Layer>{{L::Frame, 2}, {L::Motores, 1}}));
    EXPECT_EQ(iconLayers(element(10, 14, 13)), (std::vector<Layer>{{L::Frame, 1}, {L::Motores, 5}}));
    EXPECT_EQ(iconLayers(element(11, 12, 14)), (std::vector<Layer>{{L::Frame, 1}, {L::Salidas, 9}}));
    EXPECT_EQ(iconLayers(element(11, 13, 15)), (std::vector<Layer>{{L::Frame, 1}, {L::Salidas, 12}}));
    EXPECT_EQ(iconLayers(element(11, 12, 11)), (std::vector<Layer>{{L::Frame, 2}, {L::Salidas, 10}}));
    EXPECT_EQ(iconLayers(element(11, 10, 10, 3)),
              (std::vector<Layer>{{L::Calculos, 3}, {L::Frame, 1}, {L::Salidas, 4}}));
    EXPECT_EQ(iconLayers(element(11, 13, 14)), (std::vector<Layer>{{L::Salidas, 3}, {L::Frame, 1}, {L::Salidas, 11}}));
    EXPECT_TRUE(iconLayers(element(11, 10, 11)).empty()); // light has no "load by constant"
    EXPECT_EQ(iconLayers(element(11, 11, 12)), (std::vector<Layer>{{L::Salidas, 1}, {L::Salidas, 5}, {L::Frame, 2}}));
    EXPECT_TRUE(iconLayers(element(11, 11, 14)).empty());
    EXPECT_EQ(iconLayers(element(12, 13, 13, 2)),
              (std::vector<Layer>{{L::Entradas, 7}, {L::Frame, 1}, {L::Calculos, 28}}));
    EXPECT_TRUE(iconLayers(element(12, 11, 11, 2)).empty());
    EXPECT_EQ(iconLayers(element(13, 14, 13)), (std::vector<Layer>{{L::Frame, 4}, {L::Esperas, 10}}));
    EXPECT_EQ(iconLayers(element(13, 17, 10)), (std::vector<Layer>{{L::Frame, 1}, {L::Esperas, 13}}));
    EXPECT_EQ(iconLayers(element(13, 18, 11, 5)),
              (std::vector<Layer>{{L::Esperas, 7}, {L::Frame, 1}, {L::Esperas, 14}}));
    EXPECT_EQ(iconLayers(element(14, 12, 11, 1)),
              (std::vector<Layer>{{L::Calculos, 8}, {L::Frame, 1}, {L::Calculos, 11}}));
    EXPECT_EQ(iconLayers(element(14, 10, 12, 2, 4)),
              (std::vector<Layer>{{L::Frame, 1}, {L::Calculos, 12}, {L::Calculos, 6}, {L::Calculos, 19}}));
    EXPECT_EQ(iconLayers(element(14, 15, 11, 200, 3)), (std::vector<Layer>{{L::Frame, 1}, {L::Calculos, 29}}));
    EXPECT_EQ(iconLayers(element(14, 15, 12, 1, 3)),
              (std::vector<Layer>{{L::Calculos, 21}, {L::Frame, 1}, {L::Calculos, 29}}));
    EXPECT_EQ(iconLayers(element(14, 15, 13, 7, 3)),
              (std::vector<Layer>{{L::Calculos, 26}, {L::Frame, 1}, {L::Calculos, 29}}));
    EXPECT_EQ(iconLayers(element(15, 21, 11, 2)), (std::vector<Layer>{{L::Frame, 5}, {L::Decisiones, 23}}));
    EXPECT_EQ(iconLayers(element(16, 17, 10)), (std::vector<Layer>{{L::Frame, 6}, {L::Decisiones, 12}}));
    EXPECT_EQ(iconLayers(element(15, 12, 10, 1, 7)),
              (std::vector<Layer>{{L::Frame, 5}, {L::Decisiones, 1}, {L::Decisiones, 18}}));
    EXPECT_EQ(iconLayers(element(16, 15, 11, 1, 2)),
              (std::vector<Layer>{{L::Frame, 6}, {L::Decisiones, 1}, {L::Decisiones, 7}, {L::Decisiones, 21}}));
    EXPECT_EQ(iconLayers(element(17, 10, 10)), (std::vector<Layer>{{L::Saltos, 1}}));
    EXPECT_EQ(iconLayers(element(17, 11, 10), 1), (std::vector<Layer>{{L::Saltos, 1}}));
    EXPECT_EQ(iconLayers(element(17, 11, 10), 2), (std::vector<Layer>{{L::Saltos, 2}}));
    EXPECT_EQ(iconLayers(element(17, 16, 12)), (std::vector<Layer>{{L::Saltos, 7}}));
    EXPECT_TRUE(iconLayers(element(20, 10, 10)).empty());
}

TEST(IconComposition, OverlayPositionsAndTexts)
{
    struct Case {
        InstructionRecord r;
        int oneTop, oneLeft, twoTop, twoLeft;
    };
    const Case cases[] = {
        {element(10, 10, 10, 1, 0, 0, "AB"), 0, 0, 1440, 360}, {element(11, 12, 11, 100, 440), 0, 0, 1440, 150},
        {element(11, 11, 11, 6), 0, 0, 240, 100},              {element(11, 11, 13), 0, 0, 1440, 360},
        {element(11, 13, 11), 240, 100, 0, 0},                  {element(13, 11, 10, 5), 300, 200, 0, 0},
        {element(14, 13, 11, 1, 9), 0, 0, 700, 550},            {element(14, 15, 11, 9, 1), 240, 360, 0, 0},
        {element(17, 13, 10), 0, 0, 1240, 90},                  {element(17, 14, 10), 0, 0, 1440, 160},
        {element(15, 12, 10, 1, 7), 690, 340, 1460, 240},       {element(16, 12, 11, 1, 2), 0, 0, 1460, 240},
        {element(12, 10, 10), 0, 0, 0, 0},
    };
    for (Case c : cases) {
        setOverlayPositions(c.r);
        EXPECT_EQ(std::vector<int>({c.r.lblOneTop, c.r.lblOneLeft, c.r.lblTwoTop, c.r.lblTwoLeft}),
                  std::vector<int>({c.oneTop, c.oneLeft, c.twoTop, c.twoLeft}))
            << int(c.r.family) << "," << int(c.r.subtype) << "," << int(c.r.option);
    }

    InstructionRecord tone = element(11, 12, 11, 100, 440);
    setOverlayPositions(tone);
    const auto hz = overlayTwo(tone);
    EXPECT_EQ(hz.text, " 440Hz");
    EXPECT_EQ(std::pair(hz.width, hz.height), std::pair(850, 255));
    EXPECT_TRUE(hz.border);
    EXPECT_FALSE(overlayOne(tone).visible);

    InstructionRecord compare = element(15, 12, 10, 1, 7, 0, "fin");
    setOverlayPositions(compare);
    EXPECT_EQ(overlayOne(compare).text, " 7");
    EXPECT_EQ(overlayTwo(compare).text, "fin");
    EXPECT_EQ(std::pair(overlayTwo(compare).width, overlayTwo(compare).height), std::pair(855, 255));

    InstructionRecord sub = element(17, 13, 10, 0, 0, 0, "giro");
    setOverlayPositions(sub);
    EXPECT_EQ(overlayTwo(sub).background, 0xC0FFC0u);
    EXPECT_FALSE(overlayTwo(sub).border);
    InstructionRecord jump = element(17, 12, 10, 0, 0, 0, "giro");
    setOverlayPositions(jump);
    EXPECT_TRUE(overlayTwo(jump).border);
    InstructionRecord screen = element(11, 11, 11, 6, 0, 0, "A-C");
    setOverlayPositions(screen);
    EXPECT_FALSE(overlayTwo(screen).border);
    EXPECT_EQ(overlayTwo(screen).width, 450);
    InstructionRecord calc = element(14, 13, 11, 1, 9);
    setOverlayPositions(calc);
    EXPECT_EQ(overlayTwo(calc).text, " 9");
    EXPECT_FALSE(overlayTwo(calc).border);
}

TEST(IconComposition, LabelRule)
{
    ProgramStore store;
    store.newProgram();
    InstructionRecord label = element(17, 11, 10, 0, 0, 0, "L");
    store.currentElement = label;
    store.appendCurrent();
    EXPECT_EQ(labelPicture(store, 0, true, label), 2); // after the start element, flow arrives
    EXPECT_EQ(store.recordAt(0, 1).arg3, 0);

    store.currentElement = element(17, 12, 10, 1, 0, 0, "L");
    store.appendCurrent();
    store.currentElement = label;
    store.appendCurrent();
    EXPECT_EQ(labelPicture(store, 0, true, label), 1);
    EXPECT_EQ(store.recordAt(0, 3).arg3, 15);
    EXPECT_EQ(label.arg3, 15);
    EXPECT_EQ(labelPicture(store, 0, false, label), 1); // modify: its own arg3 decides

    // A preview while the last element is not a label changes no record.
    store.currentElement = element(100, 0, 10);
    store.appendCurrent();
    store.currentElement = element(14, 10, 11, 1, 2, 3);
    store.appendCurrent();
    InstructionRecord preview = label;
    labelPicture(store, 0, true, preview);
    EXPECT_EQ(store.recordAt(0, 5).arg3, 3);
}

TEST(IconComposition, LabelRuleWhileLoadingAndLabelJumps)
{
    ProgramStore store;
    store.resetStore();
    for (const auto& r : {element(17, 11, 10, 0, 0, 0, "primero"), element(17, 12, 10, 1, 0, 0, "x"),
                          element(17, 11, 10, 0, 0, 0, "x"), element(10, 10, 10), element(17, 11, 10, 0, 0, 0, "y")}) {
        store.currentElement = r;
        store.appendCurrent();
    }
    EXPECT_EQ(labelPictureAt(store, 0, 0), 1); // first of its sequence
    EXPECT_EQ(labelPictureAt(store, 0, 2), 1); // after a jump
    EXPECT_EQ(store.recordAt(0, 2).arg3, 15);
    EXPECT_EQ(labelPictureAt(store, 0, 4), 2);
    EXPECT_EQ(findMainLabel(store, "y"), 4);
    EXPECT_EQ(findMainLabel(store, "primero"), -1); // the search starts at index 1
    EXPECT_EQ(findMainLabel(store, "z"), -1);
    EXPECT_EQ(labelJumpRow(50), 4);
    EXPECT_EQ(labelJumpRow(2), 0);
    EXPECT_EQ(labelJumpRow(27), 3);
    EXPECT_EQ(objectsStatusText(store), "Objetos:  5/ 5");
}

TEST(IconComposition, UncodedWarning)
{
    ProgramStore store;
    EXPECT_TRUE(warnsUncoded(element(10, 10, 10), store, true));
    EXPECT_FALSE(warnsUncoded(element(10, 10, 10), store, false));
    EXPECT_FALSE(warnsUncoded(element(17, 12, 10), store, true));
    CodeTable<std::uint8_t> sizes;
    sizes.set(10, 10, 10, 2);
    store.setElementSizes(sizes);
    EXPECT_FALSE(warnsUncoded(element(10, 10, 10), store, true));
}

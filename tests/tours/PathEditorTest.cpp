// The path editor: snapping, steps, light, limits and the text bytes of the path element.
#include "ToursTestSupport.h"

#include "model/ProgramStore.h"
#include "tours/PathAnimation.h"
#include "tours/PathEditor.h"

#include <gtest/gtest.h>

using namespace tarvel;
using testsupport::drawBy;
using testsupport::textBytes;

namespace {

InstructionRecord accepted(const PathEditor& editor)
{
    ProgramStore store;
    InstructionRecord r;
    clearElement(r);
    r.text.fill('x');
    editor.fillElement(r, store);
    return r;
}

} // namespace

TEST(PathGeometry, SnapsToEightDirectionsWithTheStoredQuirks)
{
    const TwipPoint s{1000, 1000};
    EXPECT_EQ(snapSegment(s, {1100, 700}, 7).end, (TwipPoint{1000, 700})); // steep: vertical
    EXPECT_EQ(snapSegment(s, {1100, 700}, 7).heading, 90);
    EXPECT_EQ(snapSegment(s, {1500, 900}, 7).end, (TwipPoint{1500, 1000})); // flat: horizontal
    EXPECT_EQ(snapSegment(s, {1500, 900}, 7).heading, 0);
    // Diagonal length is the larger signed difference: down-left by (-300, +200) goes 200 each way.
    EXPECT_EQ(snapSegment(s, {700, 1200}, 7).end, (TwipPoint{800, 1200}));
    EXPECT_EQ(snapSegment(s, {700, 1200}, 7).heading, 225);
    EXPECT_EQ(snapSegment(s, {600, 600}, 7).heading, 135);
    EXPECT_EQ(snapSegment(s, {1400, 1400}, 7).heading, 315);
    EXPECT_EQ(snapSegment(s, s, 7).heading, 7); // no length: the heading stays

    EXPECT_EQ(distanceUnits({0, 0}, {83, 0}), 0);
    EXPECT_EQ(distanceUnits({0, 0}, {84, 0}), 1);
    EXPECT_EQ(distanceUnits({0, 0}, {420, 420}), 7); // 593.97 rounds to 594
    EXPECT_EQ(segmentLength({0, 0}, {0.5, 0}), 0);   // halves to even
    EXPECT_EQ(segmentLength({0, 0}, {1.5, 0}), 2);
    EXPECT_EQ(segmentTimeText(15), "Tiempo (Segs): 1.5");
    EXPECT_EQ(segmentTimeText(20), "Tiempo (Segs): 2");
    EXPECT_EQ(segmentTimeText(3), "Tiempo (Segs): 0.3");
}

TEST(PathCodec, RelativeAngles)
{
    EXPECT_EQ(RelativeAngle(0, 0), 90);    // straight on
    EXPECT_EQ(RelativeAngle(90, 0), 0);    // right
    EXPECT_EQ(RelativeAngle(90, 180), 180); // left
    EXPECT_EQ(RelativeAngle(90, 45), 45);
    EXPECT_EQ(RelativeAngle(90, 135), 135);
    EXPECT_EQ(RelativeAngle(0, 180), 270); // back
    EXPECT_EQ(RelativeAngle(315, 0), 135);
    EXPECT_EQ(RelativeAngle(30, 0), 0);
    EXPECT_EQ(RelativeAngle(-90, 0), 0);
}

TEST(PathEditor, OneSegmentToTheRight)
{
    PathEditor e;
    EXPECT_EQ(e.counterText(), "Pasos:  0");
    const RubberBand& band = e.mouseMove({kBeginCentre.x + 840, kBeginCentre.y + 10});
    EXPECT_TRUE(band.visible);
    EXPECT_EQ(e.timeText(), "Tiempo (Segs): 1");
    drawBy(e, 840, 0);
    EXPECT_EQ(e.counterText(), "Pasos:  1/20");
    EXPECT_EQ(e.pen(), (TwipPoint{kBeginCentre.x + 840, kBeginCentre.y}));
    ASSERT_EQ(e.acceptance(), PathAcceptance::Store);
    const InstructionRecord r = accepted(e);
    EXPECT_EQ(textBytes(r.text, 8), (std::vector<int>{0, 10, 10, 10, 0, 12, 10, ' '}));
    EXPECT_EQ(r.arg1, 1);
    EXPECT_EQ(r.family, 10);
    EXPECT_EQ(r.subtype, 16);
    EXPECT_EQ(r.name, "Camino 1");
    EXPECT_EQ(r.description, "Ejecutar Recorrido (Camino 1)");
    EXPECT_EQ(r.text[63], ' ');
}

TEST(PathEditor, ClockwiseSquareTurnsRightThreeTimes)
{
    PathEditor e;
    drawBy(e, 0, -840);
    drawBy(e, 840, 0);
    drawBy(e, 0, 840);
    drawBy(e, -840, 0);
    EXPECT_EQ(e.pen(), kBeginCentre);
    const InstructionRecord r = accepted(e);
    EXPECT_EQ(textBytes(r.text, 16),
              (std::vector<int>{0, 10, 12, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 0, 16, 10}));
    EXPECT_EQ(r.arg1, 4);
}

TEST(PathEditor, ZigZagTurnsBothWays)
{
    PathEditor e;
    drawBy(e, 420, -420);  // up-right
    drawBy(e, -420, -420); // up-left: 90 to the left
    drawBy(e, 420, -420);  // up-right: 90 to the right
    const InstructionRecord r = accepted(e);
    EXPECT_EQ(textBytes(r.text, 13), (std::vector<int>{0, 7, 11, 10, 7, 14, 10, 7, 10, 10, 0, 11, 10}));

    PathEditor upLeft;
    drawBy(upLeft, 0, -300);
    drawBy(upLeft, -300, 0);
    EXPECT_EQ(accepted(upLeft).text[5], 14);
    PathEditor upRight;
    drawBy(upRight, 0, -300);
    drawBy(upRight, 300, 0);
    EXPECT_EQ(accepted(upRight).text[5], 10);
}

TEST(PathEditor, LightSteps)
{
    PathEditor e;
    EXPECT_TRUE(e.setLight(false)); // no step yet: nothing happens
    EXPECT_TRUE(e.lightOn());
    EXPECT_EQ(e.itemCount(), 0);
    drawBy(e, 840, 0);
    e.setLight(true); // already on
    EXPECT_EQ(e.itemCount(), 4);
    e.setLight(false);
    EXPECT_EQ(e.lightText(), "Luz: Apagada");
    EXPECT_EQ(e.counterText(), "Pasos:  2/20");
    drawBy(e, 0, -840);
    e.setLight(true);
    EXPECT_EQ(e.lightText(), "Luz: Encendida");
    EXPECT_EQ(e.segmentCount(), 2);
    ASSERT_EQ(e.segments().size(), 2u);
    EXPECT_TRUE(e.segments()[0].lit);
    EXPECT_FALSE(e.segments()[1].lit);
    const InstructionRecord r = accepted(e);
    EXPECT_EQ(textBytes(r.text, 16),
              (std::vector<int>{0, 10, 10, 10, 1, 18, 11, 10, 14, 10, 1, 18, 12, 0, 10, 10}));
    EXPECT_EQ(r.arg1, 4);
}

TEST(PathEditor, ZoomEntriesAreTheFirstByte)
{
    for (int zoom : {0, 1, 2}) {
        PathEditor e;
        drawBy(e, 840, 0);
        e.setZoom(zoom);
        EXPECT_EQ(accepted(e).text[0], zoom);
    }
    PathEditor e;
    e.setZoom(7);
    EXPECT_EQ(e.zoom(), 0);
}

TEST(PathEditor, LongMovesAreSplitToWhatTheBrickCanTime)
{
    // From the start to the left edge, then across the whole area: 128 units, one more than the
    // longest timed move.
    PathEditor e;
    e.leftClick({1, kBeginCentre.y});
    e.leftClick({10814, kBeginCentre.y});
    ASSERT_EQ(e.itemCount(), 8);
    EXPECT_EQ(e.items()[0], 62);
    EXPECT_EQ(e.items()[4], 128);
    EXPECT_EQ(textBytes(accepted(e).text, 13), (std::vector<int>{0, 62, 14, 10, 127, 16, 10, 1, 12, 10, 0, 12, 10}));
    e.setZoom(1); // 1.5 X: at most 84 units (126 tenths)
    EXPECT_EQ(textBytes(accepted(e).text, 13), (std::vector<int>{1, 62, 14, 10, 84, 16, 10, 44, 12, 10, 0, 12, 10}));
    e.setZoom(2); // 2.0 X: at most 63 units
    const InstructionRecord r = accepted(e);
    EXPECT_EQ(textBytes(r.text, 16),
              (std::vector<int>{2, 62, 14, 10, 63, 16, 10, 63, 12, 10, 2, 12, 10, 0, 12, 10}));
    EXPECT_EQ(r.arg1, 4);
}

TEST(PathEditor, LimitsOfTheDrawing)
{
    PathEditor e;
    EXPECT_FALSE(e.leftClick({0, 100}));      // on the edge: not inside
    EXPECT_FALSE(e.leftClick({20000, 100}));  // outside
    EXPECT_FALSE(e.leftClick({10000, 6700})); // inside, but the snapped diagonal ends below the area
    EXPECT_FALSE(e.mouseMove({10000, 6700}).visible);
    EXPECT_EQ(e.itemCount(), 0);
    for (int i = 0; i < 25; ++i)
        drawBy(e, i % 2 ? 200 : -200, 0);
    EXPECT_EQ(e.segmentCount(), PathEditor::kMaxSegments);
    EXPECT_EQ(e.counterText(), "Pasos:  20/20");

    ASSERT_EQ(e.acceptance(), PathAcceptance::AskToTruncate);
    EXPECT_EQ(PathEditor::tooLongMessage().title, "Error de Recorrido");
    const InstructionRecord r = accepted(e);
    EXPECT_EQ(r.arg1, 16);
    // 16 steps and the 17th group, whole: 52 bytes, the rest blank.
    EXPECT_EQ(r.text[49], 2);  // 17th step: 200 twips
    EXPECT_EQ(r.text[50], 16); // back
    EXPECT_EQ(r.text[51], 10);
    EXPECT_EQ(r.text[52], ' ');

    e.endPath();
    EXPECT_FALSE(e.open());
    ASSERT_TRUE(e.endMarker());
    EXPECT_EQ(*e.endMarker(), e.pen());
    e.clear();
    EXPECT_TRUE(e.open());
    EXPECT_EQ(e.itemCount(), 0);
    EXPECT_EQ(e.segments().size(), 0u);
    EXPECT_EQ(e.pen(), kBeginPoint);
    EXPECT_EQ(e.counterText(), "Pasos:  0");
    EXPECT_EQ(e.acceptance(), PathAcceptance::Close);
}

TEST(PathEditor, EndedPathTakesLightStepsButNoSegments)
{
    PathEditor e;
    drawBy(e, 500, 0);
    e.endPath();
    EXPECT_FALSE(e.mouseMove({100, 100}).visible);
    drawBy(e, 0, 500);
    EXPECT_EQ(e.segmentCount(), 1);
    e.setLight(false);
    EXPECT_EQ(e.itemCount(), 8);
}

TEST(PathEditor, LightTogglesStopWhenTheWorkArrayIsFull)
{
    PathEditor e;
    drawBy(e, 500, 0);
    bool refused = false;
    for (int i = 0; i < 400 && !refused; ++i)
        refused = !e.setLight(i % 2 == 1);
    EXPECT_TRUE(refused);
    EXPECT_EQ(e.itemCount(), 996); // the next group still fits for the encoding
    const bool light = e.lightOn();
    EXPECT_FALSE(e.setLight(!light));
    EXPECT_EQ(e.lightOn(), light);
    EXPECT_EQ(e.acceptance(), PathAcceptance::AskToTruncate);
    EXPECT_EQ(accepted(e).arg1, 16);
}

TEST(PathEditor, TitleAndModifyMode)
{
    PathEditor e(true);
    EXPECT_EQ(e.caption(), "Herramienta para Dise\xF1" "ar Recorridos [Modificar]");
    InstructionRecord old = makeElement(10, 16, 10, 3, 0, 0, "Vuelta");
    e.startElement(old, false);
    EXPECT_EQ(e.title(), "Vuelta");
    e.setTitle("Camino largo");
    EXPECT_EQ(e.title(), "Camino l");
    PathEditor fresh;
    InstructionRecord r;
    fresh.startElement(r, true);
    EXPECT_EQ(r.name, "Camino 1");
    EXPECT_EQ(fresh.caption(), "Herramienta para Dise\xF1" "ar Recorridos");
}

TEST(PathCodec, DecodeOfEncodeGivesThePathBack)
{
    const std::vector<PathData> paths{
        {0, {{10, 90, StepAction::Move}}},
        {1, {{3, 0, StepAction::Move}, {1, 0, StepAction::LightOff}, {20, 225, StepAction::Move},
             {5, 315, StepAction::Move}, {1, 315, StepAction::LightOn}, {0, 135, StepAction::Move}}},
        {2, {{127, 180, StepAction::Move}, {1, 270, StepAction::Move}, {2, 45, StepAction::Move},
             {9, 90, StepAction::Move}, {4, 0, StepAction::Move}, {6, 270, StepAction::Move}}},
    };
    for (const PathData& p : paths) {
        RecordText text = blankText();
        setText(text, encodePath(p));
        EXPECT_EQ(decodePath(text, int(p.steps.size())), p);
    }
    PathData tooMany{0, std::vector<PathStep>(17, PathStep{1, 0, StepAction::Move})};
    EXPECT_EQ(encodePath(tooMany), "");
}

TEST(PathAnimation, DrivesAtTheStoredSpeed)
{
    // Up 10 units, then right 10 units at zoom 1.5: 1.5 s, a right angle at 800 ms per 45 degrees,
    // then 1.5 s more.
    const PathData path{1, {{10, 90, StepAction::Move}, {1, 90, StepAction::LightOff}, {10, 0, StepAction::Move}}};
    const PathAnimation a(path, 800);
    EXPECT_DOUBLE_EQ(a.durationMs(), 1500 + 1600 + 1500);
    EXPECT_EQ(a.poseAt(0).position, kBeginCentre);
    EXPECT_TRUE(a.poseAt(0).lightOn);
    const TourPose half = a.poseAt(750);
    EXPECT_DOUBLE_EQ(half.position.y, kBeginCentre.y - 420);
    const TourPose turning = a.poseAt(1500 + 800);
    EXPECT_DOUBLE_EQ(turning.heading, 45);
    EXPECT_FALSE(turning.lightOn);
    const TourPose end = a.poseAt(10000);
    EXPECT_NEAR(end.position.x, kBeginCentre.x + 840, 1e-9);
    EXPECT_NEAR(end.position.y, kBeginCentre.y - 840, 1e-9);
    EXPECT_DOUBLE_EQ(end.heading, 0);
    EXPECT_EQ(PathAnimation(PathData{}, 800).durationMs(), 0);
}

TEST(PathEditor, TheCounterAndTheLimitsCountTheStoredSteps)
{
    // Back and forth across the whole area at 2.0 X: every segment of 128 units is stored as three
    // moves of at most 63.
    PathEditor e;
    e.setZoom(2);
    e.leftClick({1, kBeginCentre.y});
    EXPECT_EQ(e.storedStepCount(), 1);
    e.leftClick({10814, kBeginCentre.y});
    EXPECT_EQ(e.storedStepCount(), 4);
    EXPECT_EQ(e.counterText(), "Pasos:  4/20");
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(e.leftClick({i % 2 ? 10814.0 : 1.0, kBeginCentre.y}));
    // 1 + 3 x 6 = 19 moves: a seventh crossing would make 22, more than the brick's 20.
    EXPECT_EQ(e.storedMoveCount(), 19);
    EXPECT_EQ(e.segmentCount(), 7);
    EXPECT_EQ(e.counterText(), "Pasos:  19/20");
    const int items = e.itemCount();
    EXPECT_FALSE(e.leftClick({10814, kBeginCentre.y}));
    EXPECT_EQ(e.itemCount(), items);
    EXPECT_EQ(e.items()[std::size_t(items)], 0); // the refused step left nothing in the work array
    EXPECT_TRUE(e.leftClick({1, kBeginCentre.y + 84 * 10})); // a short one still fits
    EXPECT_EQ(e.storedMoveCount(), 20);

    // At 1.0 X nothing is split: a path the counter shows as 8 steps is stored whole.
    PathEditor shortPath;
    for (int i = 0; i < 8; ++i)
        testsupport::drawBy(shortPath, i % 2 ? 200 : -200, 0);
    EXPECT_EQ(shortPath.counterText(), "Pasos:  8/20");
    EXPECT_EQ(shortPath.acceptance(), PathAcceptance::Store);
    // Changing the zoom changes what is stored, and the counter says so before "Aceptar" asks.
    e.setZoom(0);
    EXPECT_EQ(e.counterText(), "Pasos:  " + std::to_string(e.storedStepCount()) + "/20");
    EXPECT_EQ(e.acceptance(), e.storedStepCount() > 16 ? PathAcceptance::AskToTruncate : PathAcceptance::Store);
}

TEST(PathEditor, TheEndMarkerKeepsTheColourItWasEndedWith)
{
    PathEditor e;
    testsupport::drawBy(e, 400, 0);
    e.endPath();
    EXPECT_TRUE(e.endMarkerLit());
    EXPECT_TRUE(e.setLight(false)); // a light step after the end: light and label change, not the marker
    EXPECT_FALSE(e.lightOn());
    EXPECT_EQ(e.lightText(), "Luz: Apagada");
    EXPECT_TRUE(e.endMarkerLit());
    e.endPath(); // ended twice: still the first colour
    EXPECT_TRUE(e.endMarkerLit());
    e.clear();
    testsupport::drawBy(e, 400, 0);
    e.setLight(false);
    e.endPath();
    EXPECT_FALSE(e.endMarkerLit());
}

// Paths and melodies from the editors build with the library we ship, without a message.
#include "support/CleanBuild.h"
#include "ToursTestSupport.h"
#include "compiler/BuildTestSupport.h"

#include "compiler/Compile.h"
#include "tours/MelodyEditor.h"
#include "tours/PathEditor.h"

#include <gtest/gtest.h>

using namespace tarvel;
using namespace testsupport;

namespace {

class ToursBuild : public ::testing::Test {
protected:
    ToursBuild()
        : library(shippedLibrary())
    {
        store.setElementSizes(library.elementSizeTable);
    }

    // Builds a program holding `element`; the generated source.
    std::string build(const InstructionRecord& element, int directionMode = 0)
    {
        store.newProgram();
        store.programSettings.directionMode = std::uint8_t(directionMode);
        append(store, element);
        const CompileResult result = testsupport::expectCleanBuild(store, library);
        const Assembly& assembly = result.assemblyOrEmpty();
        // A path's closing motor stop (2 bytes) is not counted by the translation.
        EXPECT_EQ(assembly.imageLength, result.translation.memoryUsed + (element.family == 10 ? 2 : 0)) << result.translation.source;
        return result.translation.source;
    }

    InstructionRecord accept(const PathEditor& editor)
    {
        InstructionRecord r;
        editor.fillElement(r, store);
        return r;
    }

    CompilationLibrary library;
    ProgramStore store;
};

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

} // namespace

TEST_F(ToursBuild, DrawnPathsInEveryZoomAndDirectionMode)
{
    PathEditor e;
    drawBy(e, 0, -840);
    drawBy(e, 840, 0);
    e.setLight(false);
    drawBy(e, 420, 420);
    e.setLight(true);
    drawBy(e, -1680, 0);
    for (int mode : {0, 1})
        for (int zoom : {0, 1, 2}) {
            e.setZoom(zoom);
            const std::string source = build(accept(e), mode);
            EXPECT_EQ(count(source, "MOVE AVANZA"), 4);
            EXPECT_EQ(count(source, "LAMP"), 3); // on at the start, off, on
            const char* tenths[] = {" 10", " 15", " 20"};
            EXPECT_NE(source.find(std::string("MOVE AVANZA,DECI,") + tenths[zoom]), std::string::npos) << source;
        }
}

TEST_F(ToursBuild, LongestMovesAndTheLongestPath)
{
    PathEditor e;
    e.leftClick({1, kBeginCentre.y});
    e.leftClick({10814, kBeginCentre.y});
    for (int zoom : {0, 1, 2}) {
        e.setZoom(zoom);
        build(accept(e));
    }
    PathEditor full;
    for (int i = 0; i < 20; ++i)
        drawBy(full, 0, i % 2 ? 3000 : -3000);
    full.setZoom(2);
    const InstructionRecord r = accept(full);
    EXPECT_EQ(r.arg1, 16);
    EXPECT_EQ(count(build(r), "MOVE AVANZA"), 16);
}

TEST_F(ToursBuild, TwelveNotes)
{
    MelodyEditor e;
    for (int i = 0; i < MelodyEditor::kMaxNotes; ++i) {
        e.chooseTone(i % kNoteButtons);
        e.addNote();
    }
    InstructionRecord r;
    ASSERT_TRUE(e.fillElement(r, store));
    EXPECT_EQ(count(build(r), "TONE"), 12);
}

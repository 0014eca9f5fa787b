// The J2A1 library we ship: intact, and every element it knows assembles to exactly its size.
#include "BuildTestSupport.h"

#include "compiler/Compile.h"
#include "model/ProgramFile.h"

#include <gtest/gtest.h>

using namespace tarvel;
using namespace testsupport;

namespace {

class ShippedLibrary : public ::testing::Test {
protected:
    ShippedLibrary()
        : library(shippedLibrary())
    {
        store.setElementSizes(library.elementSizeTable);
    }

    // Builds `program` (after the start element and a label "L") and checks that the image is as
    // long as the sizes the library declares.
    void expectSizesMatch(const std::vector<InstructionRecord>& program, const std::string& what,
                          std::uint8_t threshold = 150)
    {
        store.newProgram();
        store.programSettings.lightThreshold = threshold;
        append(store, element(17, 11, 10, 0, 0, 0, "L"));
        for (const auto& r : program)
            append(store, r);
        store.activeSequence = 1;
        store.subroutineCount = 1;
        append(store, element(17, 13, 10, 0, 0, 0, "L"));
        append(store, element(17, 15, 10));
        store.activeSequence = 0;
        TemplateMemory memory;
        const CompileResult result = compileProgram(store, library, memory);
        const Assembly& assembly = result.assemblyOrEmpty();
        ASSERT_TRUE(result.assembled()) << what;
        EXPECT_EQ(assembly.errorsText, "") << what << "\n" << result.translation.source;
        EXPECT_EQ(assembly.imageLength, result.translation.memoryUsed) << what << "\n" << result.translation.source;
        EXPECT_EQ(result.translation.source.find("No Code"), std::string::npos) << what << "\n" << result.translation.source;
    }

    CompilationLibrary library;
    ProgramStore store;
};

} // namespace

TEST_F(ShippedLibrary, IntegrityCodeAndIdentity)
{
    EXPECT_EQ(computeIntegrityCode(library), library.codeFormatName);
    EXPECT_FALSE(CheckLibraryIntegrity(library));
    EXPECT_EQ(library.brickModelName, "J2A1");
    EXPECT_EQ(library.libraryCapacity, 255);
    EXPECT_FALSE(library.setVersion.empty());
    EXPECT_FALSE(library.libVersion.empty());
    for (const auto& name : library.motionActionNames)
        EXPECT_FALSE(name.empty());
    for (const auto& name : library.motionTimeNames)
        EXPECT_FALSE(name.empty());
}

TEST_F(ShippedLibrary, EveryElementAloneAssemblesToItsSize)
{
    int checked = 0;
    library.templateOffsetTable.forEach([&](int f, int s, int o, std::int32_t offset) {
        if (offset == 0 || f >= 18)
            return; // library keys and path steps are checked through their elements
        if (f == 10 && s == 16)
            return; // the path element is checked with its steps below
        if (f == 11 && s == 12 && o == 14)
            return; // melodies below
        if (o > 17 && !(f == 15 && s >= 16))
            return; // "*" rows: the options the editors create are enough
        if (f == 17 && (s == 10 || s == 13 || s == 15))
            return; // start, subroutine start and end are in every program of this test
        InstructionRecord r = element(f, s, o, 1, 2, 1, f == 17 && s == 11 ? "M" : "L");
        if (f == 11 && s == 11)
            r.name = "A-C";
        if (f == 11 && s == 13)
            r.arg2 = 129;
        if (f == 11 && s == 12 && o == 11)
            setText(r.text, std::string("\x00\x2C\x8E\x8E", 4));
        // The variable-threshold light templates are reached through a threshold in a variable.
        const bool variableLight = (f == 13 && s == 12 && (o == 10 || o == 11 || o == 14 || o == 15)) ||
                                   ((f == 15 || f == 16) && s == 16 && o == 11);
        if (f == 13 && s == 12 && o < 12)
            r.option = std::uint8_t(o + 2);
        if (f == 13 && s == 12 && o > 13)
            r.option = std::uint8_t(o - 2);
        expectSizesMatch({r}, std::to_string(f) + "," + std::to_string(s) + "," + std::to_string(o),
                         variableLight ? 248 : 150);
        ++checked;
    });
    EXPECT_GT(checked, 100);
}

TEST_F(ShippedLibrary, PathsWithEveryStepInBothDirectionModes)
{
    for (int mode : {0, 1}) {
        for (int zoom : {0, 1, 2}) {
            InstructionRecord path = element(10, 16, 10, 0, 0, 0, "Camino");
            std::string text(1, char(zoom));
            int steps = 0;
            for (int direction = 10; direction <= 17; ++direction, ++steps)
                text += {char(5), char(direction), char(10)};
            text += {char(1), char(18), char(12)};
            text += {char(1), char(18), char(11)};
            steps += 2;
            setText(path.text, text);
            path.arg1 = std::int16_t(steps);
            store.newProgram();
            store.programSettings.directionMode = std::uint8_t(mode);
            append(store, path);
            TemplateMemory memory;
            const CompileResult result = compileProgram(store, library, memory);
            const Assembly& assembly = result.assemblyOrEmpty();
            EXPECT_EQ(assembly.errorsText, "") << result.translation.source;
            // The closing motor stop is not counted by the translation; it costs 2 bytes.
            EXPECT_EQ(assembly.imageLength, result.translation.memoryUsed + 2) << result.translation.source;
            EXPECT_EQ(result.translation.source.find("No Code"), std::string::npos);
        }
    }
}

TEST_F(ShippedLibrary, ProgramStartWithTouchSensor)
{
    store.newProgram();
    store.recordAt(0, 0).option = 11;
    TemplateMemory memory;
    const CompileResult result = compileProgram(store, library, memory);
    const Assembly& assembly = result.assemblyOrEmpty();
    EXPECT_EQ(assembly.errorsText, "");
    EXPECT_EQ(assembly.imageLength, result.translation.memoryUsed);
    EXPECT_EQ(result.translation.memoryUsed, 9 + 2);
}

TEST_F(ShippedLibrary, MelodyNotes)
{
    InstructionRecord melody = element(11, 12, 14, 3, 0, 0, "Tonada");
    setText(melody.text, std::string("\x00\x2C\x8E\x8E\x00\x64\x3E\x3F\x13\x88\x06\x13", 12));
    expectSizesMatch({melody}, "melodia");
}

TEST_F(ShippedLibrary, EveryElementHasHelp)
{
    for (int f : {10, 11, 12, 13, 14, 15, 16, 17})
        for (int s = 10; s <= 21; ++s) {
            if (!library.hasTemplate(f, s, 10) && !library.hasTemplate(f, s, 11) && !library.hasTemplate(f, s, 12))
                continue;
            const std::string help = elementHelpText(library, f, s, 10);
            EXPECT_NE(help, "No Hay Ayuda Disponible para este Grafo") << f << "," << s;
            EXPECT_EQ(help.find(';'), std::string::npos);
        }
}

TEST_F(ShippedLibrary, ElementsMapToTheirSourceLinesAndImageAddresses)
{
    store.newProgram();
    append(store, element(11, 10, 12));
    append(store, element(13, 10, 10, 2));
    append(store, element(17, 16, 10));
    TemplateMemory memory;
    const CompileResult result = compileProgram(store, library, memory);
    const Assembly& assembly = result.assemblyOrEmpty();
    ASSERT_EQ(assembly.errorsText, "");
    ASSERT_EQ(result.translation.elementSpans.size(), 4u);
    const auto lines = splitSourceLines(result.translation.source);
    int expectedFirst = 1;
    int previousAddress = -1;
    for (std::size_t i = 0; i < result.translation.elementSpans.size(); ++i) {
        const SourceSpan& span = result.translation.elementSpans[i];
        EXPECT_EQ(span.sequence, 0);
        EXPECT_EQ(span.index, int(i));
        EXPECT_EQ(span.firstLine, expectedFirst);
        expectedFirst += span.lineCount;
        // Each element's code starts at or after the previous element's.
        ASSERT_LT(std::size_t(span.firstLine), assembly.lineAddress.size());
        const int address = assembly.lineAddress[std::size_t(span.firstLine)];
        EXPECT_GE(address, previousAddress);
        previousAddress = address;
    }
    // The wait's description comment is inside its span.
    const SourceSpan& wait = result.translation.elementSpans[2];
    bool found = false;
    for (int l = wait.firstLine; l < wait.firstLine + wait.lineCount; ++l)
        found = found || lines[std::size_t(l - 1)].find(";") == 0;
    EXPECT_TRUE(found);
}

// A program file may hold any element code of the library's range: it opens and builds, each
// element through its template (or the default code) at the library's cost.
TEST_F(ShippedLibrary, ProgramsWithTheLibrarysOwnCodesOpenAndBuild)
{
    store.newProgram();
    append(store, element(18, 10, 10, 0, 5)); // a path step: its template
    append(store, element(9, 11, 10)); // no code at all
    append(store, element(22, 10, 10)); // no template: the default code
    append(store, element(26, 10, 10)); // the library's own family: the default code
    ProgramStore opened;
    opened.setElementSizes(library.elementSizeTable);
    ASSERT_TRUE(loadProgram(opened, serializeProgram(store)).ok);
    EXPECT_EQ(opened.recordAt(0, 1).description, "Elemento Sin Ayuda [4]");
    EXPECT_EQ(opened.recordAt(0, 2).description, "Elemento Sin Ayuda [0]");
    TemplateMemory memory;
    const CompileResult result = compileProgram(opened, library, memory);
    const Assembly& assembly = result.assemblyOrEmpty();
    ASSERT_TRUE(result.assembled());
    EXPECT_EQ(assembly.errorsText, "") << result.translation.source;
    EXPECT_EQ(result.translation.memoryUsed, 9 + 4 + 2 + 2);
    EXPECT_EQ(assembly.imageLength, result.translation.memoryUsed) << result.translation.source;
    EXPECT_NE(result.translation.source.find("MOVE AVANZA,DECI, 5"), std::string::npos) << result.translation.source;
    EXPECT_NE(result.translation.source.find(";No Code for:  22,  10,  10"), std::string::npos) << result.translation.source;
}

TEST_F(ShippedLibrary, ABuildThatFailsNamesTheJumpsToMissingLabels)
{
    store.newProgram();
    append(store, element(15, 12, 10, 1, 3, 0, "nada"));
    TemplateMemory memory;
    auto result = compileProgram(store, library, memory);
    EXPECT_NE(result.assembly->errorsText.find("[1001] : C0_nada"), std::string::npos);
    EXPECT_EQ(result.labelReport,
        "La decision que salta a la etiqueta \"nada\" no tiene su etiqueta en el programa (Mi_Prog, fila 1, "
        "columna 2)\r\n");
    // A good build has nothing to report.
    append(store, element(17, 11, 10, 0, 0, 0, "nada"));
    result = compileProgram(store, library, memory);
    EXPECT_EQ(result.assembly->errorsText, "");
    EXPECT_EQ(result.labelReport, "");
}

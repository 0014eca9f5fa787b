#include "model/ProgramFile.h"
#include "model/ProgramStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace tarvel;
namespace fs = std::filesystem;

namespace {

class ProgramFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tarvel_pf_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::vector<std::uint8_t> readAll(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void writeAll(const fs::path& p, const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream out(p, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    static void append(ProgramStore& store, int f, int s, int o, const std::string& name = "")
    {
        store.currentElement = InstructionRecord{};
        store.currentElement.family = std::uint8_t(f);
        store.currentElement.subtype = std::uint8_t(s);
        store.currentElement.option = std::uint8_t(o);
        store.currentElement.name = name;
        store.appendCurrent();
    }
    // A program with `mainCount` elements and one subroutine per entry of `subCounts` (0 = empty slot).
    static void build(ProgramStore& store, int mainCount, std::vector<int> subCounts)
    {
        store.newProgram();
        for (int i = 1; i < mainCount; ++i)
            append(store, 10, 10, 10, "AB");
        for (std::size_t s = 0; s < subCounts.size(); ++s) {
            store.activeSequence = int(s) + 1;
            if (subCounts[s] == 0)
                continue;
            store.subroutineCount = int(s) + 1;
            append(store, 17, 13, 10, "sub" + std::to_string(s + 1));
            for (int i = 1; i < subCounts[s]; ++i)
                append(store, 11, 10, 12);
        }
        store.activeSequence = 0;
    }

    fs::path dir;
};

std::vector<std::uint8_t> newProgramRecord()
{
    std::vector<std::uint8_t> r(92, 0);
    r[0] = 17;
    r[1] = 10;
    r[2] = 10;
    const std::string name = "Inicio    ";
    std::copy(name.begin(), name.end(), r.begin() + 8);
    std::string header = "Derecho%Izquierdo% 150%0%1000%0%400%800%31%";
    header.resize(64, ' ');
    std::copy(header.begin(), header.end(), r.begin() + 28);
    return r;
}

} // namespace

TEST_F(ProgramFiles, NewProgramIsOneExactRecord)
{
    ProgramStore store;
    store.newProgram();
    const fs::path file = dir / "nuevo.gtf";
    ASSERT_TRUE(saveProgramFile(store, file).ok);
    EXPECT_EQ(readAll(file), newProgramRecord());

    ProgramStore reread;
    reread.programSettings.lightThreshold = 3;
    ASSERT_TRUE(openProgramFile(reread, file).ok);
    EXPECT_EQ(reread.programSettings, ProgramSettings{});
    EXPECT_EQ(reread.totalElements(), 1);
    EXPECT_EQ(reread.recordAt(0, 0).name, "Inicio");
    EXPECT_EQ(reread.labelCount[0], 1);
}

TEST_F(ProgramFiles, RecordOrderAndGapsForEmptySubroutines)
{
    ProgramStore store;
    build(store, 5, {3});
    EXPECT_EQ(serializeProgram(store).size(), 8u * 92);

    build(store, 5, {0, 3});
    auto bytes = serializeProgram(store);
    ASSERT_EQ(bytes.size(), 9u * 92);
    EXPECT_TRUE(std::all_of(bytes.begin() + 5 * 92, bytes.begin() + 6 * 92, [](auto b) { return b == 0; }));

    // Empty slots after the last written subroutine take no room; those between take one record each.
    build(store, 2, {1, 0, 0, 2, 0, 0, 0, 0});
    EXPECT_EQ(serializeProgram(store).size(), std::size_t(2 + 1 + 1 + 1 + 2) * 92);

    ProgramStore reread;
    ASSERT_TRUE(loadProgram(reread, bytes).ok);
    EXPECT_EQ(reread.subroutineCount, 1);
    EXPECT_EQ(reread.sequenceLength(1), 3);
    EXPECT_EQ(reread.subroutineNames[1], "sub2");
    EXPECT_EQ(reread.labelTable[1][0], "sub2");
    EXPECT_EQ(reread.labelCount[1], 1);
    EXPECT_EQ(reread.sequenceLength(2), 0);
    EXPECT_EQ(reread.activeSequence, 0);
}

TEST_F(ProgramFiles, RoundTripKeepsEveryField)
{
    ProgramStore store;
    store.newProgram();
    store.programSettings = {"Der", "Izq", 248, -1, 30000, 1, 123, 900, 7};
    append(store, 17, 11, 10, "bucle");
    store.currentElement = InstructionRecord{};
    store.currentElement.family = 11;
    store.currentElement.subtype = 12;
    store.currentElement.option = 11;
    store.currentElement.arg1 = -300;
    store.currentElement.arg2 = 4400;
    store.currentElement.arg3 = 200;
    store.currentElement.name = "doce letras!"; // 12 characters: the file keeps 10
    for (int i = 0; i < 64; ++i)
        store.currentElement.text[std::size_t(i)] = std::uint8_t(i * 4);
    store.appendCurrent();
    append(store, 17, 12, 10, "  bucle");

    const fs::path file = dir / "prog.gtf";
    ASSERT_TRUE(saveProgramFile(store, file).ok);
    ProgramStore reread;
    ASSERT_TRUE(openProgramFile(reread, file).ok);
    ProgramSettings expected = store.programSettings;
    expected.senseTimeout = 32767; // -1 masked with 0x7fff
    EXPECT_EQ(reread.programSettings, expected);
    const auto& tone = reread.recordAt(0, 2);
    EXPECT_EQ(tone.arg1, -300);
    EXPECT_EQ(tone.arg2, 4400);
    EXPECT_EQ(tone.arg3, 200);
    EXPECT_EQ(tone.name, "doce letra");
    EXPECT_EQ(tone.text, store.recordAt(0, 2).text);
    EXPECT_EQ(reread.recordAt(0, 3).name, "bucle"); // leading blanks are gone
    EXPECT_EQ(reread.labelCount[0], 2);
    EXPECT_EQ(reread.labelTable[0][1], "bucle");
    EXPECT_FALSE(reread.recordAt(0, 2).description.empty());
}

TEST_F(ProgramFiles, SavingOverALongerFileLeavesNoTrace)
{
    ProgramStore store;
    build(store, 30, {10});
    const fs::path file = dir / "p.gtf";
    ASSERT_TRUE(saveProgramFile(store, file).ok);
    store.newProgram();
    ASSERT_TRUE(saveProgramFile(store, file).ok);
    EXPECT_EQ(fs::file_size(file), 92u);
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename(), "p.gtf"); // no temporary file left behind
}

TEST_F(ProgramFiles, FailedSaveKeepsTheOldFile)
{
    ProgramStore store;
    store.newProgram();
    const fs::path missingDir = dir / "no" / "existe.gtf";
    auto outcome = saveProgramFile(store, missingDir);
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.error.empty());

    // A target that cannot be replaced (a folder) stays as it was.
    const fs::path folder = dir / "carpeta.gtf";
    fs::create_directories(folder / "dentro");
    EXPECT_FALSE(saveProgramFile(store, folder).ok);
    EXPECT_TRUE(fs::exists(folder / "dentro"));
}

TEST_F(ProgramFiles, UnreadableFileLeavesTheStoreAlone)
{
    ProgramStore store;
    build(store, 4, {});
    auto outcome = openProgramFile(store, dir / "nada.gtf");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(store.sequenceLength(0), 4);
}

TEST_F(ProgramFiles, HeaderParsing)
{
    EXPECT_EQ(parseProgramHeader("A%B% 150%0%1000%0%400%800%45%").appId, 13);
    const auto s = parseProgramHeader("  A%  B%  99.5%x%-1%300%2.5%1e3%");
    EXPECT_EQ(s.rightMotorName, "A");
    EXPECT_EQ(s.leftMotorName, "B");
    EXPECT_EQ(s.lightThreshold, 100); // 99.5 rounds to even
    EXPECT_EQ(s.senseTimeout, 0);
    EXPECT_EQ(s.countTimeout, 32767);
    EXPECT_EQ(s.directionMode, 300 & 0xFF);
    EXPECT_EQ(s.motorTime, 2);
    EXPECT_EQ(s.motorSpin, 1000);
    EXPECT_EQ(s.appId, 0); // missing piece
    EXPECT_EQ(parseProgramHeader("").rightMotorName, "");
    EXPECT_EQ(buildProgramHeader({std::string(40, 'r'), std::string(40, 'l')}).size(), 64u);
}

TEST_F(ProgramFiles, DamagedFilesOpenWithWhatCanBeRead)
{
    ProgramStore store;
    build(store, 3, {2});
    auto bytes = serializeProgram(store);

    ProgramStore reread;
    auto cut = bytes;
    cut.resize(bytes.size() - 50); // last record incomplete
    auto outcome = loadProgram(reread, cut);
    EXPECT_TRUE(outcome.ok);
    EXPECT_FALSE(outcome.notes.empty());
    EXPECT_EQ(reread.totalElements(), 4);


    // Nine subroutine starts: the ninth is not read.
    std::vector<std::uint8_t> many = newProgramRecord();
    for (int s = 0; s < 9; ++s) {
        auto r = newProgramRecord();
        r[1] = 13;
        many.insert(many.end(), r.begin(), r.end());
    }
    outcome = loadProgram(reread, many);
    EXPECT_EQ(reread.subroutineCount, 8);
    EXPECT_FALSE(outcome.notes.empty());

    // Garbage of every kind never reads or writes out of bounds.
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> junk(std::size_t(rng() % 3000));
        for (auto& b : junk)
            b = std::uint8_t(rng() % 4 == 0 ? 17 : rng());
        loadProgram(reread, junk);
        EXPECT_LE(reread.sequenceLength(0), 601);
    }
}

TEST_F(ProgramFiles, WhatIsNotAProgramIsRefusedAndTheProgramStays)
{
    ProgramStore store;
    build(store, 5, {3});
    const auto before = serializeProgram(store);
    std::mt19937 rng(11);
    std::vector<std::uint8_t> picture(5000);
    for (auto& b : picture)
        b = std::uint8_t(rng());
    picture[0] = 0x89; // a PNG picture renamed
    for (const auto& bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>(91, 17), picture}) {
        const FileOutcome outcome = loadProgram(store, bytes);
        EXPECT_FALSE(outcome.ok);
        EXPECT_NE(outcome.error.spanish().find("no es un programa"), std::string::npos) << outcome.error;
        EXPECT_EQ(serializeProgram(store), before);
    }
    // A start record followed by records of no element family.
    auto bad = newProgramRecord();
    auto junk = newProgramRecord();
    junk[0] = 200;
    bad.insert(bad.end(), junk.begin(), junk.end());
    const FileOutcome outcome = loadProgram(store, bad);
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.error.spanish().find("registro 2"), std::string::npos);

    // Separators, empty slots and every element family open; so does a damaged tail.
    auto good = newProgramRecord();
    for (int f : {10, 11, 12, 13, 14, 15, 16, 100, 0, 17}) {
        auto r = newProgramRecord();
        r[0] = std::uint8_t(f);
        r[1] = f == 17 ? 11 : 10;
        good.insert(good.end(), r.begin(), r.end());
    }
    good.resize(good.size() + 30, 0);
    const FileOutcome opened = loadProgram(store, good);
    EXPECT_TRUE(opened.ok);
    EXPECT_EQ(opened.notes.size(), 1u);
    EXPECT_EQ(store.sequenceLength(0), 10);
}

// Every element code 9..26 is one a library may have code for: such a program opens, is described
// by the generic words with the library's cost, and saves back to the same bytes.
TEST_F(ProgramFiles, EveryElementCodeOpensAndSavesBackByteForByte)
{
    std::vector<std::uint8_t> bytes = newProgramRecord();
    const int families[] = { 9, 18, 19, 20, 21, 22, 23, 24, 25, 26 };
    for (int f : families) {
        auto r = newProgramRecord();
        r[0] = std::uint8_t(f);
        r[1] = 9 + std::uint8_t(f % 7);
        r[2] = 10;
        r[3] = std::uint8_t(f); // arg1
        std::copy_n("paso      ", 10, r.begin() + 8);
        r[28] = std::uint8_t(f * 3); // binary text, as a library's element may keep
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    ProgramStore store;
    store.elementSizeTable.set(20, 9 + 20 % 7, 10, 7);
    const FileOutcome outcome = loadProgram(store, bytes);
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_TRUE(outcome.notes.empty());
    ASSERT_EQ(store.sequenceLength(0), 11);
    EXPECT_EQ(store.recordAt(0, 1).description, "Elemento Sin Ayuda [0]"); // family 9: a table entry
    EXPECT_EQ(store.recordAt(0, 4).description, "Elemento Sin Ayuda [7]");
    EXPECT_EQ(store.recordAt(0, 10).description, "Elemento Sin Ayuda"); // 26 is the library's own: no cost
    EXPECT_EQ(store.recordAt(0, 4).name, "paso");
    EXPECT_EQ(serializeProgram(store), bytes);

    // A subroutine of such elements opens into its own sequence as well.
    auto sub = newProgramRecord();
    sub[1] = 13;
    bytes.insert(bytes.end(), sub.begin(), sub.end());
    bytes.insert(bytes.end(), bytes.begin() + 92, bytes.begin() + 2 * 92);
    ASSERT_TRUE(loadProgram(store, bytes).ok);
    EXPECT_EQ(store.sequenceLength(1), 2);
    EXPECT_EQ(serializeProgram(store), bytes);

    // Past the table's range a record is still no element.
    for (int f : { 8, 27, 99, 101 }) {
        auto bad = newProgramRecord();
        auto r = newProgramRecord();
        r[0] = std::uint8_t(f);
        bad.insert(bad.end(), r.begin(), r.end());
        const FileOutcome refused = loadProgram(store, bad);
        EXPECT_FALSE(refused.ok) << f;
        EXPECT_NE(refused.error.spanish().find("familia " + std::to_string(f)), std::string::npos) << refused.error;
    }
}

TEST_F(ProgramFiles, SequenceLimitsWhileReading)
{
    std::vector<std::uint8_t> bytes = newProgramRecord();
    auto motor = newProgramRecord();
    motor[0] = 10;
    motor[1] = 10;
    for (int i = 0; i < 700; ++i)
        bytes.insert(bytes.end(), motor.begin(), motor.end());
    ProgramStore store;
    loadProgram(store, bytes);
    EXPECT_EQ(store.sequenceLength(0), 601);

    bytes = newProgramRecord();
    auto sub = newProgramRecord();
    sub[1] = 13;
    bytes.insert(bytes.end(), sub.begin(), sub.end());
    for (int i = 0; i < 200; ++i)
        bytes.insert(bytes.end(), motor.begin(), motor.end());
    loadProgram(store, bytes);
    EXPECT_EQ(store.sequenceLength(1), 129);

    // Saving keeps at most 600 and 128.
    bytes = newProgramRecord();
    for (int i = 0; i < 700; ++i)
        bytes.insert(bytes.end(), motor.begin(), motor.end());
    loadProgram(store, bytes);
    EXPECT_EQ(serializeProgram(store).size(), 600u * 92);
}

TEST(ProgramFileNames, GtfExtension)
{
    EXPECT_EQ(withGtfExtension("robot"), "robot.gtf");
    EXPECT_EQ(withGtfExtension("robot.GTF"), "robot.GTF");
    EXPECT_EQ(withGtfExtension(""), ".gtf");
}

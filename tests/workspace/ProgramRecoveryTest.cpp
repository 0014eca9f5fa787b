#include "support/TestRecords.h"

#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"
#include "workspace/ProgramRecovery.h"

#include <gtest/gtest.h>

#include <set>

#include <sys/stat.h>
#include <unistd.h>

using namespace tarvel;
using testsupport::element;
namespace fs = std::filesystem;

namespace {

class Recovery : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tarvel_recovery_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        store.newProgram();
        for (int i = 0; i < 5; ++i) {
            store.currentElement = element(10, 10, 10, i, 0, 0);
            store.appendCurrent();
        }
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    ProgramStore store;
};

} // namespace

TEST_F(Recovery, WrittenOnlyWhileThereAreUnsavedChangesAndRemovedWhenClean)
{
    ProgramRecovery recovery(dir, "100-1");
    EXPECT_EQ(recovery.tick(store, false, "robot.gtf", "/home/ana/robot.gtf").step, AutosaveStep::Nothing);
    EXPECT_FALSE(fs::exists(recovery.programFile()));

    const AutosaveOutcome written = recovery.tick(store, true, "robot.gtf", "/home/ana/robot.gtf");
    EXPECT_EQ(written.step, AutosaveStep::Written);
    EXPECT_EQ(written.error, "");
    ASSERT_TRUE(fs::exists(recovery.programFile()));
    EXPECT_EQ(recovery.programFile().parent_path().filename(), "Recuperacion");
    EXPECT_EQ(fs::file_size(recovery.programFile()), 6u * kRecordBytes);

    // Saved meanwhile: the next tick finds the program clean and removes the copy.
    EXPECT_EQ(recovery.tick(store, false, "robot.gtf", "/home/ana/robot.gtf").step, AutosaveStep::Removed);
    EXPECT_FALSE(fs::exists(recovery.programFile()));
    EXPECT_TRUE(fs::is_empty(dir / "Recuperacion"));

    recovery.tick(store, true, "robot.gtf", "/home/ana/robot.gtf");
    recovery.discard(); // a save or a clean exit
    EXPECT_TRUE(fs::is_empty(dir / "Recuperacion"));
}

TEST_F(Recovery, ACopyLeftBehindComesBackWithItsNameAndProgram)
{
    {
        ProgramRecovery crashed(dir, "200-1");
        ASSERT_EQ(crashed.tick(store, true, "Se\xF1" "ales.gtf", "/home/ana/Se\xF1" "ales.gtf").step,
                  AutosaveStep::Written);
        store.currentElement = element(11, 10, 12);
        store.appendCurrent(); // more work after the copy is lost with the crash
    } // no discard: the session died

    ProgramRecovery next(dir, "300-1");
    const auto copies = leftBehindCopies(dir, next.session(), [](const std::string&) { return false; });
    ASSERT_EQ(copies.size(), 1u);
    const RecoveryCopy& copy = copies.front();
    EXPECT_EQ(copy.session, "200-1");
    EXPECT_EQ(copy.programName, "Se\xF1" "ales.gtf");
    EXPECT_EQ(copy.programPath, "/home/ana/Se\xF1" "ales.gtf");
    const UserMessage question = recoveryQuestion(copy);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_NE(question.text.spanish().find("Se\xF1" "ales.gtf"), std::string::npos);

    ProgramStore recovered;
    ASSERT_TRUE(recoverCopy(recovered, copy).ok);
    EXPECT_EQ(recovered.sequenceLength(0), 6);
    EXPECT_EQ(recovered.recordAt(0, 5).arg1, 4);

    removeCopy(copy); // "No", or recovered and copied again under the new session
    EXPECT_TRUE(leftBehindCopies(dir, "300-1", {}).empty());
}

TEST_F(Recovery, CopiesOfRunningSessionsAreNotOffered)
{
    ProgramRecovery own(dir, "1-1"), running(dir, "2-1"), dead(dir, "3-1");
    for (ProgramRecovery* r : {&own, &running, &dead})
        r->tick(store, true, "p.gtf", "");
    const auto copies = leftBehindCopies(dir, "1-1", [](const std::string& s) { return s == "2-1"; });
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].session, "3-1");
    EXPECT_EQ(copies[0].programPath, "");
    EXPECT_EQ(own.lockFile(), recoveryLockFile(dir, "1-1"));
}

TEST_F(Recovery, DamagedOrPartialCopiesDoNotStopTheStart)
{
    fs::create_directories(dir / "Recuperacion");
    // A copy whose names were lost, a stray temporary and a copy that is not a program file.
    ProgramRecovery r(dir, "4-1");
    r.tick(store, true, "p.gtf", "/p.gtf");
    fs::remove(dir / "Recuperacion" / "4-1.txt");
    writeFileReplacing(dir / "Recuperacion" / "5-1.gtf.tmp123", "x");
    writeFileReplacing(dir / "Recuperacion" / "6-1.gtf", std::string(50, '\x7f'));
    const auto copies = leftBehindCopies(dir, "own", {});
    ASSERT_EQ(copies.size(), 2u);
    std::set<std::string> sessions;
    for (const auto& c : copies) {
        sessions.insert(c.session);
        EXPECT_EQ(c.programName, "Mi Programa.gtf"); // opened as a new program, not lost
    }
    EXPECT_EQ(sessions, (std::set<std::string>{"4-1", "6-1"}));
    EXPECT_TRUE(leftBehindCopies(dir / "nowhere", "own", {}).empty());
}

TEST_F(Recovery, NamesThatAreNoFileDoNotHoldTheStart)
{
    // A pipe where the names should be would wait for a writer forever; it is read as no names.
    ProgramRecovery r(dir, "8-1");
    r.tick(store, true, "p.gtf", "/p.gtf");
    fs::remove(dir / "Recuperacion" / "8-1.txt");
    ASSERT_EQ(::mkfifo((dir / "Recuperacion" / "8-1.txt").c_str(), 0600), 0);
    const auto copies = leftBehindCopies(dir, "own", {});
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].programName, "Mi Programa.gtf");
    ProgramStore recovered;
    EXPECT_TRUE(recoverCopy(recovered, copies[0]).ok);
    EXPECT_EQ(recovered.sequenceLength(0), 6);
}

TEST_F(Recovery, AFailedWriteIsReported)
{
    ProgramRecovery r(dir, "7-1");
    fs::create_directories(r.programFile()); // something in the way that no one can replace
    const AutosaveOutcome failed = r.tick(store, true, "p.gtf", "");
    EXPECT_EQ(failed.step, AutosaveStep::Nothing);
    EXPECT_NE(failed.error, "");
}

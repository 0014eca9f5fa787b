// tarvel sim: programs and images run on the emulated brick, with inputs and worlds.
#include "CliRun.h"

#include "model/ElementDescription.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

class SimCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tarvel_sim_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string program(std::initializer_list<tarvel::InstructionRecord> elements, const std::string& name = "p.gtf")
    {
        tarvel::ProgramStore store;
        store.newProgram();
        for (const auto& e : elements) {
            store.currentElement = e;
            tarvel::describeElement(store.currentElement, store);
            store.appendCurrent();
        }
        const auto path = (dir / name).string();
        EXPECT_TRUE(tarvel::saveProgramFile(store, path).ok);
        return "'" + path + "'";
    }
    std::string file(const std::string& name, const std::string& bytes)
    {
        const auto path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return "'" + path.string() + "'";
    }

    fs::path dir;
};

using tarvel::makeElement;

} // namespace

TEST_F(SimCli, AProgramRunsUntilItEndsAndReportsItsEvents)
{
    // Wait until touched, LEDs on, send Var. Roja in decimal, halt.
    const auto p = program({makeElement(14, 15, 11, 42, 1), makeElement(13, 13, 13),
                            makeElement(11, 11, 11, 0, 0, 0, "ABC"), makeElement(11, 13, 10, 1, 1),
                            makeElement(17, 16, 11)});
    const auto r = runTarvel("sim " + p + " --json --at 1.5:touch=1");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json doc = json::parse(r.out);
    EXPECT_EQ(doc["end"], "halt");
    EXPECT_NEAR(doc["seconds"].get<double>(), 1.5, 0.001);
    ASSERT_EQ(doc["events"].size(), 2u);
    EXPECT_EQ(doc["events"][0]["kind"], "leds");
    EXPECT_EQ(doc["events"][0]["value"], 7);
    EXPECT_NEAR(doc["events"][0]["t"].get<double>(), 1.5, 0.001);
    EXPECT_EQ(doc["events"][1]["kind"], "send");
    EXPECT_EQ(doc["events"][1]["value"], json({{"byte", 42}, {"format", 1}}));
    EXPECT_EQ(doc["final"]["v"][1], 42);
    EXPECT_EQ(doc["final"]["leds"], 7);
    EXPECT_EQ(doc["final"]["v"].size(), 8u);
    for (const char* key : {"pc", "a", "motors", "lamp"})
        EXPECT_TRUE(doc["final"].contains(key)) << key;
    EXPECT_GT(doc["instructions"].get<int>(), 5);

    // Without the touch the time runs out.
    const auto waiting = json::parse(runTarvel("sim " + p + " --json --seconds 2").out);
    EXPECT_EQ(waiting["end"], "time");
    EXPECT_EQ(waiting["seconds"], 2.0);

    const auto text = runTarvel("sim " + p + " --set touch=1");
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("envia 42 (formato 1): 42"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Fin: halt"), std::string::npos) << text.out;
}

TEST_F(SimCli, AnImageRunsAsItIsAndReadsThePcMessage)
{
    // IN 1, 7; SEND 1, 3; STOP
    const auto image = file("a.bin", std::string{char(0x2E), 7, char(0x2F), 3, char(0x5D)});
    const auto doc = json::parse(runTarvel("sim " + image + " --json --set pcmsg=65").out);
    EXPECT_EQ(doc["end"], "stop");
    EXPECT_EQ(doc["events"].back()["value"]["byte"], 65);
    EXPECT_EQ(doc["events"].back()["value"]["format"], 3);
}

TEST_F(SimCli, WithAWorldTheRobotDrivesAndTonesAreReported)
{
    const auto p = program({makeElement(10, 10, 10, 1, 0, 0, "AB"), makeElement(13, 10, 10, 2),
                            makeElement(11, 12, 16), makeElement(17, 16, 10)});
    const auto world = std::string("'") + TARVEL_APPDIR + "/worlds/mesa.json'";
    const auto r = runTarvel("sim " + p + " --json --world " + world);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json doc = json::parse(r.out);
    EXPECT_EQ(doc["end"], "stop");
    EXPECT_NEAR(doc["robot"]["x"].get<double>(), 100, 0.01);
    EXPECT_NEAR(doc["robot"]["y"].get<double>(), 75 + 2.2 * 7.854, 0.05); // north for the wait and the OK sound
    EXPECT_EQ(doc["robot"]["heading"], 90.0);
    bool tone = false;
    for (const auto& e : doc["events"])
        tone = tone || (e["kind"] == "tone" && e["value"]["frequency"] == 1000.0 && e["value"]["ms"] == 100.0);
    EXPECT_TRUE(tone);
}

TEST_F(SimCli, BadInputIsRefusedWithAMessage)
{
    const auto p = program({makeElement(17, 16, 11)});
    EXPECT_EQ(runTarvel("sim " + p + " --set volume=3").exitCode, 2);
    EXPECT_EQ(runTarvel("sim " + p + " --set light=256").exitCode, 2);
    EXPECT_EQ(runTarvel("sim " + p + " --at x:touch=1").exitCode, 2);
    EXPECT_EQ(runTarvel("sim " + p + " --seconds 0").exitCode, 2);

    const auto world = runTarvel("sim " + p + " --world " + file("w.json", "{\"width\": true}"));
    EXPECT_EQ(world.exitCode, 1);
    EXPECT_NE(world.err.find("width"), std::string::npos) << world.err;
    EXPECT_EQ(runTarvel("sim " + file("vacia.bin", "")).exitCode, 1);
    EXPECT_EQ(runTarvel("sim " + file("grande.bin", std::string(300, '\0'))).exitCode, 1);

    // A program that does not build: a jump to a label that does not exist.
    const auto broken = program({makeElement(17, 12, 10, 0, 0, 0, "nada")}, "roto.gtf");
    const auto r = runTarvel("sim " + broken);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Argumento Invalido"), std::string::npos) << r.err;
}

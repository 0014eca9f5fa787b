#include "CliRun.h"

#include "model/ProgramFile.h"
#include "model/ProgramStore.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tarvel_cli_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string sampleProgram()
    {
        tarvel::ProgramStore store;
        store.newProgram();
        store.programSettings.rightMotorName = "Rueda\xF1"; // "ñ" in Windows-1252
        store.currentElement = {};
        store.currentElement.family = 17;
        store.currentElement.subtype = 11;
        store.currentElement.name = "bucle";
        store.appendCurrent();
        store.activeSequence = 1;
        store.subroutineCount = 1;
        store.currentElement.subtype = 13;
        store.currentElement.name = "giro";
        store.appendCurrent();
        const auto path = (dir / "muestra.gtf").string();
        tarvel::saveProgramFile(store, path);
        return path;
    }

    fs::path dir;
};

} // namespace

TEST_F(Cli, DescribeJsonHasTheSequencesSettingsAndUtf8Names)
{
    auto r = runTarvel("describe --json " + sampleProgram());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json doc = json::parse(r.out);
    EXPECT_EQ(doc["settings"]["rightMotorName"], "Rueda\xC3\xB1");
    EXPECT_EQ(doc["settings"]["lightThreshold"], 150);
    EXPECT_EQ(doc["settings"]["appId"], 31);
    ASSERT_EQ(doc["sequences"].size(), 2u);
    EXPECT_EQ(doc["sequences"][0]["name"], "Inicio");
    EXPECT_EQ(doc["sequences"][0]["labels"], json::array({"Inicio", "bucle"}));
    EXPECT_EQ(doc["sequences"][1]["name"], "giro");
    EXPECT_EQ(doc["sequences"][1]["number"], 1);
    const auto& start = doc["sequences"][0]["elements"][0];
    EXPECT_EQ(start["family"], 17);
    EXPECT_EQ(start["description"], "Inicio del Programa  [0]");
    EXPECT_EQ(start["text"].get<std::string>().size(), 128u);
    EXPECT_EQ(start["text"].get<std::string>().substr(0, 14), "5275656461F125"); // "Rueda" "ñ" "%"
}

TEST_F(Cli, ResaveWritesTheSameBytes)
{
    const auto in = sampleProgram();
    const auto out = (dir / "copia.gtf").string();
    ASSERT_EQ(runTarvel("resave " + in + " " + out).exitCode, 0);
    std::ifstream a(in, std::ios::binary), b(out, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));
}

TEST_F(Cli, ToneJson)
{
    auto r = runTarvel("tone 50 40 1000 --json");
    ASSERT_EQ(r.exitCode, 0);
    const json doc = json::parse(r.out);
    EXPECT_EQ(doc["frequency"], 100);
    EXPECT_EQ(doc["volume"], 32);
    EXPECT_EQ(doc["outOfRange"], true);
    EXPECT_EQ(doc["tonePeriodsLow"], 100);
}

TEST_F(Cli, ExitCodes)
{
    auto missing = runTarvel("describe " + (dir / "no.gtf").string());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("No se Pudo Abrir"), std::string::npos);
    EXPECT_EQ(runTarvel("tone 1 2").exitCode, 2);
    EXPECT_EQ(runTarvel("sin-comando").exitCode, 2);
}

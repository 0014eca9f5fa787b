#include "CliRun.h"

#include "model/ProgramFile.h"
#include "model/ElementDescription.h"
#include "model/TextFile.h"
#include "settings/ExampleList.h"

#include <set>
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

namespace {
const std::string kShipped = std::string(TARVEL_APPDIR) + "/Clib_J2A1_USB0.LIB";
const std::string kEveryKind = std::string(TARVEL_TEST_DATA) + "/every_kind.LIB";

std::string writeText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}
} // namespace

TEST_F(Cli, LibJsonOfTheShippedLibrary)
{
    auto r = runTarvel("lib --json " + kShipped);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json doc = json::parse(r.out);
    EXPECT_EQ(doc["brickModelName"], "J2A1");
    EXPECT_EQ(doc["libraryCapacity"], 255);
    EXPECT_EQ(doc["integrityOk"], true);
    EXPECT_EQ(doc["computedCode"], doc["codeFormatName"]);
    EXPECT_EQ(doc["motionActionNames"].size(), 8u);
    EXPECT_EQ(doc["motionTimeNames"].size(), 4u);
    EXPECT_EQ(doc["instructionSet"].size(), doc["instructionCount"].get<std::size_t>());
    EXPECT_EQ(doc["instructionSet"][0]["mnemonic"], "LDA");
    EXPECT_EQ(doc["instructionSet"][0]["kind"], 16);
    EXPECT_GT(doc["entries"].size(), 100u);
    const auto& first = doc["entries"][0];
    for (const char* key : {"family", "subtype", "option", "templateOffset", "size", "helpOffset"})
        EXPECT_TRUE(first.contains(key)) << key;
    EXPECT_TRUE(doc["messages"].empty());
}

TEST_F(Cli, StampWritesOnlyTheCode)
{
    std::ifstream in(kShipped, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const auto code = bytes.find("VELATRIXCODE ") + 13;
    bytes.replace(code, 16, "0123456789ABCDEF");
    const auto path = writeText(dir / "copia.LIB", bytes);
    ASSERT_EQ(runTarvel("lib --stamp " + path).exitCode, 0);
    std::ifstream original(kShipped, std::ios::binary), stamped(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(original), {}), std::string(std::istreambuf_iterator<char>(stamped), {}));

    // A library without the line gets one, and the code it holds is right.
    const auto bare = writeText(dir / "bare.LIB", "MOD 10 10 10\r\n{\r\nFSIZE 1\r\n NOP\r\n}\r\n");
    ASSERT_EQ(runTarvel("lib --stamp " + bare).exitCode, 0);
    EXPECT_EQ(json::parse(runTarvel("lib --json " + bare).out)["integrityOk"], true);
}

TEST_F(Cli, BuildAProgram)
{
    tarvel::ProgramStore store;
    store.newProgram();
    store.currentElement = {};
    store.currentElement.family = 11;
    store.currentElement.subtype = 12;
    store.currentElement.option = 16;
    store.appendCurrent();
    const auto program = (dir / "beep.gtf").string();
    tarvel::saveProgramFile(store, program);
    const auto image = (dir / "beep.bin").string();
    auto r = runTarvel("build --json " + program + " --image " + image + " --source " + (dir / "beep.src").string());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json doc = json::parse(r.out);
    EXPECT_EQ(doc["assembled"], true);
    EXPECT_EQ(doc["messages"], "");
    EXPECT_EQ(doc["errorCount"], 0);
    EXPECT_EQ(doc["imageLength"], 10);
    EXPECT_EQ(doc["memoryUsed"], 10);
    EXPECT_EQ(doc["image"], "00110020110A4011DFDD");
    EXPECT_NE(doc["source"].get<std::string>().find(";Hacer Sonido : Sonido de OK [1]"), std::string::npos);
    EXPECT_EQ(fs::file_size(image), 10u);
    EXPECT_TRUE(fs::exists(dir / "beep.src"));

    // The description costs come with --lib on describe.
    const json described = json::parse(runTarvel("describe --json --lib " + kShipped + " " + program).out);
    EXPECT_EQ(described["sequences"][0]["elements"][1]["description"], "Hacer Sonido : Sonido de OK [1]");
}

TEST_F(Cli, BuildRefusesAnUnbalancedProgram)
{
    tarvel::ProgramStore store;
    store.newProgram();
    store.activeSequence = 1;
    store.subroutineCount = 1;
    store.currentElement = {};
    store.currentElement.family = 17;
    store.currentElement.subtype = 13;
    store.currentElement.name = "sub";
    store.appendCurrent();
    const auto program = (dir / "sin_fin.gtf").string();
    tarvel::saveProgramFile(store, program);
    auto r = runTarvel("build --json " + program);
    EXPECT_EQ(r.exitCode, 1);
    const json doc = json::parse(r.out);
    EXPECT_EQ(doc["assembled"], false);
    EXPECT_EQ(doc["subroutineBalance"], 1);
}

TEST_F(Cli, AsmWithAndWithoutEnd)
{
    const auto src = writeText(dir / "p.src", " JMP 5\r\n OUTC 300\r\n");
    auto r = runTarvel("asm --json --lib " + kEveryKind + " " + src);
    EXPECT_EQ(r.exitCode, 0); // no END: the first pass never ends, nothing is listed
    EXPECT_EQ(json::parse(r.out)["imageLength"], 4);

    r = runTarvel("asm --json --append-end --lib " + kEveryKind + " " + src);
    EXPECT_EQ(r.exitCode, 1);
    const json doc = json::parse(r.out);
    EXPECT_EQ(doc["image"], "03050B2C");
    EXPECT_EQ(doc["messages"], " 2 - Aviso: Argumento fuera de rango (truncado) [2009] :  300\r\n");
    EXPECT_EQ(doc["errorCount"], 0);
    // The integrity check of --lib reports a library without a code, and empties its element tables.
    EXPECT_NE(r.err.find("Falla en la Libreria de Datos de Compilacion!"), std::string::npos);
}

TEST_F(Cli, HelpText)
{
    auto r = runTarvel("help-text 17 12 10");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Salta a la etiqueta"), std::string::npos);
    EXPECT_NE(r.out.find("\r\n"), std::string::npos); // "|" became a line break
    r = runTarvel("help-text 9 9 9");
    EXPECT_EQ(r.out, "No Hay Ayuda Disponible para este Grafo\n");
}

TEST_F(Cli, EveryShippedExampleBuildsWithoutMessages)
{
    std::string list;
    ASSERT_TRUE(tarvel::readWholeFile(std::string(TARVEL_APPDIR) + "/qp_list.txt", list));
    const auto examples = tarvel::parseExampleList(list);
    EXPECT_TRUE(examples.problems.empty());
    std::set<int> lists;
    for (const auto& e : examples.entries) {
        lists.insert(e.list);
        const std::string program = std::string(TARVEL_APPDIR) + "/" + e.programFile;
        auto r = runTarvel("build --json \"" + program + "\"");
        EXPECT_EQ(r.exitCode, 0) << e.programFile << r.err;
        EXPECT_EQ(json::parse(r.out)["messages"], "") << e.programFile;
        EXPECT_TRUE(fs::exists(std::string(TARVEL_APPDIR) + "/" + e.helpFile)) << e.helpFile;
    }
    EXPECT_EQ(lists, (std::set<int>{0, 1, 2, 9})); // one or more in each of the four menus
}

TEST_F(Cli, ALibraryThatFailsItsCheckOrAProgramWithoutCodeIsRefused)
{
    tarvel::ProgramStore store;
    store.newProgram();
    const auto program = (dir / "inicio.gtf").string();
    tarvel::saveProgramFile(store, program);

    // every_kind.LIB has no integrity code: its element tables are emptied, so it yields nothing.
    auto r = runTarvel("build --json --lib " + kEveryKind + " " + program);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("Falla en la Libreria de Datos de Compilacion!"), std::string::npos);
    r = runTarvel("help-text --lib " + kEveryKind + " 17 12 10");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Falla en la Libreria de Datos de Compilacion!"), std::string::npos);

    // An intact library without code for the program: nothing assembled is no success either.
    const auto bare = writeText(dir / "vacia.LIB", "BRICKMEM 256\r\nBEGINSET\r\nSET NOP $00 ARGVOID\r\n");
    ASSERT_EQ(runTarvel("lib --stamp " + bare).exitCode, 0);
    r = runTarvel("build --json --lib " + bare + " " + program);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(json::parse(r.out)["imageLength"], 0);
    EXPECT_NE(r.err.find("El Programa No Genera Codigo para el Ladrillo!"), std::string::npos);
}

TEST_F(Cli, EditRunsTheEditorsOperationsAndWritesOnlyWhenAllSucceed)
{
    const std::string out = (dir / "editado.gtf").string();
    auto r = runTarvel("edit - add 0 14,10,12,1,2,1 add 0 17,11,10,0,0,0,vuelta sub giro add 1 11,10,12,0,0,0 "
                       "add 0 17,14,10,1,0,0,giro add 0 17,12,10,1,0,0,vuelta add 0 17,11,10,0,0,0,\"fin ñ\" --out " +
                       out + " --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    json doc = json::parse(r.out);
    ASSERT_EQ(doc["operations"].size(), 7u);
    for (const auto& op : doc["operations"])
        EXPECT_TRUE(op["ok"].get<bool>()) << op.dump();
    const auto& main = doc["program"]["sequences"][0];
    EXPECT_EQ(main["labels"], json::array({"Inicio", "vuelta", "fin_ñ"}));
    EXPECT_EQ(main["elements"].size(), 6u);
    EXPECT_EQ(doc["program"]["sequences"][1]["name"], "giro");
    ASSERT_TRUE(fs::exists(out));

    // Insert before, delete a whole subroutine (the question answered Yes), a separator.
    r = runTarvel("edit " + out + " insert 0 1 13,10,10,5,0,0 delete 1 0 space 0 2 --json --out " + out);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    doc = json::parse(r.out);
    EXPECT_EQ(doc["program"]["sequences"].size(), 1u);
    const auto& elements = doc["program"]["sequences"][0]["elements"];
    EXPECT_EQ(elements[1]["family"], 13);
    EXPECT_EQ(elements[2]["family"], 100);

    // A refused operation: exit 1, the message, and nothing written.
    const auto before = fs::last_write_time(out);
    r = runTarvel("edit " + out + " add 0 17,12,10,1,0,0,vuelta add 0 11,10,12,0,0,0 --json --out " + out);
    EXPECT_EQ(r.exitCode, 1);
    doc = json::parse(r.out);
    EXPECT_FALSE(doc["operations"][1]["ok"].get<bool>());
    EXPECT_NE(doc["operations"][1]["message"].get<std::string>().find("Salto"), std::string::npos);
    EXPECT_EQ(fs::last_write_time(out), before);

    EXPECT_EQ(runTarvel("edit - frob 1").exitCode, 2);
    EXPECT_EQ(runTarvel("edit - add 0 14,10").exitCode, 2);
    EXPECT_EQ(runTarvel("edit - delete 3 1").exitCode, 1); // no such subroutine
}

TEST_F(Cli, DescribeRefusesAFileThatIsNoProgram)
{
    std::string junk(5000, '\0');
    unsigned seed = 5;
    for (auto& c : junk)
        c = char((seed = seed * 1103515245 + 12345) >> 16);
    const auto path = dir / "foto.gtf";
    tarvel::writeFileReplacing(path.string(), junk);
    const auto r = runTarvel("describe " + path.string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("no es un programa"), std::string::npos) << r.err;
}

TEST_F(Cli, ABuildNamesTheJumpsToMissingLabels)
{
    const auto program = (dir / "salto.gtf").string();
    ASSERT_EQ(runTarvel("edit - new add 0 17,12,10,1,0,0,noexiste --out " + program).exitCode, 0);
    auto r = runTarvel("build " + program);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("El salto a la etiqueta \"noexiste\" no tiene su etiqueta en el programa (Mi_Prog, fila 1, "
                         "columna 2)"),
        std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("[1001] : C0_noexiste"), std::string::npos) << r.err;
    const json doc = json::parse(runTarvel("build --json " + program).out);
    EXPECT_NE(doc["missingLabels"].get<std::string>().find("\"noexiste\""), std::string::npos);
}

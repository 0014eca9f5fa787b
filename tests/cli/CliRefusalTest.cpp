// A command that fails says so: in its exit code, on stderr with the reason, in its JSON, and by
// writing nothing.
#include "CliRun.h"

#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

using nlohmann::json;
namespace fs = std::filesystem;

namespace
{

const std::string kShipped = std::string(TARVEL_APPDIR) + "/Clib_J2A1_USB0.LIB";

class CliRefusal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path()
            / ("tarvel_refusal_" + std::to_string(::getpid()) + "_"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string file(const std::string& name, const std::string& bytes)
    {
        EXPECT_EQ(tarvel::writeFileReplacing(dir / name, bytes), "");
        return (dir / name).string();
    }
    std::string contents(const std::string& path)
    {
        std::string bytes;
        tarvel::readWholeFile(path, bytes);
        return bytes;
    }
    // The start and `beeps` sounds; a subroutine without its end when `unbalanced`.
    std::string program(const std::string& name, int beeps, bool unbalanced = false)
    {
        tarvel::ProgramStore store;
        store.newProgram();
        store.currentElement = {};
        store.currentElement.family = 11;
        store.currentElement.subtype = 12;
        store.currentElement.option = 16;
        for (int i = 0; i < beeps; ++i)
            store.appendCurrent();
        if (unbalanced) {
            store.activeSequence = 1;
            store.subroutineCount = 1;
            store.currentElement = {};
            store.currentElement.family = 17;
            store.currentElement.subtype = 13;
            store.currentElement.name = "sub";
            store.appendCurrent();
        }
        const auto path = (dir / name).string();
        EXPECT_TRUE(tarvel::saveProgramFile(store, path).ok);
        return path;
    }
    std::string image(const std::string& name, std::size_t size)
    {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = char(i * 7 + 1);
        return file(name, bytes);
    }

    fs::path dir;
};

} // namespace

TEST_F(CliRefusal, TheBrickIsSentOnlyWhatTheWindowWouldSend)
{
    const CliResult sent = runTarvel("brick --simulated --json send " + image("bueno.bin", 40));
    ASSERT_EQ(sent.exitCode, 0) << sent.err;
    EXPECT_EQ(json::parse(sent.out)["ok"], true);

    fs::resize_file(image("enorme.bin", 1), 50u << 20); // sparse: large at once
    const std::pair<std::string, const char*> refused[] = {
        { image("largo.bin", 300), "Excede la Memoria Disponible! (300)" },
        { image("justo.bin", 256), "Excede la Memoria Disponible! (256)" },
        { (dir / "enorme.bin").string(), "demasiado grande" },
        { image("vacio.bin", 0), "al menos 2" },
        { program("programa.gtf", 1), "es un programa" },
        { file("texto.bin", "LDA 5\r\nEND\r\n"), "es un texto" },
    };
    for (const auto& [path, words] : refused) {
        const CliResult r = runTarvel("brick --simulated --json send " + path);
        EXPECT_EQ(r.exitCode, 1) << path;
        EXPECT_NE(r.err.find(words), std::string::npos) << path << ": " << r.err;
        const json doc = json::parse(r.out);
        EXPECT_EQ(doc["ok"], false);
        EXPECT_NE(doc["error"].get<std::string>().find(words), std::string::npos);
        EXPECT_TRUE(doc["reports"].empty()) << path; // nothing went to the brick
    }

    // The capacity is the library's: a brick of 20 bytes takes no image of 40.
    const auto small = file("chico.LIB", "BRICKMEM 21\r\nBEGINSET\r\nSET NOP $00 ARGVOID\r\n");
    ASSERT_EQ(runTarvel("lib --stamp " + small).exitCode, 0);
    const CliResult r = runTarvel("brick --simulated --lib " + small + " send " + (dir / "bueno.bin").string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("hasta 20"), std::string::npos) << r.err;
}

TEST_F(CliRefusal, AFailedBuildWritesNothingAndCountsItsError)
{
    const auto good = program("bueno.gtf", 1);
    const auto imagePath = (dir / "imagen.bin").string(), sourcePath = (dir / "fuente.src").string();
    ASSERT_EQ(runTarvel("build " + good + " --image " + imagePath).exitCode, 0);
    const std::string goodImage = contents(imagePath);
    ASSERT_EQ(goodImage.size(), 10u);

    CliResult r = runTarvel(
        "build --json " + program("sin_fin.gtf", 1, true) + " --image " + imagePath + " --source " + sourcePath);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("No Tienen Final"), std::string::npos);
    EXPECT_EQ(json::parse(r.out)["ok"], false);
    EXPECT_EQ(contents(imagePath), goodImage);
    EXPECT_FALSE(fs::exists(sourcePath));

    // Too long for the library: an error, even though the assembler listed none.
    r = runTarvel("build --json " + program("largo.gtf", 300) + " --image " + imagePath + " --source " + sourcePath);
    EXPECT_EQ(r.exitCode, 1);
    const json doc = json::parse(r.out);
    EXPECT_GT(doc["imageLength"].get<int>(), 255);
    EXPECT_EQ(doc["messages"], "");
    EXPECT_EQ(doc["errorCount"], 1);
    EXPECT_EQ(doc["ok"], false);
    EXPECT_EQ(doc["verdict"], "too-big");
    EXPECT_NE(r.err.find("El Programa Excede la Memoria Disponible!"), std::string::npos);
    // An assembled source longer than the library's capacity fails the same way, as the source
    // editor's build does.
    std::string big;
    for (int i = 0; i < 300; ++i)
        big += " NOP\r\n";
    r = runTarvel("asm --json --append-end --lib " + std::string(TARVEL_TEST_DATA) + "/every_kind.LIB " +
                  file("grande.src", big) + " --image " + imagePath);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(json::parse(r.out)["verdict"], "too-big");
    EXPECT_EQ(json::parse(r.out)["errorCount"], 1);
    EXPECT_NE(r.err.find("El Programa Excede la Memoria Disponible!"), std::string::npos) << r.err;
    EXPECT_EQ(contents(imagePath), goodImage);
    EXPECT_FALSE(fs::exists(sourcePath));

    // An assembly with messages writes no image either, and says why on stderr.
    const auto src = file("p.src", " JMP 5\r\n OUTC 300\r\n");
    r = runTarvel(
        "asm --append-end --lib " + std::string(TARVEL_TEST_DATA) + "/every_kind.LIB " + src + " --image " + imagePath);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Error de Compilacion!\n 2 - Aviso"), std::string::npos) << r.err;
    EXPECT_EQ(contents(imagePath), goodImage);
    // A source that makes no image is no success.
    r = runTarvel("asm " + file("vacio.src", "") + " --image " + imagePath);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("No Genera Codigo"), std::string::npos) << r.err;
    EXPECT_EQ(contents(imagePath), goodImage);

    r = runTarvel("build " + good + " --image " + imagePath + " --source " + (dir / "." / "imagen.bin").string());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("mismo archivo"), std::string::npos);
}

TEST_F(CliRefusal, ALibraryNamedIsThatLibraryOrAnError)
{
    // Not the shipped one in its place (what is there but no library is among the attacks).
    const auto good = program("bueno.gtf", 1), missing = (dir / "no_esta.LIB").string();
    for (const std::string& command : { "build " + good, "asm " + file("p.src", " NOP\r\n"), "describe " + good,
             "sim " + good, std::string("help-text 17 12 10") }) {
        const CliResult r = runTarvel(command + " --lib " + missing);
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_TRUE(r.out.empty()) << command;
        EXPECT_NE(r.err.find("No se Pudo Abrir la Libreria " + missing + "\nEl archivo no existe."), std::string::npos)
            << command << r.err;
    }
}

TEST_F(CliRefusal, OnlyALibraryIsStamped)
{
    const auto notLibraries = { program("programa.LIB", 2), file("documento.LIB", "%PDF-1.4\r\n1 0 obj\r\n"),
        file("malo.LIB", "BEGINSET\r\nSET NOP $00 ARGNADA\r\nSET A 1 ARGVOID\r\n") };
    for (const auto& path : notLibraries) {
        const std::string before = contents(path);
        const CliResult r = runTarvel("lib --stamp " + path);
        EXPECT_EQ(r.exitCode, 1) << path;
        EXPECT_NE(r.err.find("No se Grabo la Libreria"), std::string::npos) << r.err;
        EXPECT_EQ(contents(path), before) << path;
    }
    EXPECT_NE(runTarvel("lib --stamp " + (dir / "malo.LIB").string()).err.find("Argumento No Identificado: ARGNADA"),
        std::string::npos);
    EXPECT_EQ(runTarvel("lib " + (dir / "programa.LIB").string()).exitCode, 1);
}

TEST_F(CliRefusal, TheSimulatorRunsOnlyWhatLooksLikeAnImage)
{
    for (const auto& path :
        { file("texto.bin", "hola\nmundo\n"), file("fuente.src", "\x01\x02"), file("mundo.json", "{\x01}") }) {
        const CliResult r = runTarvel("sim " + path);
        EXPECT_EQ(r.exitCode, 1) << path;
        EXPECT_NE(r.err.find(path + " es "), std::string::npos) << r.err;
    }
    const std::string sends = { char(0x2E), 7, char(0x2F), 3, char(0x5D) }; // sends a byte to the PC, halts
    EXPECT_EQ(runTarvel("sim " + file("bueno.bin", sends) + " --seconds 1").exitCode, 0);
}

TEST_F(CliRefusal, EveryRefusalSaysWhy)
{
    const auto good = program("bueno.gtf", 1);
    const struct {
        std::string args;
        int code;
        const char* words;
    } cases[] = {
        { "brick leds 999", 2, "de 0 a 255" },
        { "brick light 2", 2, "0 (apagada) o 1" },
        { "brick beep 1 2", 2, "lleva 3" },
        { "brick frob", 2, "Accion desconocida" },
        { "brick --simulated motors x", 2, "no \"x\"" },
        { "edit " + good + " delete 0 0", 1, "rechazada: El editor no acepto" },
        { "edit " + good + " delete 0 5 --out " + (dir / "x.gtf").string(), 1, "No hay un elemento 5" },
    };
    for (const auto& c : cases) {
        const CliResult r = runTarvel(c.args);
        EXPECT_EQ(r.exitCode, c.code) << c.args;
        EXPECT_NE(r.err.find(c.words), std::string::npos) << c.args << ": " << r.err;
    }
    EXPECT_FALSE(fs::exists(dir / "x.gtf"));
}

TEST_F(CliRefusal, FileNamesAreShownAsTyped)
{
    const std::string name = "programa_\xC3\xB1"
                             "and\xC3\xBA"; // "programa_ñandú", UTF-8 as typed
    CliResult r = runTarvel("describe " + (dir / (name + ".gtf")).string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("/" + name + ".gtf\nEl archivo no existe."), std::string::npos) << r.err;

    const auto good = program(name + ".gtf", 1);
    r = runTarvel("build --json " + good + " --image " + (dir / "falta" / (name + ".bin")).string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("/falta/" + name + ".bin\nLa carpeta no existe."), std::string::npos) << r.err;
    EXPECT_NE(json::parse(r.out)["error"].get<std::string>().find("/falta/" + name + ".bin"), std::string::npos);

    r = runTarvel("resave " + good + " " + (dir / "falta" / (name + ".gtf")).string());
    EXPECT_NE(r.err.find(name + ".gtf"), std::string::npos) << r.err;
    // A name that is not UTF-8 at all still gives a JSON answer.
    r = runTarvel("brick --simulated --json send " + (dir / "\xFF.bin").string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(json::parse(r.out)["ok"], false);
}

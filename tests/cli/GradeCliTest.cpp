// tarvel grade: a class's programs judged on a shipped challenge, the reports it writes, the same
// verdicts as the core's judge in any order and on any number of cores, and the inputs it refuses.
#include "CliRun.h"

#include "challenges/ChallengeFile.h"
#include "challenges/GradeReport.h"
#include "challenges/ProgramImage.h"
#include "compiler/LibraryLoader.h"
#include "model/ElementDescription.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>
#include <unistd.h>

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

const fs::path kRetos = fs::path(TARVEL_APPDIR) / "retos";
const fs::path kWrong = fs::path(TARVEL_TEST_DATA) / "retos";

std::string quoted(const fs::path& p)
{
    return "'" + p.string() + "'";
}

std::string contents(const fs::path& p)
{
    std::string bytes;
    tarvel::readWholeFile(p, bytes);
    return bytes;
}

class GradeCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tarvel_grade_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir / "clase");
        fs::copy_file(kRetos / "01 Primer Paso.gtf", dir / "clase" / "ana.gtf");
        fs::copy_file(kWrong / "01 Primer Paso - demasiado lejos.gtf", dir / "clase" / "beto.gtf");
        // A jump to a label the program does not draw: it does not build.
        tarvel::ProgramStore store;
        store.newProgram();
        store.currentElement = tarvel::makeElement(17, 12, 10, 1, 0, 0, "nada");
        tarvel::describeElement(store.currentElement, store);
        store.appendCurrent();
        EXPECT_TRUE(tarvel::saveProgramFile(store, dir / "clase" / "caro.gtf").ok);
        tarvel::writeFileReplacing(dir / "clase" / "dani.gtf", "esto no es un programa\r\n");
        tarvel::writeFileReplacing(dir / "clase" / "notas.txt", "no se juzga");
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string challenge(const char* id = "01 Primer Paso") const { return quoted(kRetos / (std::string(id) + ".json")); }

    fs::path dir;
};

} // namespace

TEST_F(GradeCli, AFolderOfProgramsIsJudgedInOrderAndThoseThatDoNotBuildSayWhy)
{
    const auto r = runTarvel("grade " + challenge() + " " + quoted(dir / "clase") + " --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const json doc = json::parse(r.out);
    EXPECT_TRUE(doc["ok"].get<bool>());
    EXPECT_EQ(doc["challenge"]["title"], "Primer paso");
    ASSERT_EQ(doc["programs"].size(), 4u); // the .txt is no program
    const auto& p = doc["programs"];
    EXPECT_EQ(p[0]["student"], "ana");
    EXPECT_EQ(p[0]["state"], "passed");
    EXPECT_EQ(p[0]["stars"], 3);
    EXPECT_NEAR(p[0]["seconds"].get<double>(), 2.0, 0.01);
    EXPECT_EQ(p[0]["goals"][1]["goal"], "Terminar en la línea de llegada");
    EXPECT_GT(p[0]["trail"].size(), 10u);
    EXPECT_EQ(p[1]["state"], "failed");
    EXPECT_EQ(p[1]["stars"], 0);
    EXPECT_EQ(p[1]["reason"], "El robot pasó por la línea de llegada pero terminó fuera");
    EXPECT_EQ(p[2]["state"], "notBuilt");
    EXPECT_NE(p[2]["message"].get<std::string>().find("nada"), std::string::npos) << p[2]["message"];
    EXPECT_EQ(p[3]["state"], "notBuilt");
    EXPECT_FALSE(p[3]["message"].get<std::string>().empty());
    EXPECT_EQ(doc["summary"], json({{"programs", 4}, {"passed", 1}, {"failed", 1}, {"notBuilt", 1 + 1}}));

    const auto text = runTarvel("grade " + challenge() + " " + quoted(dir / "clase" / "ana.gtf") + " " +
                                quoted(dir / "clase" / "beto.gtf"));
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("ana: Cumplido, 3 estrellas, 2,0 s"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("beto: No cumplido - El robot pasó por"), std::string::npos) << text.out;
    EXPECT_TRUE(text.err.empty()) << "no progress bar when stderr is no terminal: " << text.err;
}

TEST_F(GradeCli, TheVerdictsAreTheCoresOnAnyNumberOfCores)
{
    // The same programs several times over, judged one at a time and four at a time.
    std::string programs;
    for (int i = 0; i < 3; ++i)
        for (const char* name : {"ana", "beto", "caro"})
            programs += " " + quoted(dir / "clase" / (std::string(name) + ".gtf"));
    const auto one = runTarvel("grade " + challenge() + programs + " --json --jobs 1");
    const auto four = runTarvel("grade " + challenge() + programs + " --json --jobs 4");
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(one.out, four.out);

    // The window judges with the core directly: the same goals, reasons, stars and time.
    const tarvel::ChallengeLoad load = tarvel::loadChallengeFile(kRetos / "01 Primer Paso.json", kRetos / ".." / "worlds");
    ASSERT_TRUE(load.challenge);
    std::string bytes = contents(fs::path(TARVEL_APPDIR) / "Clib_J2A1_USB0.LIB");
    const tarvel::CompilationLibrary library = tarvel::LoadLibraryBytes({}, bytes, "Clib_J2A1_USB0.LIB").library;
    tarvel::ProgramStore store;
    store.setElementSizes(library.elementSizeTable);
    ASSERT_TRUE(tarvel::openProgramFile(store, dir / "clase" / "beto.gtf").ok);
    tarvel::GradeEntry entry;
    entry.program = (dir / "clase" / "beto.gtf").string();
    entry.student = "beto";
    entry.built = true;
    entry.verdict = tarvel::judgeProgram(*load.challenge, tarvel::buildProgramImage(store, library));
    const json core = json::parse(tarvel::gradeJson(*load.challenge, {entry}, tarvel::spanishWords));
    const json cli = json::parse(one.out)["programs"][1];
    for (const char* key : {"state", "stars", "seconds", "end", "distance", "goals", "trail"})
        EXPECT_EQ(cli[key], core["programs"][0][key]) << key;
}

TEST_F(GradeCli, TheReportsAreWrittenTogether)
{
    const fs::path csv = dir / "notas.csv", html = dir / "informe.html";
    const auto r = runTarvel("grade " + challenge() + " " + quoted(dir / "clase") + " --csv " + quoted(csv) +
                             " --html " + quoted(html));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string table = contents(csv);
    EXPECT_EQ(table.substr(0, table.find("\r\n")), "Alumno,Programa,Estado,Estrellas,Tiempo (s),Objetivos cumplidos,Motivo");
    EXPECT_NE(table.find("\r\nana," + (dir / "clase" / "ana.gtf").string() + ",Cumplido,3,2.000,4/4,\r\n"),
              std::string::npos)
        << table;
    EXPECT_NE(table.find("No se pudo compilar"), std::string::npos);
    const std::string page = contents(html);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<h1>Primer paso</h1>"), std::string::npos);
    EXPECT_NE(page.find("1 cumplieron el reto, 1 no lo cumplieron y 2 no se pudieron compilar"), std::string::npos);
    EXPECT_NE(page.find("\u2605\u2605\u2605"), std::string::npos); // ana's three stars
    EXPECT_NE(page.find("\u2718 Terminar en la línea de llegada: El robot pasó por"), std::string::npos);
    // One picture of the trail for each program that ran, the goal's region drawn in it.
    std::size_t pictures = 0;
    for (std::size_t at = page.find("<svg"); at != std::string::npos; at = page.find("<svg", at + 1))
        ++pictures;
    EXPECT_EQ(pictures, 2u);
    EXPECT_NE(page.find("<rect x=\"85.0\" y=\"86.0\" width=\"30.0\" height=\"10.0\""), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
}

namespace {

// Every element the report opens is closed, in order (void elements aside), and no text holds a bare
// '<' or '&' that is no tag or entity.
std::string htmlProblem(const std::string& page)
{
    std::vector<std::string> open;
    for (std::size_t at = 0; (at = page.find_first_of("<&", at)) != std::string::npos;) {
        if (page[at] == '&') {
            const std::size_t end = page.find(';', at);
            if (end == std::string::npos || end - at > 8)
                return "bare & at " + std::to_string(at);
            at = end;
            continue;
        }
        const std::size_t end = page.find('>', at);
        if (end == std::string::npos)
            return "unclosed tag at " + std::to_string(at);
        const std::string tag = page.substr(at + 1, end - at - 1);
        at = end;
        if (tag.starts_with("!DOCTYPE") || tag.ends_with("/"))
            continue;
        const std::string name = tag.substr(tag[0] == '/', tag.find_first_of(" /", 1) - (tag[0] == '/'));
        if (name == "meta" || name == "br")
            continue;
        if (tag[0] != '/')
            open.push_back(name);
        else if (open.empty() || open.back() != name)
            return "</" + name + "> closes " + (open.empty() ? std::string("nothing") : "<" + open.back() + ">");
        else
            open.pop_back();
    }
    return open.empty() ? "" : "<" + open.back() + "> never closed";
}

} // namespace

TEST_F(GradeCli, TheReportsAndTheSummaryAreInTheLanguageAskedFor)
{
    const fs::path csv = dir / "notas.csv", html = dir / "informe.html";
    const std::string reports = " " + quoted(dir / "clase") + " --csv " + quoted(csv) + " --html " + quoted(html);
    const auto spanish = runTarvel("grade " + challenge() + reports);
    ASSERT_EQ(spanish.exitCode, 0) << spanish.err;
    const std::string spanishTable = contents(csv), spanishPage = contents(html);
    // Spanish is the default: asking for it gives the same bytes.
    const auto es = runTarvel("grade " + challenge() + reports + " --lang es");
    EXPECT_EQ(es.out, spanish.out);
    EXPECT_EQ(contents(csv), spanishTable);
    EXPECT_EQ(contents(html), spanishPage);
    EXPECT_EQ(htmlProblem(spanishPage), "");

    const auto english = runTarvel("grade " + challenge() + reports + " --lang en");
    ASSERT_EQ(english.exitCode, 0) << english.err;
    EXPECT_EQ(english.out.substr(0, english.out.find('\n')), "First step");
    EXPECT_NE(english.out.find("ana: Met, 3 stars, 2.0 s"), std::string::npos) << english.out;
    EXPECT_NE(english.out.find("beto: Not met - The robot went through the finish line but ended outside it"),
              std::string::npos)
        << english.out;
    const std::string table = contents(csv);
    EXPECT_EQ(table.substr(0, table.find("\r\n")), "Student,Program,State,Stars,Time (s),Goals met,Reason");
    EXPECT_NE(table.find(",Met,3,2.000,4/4,\r\n"), std::string::npos) << table; // numbers stay machine-readable
    const std::string page = contents(html);
    EXPECT_EQ(htmlProblem(page), "");
    EXPECT_NE(page.find("<html lang=\"en\">"), std::string::npos);
    EXPECT_NE(page.find("<h1>First step</h1>"), std::string::npos);
    EXPECT_NE(page.find("<th>Student</th><th>State</th>"), std::string::npos) << page.substr(0, 2000);
    EXPECT_NE(page.find("\u2718 End in the finish line: The robot went through the finish line"), std::string::npos);
    for (const char* spanishWord : {"Alumno", "Cumplido", "estrellas", "línea de llegada", "Primer paso"}) {
        EXPECT_EQ(page.find(spanishWord), std::string::npos) << spanishWord;
        EXPECT_EQ(table.find(spanishWord), std::string::npos) << spanishWord;
    }

    // The JSON keeps its keys; its words follow the language.
    const json doc = json::parse(runTarvel("grade " + challenge() + " " + quoted(dir / "clase") + " --json --lang en").out);
    EXPECT_EQ(doc["programs"][0]["state"], "passed");
    EXPECT_EQ(doc["programs"][0]["goals"][1]["goal"], "End in the finish line");

    // Another language is refused before anything is judged or written.
    fs::remove(csv);
    const auto other = runTarvel("grade " + challenge() + reports + " --lang fr");
    EXPECT_NE(other.exitCode, 0);
    EXPECT_FALSE(fs::exists(csv));
}

TEST_F(GradeCli, ABadChallengeOrAMissingProgramStopsItAndNothingIsWritten)
{
    const fs::path csv = dir / "notas.csv";
    tarvel::writeFileReplacing(csv, "antes");
    const auto refused = [&](const std::string& args, const std::string& words, int code = 1) {
        const auto r = runTarvelWithin(20, "grade " + args + " --csv " + quoted(csv) + " --json");
        EXPECT_EQ(r.exitCode, code) << args << "\n" << r.err;
        EXPECT_NE(r.err.find(words), std::string::npos) << args << "\n" << r.err;
        EXPECT_EQ(contents(csv), "antes") << args;
        if (code == 1) {
            const json doc = json::parse(r.out);
            EXPECT_FALSE(doc["ok"].get<bool>());
            EXPECT_NE(doc["error"].get<std::string>().find(words), std::string::npos) << doc;
        }
    };
    const std::string ana = quoted(dir / "clase" / "ana.gtf");
    tarvel::writeFileReplacing(dir / "sin-tiempo.json",
                               R"({"title": "t", "description": "d", "world": "mesa", "goals": [{"kind": "still"}]})");
    refused(quoted(dir / "sin-tiempo.json") + " " + ana, "Falta el campo \"seconds\"");
    tarvel::writeFileReplacing(dir / "marte.json", R"({"title": "t", "description": "d", "world": "marte",
        "seconds": 3, "goals": [{"kind": "still"}]})");
    refused(quoted(dir / "marte.json") + " " + ana, "El mundo \"marte\" no existe en la carpeta de mundos");
    refused(quoted(dir / "clase") + " " + ana, "No se pudo abrir el reto clase");
    ::mkfifo((dir / "tubo.json").c_str(), 0600);
    refused(quoted(dir / "tubo.json") + " " + ana, "No se pudo abrir el reto tubo.json");
    ::mkfifo((dir / "tubo.gtf").c_str(), 0600);
    refused(challenge() + " " + ana + " " + quoted(dir / "tubo.gtf"), "tubo.gtf");
    refused(challenge() + " " + ana + " " + quoted(dir / "falta.gtf"), "falta.gtf");
    fs::create_directories(dir / "vacia");
    refused(challenge() + " " + quoted(dir / "vacia"), "no tiene programas");
    refused(challenge() + " " + ana + " --html " + quoted(csv), "no pueden ser el mismo archivo", 2);
    // A report that cannot be written: neither is.
    const fs::path html = dir / "informe.html";
    const auto r = runTarvel("grade " + challenge() + " " + ana + " --html " + quoted(html) + " --csv " +
                             quoted(dir / "no" / "hay" / "carpeta.csv"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(fs::exists(html));
}

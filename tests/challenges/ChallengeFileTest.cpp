// Challenge files: every field read, and every bad file refused with a message that names the field,
// whatever it holds and whatever is given as the file.
#include "ChallengeTestSupport.h"

#include "model/TextFile.h"

#include <sys/stat.h>

#include <fstream>

using namespace tarvel;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

const std::string kMinimal =
    R"({"title": "T", "description": "D", "world": "mesa", "seconds": 5, "goals": [{"kind": "noWall"}]})";

// `kMinimal` with one field replaced (or added), as JSON text.
std::string with(const std::string& field, const std::string& value)
{
    nlohmann::json doc = nlohmann::json::parse(kMinimal);
    doc[field] = nlohmann::json::parse(value);
    return doc.dump();
}

std::string without(const std::string& field)
{
    nlohmann::json doc = nlohmann::json::parse(kMinimal);
    doc.erase(field);
    return doc.dump();
}

std::string refusal(const std::string& json)
{
    const ChallengeLoad load = parseChallenge(json, kWorlds);
    EXPECT_FALSE(load.challenge.has_value()) << json;
    return words(load.error);
}

struct TempFolder {
    fs::path path = fs::temp_directory_path() / ("tarvel-retos-" + std::to_string(::getpid()));
    TempFolder() { fs::create_directories(path); }
    ~TempFolder() { fs::remove_all(path); }
};

} // namespace

TEST(ChallengeFile, ReadsEveryField)
{
    const Challenge c = challengeFrom(R"({
        "title": "Señal en la pista", "description": "Llegá a la línea y tocá un tono.",
        "world": "pista.json", "start": {"x": 50, "y": 20, "heading": 45}, "seconds": 12.5,
        "inputs": [{"at": 3, "input": "remote", "value": 2}, {"at": 1, "input": "clap"},
                   {"at": 2, "input": "light", "release": true}],
        "goals": {"any": [{"kind": "tone", "notes": [262, 330]}, {"all": [{"kind": "lineEnd", "margin": 4},
                  {"kind": "variable", "variable": "naranja", "compare": "<=", "value": 9}]}]},
        "stars": {"by": "lineProgress", "three": 0.9, "two": 0.5},
        "translations": {"en": {"title": "Signal on the track", "description": "Reach the line."}},
        "solution": "01 Señal.gtf"})");
    EXPECT_EQ(cp1252ToUtf8(c.title), "Señal en la pista");
    EXPECT_EQ(c.worldName, "pista.json");
    EXPECT_EQ(cp1252ToUtf8(c.world.name), "Pista con línea");
    EXPECT_EQ(c.world.robot.at.x, 50);
    EXPECT_EQ(c.world.robot.heading, 45);
    EXPECT_EQ(c.seconds, 12.5);
    ASSERT_EQ(c.inputs.size(), 3u); // in the order of their times
    EXPECT_EQ(c.inputs[0].kind, ChallengeInput::Kind::Clap);
    EXPECT_TRUE(c.inputs[1].release);
    EXPECT_EQ(c.inputs[2].atUs, 3'000'000);
    EXPECT_EQ(c.goals.kind, Goal::Kind::Any);
    ASSERT_EQ(c.goals.parts.size(), 2u);
    EXPECT_EQ(c.goals.parts[0].notes, (std::vector<double>{262, 330}));
    EXPECT_EQ(c.goals.parts[1].parts[0].margin, 4);
    EXPECT_EQ(c.goals.parts[1].parts[1].variable, 5);
    EXPECT_EQ(c.goals.parts[1].parts[1].compare, "<=");
    EXPECT_EQ(c.stars.measure, StarRule::Measure::LineProgress);
    EXPECT_EQ(c.englishTitle, "Signal on the track");
    EXPECT_EQ(c.solution, "01 Señal.gtf"); // a file name: the file system's own bytes

    // A world written in the challenge itself.
    const Challenge inline_ = challengeFrom(with("world", R"({"name": "Caja", "width": 80, "height": 40})"));
    EXPECT_TRUE(inline_.worldName.empty());
    EXPECT_EQ(inline_.world.width, 80);
}

TEST(ChallengeFile, MissingFieldsAndWrongTypesAreNamed)
{
    EXPECT_EQ(refusal(without("seconds")), "Falta el campo \"seconds\"");
    EXPECT_EQ(refusal(without("goals")), "Falta el campo \"goals\"");
    EXPECT_EQ(refusal(without("title")), "Falta el campo \"title\"");
    EXPECT_EQ(refusal(with("seconds", "\"diez\"")), "El campo \"seconds\" debe ser un número");
    EXPECT_EQ(refusal(with("seconds", "0")), "El campo \"seconds\" está fuera de rango (0.1 a 600)");
    EXPECT_EQ(refusal(with("title", "3")), "El campo \"title\" debe ser un texto");
    EXPECT_EQ(refusal(with("title", "\"\"")), "El campo \"title\" no puede estar vacío");
    EXPECT_EQ(refusal(with("inputs", "{}")), "El campo \"inputs\" debe ser una lista");
    EXPECT_EQ(refusal(with("start", "[1, 2]")), "El campo \"start\" debe ser un objeto");
    EXPECT_EQ(refusal(with("start", R"({"x": 500, "y": 1})")), "El campo \"start.x\" está fuera de rango (0 a 200)");
    EXPECT_EQ(refusal(with("secconds", "3")),
              "El campo \"secconds\" no se conoce (se esperaba: title, description, world, start, seconds, inputs, "
              "goals, stars, translations, solution)");
    EXPECT_EQ(refusal("[1, 2]"), "El reto debe ser un objeto JSON: { ... }");
    EXPECT_EQ(refusal("{\"title\": "), "El archivo no es un texto JSON válido");
    EXPECT_EQ(refusal(with("solution", "\"../../etc/passwd\"")),
              "El campo \"solution\" debe ser un archivo de la misma carpeta");
}

TEST(ChallengeFile, GoalsAreCheckedWhereverTheySit)
{
    const auto goals = [](const std::string& json) { return refusal(with("goals", json)); };
    EXPECT_EQ(goals(R"([{"kind": "fly"}])"),
              "El campo \"goals[0].kind\" debe ser uno de estos: reach, noWall, onLine, lineEnd, led, lamp, tone, "
              "send, end, within, variable, still");
    EXPECT_EQ(goals(R"([{"kind": "noWall"}, {"all": [{"kind": "reach", "rect": [1, 2, 3]}]}])"),
              "El campo \"goals[1].all[0].rect\" debe ser una lista de 4 números");
    EXPECT_EQ(goals(R"({"any": [{"kind": "reach"}]})"), "El objetivo \"goals.any[0]\" necesita \"rect\" o \"circle\"");
    EXPECT_EQ(goals(R"([{"kind": "reach", "rect": [1, 2, 0, 3]}])"),
              "El campo \"goals[0].rect\" debe tener ancho y alto mayores que 0");
    EXPECT_EQ(goals(R"([{"kind": "led", "led": "D"}])"), "El campo \"goals[0].led\" debe ser uno de estos: A, B, C");
    EXPECT_EQ(goals(R"([{"kind": "led"}])"), "Falta el campo \"goals[0].led\"");
    EXPECT_EQ(goals(R"([{"kind": "led", "led": "A", "on": "si"}])"), "El campo \"goals[0].on\" debe ser true o false");
    EXPECT_EQ(goals(R"([{"kind": "send", "byte": 2.5}])"), "El campo \"goals[0].byte\" debe ser un número entero");
    EXPECT_EQ(goals(R"([{"kind": "tone", "notes": [262, "mi"]}])"),
              "El campo \"goals[0].notes[1]\" debe ser una frecuencia de 20 a 20000 Hz");
    EXPECT_EQ(goals(R"([{"kind": "noWall", "share": 1}])"),
              "El campo \"goals[0].share\" no se conoce (se esperaba: kind, label)");
    EXPECT_EQ(goals(R"([{"kind": "reach", "circle": [1, 1, 1], "after": 5, "before": 2}])"),
              "En \"goals[0]\", \"before\" debe ser mayor que \"after\"");
    EXPECT_EQ(goals("[]"), "El campo \"goals\" debe ser una lista de objetivos");
    EXPECT_EQ(goals(R"({"all": [{"kind": "still"}], "any": [{"kind": "still"}]})"),
              "El objetivo \"goals\" tiene \"all\" y \"any\": se usa uno solo");
    // A line to follow needs a world with one.
    EXPECT_EQ(goals(R"([{"kind": "onLine", "share": 0.5}])"),
              "El objetivo \"goals[0]\" sigue una línea, pero el mundo no tiene ninguna línea oscura");
    std::string deep = R"({"kind": "still"})";
    for (int i = 0; i < 12; ++i)
        deep = R"({"all": [)" + deep + "]}";
    EXPECT_NE(goals(deep).find("están anidados demasiado hondo"), std::string::npos);
}

TEST(ChallengeFile, InputsStarsAndWorldsAreChecked)
{
    EXPECT_EQ(refusal(with("inputs", R"([{"at": 1, "input": "remote"}])")), "Falta el campo \"inputs[0].value\"");
    EXPECT_EQ(refusal(with("inputs", R"([{"at": 1, "input": "pc", "value": 256}])")),
              "El campo \"inputs[0].value\" está fuera de rango (0 a 255)");
    EXPECT_EQ(refusal(with("inputs", R"([{"at": 1, "input": "source", "value": 0}])")),
              "El campo \"inputs[0].value\" nombra una fuente que el mundo no tiene");
    EXPECT_EQ(refusal(with("inputs", R"([{"at": -1, "input": "clap"}])")),
              "El campo \"inputs[0].at\" está fuera de rango (0 a 600)");
    EXPECT_EQ(refusal(with("stars", R"({"by": "time", "three": 9, "two": 5})")),
              "En \"stars\", tres estrellas deben pedir más que dos");
    EXPECT_EQ(refusal(with("stars", R"({"by": "luck", "three": 1, "two": 2})")),
              "El campo \"stars.by\" debe ser uno de estos: time, distance, lineShare, lineProgress");
    EXPECT_EQ(refusal(with("world", "\"marte\"")), "El mundo \"marte\" no existe en la carpeta de mundos");
    EXPECT_EQ(refusal(with("world", "\"../worlds/mesa\"")), "El mundo \"../worlds/mesa\" no existe en la carpeta de mundos");
    EXPECT_EQ(refusal(with("world", "7")), "El campo \"world\" debe ser el nombre de un mundo o un mundo");
    EXPECT_EQ(refusal(with("world", R"({"width": "ancho"})")),
              "El mundo del campo \"world\" no es válido: \"width\" debe ser un numero");
    EXPECT_EQ(refusal(with("world", R"({"floor": {"picture": "piso.pgm"}})")),
              "El mundo del campo \"world\" no es válido: la imagen del piso debe estar en la misma carpeta que el mundo");
}

TEST(ChallengeFile, WhatIsGivenAsTheFileIsReadOnlyWhenItIsOne)
{
    TempFolder t;
    const auto load = [&](const fs::path& p) { return words(loadChallengeFile(p, kWorlds).error); };
    EXPECT_EQ(load(t.path / "no.json").rfind("No se pudo abrir el reto no.json: ", 0), 0u);
    fs::create_directory(t.path / "carpeta.json");
    EXPECT_EQ(load(t.path / "carpeta.json").rfind("No se pudo abrir el reto carpeta.json: ", 0), 0u);
    ASSERT_EQ(::mkfifo((t.path / "fifo.json").c_str(), 0600), 0);
    EXPECT_EQ(load(t.path / "fifo.json").rfind("No se pudo abrir el reto fifo.json: ", 0), 0u); // and no hang
    {
        std::ofstream huge(t.path / "grande.json");
        huge << "{\"title\": \"" << std::string(kChallengeFileMaxBytes, 'x') << "\"}";
    }
    EXPECT_EQ(load(t.path / "grande.json").rfind("No se pudo abrir el reto grande.json: ", 0), 0u);
    {
        std::ofstream bad(t.path / "malo.json");
        bad << with("seconds", "null");
    }
    EXPECT_EQ(load(t.path / "malo.json"), "Reto malo.json: El campo \"seconds\" debe ser un número");
    {
        std::ofstream good(t.path / "02 bueno.json");
        good << kMinimal;
    }
    const ChallengeLoad good = loadChallengeFile(t.path / "02 bueno.json", kWorlds);
    ASSERT_TRUE(good.challenge);
    EXPECT_EQ(good.challenge->id, "02 bueno");
    // Only regular *.json files are challenges, in the order of their names.
    std::vector<std::string> names;
    for (const auto& p : challengeFiles(t.path))
        names.push_back(p.filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"02 bueno.json", "grande.json", "malo.json"}));
}

TEST(ChallengeFile, LabelsHaveTheirEnglishWordsWhereverTheGoalSits)
{
    const std::string goals = R"({"all": [{"kind": "reach", "rect": [0, 0, 10, 10], "label": "la salida"},
        {"any": [{"kind": "reach", "circle": [50, 50, 5], "label": "la salida"},
                 {"kind": "noWall", "label": "sin chocar"}]}]})";
    nlohmann::json doc = nlohmann::json::parse(with("goals", goals));
    doc["translations"] = {{"en", {{"title", "T en"}, {"labels", {{"la salida", "the exit"}}}}}};
    const Challenge c = challengeFrom(doc.dump());
    // The Spanish words are the ones judged and stored; the English ones wait for the English reader.
    EXPECT_EQ(words(goalsToMeet(c)[1].statement), "Llegar a la salida");
    const Challenge english = inEnglish(c);
    EXPECT_EQ(english.title, "T en");
    EXPECT_EQ(english.description, "D"); // none in English: the Spanish one
    const auto listed = goalsToMeet(english);
    EXPECT_EQ(words(listed[1].statement), "Llegar a the exit");
    EXPECT_EQ(words(listed[3].statement), "Llegar a the exit"); // the same name in a nested group
    EXPECT_EQ(words(listed[4].statement), "sin chocar");        // not translated: the teacher's own words

    // A key that names no goal is a misspelt label, never silently ignored; a value must be words.
    doc["translations"]["en"]["labels"] = {{"la salda", "the exit"}};
    EXPECT_EQ(refusal(doc.dump()), "El campo \"translations.en.labels.la salda\" no es el nombre de ningún objetivo");
    doc["translations"]["en"]["labels"] = {{"la salida", 3}};
    EXPECT_EQ(refusal(doc.dump()), "El campo \"translations.en.labels.la salida\" debe ser un texto");
    doc["translations"]["en"]["labels"] = nlohmann::json::array({"la salida"});
    EXPECT_EQ(refusal(doc.dump()), "El campo \"translations.en.labels\" debe ser un objeto");
}

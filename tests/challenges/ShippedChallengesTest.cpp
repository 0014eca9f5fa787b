// The challenges of the application folder: each one reads, its reference solution earns every star
// with every goal met, and each plausible mistake kept beside the tests fails with its reason.
#include "ChallengeTestSupport.h"

#include "model/ProgramFile.h"
#include "model/TextFile.h"

#include <map>
#include <set>

using namespace tarvel;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

const fs::path kRetos = fs::path(TARVEL_APPDIR) / "retos";
const fs::path kWrong = fs::path(TARVEL_TEST_DATA) / "retos";

Verdict judgedFile(const Challenge& challenge, const fs::path& program)
{
    ProgramStore store;
    store.setElementSizes(shippedLibrary().elementSizeTable);
    const FileOutcome opened = openProgramFile(store, program);
    EXPECT_TRUE(opened.ok) << program << ": " << opened.error;
    const ProgramImage built = buildProgramImage(store, shippedLibrary());
    EXPECT_TRUE(built.ok) << program << ": " << words(built.message);
    return judgeProgram(challenge, built);
}

std::vector<Challenge> shipped()
{
    std::vector<Challenge> out;
    for (const auto& file : challengeFiles(kRetos)) {
        const ChallengeLoad load = loadChallengeFile(file, fs::path(TARVEL_APPDIR) / "worlds");
        EXPECT_TRUE(load.challenge.has_value()) << words(load.error);
        if (load.challenge)
            out.push_back(*load.challenge);
    }
    return out;
}

// What each wrong program does, as the first goal it misses says it.
const std::map<std::string, std::string> kMistakes = {
    {"01 Primer Paso - demasiado lejos", "El robot pasó por la línea de llegada pero terminó fuera"},
    {"02 Luces en Fila - todas juntas", "El led B se encendió a los 0,0 s, fuera del tiempo pedido"},
    {"03 Ida y Vuelta - sin volver", "El robot pasó por el punto de partida pero terminó fuera"},
    {"04 Luz al Tocar - sin esperar", "La luz se encendió a los 0,0 s, fuera del tiempo pedido"},
    {"05 Cerca de la Pared - hasta chocar", "El robot tocó la pared a los 8,1 s"},
    {"06 Salir del Laberinto - tramo largo", "El robot tocó la pared a los 3,3 s"},
    {"07 Seguir la Linea - derecho", "El sensor estuvo sobre la línea el 15 % del tiempo"},
    {"08 La Vuelta Completa - sin luz", "El robot siguió solo el 0 % de la línea"},
    {"09 Encontrar la Lampara - derecho", "El robot no llegó a la lámpara: estuvo a 1,0 cm como mínimo"},
    {"10 Control Remoto - sin escuchar", "El robot pasó por la marca de abajo pero terminó fuera"},
    {"11 Melodia al Aplauso - sin esperar", "El primer tono pedido sonó a los 0,0 s, fuera del tiempo pedido"},
    {"12 Contar Aplausos - sin silencio", "Var. Roja terminó valiendo 216"},
};

} // namespace

TEST(ShippedChallenges, TenOrMoreWithTheirWordsInBothLanguages)
{
    const auto challenges = shipped();
    EXPECT_GE(challenges.size(), 10u);
    std::set<std::string> titles;
    for (const Challenge& c : challenges) {
        EXPECT_TRUE(titles.insert(c.title).second) << c.id;
        EXPECT_GT(c.description.size(), 40u) << c.id;
        EXPECT_FALSE(c.englishTitle.empty()) << c.id;
        EXPECT_FALSE(c.englishDescription.empty()) << c.id;
        // Every place the teacher named has its English name: the English reports name no Spanish place.
        std::vector<const Goal*> goals{&c.goals};
        while (!goals.empty()) {
            const Goal* g = goals.back();
            goals.pop_back();
            EXPECT_EQ(g->label.empty(), g->englishLabel.empty()) << c.id << ": " << g->label;
            for (const Goal& part : g->parts)
                goals.push_back(&part);
        }
        // Written in UTF-8 and held in Windows-1252: no accent or eñe was lost on the way.
        std::string bytes;
        ASSERT_TRUE(readWholeFile(kRetos / (c.id + ".json"), bytes));
        const auto doc = nlohmann::json::parse(bytes);
        EXPECT_EQ(cp1252ToUtf8(c.description), doc["description"].get<std::string>()) << c.id;
        EXPECT_EQ(cp1252ToUtf8(c.title), doc["title"].get<std::string>()) << c.id;
        EXPECT_EQ(c.solution, c.id + ".gtf") << c.id;
        EXPECT_FALSE(c.worldName.empty()) << c.id << " names one of the shipped worlds";
    }
}

TEST(ShippedChallenges, EachReferenceSolutionEarnsEveryStar)
{
    for (const Challenge& c : shipped()) {
        const Verdict v = judgedFile(c, kRetos / c.solution);
        EXPECT_TRUE(v.passed) << c.id;
        EXPECT_EQ(v.stars, 3) << c.id << " in " << v.seconds << " s";
        for (const GoalResult& g : v.goals)
            EXPECT_TRUE(g.met) << c.id << ": " << words(g.statement) << " - " << words(g.reason);
    }
}

TEST(ShippedChallenges, EachMistakeFailsWithItsReason)
{
    std::map<std::string, int> mistakes;
    for (const Challenge& c : shipped()) {
        for (const auto& entry : fs::directory_iterator(kWrong)) {
            const std::string stem = entry.path().stem().string();
            if (stem.rfind(c.id + " - ", 0) != 0)
                continue;
            ++mistakes[c.id];
            ASSERT_TRUE(kMistakes.count(stem)) << stem << " has no expected reason";
            const Verdict v = judgedFile(c, entry.path());
            EXPECT_FALSE(v.passed) << stem;
            EXPECT_EQ(v.stars, 0) << stem;
            std::vector<std::string> missed;
            for (const GoalResult& g : v.goals)
                if (!g.met)
                    missed.push_back(words(g.reason));
            EXPECT_NE(std::find(missed.begin(), missed.end(), kMistakes.at(stem)), missed.end())
                << stem << ": " << ::testing::PrintToString(missed);
        }
        EXPECT_GE(mistakes[c.id], 1) << c.id << " has no wrong program";
    }
}

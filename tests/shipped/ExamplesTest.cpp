// The example programs of the application folder: together they show every element kind of the
// palettes, and each does on the emulated brick what its help text promises.
#include "emulator/EmulatorTestSupport.h"

#include "emulator/SimReport.h"
#include "emulator/WorldFile.h"
#include "model/ProgramFile.h"
#include "model/TextFile.h"
#include "settings/ExampleList.h"

#include <filesystem>
#include <map>
#include <set>

using namespace tarvel;
using namespace testsupport;
namespace fs = std::filesystem;

namespace {

const fs::path kAppDir = TARVEL_APPDIR;

std::vector<ExampleEntry> listedExamples()
{
    std::string bytes;
    EXPECT_TRUE(readWholeFile(kAppDir / "qp_list.txt", bytes));
    const ExampleListResult list = parseExampleList(bytes);
    EXPECT_TRUE(list.problems.empty());
    return list.entries;
}

// What an element is, as the palettes offer it: a decision that jumps on YES is the same kind as one
// that jumps on NO, and a melody is not a sound.
std::pair<int, int> kindOf(const InstructionRecord& r)
{
    if (r.family == 16)
        return {15, r.subtype};
    if (r.family == 11 && r.subtype == 12 && r.option == 14)
        return {11, 14};
    return {r.family, r.subtype};
}

// Every kind the palettes and their dialogs make, with the variants a dialog offers that the
// translator turns into different code (time units, operators, comparisons, conditions).
const std::map<std::pair<int, int>, const char*> kKinds = {
    {{10, 10}, "avanzar"},          {{10, 11}, "retroceder"},        {{10, 12}, "doblar a la izquierda"},
    {{10, 13}, "doblar a la derecha"}, {{10, 14}, "girar anti-horario"}, {{10, 15}, "girar horario"},
    {{10, 16}, "recorrido"},        {{10, 17}, "apagar motores"},    {{11, 10}, "luz"},
    {{11, 11}, "pantalla"},         {{11, 12}, "sonido"},            {{11, 14}, "melodia"},
    {{11, 13}, "mensaje a la PC"},  {{12, 10}, "leer luz"},          {{12, 11}, "leer tacto"},
    {{12, 12}, "leer control remoto"}, {{12, 13}, "leer microfono"}, {{12, 14}, "leer mensaje de PC"},
    {{13, 10}, "demora en segundos"}, {{13, 11}, "demora en decimas"}, {{13, 18}, "demora en milesimas"},
    {{13, 12}, "esperar luz"},      {{13, 13}, "esperar tacto"},     {{13, 14}, "esperar control remoto"},
    {{13, 15}, "esperar sonido"},   {{13, 16}, "esperar mensaje de PC"}, {{14, 10}, "mas"},
    {{14, 11}, "menos"},            {{14, 12}, "o-inclusiva"},       {{14, 13}, "y"},
    {{14, 14}, "o-exclusiva"},      {{14, 15}, "carga de variable"}, {{15, 10}, "igual a"},
    {{15, 11}, "distinto a"},       {{15, 12}, "mayor a"},           {{15, 13}, "menor a"},
    {{15, 14}, "mayor o igual a"},  {{15, 15}, "menor o igual a"},   {{15, 16}, "decision por luz"},
    {{15, 17}, "decision por tacto"}, {{15, 18}, "decision por control remoto"}, {{15, 19}, "decision por sonido"},
    {{15, 20}, "decision por error"}, {{15, 21}, "repetir"},         {{17, 10}, "inicio del programa"},
    {{17, 11}, "etiqueta"},         {{17, 12}, "salto"},             {{17, 13}, "subrutina"},
    {{17, 14}, "llamada"},          {{17, 15}, "fin de subrutina"},  {{17, 16}, "fin del programa"},
};

Simulation example(const std::string& file, const std::string& world = {})
{
    BuiltProgram program;
    EXPECT_TRUE(openProgramFile(program.store, kAppDir / file).ok) << file;
    Simulation sim;
    if (!world.empty()) {
        WorldLoad load = loadWorldFile(kAppDir / "worlds" / world);
        EXPECT_EQ(load.error, "") << world;
        sim.setWorld(load.world.value_or(World{}));
    }
    program.loadInto(sim);
    sim.start();
    return sim;
}

std::vector<int> ledPatterns(const Simulation& sim)
{
    std::vector<int> out;
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Leds))
        out.push_back(e.value);
    return out;
}

bool playedOk(const Simulation& sim)
{
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Tone))
        if (e.frequency > 1900)
            return true;
    return false;
}

bool playedError(const Simulation& sim)
{
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Tone))
        if (std::abs(e.frequency - 250) < 1 && e.durationUs == ms(500))
            return true;
    return false;
}

} // namespace

TEST(Examples, ADozenOrMoreSpreadOverTheFourMenus)
{
    const auto entries = listedExamples();
    EXPECT_GE(entries.size(), 12u);
    std::map<int, int> perList;
    for (const auto& e : entries) {
        ++perList[e.list];
        EXPECT_LT(e.index, exampleMenuItems(e.list)) << e.caption; // its menu has room for it
        const auto help = exampleHelpText(kAppDir.string(), e.helpFile);
        ASSERT_TRUE(help) << e.helpFile;
        EXPECT_GT(help->size(), 80u) << e.helpFile;
    }
    for (int list : {0, 1, 2, 9})
        EXPECT_GE(perList[list], 2) << "lista " << list;
}

TEST(Examples, TogetherTheyUseEveryElementKind)
{
    std::set<std::pair<int, int>> used;
    for (const auto& e : listedExamples()) {
        ProgramStore store;
        ASSERT_TRUE(openProgramFile(store, kAppDir / e.programFile).ok) << e.programFile;
        for (int s = 0; s < kSequences; ++s)
            for (int i = 0; i < store.sequenceLength(s); ++i)
                used.insert(kindOf(store.recordAt(s, i)));
    }
    for (const auto& [kind, name] : kKinds)
        EXPECT_TRUE(used.count(kind)) << "ningun ejemplo usa: " << name;
}

TEST(Examples, TheCountdownGoesDownOneLedPatternPerClapAndBeepsAtZero)
{
    Simulation sim = example("Cuenta Regresiva.gtf");
    for (int clap = 1; clap <= 7; ++clap) {
        sim.schedule(sec(clap), {InputName::Sound, 1});
        sim.schedule(sec(clap + 0.3), {InputName::Sound, 0});
    }
    sim.advanceTo(sec(7.6));
    const auto leds = ledPatterns(sim);
    ASSERT_GE(leds.size(), 8u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(leds[std::size_t(i)], 7 - i); // 7, 6, ... 0, A worth 4
    EXPECT_TRUE(playedOk(sim));
    EXPECT_EQ(leds.back(), 7); // and it starts again
}

TEST(Examples, TheSoundMeterSendsTheFrequencyAndLightsUpForHighSounds)
{
    Simulation sim = example("Medidor de Sonido.gtf");
    sim.schedule(sec(1), {InputName::SoundFrequency, 880});
    sim.schedule(sec(1), {InputName::Sound, 1});
    sim.schedule(sec(2), {InputName::Sound, 0});
    sim.schedule(sec(3), {InputName::SoundFrequency, 300});
    sim.schedule(sec(3), {InputName::Sound, 1});
    sim.advanceTo(sec(4));
    const auto sent = eventsOf(sim, SimEvent::Kind::Send);
    ASSERT_GE(sent.size(), 8u);
    EXPECT_EQ(sent.front().value, 88);
    EXPECT_EQ(sent.back().value, 30);
    const auto lamp = eventsOf(sim, SimEvent::Kind::Lamp);
    ASSERT_EQ(lamp.size(), 2u); // on for 880 Hz, off in the silence, and stays off for 300 Hz
    EXPECT_EQ(lamp[0].value, 1);
    EXPECT_NEAR(double(lamp[0].timeUs), double(sec(1)), double(ms(10)));
    EXPECT_EQ(lamp[1].value, 0);
}

TEST(Examples, TheDieShowsANumberFromOneToSixAndBeepsItOut)
{
    for (double touchAt : {1.0, 1.7, 2.3, 3.1}) {
        Simulation sim = example("Dado Electronico.gtf");
        sim.schedule(sec(touchAt), {InputName::Touch, 1});
        sim.schedule(sec(touchAt + 0.4), {InputName::Touch, 0});
        sim.advanceTo(sec(touchAt + 4));
        const auto leds = ledPatterns(sim);
        ASSERT_EQ(leds.size(), 1u) << touchAt;
        EXPECT_GE(leds[0], 1);
        EXPECT_LE(leds[0], 6);
        EXPECT_EQ(int(eventsOf(sim, SimEvent::Kind::Tone).size()), leds[0]);
    }
}

TEST(Examples, TheRemoteControlDrivesByItsKeys)
{
    Simulation sim = example("Control Remoto.gtf");
    const std::pair<double, int> keys[] = {{1, 2}, {3, 8}, {5, 5}, {6, 4}, {7, 6}};
    for (const auto& [at, key] : keys)
        sim.schedule(sec(at), {InputName::IrData, key});
    sim.advanceTo(sec(8));
    auto motorsAt = [&sim](double t) {
        int value = 0;
        for (const auto& e : eventsOf(sim, SimEvent::Kind::Motors))
            if (e.timeUs <= sec(t))
                value = e.value;
        return value;
    };
    EXPECT_EQ(motorsAt(2), kLeftForward | kRightForward);
    EXPECT_EQ(motorsAt(4), kLeftBackward | kRightBackward);
    EXPECT_EQ(motorsAt(5.5), 0);
    EXPECT_EQ(motorsAt(6.2), kRightForward); // a left turn, around the left wheel
    EXPECT_EQ(motorsAt(6.9), 0);             // for a moment only
    EXPECT_EQ(motorsAt(7.2), kLeftForward);
}

TEST(Examples, TheMazeRunReachesTheDarkExitWithoutTouchingAWall)
{
    Simulation sim = example("Salir del Laberinto.gtf", "laberinto.json");
    sim.advanceTo(sec(120), true);
    EXPECT_EQ(endName(sim), "stop");
    EXPECT_TRUE(playedOk(sim));
    EXPECT_FALSE(playedError(sim));
    const RobotPose end = sim.robot().pose;
    EXPECT_GT(end.x, 160); // inside the exit, the dark corner at the top right
    EXPECT_GT(end.y, 110);
    EXPECT_FALSE(sim.cpu().inputs.touch);
}

TEST(Examples, TheLightBarLightsOneMoreLedPerBand)
{
    Simulation sim = example("Barra de Luz.gtf");
    const std::pair<double, int> levels[] = {{0, 30}, {1, 50}, {2, 121}, {3, 200}, {4, 120}};
    for (const auto& [at, level] : levels)
        sim.schedule(sec(at), {InputName::Light, level});
    sim.advanceTo(sec(5));
    EXPECT_EQ(ledPatterns(sim), (std::vector<int>{4, 6, 7, 4})); // A, AB, ABC, A again
}

TEST(Examples, TheAlarmClockGivesUpAfterTwentySecondsOfDark)
{
    Simulation sim = example("Despertador.gtf");
    sim.advanceTo(sec(60), true);
    EXPECT_EQ(endName(sim), "stop");
    EXPECT_TRUE(playedError(sim));
    EXPECT_NEAR(sim.seconds(), 20.5, 0.1);
}

TEST(Examples, TheAlarmClockRingsAndBlinksUntilTouched)
{
    Simulation sim = example("Despertador.gtf");
    sim.schedule(sec(5), {InputName::Light, 200});
    sim.schedule(sec(7), {InputName::Touch, 1});
    sim.advanceTo(sec(60), true);
    EXPECT_EQ(endName(sim), "stop");
    int rings = 0;
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Tone))
        rings += std::abs(e.frequency - 1000) < 5 && e.durationUs == ms(150);
    EXPECT_GE(rings, 10);
    EXPECT_GE(eventsOf(sim, SimEvent::Kind::Lamp).size(), 10u);
    EXPECT_TRUE(playedOk(sim));
    EXPECT_LT(sim.seconds(), 7.5);
}

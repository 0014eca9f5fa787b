// Every element kind, built with the shipped library and run: what each must do on the brick.
#include "EmulatorTestSupport.h"

#include "model/ToneTiming.h"

#include <cmath>

using namespace tarvel;
using namespace testsupport;

namespace {

InstructionRecord el(int f, int s, int o, int a1 = 0, int a2 = 0, int a3 = 0, const std::string& name = {})
{
    return makeElement(f, s, o, a1, a2, a3, name);
}

// Runs the elements after the start element, then HALT.
Simulation runElements(std::initializer_list<InstructionRecord> elements, std::int64_t limit = sec(20),
                       std::function<void(Simulation&)> before = {})
{
    BuiltProgram program;
    for (const auto& e : elements)
        program.add(e);
    program.add(el(17, 16, 11));
    Simulation sim;
    program.loadInto(sim);
    sim.start();
    if (before)
        before(sim);
    sim.advanceTo(limit, true);
    EXPECT_EQ(sim.endState(), BrickState::Halted);
    return sim;
}

std::vector<int> motorBytes(const Simulation& sim)
{
    std::vector<int> out;
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Motors))
        out.push_back(e.value);
    return out;
}

std::string toneText(int frequency, int volume, int ms)
{
    auto f = std::int16_t(frequency), v = std::int16_t(volume);
    ToneTiming t;
    toneTiming(f, v, std::int16_t(ms), t);
    return std::string{char(t.tonePeriodsHigh), char(t.tonePeriodsLow), char(t.toneHighTicks), char(t.toneLowTicks)};
}

} // namespace

TEST(Elements, MotorsSwitchTheirBitsAndHaltStopsThem)
{
    const Simulation sim = runElements({el(10, 10, 10, 1, 0, 0, "AB"), el(10, 11, 12, 1, 0, 0, "B"),
                                        el(10, 17, 11, 1, 0, 0, "A"), el(10, 11, 10, 1, 0, 0, "AB"),
                                        el(10, 17, 10, 1, 0, 0, "AB")});
    // One event per instruction: the left motor switches before the right one.
    EXPECT_EQ(motorBytes(sim), (std::vector<int>{0x40, 0x48, 0x60, 0x20, 0xA0, 0x20, 0x00}));
}

TEST(Elements, TurnsAndSpinsLastTheSettingsTimes)
{
    Simulation sim = runElements({el(10, 12, 13), el(10, 15, 13)});
    const auto motors = eventsOf(sim, SimEvent::Kind::Motors);
    ASSERT_EQ(motors.size(), 4u);
    EXPECT_EQ(motors[0].value, kRightForward); // turn left: the right wheel drives
    EXPECT_NEAR(double(motors[1].timeUs - motors[0].timeUs), double(ms(400)), 20); // motor time 400 ms
    EXPECT_EQ(motors[2].value, kLeftForward | kRightBackward);
    EXPECT_NEAR(double(motors[3].timeUs - motors[2].timeUs), double(ms(1600)), 20); // a quarter of 800 x 2
}

TEST(Elements, ASpinTurnsTheRobotAQuarter)
{
    World world;
    world.robot = {{100, 75}, 0};
    BuiltProgram program;
    program.add(el(10, 14, 13)).add(el(17, 16, 11));
    Simulation sim;
    sim.setWorld(world);
    program.loadInto(sim);
    sim.start();
    sim.advanceTo(sec(3), true);
    EXPECT_NEAR(sim.robot().pose.heading, 90, 1.5);
    EXPECT_NEAR(sim.robot().pose.x, 100, 0.01);
}

TEST(Elements, APathDrivesItsSteps)
{
    // Mode 0; a step straight on (12) of 10 tenths, then a right angle to the right (10) and 5 tenths.
    std::string text = std::string(1, '\0') + std::string{10, 12, 10} + std::string{5, 10, 10};
    InstructionRecord path = el(10, 16, 10, 2, 0, 0, "ruta");
    setText(path.text, text);
    Simulation sim = runElements({path});
    EXPECT_EQ(eventsOf(sim, SimEvent::Kind::Lamp).front().value, 1);
    EXPECT_EQ(motorBytes(sim), (std::vector<int>{0x48, 0, 0x60, 0, 0x48, 0}));
    const auto motors = eventsOf(sim, SimEvent::Kind::Motors);
    EXPECT_NEAR(double(motors[1].timeUs - motors[0].timeUs), double(sec(1)), 50);
    EXPECT_NEAR(double(motors[5].timeUs - motors[4].timeUs), double(ms(500)), 50);
}

TEST(Elements, OutputsLightDisplayToneMelodyBeepsAndMessages)
{
    InstructionRecord tone = el(11, 12, 11, 200, 440, 32);
    setText(tone.text, toneText(440, 32, 200));
    InstructionRecord melody = el(11, 12, 14, 2, 0, 0, "dos");
    setText(melody.text, toneText(262, 32, 300) + toneText(392, 32, 150));
    const Simulation sim = runElements({el(14, 15, 11, 65, 1), el(11, 10, 12), el(11, 11, 11, 0, 0, 0, "A.C"),
                                        el(11, 11, 12, 0, 0, 0, ".B."), el(11, 11, 13, 0, 0, 0, "A.."), tone, melody,
                                        el(11, 12, 16), el(11, 12, 17), el(11, 13, 10, 1, 3), el(11, 10, 10, 2)});
    std::vector<int> leds;
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Leds))
        leds.push_back(e.value);
    EXPECT_EQ(leds, (std::vector<int>{5, 7, 3})); // LEDAND turns off the LEDs it names
    const auto tones = eventsOf(sim, SimEvent::Kind::Tone);
    ASSERT_EQ(tones.size(), 6u); // tone, two notes, two for OK, one for ERROR
    EXPECT_NEAR(tones[0].frequency, 440, 3);
    EXPECT_NEAR(double(tones[0].durationUs), 200'000, 3'000);
    EXPECT_NEAR(tones[1].frequency, 262, 2);
    EXPECT_NEAR(tones[2].frequency, 392, 3);
    EXPECT_NEAR(double(tones[2].durationUs), 150'000, 3'000);
    EXPECT_NEAR(double(tones[2].timeUs - tones[1].timeUs), 300'000, 3'000);
    const auto sends = eventsOf(sim, SimEvent::Kind::Send);
    ASSERT_EQ(sends.size(), 1u);
    EXPECT_EQ(sends[0].value, 65);
    EXPECT_EQ(sends[0].format & 3, 3);
    EXPECT_EQ(eventsOf(sim, SimEvent::Kind::Lamp).back().value, 0); // VAzul is 0
}

TEST(Elements, InputsGoToTheirVariable)
{
    const Simulation sim = runElements({el(12, 10, 11, 1), el(12, 11, 10, 2), el(12, 12, 12, 3), el(12, 13, 13, 4),
                                        el(12, 14, 12, 5)},
                                       sec(5), [](Simulation& s) {
                                           s.setInput(InputName::Light, 99);
                                           s.setInput(InputName::Touch, 1);
                                           s.pressRemoteKey(12);
                                           s.setInput(InputName::SoundFrequency, 1230);
                                           s.sendMessage(200);
                                       });
    EXPECT_EQ(sim.cpu().v()[1], 99);
    EXPECT_EQ(sim.cpu().v()[2], 1);
    EXPECT_EQ(sim.cpu().v()[3], 12);
    EXPECT_EQ(sim.cpu().v()[4], 123);
    EXPECT_EQ(sim.cpu().v()[5], 200);
}

TEST(Elements, CountingElementsCountForTheCountingTime)
{
    const Simulation sim = runElements({el(12, 12, 10, 1)}, sec(5), [](Simulation& s) {
        s.schedule(ms(200), {InputName::IrData, 1});
        s.schedule(ms(500), {InputName::IrData, 2});
    });
    EXPECT_EQ(sim.cpu().v()[1], 2);
    EXPECT_NEAR(double(sim.endTimeUs()), double(sec(1)), 100); // the counting time of 1000 ms
}

TEST(Elements, WaitsOfEveryUnit)
{
    for (auto [subtype, amount, us] :
         {std::tuple{10, 2, sec(2)}, {11, 7, ms(700)}, {17, 30, ms(300)}, {18, 45, ms(45)}}) {
        const Simulation sim = runElements({el(13, subtype, 10, amount)});
        EXPECT_NEAR(double(sim.endTimeUs()), double(us), 100) << subtype;
    }
    const Simulation sim = runElements({el(14, 15, 11, 3, 2), el(13, 10, 11, 2)});
    EXPECT_NEAR(double(sim.endTimeUs()), double(sec(3)), 100);
}

TEST(Elements, SensorWaitsEndOnTheirCondition)
{
    // Until light, while touch, until remote, while sound, until a message: each input comes at
    // its own second.
    const Simulation sim = runElements({el(13, 12, 13), el(13, 13, 12), el(13, 14, 13), el(13, 15, 12), el(13, 16, 13)},
                                       sec(20), [](Simulation& s) {
                                           s.setInput(InputName::Touch, 1);
                                           s.setInput(InputName::Sound, 1);
                                           s.schedule(sec(1), {InputName::Light, 200});
                                           s.schedule(sec(2), {InputName::Touch, 0});
                                           s.schedule(sec(3), {InputName::IrData, 4});
                                           s.schedule(sec(4), {InputName::Sound, 0});
                                           s.schedule(sec(5), {InputName::PcMessage, 1});
                                       });
    EXPECT_NEAR(double(sim.endTimeUs()), double(sec(5)), 100);
}

TEST(Elements, CalculationsAndLoads)
{
    const Simulation sim = runElements({el(14, 15, 11, 200, 1), el(14, 15, 11, 100, 2), el(14, 10, 12, 1, 2, 3),
                                        el(14, 11, 11, 2, 150, 4), el(14, 12, 11, 1, 7, 5), el(14, 13, 12, 1, 2, 1),
                                        el(14, 14, 11, 2, 255, 2), el(14, 15, 12, 3, 3)});
    const auto& v = sim.cpu().v();
    EXPECT_EQ(v[1], 200 & 100);
    EXPECT_EQ(v[2], 100 ^ 255);
    EXPECT_EQ(v[3], 44);  // 200 + 100 wraps; then copied onto itself
    EXPECT_EQ(v[4], 206); // 100 - 150
    EXPECT_EQ(v[5], 207);
}

TEST(Elements, DecisionsJumpTheRightWayForEachInput)
{
    // subtype: = != > < >= <=
    const std::array<std::function<bool(int, int)>, 6> answers = {
        [](int a, int b) { return a == b; }, [](int a, int b) { return a != b; }, [](int a, int b) { return a > b; },
        [](int a, int b) { return a < b; },  [](int a, int b) { return a >= b; }, [](int a, int b) { return a <= b; }};
    for (int family : {15, 16})
        for (int subtype = 10; subtype <= 15; ++subtype)
            for (int option : {10, 11})
                for (int a : {4, 5, 6}) {
                    // VRoja = a, VAzul = 5; the decision compares VRoja with 5 (constant or VAzul).
                    const Simulation sim = runElements({el(14, 15, 11, a, 1), el(14, 15, 11, 5, 2),
                                                        el(family, subtype, option, 1, option == 10 ? 5 : 2, 0, "si"),
                                                        el(14, 15, 11, 1, 3), el(17, 12, 10, 0, 0, 0, "fin"),
                                                        el(17, 11, 10, 0, 0, 0, "si"), el(14, 15, 11, 2, 3),
                                                        el(17, 11, 10, 0, 0, 0, "fin")});
                    const bool yes = answers[std::size_t(subtype - 10)](a, 5);
                    const bool jumps = family == 15 ? !yes : yes;
                    EXPECT_EQ(sim.cpu().v()[3], jumps ? 2 : 1) << family << " " << subtype << " " << option << " " << a;
                }
}

TEST(Elements, SensorDecisionsTestTheirCondition)
{
    for (int subtype : {16, 17, 18, 19})
        for (int on : {0, 1}) {
            const Simulation sim = runElements(
                {el(16, subtype, 10, 0, 0, 0, "si"), el(14, 15, 11, 1, 3), el(17, 12, 10, 0, 0, 0, "fin"),
                 el(17, 11, 10, 0, 0, 0, "si"), el(14, 15, 11, 2, 3), el(17, 11, 10, 0, 0, 0, "fin")},
                sec(1), [&](Simulation& s) {
                    s.setInput(InputName::Light, on ? 200 : 100);
                    s.setInput(InputName::Touch, on);
                    s.setInput(InputName::Ir, on);
                    s.setInput(InputName::Sound, on);
                });
            EXPECT_EQ(sim.cpu().v()[3], on ? 2 : 1) << subtype;
        }
}

TEST(Elements, ARepeatRunsItsCount)
{
    const Simulation sim = runElements({el(14, 15, 11, 3, 1), el(17, 11, 10, 0, 0, 0, "otra"), el(14, 10, 11, 2, 1, 2),
                                        el(15, 21, 10, 1, 0, 0, "otra")});
    EXPECT_EQ(sim.cpu().v()[2], 3);
}

TEST(Elements, ASubroutineReturnsToTheElementAfterTheCall)
{
    BuiltProgram program;
    program.add(el(17, 14, 10, 0, 0, 0, "sumar")).add(el(17, 14, 10, 0, 0, 0, "sumar")).add(el(17, 16, 11));
    program.subroutine("sumar").add(el(14, 10, 11, 1, 10, 1)).add(el(17, 15, 10));
    Simulation sim;
    program.loadInto(sim);
    sim.start();
    sim.advanceTo(sec(1), true);
    EXPECT_EQ(sim.endState(), BrickState::Halted);
    EXPECT_EQ(sim.cpu().v()[1], 20);
}

TEST(Elements, ProgramEnds)
{
    for (auto [option, state] : {std::pair{10, BrickState::Off}, {11, BrickState::Halted}, {13, BrickState::Locked}}) {
        BuiltProgram program;
        program.add(el(17, 16, option));
        Simulation sim;
        program.loadInto(sim);
        sim.start();
        sim.advanceTo(sec(1), true);
        EXPECT_EQ(sim.endState(), state) << option;
    }
    for (int option : {12, 14}) { // restart, jump to the start: both begin again
        BuiltProgram program;
        program.add(el(14, 10, 11, 1, 1, 1)).add(el(17, 16, option));
        Simulation sim;
        program.loadInto(sim);
        sim.start();
        sim.advanceTo(ms(2));
        EXPECT_TRUE(sim.cpu().running());
        EXPECT_EQ(sim.restartedAtEnd(), option == 12);
        EXPECT_EQ(sim.cpu().v()[1] > 1, option == 14);
    }
}

// Inputs, sensor waits, pulse counting, the USB protocol and determinism of the whole simulation.
#include "EmulatorTestSupport.h"

#include "emulator/SimulatorControls.h"

#include <random>

using namespace tarvel;
using namespace testsupport;

TEST(Simulation, ConditionWaitsEndWhenTheInputChanges)
{
    Simulation sim = running(assemble({"UNTIL 1", "INC 1", "WHILE 1", "INC 2", "HALT"}));
    sim.schedule(ms(300), {InputName::Touch, 1});
    sim.schedule(ms(800), {InputName::Touch, 0});
    sim.advanceTo(ms(299));
    EXPECT_EQ(sim.cpu().v()[1], 0);
    EXPECT_TRUE(sim.cpu().waiting());
    sim.advanceTo(sec(2), true);
    EXPECT_EQ(sim.cpu().v()[2], 1);
    EXPECT_FALSE(sim.cpu().e());
    // HALT runs right after the release at 800 ms: two short instructions later.
    EXPECT_EQ(sim.endTimeUs(), ms(800) + instructionUs(2));
}

TEST(Simulation, SensorTimeOutSetsTheErrorFlagAndNoTimeOutWaitsForever)
{
    Simulation sim = running(assemble({"SETR 0, 15", "UNTIL 2", "TST 5", "JF x", "INC 1", "x:", "HALT"}));
    sim.advanceTo(sec(5), true);
    EXPECT_EQ(sim.cpu().v()[1], 1);
    EXPECT_TRUE(sim.cpu().e());
    EXPECT_EQ(sim.endTimeUs(), instructionUs(3) + instructionUs(1) + ms(1500) + instructionUs(1) + instructionUs(2) +
                                   instructionUs(2));

    // R0 = 0: the wait holds until the requested time and not a moment longer.
    Simulation forever = running(assemble({"WHILE 6", "HALT"}));
    forever.advanceTo(sec(100), true);
    EXPECT_EQ(forever.timeUs(), sec(100));
    EXPECT_TRUE(forever.cpu().running());
    EXPECT_LT(forever.cpu().instructions(), 5u);
}

TEST(Simulation, InputsReadTheCurrentValues)
{
    Simulation sim = running(assemble(
        {"WAITK MILI, 5", "IN 1, 0", "IN 2, 2", "IN 3, 4", "IN 4, 6", "IN 5, 7", "IN 6, 7", "TST 4", "HALT"}));
    sim.setInput(InputName::Light, 77);
    sim.setInput(InputName::Touch, 1);
    sim.setInput(InputName::SoundFrequency, 2000);
    sim.pressRemoteKey(42);
    sim.sendMessage(9);
    sim.advanceTo(sec(1), true);
    const auto& v = sim.cpu().v();
    EXPECT_EQ(v[1], 77);
    EXPECT_EQ(v[2], 1);
    EXPECT_EQ(v[3], 42);
    EXPECT_EQ(v[4], 200); // tens of Hz
    EXPECT_EQ(v[5], 9);
    EXPECT_EQ(v[6], 9);       // the byte stays readable
    EXPECT_FALSE(sim.cpu().t()); // but is no longer waiting
}

TEST(Simulation, PulsesAreCountedDuringTheWindowOfR1)
{
    Simulation sim = running(assemble({"SETR 1, 5", "IN 1, 3", "IN 2, 5", "IN 3, 1", "HALT"}));
    for (int i = 0; i < 3; ++i) // three remote keys in the first half second
        sim.schedule(ms(100 + 150 * i), {InputName::IrData, 7});
    sim.schedule(ms(600), {InputName::Sound, 1}); // one sound during the second window
    sim.schedule(ms(700), {InputName::Sound, 0});
    sim.schedule(ms(1100), {InputName::Light, 200}); // light crossing the threshold twice
    sim.schedule(ms(1200), {InputName::Light, 10});
    sim.schedule(ms(1300), {InputName::Light, 200});
    sim.advanceTo(sec(3), true);
    EXPECT_EQ(sim.cpu().v()[1], 3);
    EXPECT_EQ(sim.cpu().v()[2], 1);
    EXPECT_EQ(sim.cpu().v()[3], 2);
    EXPECT_NEAR(double(sim.endTimeUs()), double(ms(1500)), 100);
}

TEST(Simulation, TheSameTraceAtAnySliceOfTime)
{
    auto trace = [](std::int64_t slice) {
        World world;
        world.marks.push_back({FloorMark::Kind::Rect, {}, false, 100, 0, 100, 150});
        world.robot.at = {60, 75};
        Simulation sim;
        sim.setWorld(world);
        sim.load(assemble({"LAMP 1", "loop:", "IN 1, 0", "SEND 1, 1", "MOTL 1", "MOTR 1", "TST 0", "JT loop",
                           "MOVE GIRADER, CENT, 7", "RND 2", "WAITV MILI, 2", "JMP loop"}));
        sim.start();
        std::mt19937 random{unsigned(slice)};
        while (sim.timeUs() < sec(3))
            sim.advanceTo(std::min(sec(3), sim.timeUs() + 1 + std::int64_t(random() % std::uint32_t(slice))));
        std::vector<std::tuple<std::int64_t, int, int>> out;
        for (const auto& e : sim.events())
            out.emplace_back(e.timeUs, int(e.kind), e.value);
        return std::pair{out, sim.robot().pose.x};
    };
    const auto whole = trace(sec(3));
    EXPECT_GT(whole.first.size(), 100u);
    EXPECT_EQ(whole, trace(37));
    EXPECT_EQ(whole, trace(1500));
}

TEST(Simulation, TheMonitorsMotorByteReachesARunningProgramAsAMessage)
{
    Simulation sim = running(assemble({"UNTIL 4", "IN 1, 7", "HALT"}));
    std::array<std::uint8_t, 64> reply{};
    sim.advanceTo(ms(10));
    sim.usbCommand(std::vector<std::uint8_t>{0x04, 0x02, 0x48}, reply);
    sim.advanceTo(ms(20), true);
    EXPECT_EQ(sim.cpu().v()[1], 0x48);
    EXPECT_EQ(sim.cpu().motors(), 0); // the program decides what to do with it

    // With no program running the same command drives the motors, and the others work directly.
    sim.usbCommand(std::vector<std::uint8_t>{0x04, 0x02, 0x48}, reply);
    EXPECT_EQ(sim.cpu().motors(), 0x48);
    sim.usbCommand(std::vector<std::uint8_t>{0x04, 0x01, 0x01}, reply); // LED "A"
    EXPECT_EQ(sim.cpu().leds(), 4);
    sim.usbCommand(std::vector<std::uint8_t>{0x04, 0x08, 0x01}, reply);
    EXPECT_TRUE(sim.cpu().lamp());
    sim.setInput(InputName::Light, 123);
    sim.setInput(InputName::Ir, 1);
    sim.usbCommand(std::vector<std::uint8_t>{0x04, 0x00}, reply);
    EXPECT_EQ(reply[2], 123);
    EXPECT_EQ(reply[0] & 0x20, 0); // a signal pulls the line low
    sim.usbCommand(std::vector<std::uint8_t>{0x04, 0x04, 0x00, 0x64, 0x3F, 0x3E}, reply);
    ASSERT_FALSE(eventsOf(sim, SimEvent::Kind::Tone).empty());
    EXPECT_NEAR(eventsOf(sim, SimEvent::Kind::Tone).back().frequency, 1000, 1);
}

TEST(Simulation, ProgramBlocksStoreTheImageAndRunStartsIt)
{
    Simulation sim;
    int started = 0;
    sim.programStarted = [&] { ++started; };
    const auto image = assemble({"LEDK 5", "HALT"});
    std::array<std::uint8_t, 64> reply{};
    for (std::size_t a = 0; a < image.size(); a += 4) {
        std::vector<std::uint8_t> block{0x01, 0x00, std::uint8_t(a), 0x00, 0, 0, 0, 0};
        for (std::size_t i = 0; i < 4 && a + i < image.size(); ++i)
            block[4 + i] = image[a + i];
        sim.usbCommand(block, reply);
    }
    sim.usbCommand(std::vector<std::uint8_t>{0x01, 0x00, 0x00, 0x01}, reply);
    sim.usbCommand(std::vector<std::uint8_t>{0x08, 0x02}, reply);
    EXPECT_EQ(started, 1);
    sim.advanceTo(ms(5), true);
    EXPECT_EQ(sim.cpu().leds(), 5);
    EXPECT_EQ(sim.endState(), BrickState::Halted);
    sim.usbCommand(std::vector<std::uint8_t>{0x08, 0x03}, reply);
    EXPECT_EQ(sim.cpu().state(), BrickState::Off);
    EXPECT_EQ(sim.cpu().leds(), 0);
}

TEST(Simulation, StepsGoOneInstructionOrOneElementAtATime)
{
    BuiltProgram program;
    program.add(makeElement(11, 11, 11, 0, 0, 0, "ABC"))
        .add(makeElement(13, 11, 10, 5))
        .add(makeElement(10, 10, 10, 1, 0, 0, "AB"))
        .add(makeElement(17, 16, 11));
    Simulation sim;
    program.loadInto(sim);
    sim.start();
    ASSERT_TRUE(sim.runningElement());
    EXPECT_EQ(sim.runningElement()->index, 0); // the header belongs to the start element
    // Addresses lead back to the source lines that produced them.
    const auto lines = splitSourceLines(program.build.translation.source);
    auto lineAt = [&](int address) {
        const int line = sim.elementMap().sourceLineAt(address);
        return line > 0 && line <= int(lines.size()) ? lines[std::size_t(line - 1)] : std::string();
    };
    EXPECT_NE(lineAt(0).find("SETR"), std::string::npos) << lineAt(0);
    EXPECT_NE(lineAt(10).find("LEDK"), std::string::npos) << lineAt(10); // after three 3-byte SETRs, in the same LEDK
    EXPECT_NE(lineAt(11).find("WAITK"), std::string::npos) << lineAt(11);
    EXPECT_FALSE(sim.elementMap().elementAt(200));
    EXPECT_TRUE(sim.stepInstruction());
    EXPECT_EQ(sim.cpu().instructions(), 1u);
    EXPECT_TRUE(sim.stepElement());
    EXPECT_EQ(sim.runningElement()->index, 1);
    EXPECT_EQ(sim.cpu().leds(), 0);
    EXPECT_TRUE(sim.stepElement());
    EXPECT_EQ(sim.runningElement()->index, 2);
    EXPECT_EQ(sim.cpu().leds(), 7);
    EXPECT_TRUE(sim.stepElement()); // the wait of half a second, in one step
    EXPECT_EQ(sim.runningElement()->index, 3);
    EXPECT_GE(sim.timeUs(), ms(500));
    EXPECT_LT(sim.timeUs(), ms(502));

    // Stepping while a wait is in progress finishes the wait, then stops at the next element.
    Simulation waiting;
    program.loadInto(waiting);
    waiting.start();
    waiting.advanceTo(ms(100));
    ASSERT_EQ(waiting.runningElement()->index, 2);
    EXPECT_TRUE(waiting.stepElement());
    ASSERT_TRUE(waiting.runningElement());
    EXPECT_EQ(waiting.runningElement()->index, 3);
    waiting.load(program.image());
    waiting.start();
    waiting.advanceTo(waiting.timeUs() + ms(100));
    const std::uint64_t before = waiting.cpu().instructions();
    EXPECT_TRUE(waiting.stepInstruction()); // the rest of the wait
    EXPECT_EQ(waiting.cpu().instructions(), before);
    EXPECT_FALSE(waiting.cpu().waiting());
    EXPECT_TRUE(waiting.stepInstruction());
    EXPECT_EQ(waiting.cpu().instructions(), before + 1);
}

TEST(Simulation, TheClockTheUserReadsStartsWithTheProgram)
{
    Simulation sim;
    sim.load(assemble({"INC 1", "HALT"}));
    sim.advanceTo(sec(5)); // the window was open for five seconds before "Ejecutar"
    EXPECT_EQ(sim.programSeconds(), 0.0);
    EXPECT_NE(simulatorStatus(sim, false).find("0.00 s"), std::string::npos);
    sim.start();
    sim.advanceTo(sec(5) + ms(1500));
    EXPECT_DOUBLE_EQ(sim.programSeconds(), 1.5);
    EXPECT_NE(simulatorStatus(sim, false).find("1.50 s"), std::string::npos);
    sim.start(); // again: from zero
    EXPECT_EQ(sim.programSeconds(), 0.0);
}

// The processor against the instruction set document: values, flags, jumps, outputs, time.
#include "EmulatorTestSupport.h"

using namespace tarvel;
using namespace testsupport;

namespace {

Simulation ranToEnd(std::initializer_list<std::string> lines, std::int64_t limit = sec(10))
{
    Simulation sim = running(assemble(lines));
    sim.advanceTo(limit, true);
    return sim;
}

} // namespace

TEST(BrickCpu, StartStateIsTheDocumentedOne)
{
    Simulation sim = running(assemble({"HALT"}));
    const BrickCpu& cpu = sim.cpu();
    EXPECT_EQ(cpu.pc(), 0);
    EXPECT_EQ(cpu.threshold(), 150);
    EXPECT_EQ(cpu.r()[0], 0);
    EXPECT_EQ(cpu.r()[1], 10);
    EXPECT_EQ(cpu.r()[2], 223);
    EXPECT_EQ(cpu.returnAddress(), -1);
    EXPECT_FALSE(cpu.z() || cpu.c() || cpu.t() || cpu.e());
}

TEST(BrickCpu, ArithmeticWrapsAndSetsCarryAndZero)
{
    Simulation sim = ranToEnd({"LDK 250", "ADDK 6", "STA 1", "LDK 3", "SUBK 5", "STA 2", "LDK 7", "ADDK 249", "HALT"});
    EXPECT_EQ(sim.cpu().v()[1], 0);   // 250 + 6 wraps to 0
    EXPECT_EQ(sim.cpu().v()[2], 254); // 3 - 5
    EXPECT_EQ(sim.cpu().a(), 0);
    EXPECT_TRUE(sim.cpu().z());
    EXPECT_TRUE(sim.cpu().c());

    sim = ranToEnd({"LDK 12", "STA 3", "LDK 10", "ORK 5", "STA 1", "ANDK 6", "STA 2", "XORV 3", "CMPK 9", "HALT"});
    EXPECT_EQ(sim.cpu().v()[1], 15);
    EXPECT_EQ(sim.cpu().v()[2], 6);
    EXPECT_EQ(sim.cpu().a(), 10); // 6 xor 12; CMP leaves A alone
    EXPECT_FALSE(sim.cpu().z());
    EXPECT_FALSE(sim.cpu().c()); // 10 is not below 9
}

TEST(BrickCpu, VariableFormsIncDecMovAndBitTest)
{
    Simulation sim =
        ranToEnd({"LDI 1, 255", "INC 1", "LDI 2, 5", "MOV 3, 2", "DEC 3", "LDI 4, 4", "BTST 4, 2", "HALT"});
    EXPECT_EQ(sim.cpu().v()[1], 0);
    EXPECT_EQ(sim.cpu().v()[3], 4);
    EXPECT_FALSE(sim.cpu().z()); // from DEC: 4 is not zero
    EXPECT_TRUE(sim.cpu().t());
}

TEST(BrickCpu, ConditionalJumpsFollowTheirFlags)
{
    // Each taken jump skips an INC of V1; each jump that falls through lets an INC of V2 run.
    Simulation sim = ranToEnd({"LDK 0", "CMPK 0", "JZ a", "INC 1", "a:", "JNZ b", "INC 2", "b:", "CMPK 1", "JC c",
                               "INC 1", "c:", "JNC d", "INC 2", "d:", "TST 6", "JT e", "INC 1", "e:", "JF f", "INC 2",
                               "f:", "HALT"});
    EXPECT_EQ(sim.cpu().v()[1], 0);
    EXPECT_EQ(sim.cpu().v()[2], 3);
}

TEST(BrickCpu, RepeatCountsDownAndJumpIfVariableZero)
{
    Simulation sim = ranToEnd({"LDI 1, 4", "loop:", "INC 2", "DJNZ 1, loop", "JVZ 1, done", "INC 3", "done:", "HALT"});
    EXPECT_EQ(sim.cpu().v()[2], 4);
    EXPECT_EQ(sim.cpu().v()[3], 0);
}

TEST(BrickCpu, CallsDoNotNestAndRetWithNothingPendingStops)
{
    Simulation sim = ranToEnd({"CALL sub", "INC 1", "RET", "sub:", "INC 2", "RET"});
    EXPECT_EQ(sim.cpu().v()[1], 1);
    EXPECT_EQ(sim.cpu().v()[2], 1);
    EXPECT_EQ(sim.endState(), BrickState::Off); // the second RET had nothing to return to
    EXPECT_EQ(sim.cpu().returnAddress(), -1);
}

TEST(BrickCpu, JumpTargetsUseSevenBits)
{
    // JMP with a target byte of 0x85 lands on address 5.
    std::vector<std::uint8_t> image = {0x1E, 0x85, 0x5D, 0x5D, 0x5D, 0x7D};
    Simulation sim = running(image);
    sim.advanceTo(sec(1), true);
    EXPECT_EQ(sim.endState(), BrickState::Halted);
}

TEST(BrickCpu, EndsOfTheProgram)
{
    Simulation sim = ranToEnd({"MOTL 1", "LEDK 7", "STOP"});
    EXPECT_EQ(sim.endState(), BrickState::Off);
    EXPECT_EQ(sim.cpu().motors(), 0);
    EXPECT_EQ(sim.cpu().leds(), 0);

    sim = ranToEnd({"MOTL 1", "LEDK 7", "HALT"});
    EXPECT_EQ(sim.endState(), BrickState::Halted);
    EXPECT_EQ(sim.cpu().motors(), 0);
    EXPECT_EQ(sim.cpu().leds(), 7); // still on

    sim = ranToEnd({"MOTR 2", "LOCK"});
    EXPECT_EQ(sim.endState(), BrickState::Locked);
    EXPECT_EQ(sim.cpu().motors(), 0);
    // A locked brick does not start again until it is switched off.
    std::array<std::uint8_t, 8> reply{};
    sim.usbCommand(std::vector<std::uint8_t>{0x08, 0x02}, reply);
    EXPECT_EQ(sim.cpu().state(), BrickState::Locked);
    sim.usbCommand(std::vector<std::uint8_t>{0x08, 0x03}, reply);
    sim.usbCommand(std::vector<std::uint8_t>{0x08, 0x02}, reply);
    EXPECT_TRUE(sim.cpu().running());
}

TEST(BrickCpu, RestartGoesBackToTheStartState)
{
    Simulation sim = running(assemble({"INC 1", "LDK 9", "LEDK 5", "RESTART"}));
    sim.advanceTo(sec(1), true);
    EXPECT_TRUE(sim.restartedAtEnd());
    EXPECT_EQ(sim.cpu().v()[1], 0);
    EXPECT_EQ(sim.cpu().leds(), 0);
    EXPECT_EQ(sim.cpu().pc(), 0);
    EXPECT_TRUE(sim.cpu().running());
    // Without stopping at the end it goes round again and again.
    sim.advanceTo(sec(1));
    EXPECT_GT(sim.cpu().restarts(), 100u);
}

TEST(BrickCpu, RunningOffTheEndOfMemoryStops)
{
    // Zero bytes are NOPs: an image without an end slides to address 255 and stops there.
    Simulation sim = running({0x00, 0x14, 0x00, 0x14}); // INC 0, INC 0
    sim.advanceTo(sec(1), true);
    EXPECT_EQ(sim.endState(), BrickState::Off);
    EXPECT_EQ(sim.cpu().instructions(), 129u); // 128 two-byte instructions, then the fetch past the end

    // An instruction that would read past the last byte stops without executing: here a WAITK
    // at 254 whose third byte would lie at 256.
    std::vector<std::uint8_t> image(256, 0);
    image[0] = 0x1E; // JMP 127
    image[1] = 127;
    image[127] = 0x01; // LDA 0, one byte, so that the NOPs from 128 end at 254
    image[255] = 0x10;
    Simulation edge = running(image);
    edge.advanceTo(sec(5), true);
    EXPECT_EQ(edge.endState(), BrickState::Off);
    EXPECT_LT(edge.endTimeUs(), ms(1));
}

TEST(BrickCpu, UnknownLongOpcodesAreSkippedAsNops)
{
    Simulation sim = running({0x00, 0x7F, 0x00, 0x09, 0x7D});
    sim.advanceTo(sec(1), true);
    EXPECT_EQ(sim.endState(), BrickState::Halted);
    EXPECT_EQ(sim.cpu().unknownInstructions(), 2u);
}

TEST(BrickCpu, MotorsLedsAndLamp)
{
    Simulation sim = ranToEnd({"MOTL 1", "MOTR 2", "LEDK 4", "LEDON 1", "LEDAND 1", "LDI 5, 6", "LEDV 5", "LAMP 1",
                               "LDI 6, 0", "LAMPV 6", "MOTL 7", "HALT"});
    const auto motors = eventsOf(sim, SimEvent::Kind::Motors);
    ASSERT_EQ(motors.size(), 4u);
    EXPECT_EQ(motors[0].value, 0x40);
    EXPECT_EQ(motors[1].value, 0x60);
    EXPECT_EQ(motors[2].value, 0x20); // MOTL 7 stops the left motor
    EXPECT_EQ(motors[3].value, 0);    // HALT
    std::vector<int> leds;
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Leds))
        leds.push_back(e.value);
    EXPECT_EQ(leds, (std::vector<int>{4, 5, 1, 6}));
    std::vector<int> lamp;
    for (const auto& e : eventsOf(sim, SimEvent::Kind::Lamp))
        lamp.push_back(e.value);
    EXPECT_EQ(lamp, (std::vector<int>{1, 0}));
}

TEST(BrickCpu, SendReportsTheByteAndItsFormat)
{
    Simulation sim = ranToEnd({"LDI 1, 65", "SEND 1, 19", "HALT"});
    const auto sends = eventsOf(sim, SimEvent::Kind::Send);
    ASSERT_EQ(sends.size(), 1u);
    EXPECT_EQ(sends[0].value, 65);
    EXPECT_EQ(sends[0].format, 19);
}

TEST(BrickCpu, InstructionTimesFollowTheirLength)
{
    Simulation sim = running(assemble({"INC 1", "LDA 1", "SETR 3, 1", "TONE 0, 0, 0, 0", "HALT"}));
    sim.advanceTo(sec(1), true);
    // INC 2 bytes, LDA 1, SETR 3, TONE 5 (silent), HALT starts at the sum.
    const std::int64_t expected = instructionUs(2) + instructionUs(1) + instructionUs(3) + instructionUs(5);
    EXPECT_EQ(sim.endTimeUs(), expected);
}

TEST(BrickCpu, WaitsLastExactlyTheirUnits)
{
    for (auto [unit, count, us] : {std::tuple{"SEG", 2, sec(2)}, {"DECI", 7, ms(700)}, {"CENT", 3, ms(30)},
                                   {"MILI", 250, ms(250)}}) {
        Simulation sim = running(assemble({std::string("WAITK ") + unit + ", " + std::to_string(count), "HALT"}));
        sim.advanceTo(sec(5), true);
        EXPECT_EQ(sim.endTimeUs(), instructionUs(3) + us) << unit;
    }
    Simulation sim = running(assemble({"LDI 2, 3", "WAITV SEG, 2", "HALT"}));
    sim.advanceTo(sec(5), true);
    EXPECT_EQ(sim.endTimeUs(), instructionUs(2) + instructionUs(2) + sec(3));
}

TEST(BrickCpu, MoveDrivesThenStops)
{
    Simulation sim = running(assemble({"MOVE GIRADER, DECI, 5", "HALT"}));
    sim.advanceTo(sec(2), true);
    const auto motors = eventsOf(sim, SimEvent::Kind::Motors);
    ASSERT_EQ(motors.size(), 2u);
    EXPECT_EQ(motors[0].value, 0x60);
    EXPECT_EQ(motors[0].timeUs, 0);
    EXPECT_EQ(motors[1].value, 0);
    EXPECT_EQ(motors[1].timeUs, instructionUs(2) + ms(500));
    for (int action = 0; action < 8; ++action)
        EXPECT_NE(motionMotorByte(action), 0);
    EXPECT_EQ(motionMotorByte(2), kRightForward);
    EXPECT_EQ(motionMotorByte(7), kLeftForward | kRightForward);
}

TEST(BrickCpu, TonesPlayTheirFrequencyAndLastTheirDuration)
{
    // 1000 Hz for 100 ms at full volume: 0x64 periods of 0x3E + 0x3F ticks.
    Simulation sim = running(assemble({"TONE 0, 100, 62, 63", "LDI 2, 0", "LDI 3, 50", "LDI 4, 100", "LDI 5, 100",
                                       "TONEV", "BEEPOK", "BEEPERR", "HALT"}));
    sim.advanceTo(sec(3), true);
    const auto tones = eventsOf(sim, SimEvent::Kind::Tone);
    ASSERT_EQ(tones.size(), 5u);
    EXPECT_NEAR(tones[0].frequency, 1000, 1);
    EXPECT_EQ(tones[0].durationUs, 100 * 125 * 8);
    EXPECT_NEAR(tones[1].frequency, 625, 1);
    EXPECT_EQ(tones[1].durationUs, 50 * 200 * 8);
    EXPECT_LT(tones[2].frequency, tones[3].frequency); // BEEPOK rises
    EXPECT_EQ(tones[3].timeUs - tones[2].timeUs, instructionUs(1) + ms(100));
    EXPECT_EQ(tones[4].durationUs, ms(500));
    EXPECT_EQ(sim.endTimeUs(), tones[4].timeUs + instructionUs(1) + ms(500));
}

TEST(BrickCpu, RandomNumbersAreTheSameOnEveryRun)
{
    auto values = [] {
        Simulation sim = ranToEnd({"RND 1", "RND 2", "RND 3", "HALT"});
        return sim.cpu().v();
    };
    const auto first = values();
    EXPECT_EQ(first, values());
    EXPECT_FALSE(first[1] == first[2] && first[2] == first[3]);
}

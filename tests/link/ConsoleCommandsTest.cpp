#include "ToolsTestSupport.h"
#include "link/ConsoleCommands.h"
#include "link/LightHistory.h"

#include <utility>

using namespace tarvel;
using namespace testsupport;

namespace {

struct Console : ToolsSetup {
    using ToolsSetup::ToolsSetup;
    void run(const std::vector<LinkStep>& steps)
    {
        sequencer.enqueue(steps);
        runToEnd(sequencer, link, clock);
    }
    LinkSequencer sequencer{clock};
};

} // namespace

TEST(Console, EveryControlSendsItsBytesFifteenMillisecondsAfterTheClick)
{
    Console c;
    ConsoleState state;
    c.run(consoleLoad(state));
    c.run(consoleMotor(state, ConsoleMotor::AdvLeft));
    c.run(consoleMotor(state, ConsoleMotor::AdvRight));
    EXPECT_EQ(state.leftMotor, 1);
    EXPECT_EQ(state.rightMotor, 1);
    c.run(consoleMotor(state, ConsoleMotor::StopLeft)); // stops both, then restarts the right one
    c.run(consoleLed(state, 0));
    c.run(consoleLed(state, 2));
    c.run(consoleFrontLight(state));
    c.run(consoleFrontLight(state));
    c.run(consoleMotor(state, ConsoleMotor::RevBoth));
    c.run(consoleMotor(state, ConsoleMotor::StopRight)); // the left motor goes on backwards
    c.run(consoleBeep("1000", "100", 32));
    c.run(consoleReadInfrared());
    EXPECT_EQ(c.commands(), (std::vector<Bytes>{{0x04, 0x01, 0},
                                                {0x04, 0x02, 0x40},
                                                {0x04, 0x02, 0x08},
                                                {0x04, 0x02, 0x00},
                                                {0x04, 0x02, 0x08},
                                                {0x04, 0x01, 1},
                                                {0x04, 0x01, 5},
                                                {0x04, 0x08, 1},
                                                {0x04, 0x08, 0},
                                                {0x04, 0x02, 0xA0},
                                                {0x04, 0x02, 0x00},
                                                {0x04, 0x02, 0x80},
                                                {0x04, 0x04, 0x00},
                                                {0x04, 0x00, 0x00}}));
    EXPECT_EQ(c.received(c.brick.receivedReports().size() - 2, 6), (Bytes{0x04, 0x04, 0x00, 0x64, 0x3F, 0x3E}));
    // An exchange takes 7 ms; each click waits 15 ms before its command. The second command of a
    // one-motor stop and the infrared reading have no wait of their own.
    EXPECT_EQ(c.gapsMs(), (std::vector<std::int64_t>{22, 22, 22, 7, 22, 22, 22, 22, 22, 22, 7, 22, 7}));
    EXPECT_EQ(c.brick.motors(), 0x80);
    EXPECT_EQ(c.brick.leds(), 5);
}

TEST(Console, ClicksQueuedTogetherKeepTheirWaits)
{
    Console c;
    ConsoleState state;
    c.sequencer.enqueue(consoleMotor(state, ConsoleMotor::AdvBoth));
    c.sequencer.enqueue(consoleMotor(state, ConsoleMotor::StopBoth));
    c.sequencer.enqueue(consoleReadLight());
    const auto start = c.clock.nowUs();
    runToEnd(c.sequencer, c.link, c.clock);
    EXPECT_EQ(c.brick.receivedTimesUs()[c.first] - start, 15000);
    EXPECT_EQ(c.gapsMs(), (std::vector<std::int64_t>{22, 22}));
}

TEST(Console, ReadingsReachTheWindow)
{
    Console c;
    std::vector<std::pair<LinkStep::Kind, StepOutcome>> done;
    c.sequencer.onDone = [&](const LinkStep& s, const StepOutcome& o) { done.emplace_back(s.kind, o); };
    c.brick.setLightLevel(77);
    c.brick.setInfrared(true);
    c.run(consoleReadLight());
    c.run(consoleReadInfrared());
    c.run({LinkStep::of(LinkStep::Kind::ReadInputs)}); // the live reading: both from one reply
    ASSERT_EQ(done.size(), 3u);
    EXPECT_EQ(done[0].second.light, 77);
    EXPECT_EQ(done[1].second.infrared, 1);
    EXPECT_EQ(done[2].second.light, 77);
    EXPECT_EQ(done[2].second.infrared, 1);
    EXPECT_EQ(c.commands().size(), 3u);

    // The light sensor sees the front light.
    ConsoleState state;
    c.brick.setFrontLightReflection(100);
    c.run(consoleFrontLight(state));
    c.run(consoleReadLight());
    EXPECT_EQ(done.back().second.light, 177);
}

TEST(Console, RunAndSwitchOffCloseTheLink)
{
    Console c;
    std::vector<StepOutcome> done;
    c.sequencer.onDone = [&](const LinkStep&, const StepOutcome& o) { done.push_back(o); };
    c.run(consoleRun());
    EXPECT_TRUE(c.brick.running());
    EXPECT_FALSE(c.link.brickConnected());
    c.run(consoleTurnOff()); // refused: the link is closed now
    ASSERT_EQ(done.size(), 2u);
    EXPECT_TRUE(done[0].attempted);
    EXPECT_FALSE(done[0].linkLost);
    EXPECT_FALSE(done[1].attempted);
    EXPECT_FALSE(c.brick.switchedOff());
}

TEST(Console, WithoutABrickEveryControlIsRefusedQuietly)
{
    SimulatedSetup s({.attached = false});
    LinkSequencer sequencer(s.clock);
    std::vector<StepOutcome> done;
    sequencer.onDone = [&](const LinkStep&, const StepOutcome& o) { done.push_back(o); };
    ConsoleState state;
    sequencer.enqueue(consoleLoad(state));
    sequencer.enqueue(consoleMotor(state, ConsoleMotor::AdvBoth));
    sequencer.enqueue(consoleReadLight());
    sequencer.enqueue(consoleReadInfrared());
    runToEnd(sequencer, s.link, s.clock);
    ASSERT_EQ(done.size(), 4u);
    for (const auto& o : done) {
        EXPECT_FALSE(o.attempted);
        EXPECT_FALSE(o.linkLost);
        EXPECT_EQ(o.light, 0);
        EXPECT_EQ(o.infrared, 0);
    }
    EXPECT_EQ(state.leftMotor, 1); // the window's state follows the clicks all the same
    EXPECT_TRUE(s.brick.receivedReports().empty());
}

TEST(Console, UnpluggedOrSilentInTheMiddleOfTheWork)
{
    for (bool unplug : {true, false}) {
        SCOPED_TRACE(unplug ? "unplugged" : "no reply");
        Console c(unplug ? SimulatedBrickConfig{} : SimulatedBrickConfig{.noReplyFromCommand = 3});
        std::vector<StepOutcome> done;
        c.sequencer.onDone = [&](const LinkStep&, const StepOutcome& o) {
            done.push_back(o);
            if (unplug && done.size() == 1)
                c.brick.plug(false);
        };
        ConsoleState state;
        c.sequencer.enqueue(consoleMotor(state, ConsoleMotor::AdvBoth));
        c.sequencer.enqueue(consoleReadLight());
        c.sequencer.enqueue(consoleMotor(state, ConsoleMotor::StopBoth));
        c.sequencer.enqueue(consoleReadLight());
        const auto start = c.clock.nowUs();
        runToEnd(c.sequencer, c.link, c.clock);
        EXPECT_LT(c.clock.nowUs() - start, 1'000'000); // at most one reply time-out, no hang
        ASSERT_EQ(done.size(), 4u);
        EXPECT_TRUE(done[1].linkLost);
        EXPECT_FALSE(done[2].attempted);
        EXPECT_FALSE(done[3].linkLost);
        EXPECT_FALSE(c.link.brickConnected());
        EXPECT_EQ(c.panels.back(), "2:Ladrillo: Ninguno");
        EXPECT_EQ(c.tools.back(), false);
        EXPECT_EQ(c.commands().size(), unplug ? 1u : 2u); // nothing written after the link closed
    }
}

TEST(Console, TwoWindowsNeverReadEachOthersReplies)
{
    // Two windows' queues on one link; each polls from inside the other's exchange waits, as
    // timers do while a window waits.
    ManualClock clock;
    SimulatedBrick brick(clock);
    LinkSequencer console(clock), monitor(clock);
    BrickLink* self = nullptr;
    int pollsWhileBusy = 0;
    BrickLink link(brick, clock, {}, [&] {
        if (self->busy())
            ++pollsWhileBusy;
        console.poll(*self);
        monitor.poll(*self);
    });
    self = &link;
    ASSERT_TRUE(link.IdentifyBrick());
    brick.setLightLevel(91);
    brick.setInfrared(true);
    std::vector<int> lights, infrared;
    console.onDone = [&](const LinkStep&, const StepOutcome& o) { lights.push_back(o.light); };
    monitor.onDone = [&](const LinkStep& s, const StepOutcome& o) {
        if (s.kind == LinkStep::Kind::ReadIr)
            infrared.push_back(o.infrared);
    };
    for (int i = 0; i < 5; ++i) {
        console.enqueue({LinkStep::of(LinkStep::Kind::ReadLight)});
        monitor.enqueue({LinkStep::motors(0x48), LinkStep::of(LinkStep::Kind::ReadIr), LinkStep::beep(440, 32, 50)});
    }
    while (!console.idle() || !monitor.idle()) {
        clock.sleepUntilUs(std::min(console.idle() ? INT64_MAX : console.dueUs(),
                                    monitor.idle() ? INT64_MAX : monitor.dueUs()));
        console.poll(link);
        monitor.poll(link);
    }
    EXPECT_GT(pollsWhileBusy, 0);
    EXPECT_EQ(lights, std::vector<int>(5, 91));
    EXPECT_EQ(infrared, std::vector<int>(5, 1));
    EXPECT_TRUE(link.brickConnected());
    // Every report was a whole exchange of its own: each came 7 ms or more after the one before.
    const auto& times = brick.receivedTimesUs();
    for (std::size_t i = 1; i < times.size(); ++i)
        EXPECT_GE(times[i] - times[i - 1], 7000) << i;
    EXPECT_EQ(brick.receivedReports().size(), 1u + 5u * 4u);
}

TEST(Console, ALinkCallRefusedDuringAnotherExchangeTakesNothingOfIt)
{
    ManualClock clock;
    SimulatedBrick brick(clock);
    std::function<void()> nested;
    BrickLink link(brick, clock, {}, [&] {
        if (nested)
            std::exchange(nested, {})();
    });
    ASSERT_TRUE(link.IdentifyBrick());
    brick.setLightLevel(200);
    EXPECT_EQ(link.ReadLightSensor(), 200);
    brick.setLightLevel(50);
    int nestedLight = -1;
    bool nestedBeep = true;
    nested = [&] { nestedLight = link.ReadLightSensor(); };
    EXPECT_EQ(link.ReadLightSensor(), 50);
    EXPECT_EQ(nestedLight, 0); // not the 200 of the reply before, nor the 50 of this one
    // The pause after a tone belongs to the tone.
    nested = [&] {
        std::int16_t f = 440, v = 32, d = 10;
        nestedBeep = link.BrickBeep(f, v, d);
    };
    std::int16_t f = 1000, v = 32, d = 100;
    EXPECT_TRUE(link.BrickBeep(f, v, d));
    EXPECT_FALSE(nestedBeep);
    EXPECT_EQ(brick.receivedReports().size(), 4u);
}

TEST(Console, BoxesSliderAndColours)
{
    EXPECT_EQ(spinAfterTyping("5000", kFrequencySpin, 1000), 1000); // a limit itself is refused
    EXPECT_EQ(spinAfterTyping("100", kFrequencySpin, 1000), 1000);
    EXPECT_EQ(spinAfterTyping("4999", kFrequencySpin, 1000), 4999);
    EXPECT_EQ(spinAfterTyping("250.6", kFrequencySpin, 1000), 251);
    EXPECT_EQ(spinAfterTyping("abc", kFrequencySpin, 700), 700);
    EXPECT_EQ(spinAfterTyping("99999999999", kDurationSpin, 100), 100);
    EXPECT_EQ(volumeText(5), "15%");
    EXPECT_EQ(volumeText(32), "100%");
    EXPECT_EQ(volumeText(0), "0%");

    // A typed frequency is rounded; a volume outside the slider is held to it.
    EXPECT_EQ(consoleBeep("1000.6", "300", 40).back(), LinkStep::beep(1001, 32, 300));
    EXPECT_EQ(consoleBeep("", "x", 5).back(), LinkStep::beep(0, 5, 0));

    EXPECT_EQ(consoleLedColour(0, true), rgbColour(0xFF0000));
    EXPECT_EQ(consoleLedColour(2, false), rgbColour(0x800000));
    EXPECT_EQ(consoleLedColour(1, true), rgbColour(0x00FF00));
    EXPECT_EQ(consoleLedColour(1, false), rgbColour(0x008000));
    EXPECT_EQ(infraredColour(0), rgbColour(0xFF00FF));
    EXPECT_EQ(infraredColour(1), rgbColour(0x800080));
    EXPECT_EQ(brickShapeColour(0x20, 1), rgbColour(0x80FFFF));
    EXPECT_EQ(brickShapeColour(0x20, 3).system, ToolColour::System::Desktop);
    EXPECT_EQ(brickShapeColour(0x20, 9).system, ToolColour::System::ScrollBar);
    EXPECT_EQ(brickShapeColour(0x40, 0).system, ToolColour::System::ScrollBar);
}

TEST(Console, FrontLightKeepsTogglingPastTheCounter)
{
    ConsoleState state;
    int expected = 1;
    for (int click = 0; click < 600; ++click, expected ^= 1)
        ASSERT_EQ(consoleFrontLight(state).back(), LinkStep::frontLight(expected)) << click;
}

TEST(Console, LightHistoryKeepsThirtySeconds)
{
    LightHistory h;
    for (int t = 0; t <= 40000; t += 200)
        h.add(t, t / 200);
    EXPECT_EQ(h.samples().front().timeMs, 10000);
    EXPECT_EQ(h.samples().back().level, 200);
    const auto points = h.plot(40000, 300, 100);
    ASSERT_EQ(points.size(), h.samples().size());
    EXPECT_DOUBLE_EQ(points.front().x, 0);
    EXPECT_DOUBLE_EQ(points.back().x, 300);
    EXPECT_NEAR(points.back().y, 100 * (1 - 200 / 255.0), 1e-9);
    h.add(40200, 999); // held to the sensor's range
    EXPECT_EQ(h.samples().back().level, 255);
}

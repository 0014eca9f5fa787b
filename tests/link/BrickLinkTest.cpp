#include "LinkTestSupport.h"

#include <gtest/gtest.h>

using namespace tarvel;
using namespace testsupport;
using Bytes = std::vector<std::uint8_t>;

TEST(BrickLink, CommandBytesOnTheWire)
{
    SimulatedSetup s;
    ASSERT_TRUE(s.link.IdentifyBrick());
    EXPECT_TRUE(s.link.SetBrickLeds(5));
    EXPECT_TRUE(s.link.SetBrickMotors(0x48));
    EXPECT_TRUE(s.link.SetFrontLight(3)); // only bit 0 is sent
    s.link.ReadLightSensor();
    ASSERT_EQ(s.brick.receivedReports().size(), 5u);
    EXPECT_EQ(s.brick.receivedReports()[0][0], 0); // report ID
    EXPECT_EQ(s.received(0, 2), (Bytes{0x08, 0x01}));
    EXPECT_EQ(s.received(1, 3), (Bytes{0x04, 0x01, 5}));
    EXPECT_EQ(s.received(2, 3), (Bytes{0x04, 0x02, 0x48}));
    EXPECT_EQ(s.received(3, 3), (Bytes{0x04, 0x08, 1}));
    EXPECT_EQ(s.received(4, 2), (Bytes{0x04, 0x00}));
    EXPECT_EQ(s.brick.leds(), 5);
    EXPECT_EQ(s.brick.motors(), 0x48);
    EXPECT_TRUE(s.brick.frontLight());
    EXPECT_EQ(s.link.usb().sentReports.size(), 5u); // the link's own record of the wire

    EXPECT_TRUE(s.link.TurnOffBrick());
    EXPECT_EQ(s.received(5, 2), (Bytes{0x08, 0x03}));
    EXPECT_FALSE(s.link.brickConnected());
    EXPECT_TRUE(s.brick.switchedOff());
}

TEST(BrickLink, ToneCommands)
{
    struct ToneCase {
        int frequency, volume, duration;
        Bytes bytes;
    };
    const ToneCase cases[] = {{1000, 32, 100, {0x04, 0x04, 0x00, 0x64, 0x3F, 0x3E}},
                              {440, 32, 100, {0x04, 0x04, 0x00, 0x2C, 0x8E, 0x8E}},
                              {5000, 16, 1000, {0x04, 0x04, 0x13, 0x88, 0x13, 0x06}},
                              {1000, 0, 100, {0x04, 0x04, 0x00, 0x64, 0x7D, 0x01}},
                              {100, 32, 100, {0x04, 0x04, 0x00, 0x0A, 0x01, 0x01}}};
    SimulatedSetup s;
    ASSERT_TRUE(s.link.IdentifyBrick());
    std::size_t n = 1;
    for (const auto& c : cases) {
        auto f = std::int16_t(c.frequency), v = std::int16_t(c.volume), d = std::int16_t(c.duration);
        const auto before = s.clock.nowUs();
        EXPECT_TRUE(s.link.BrickBeep(f, v, d));
        EXPECT_EQ(s.clock.nowUs() - before, 7000); // written only, then 7 ms
        EXPECT_EQ(s.received(n++, 6), c.bytes) << c.frequency;
    }
    std::int16_t f = 440, v = 40, d = 100;
    s.link.BrickBeep(f, v, d);
    EXPECT_EQ(v, 32);
    EXPECT_EQ(s.received(n, 6), (Bytes{0x04, 0x04, 0x00, 0x2C, 0x8E, 0x8E}));
    ASSERT_TRUE(s.brick.lastTone());
    EXPECT_EQ(s.brick.lastTone()->periodsLow, 0x2C);
}

TEST(BrickLink, IdentifyDecoding)
{
    auto identify = [](std::uint8_t model, std::uint8_t variant) {
        SimulatedSetup s({.modelCode = model, .variantCode = variant});
        s.link.brickMemorySize = 7;
        const bool ok = s.link.IdentifyBrick();
        return std::tuple(ok, s.link.brickName, s.link.brickMemorySize);
    };
    EXPECT_EQ(identify(0x20, 1), std::tuple(true, std::string("J2-A2 (Azul Cristal)"), 255));
    EXPECT_EQ(identify(0x40, 3), std::tuple(true, std::string("J3-A4 (Rojo Opaco)"), 7));
    EXPECT_EQ(identify(0x30, 6), std::tuple(true, std::string("J?\?-A? (Desconocido)"), 7));
    EXPECT_EQ(identify(0x10, 2), std::tuple(true, std::string("JX-A3 (Amarillo Cristal)"), 255));

    // No reply: not a brick (and not an all-zero "J??-A1").
    SimulatedSetup silent({.noReplyFromCommand = 1});
    silent.link.brickMemorySize = 7;
    EXPECT_FALSE(silent.link.IdentifyBrick());
    EXPECT_EQ(silent.link.brickName, "");
    EXPECT_EQ(silent.link.brickMemorySize, 7);
    EXPECT_FALSE(silent.link.brickConnected());
    EXPECT_EQ(silent.panels, (std::vector<std::string>{"1:USB", "2:Ladrillo: Ninguno"}));

    SimulatedSetup noOutput({.outputReportLength = 0});
    EXPECT_FALSE(noOutput.link.IdentifyBrick());
    EXPECT_FALSE(noOutput.brick.isOpen()); // opened, then closed again: a device that takes no commands
    EXPECT_TRUE(noOutput.brick.receivedReports().empty());

    SimulatedSetup absent({.attached = false});
    EXPECT_FALSE(absent.link.IdentifyBrick());
    EXPECT_TRUE(absent.brick.receivedReports().empty());

    // Identify again while connected: no command at all.
    SimulatedSetup twice;
    ASSERT_TRUE(twice.link.IdentifyBrick());
    const auto t = twice.clock.nowUs();
    EXPECT_TRUE(twice.link.IdentifyBrick());
    EXPECT_EQ(twice.clock.nowUs(), t);
    EXPECT_EQ(twice.brick.receivedReports().size(), 1u);
}

TEST(BrickLink, Downloads)
{
    std::vector<std::uint8_t> image(300);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = std::uint8_t(i * 3 + 1);
    for (int length : {1, 4, 5, 255, 256}) {
        SimulatedSetup s;
        ASSERT_TRUE(s.link.IdentifyBrick());
        int size = length;
        s.link.SendProgramImage(size, image);
        s.link.FinishDownload();
        EXPECT_EQ(size, length & 255);
        const std::size_t blocks = std::max<std::size_t>(1, std::size_t((size + 3) / 4));
        ASSERT_EQ(s.brick.receivedReports().size(), 1 + blocks + 1) << length;
        for (std::size_t b = 0; b < blocks; ++b) {
            const auto a = std::uint8_t(4 * b);
            EXPECT_EQ(s.received(1 + b, 8), (Bytes{0x01, 0x00, a, 0x00, image[a], image[a + 1u], image[a + 2u], image[a + 3u]}));
        }
        // The end of download keeps the last block's data bytes after its own four.
        const auto end = s.received(1 + blocks, 8);
        EXPECT_EQ(Bytes(end.begin(), end.begin() + 4), (Bytes{0x01, 0x00, 0x00, 0x01}));
        const auto last = s.received(blocks, 8);
        EXPECT_EQ(Bytes(end.begin() + 4, end.end()), Bytes(last.begin() + 4, last.end()));
        for (int i = 0; i < size; ++i)
            EXPECT_EQ(s.brick.programMemory()[std::size_t(i)], image[std::size_t(i)]);
        EXPECT_EQ(s.brick.downloadsFinished(), 1);
    }
}

// A single block, as the build window sends one per step: zeros past the image's end, and false
// once the link has closed itself.
TEST(BrickLink, OneBlockAtATime)
{
    SimulatedSetup s({.noReplyFromCommand = 3});
    ASSERT_TRUE(s.link.IdentifyBrick());
    const std::vector<std::uint8_t> image = {1, 2, 3, 4, 5, 6};
    EXPECT_TRUE(s.link.SendProgramBlock(4, image));
    EXPECT_EQ(s.received(1, 8), (Bytes{0x01, 0x00, 4, 0x00, 5, 6, 0, 0}));
    EXPECT_FALSE(s.link.SendProgramBlock(0, image)); // no reply: the link closes
    EXPECT_FALSE(s.link.SendProgramBlock(0, image));
    EXPECT_EQ(s.brick.receivedReports().size(), 3u);
}

TEST(BrickLink, RunTwice)
{
    SimulatedSetup s;
    ASSERT_TRUE(s.link.IdentifyBrick());
    EXPECT_TRUE(s.link.RunBrickProgram());
    EXPECT_TRUE(s.brick.running());
    EXPECT_FALSE(s.link.brickConnected());
    EXPECT_FALSE(s.link.RunBrickProgram());
    EXPECT_EQ(s.brick.receivedReports().size(), 2u);
    EXPECT_EQ(s.received(1, 2), (Bytes{0x08, 0x02}));
}

TEST(BrickLink, TimeoutClosesTheLinkAndRefusesLaterWrites)
{
    SimulatedSetup s({.noReplyFromCommand = 2});
    ASSERT_TRUE(s.link.IdentifyBrick());
    const auto before = s.clock.nowUs();
    EXPECT_TRUE(s.link.SetBrickLeds(1)); // attempted: the result says nothing of the reply
    EXPECT_EQ(s.clock.nowUs() - before, (7 + 500) * 1000);
    EXPECT_FALSE(s.link.brickConnected());
    EXPECT_FALSE(s.link.usb().deviceDetected);
    EXPECT_EQ(s.panels.back(), "2:Ladrillo: Ninguno");
    EXPECT_EQ(s.tools, (std::vector<bool>{false}));
    EXPECT_EQ(s.link.usb().inputBuffer[0], 0);
    EXPECT_FALSE(s.link.SetBrickMotors(0x48));
    EXPECT_FALSE(s.link.usb().WriteReport());
    EXPECT_FALSE(s.link.usb().ReadReport(500));
    EXPECT_EQ(s.link.ReadLightSensor(), 0);
    EXPECT_EQ(s.brick.receivedReports().size(), 2u);
}

TEST(BrickLink, TrailingBytesOfALongerCommandStay)
{
    SimulatedSetup s;
    ASSERT_TRUE(s.link.IdentifyBrick());
    std::vector<std::uint8_t> image = {9, 8, 7, 6};
    int size = 4;
    s.link.SendProgramImage(size, image);
    s.link.SetBrickLeds(3);
    EXPECT_EQ(s.received(2, 8), (Bytes{0x04, 0x01, 3, 0x00, 9, 8, 7, 6}));
}

TEST(BrickLink, LeftoverRepliesAreDrained)
{
    // A brick that answers the tone command: its answer must not become the light level.
    SimulatedSetup s({.answersTone = true});
    ASSERT_TRUE(s.link.IdentifyBrick());
    s.brick.setLightLevel(77);
    std::int16_t f = 1000, v = 32, d = 100;
    s.link.BrickBeep(f, v, d);
    EXPECT_EQ(s.link.ReadLightSensor(), 77);

    // A reply that came after its time-out is still waiting when the next connection starts.
    SimulatedSetup late({.lateReplyCommand = 2, .lateReplyMs = 600});
    ASSERT_TRUE(late.link.IdentifyBrick());
    late.brick.setLightLevel(200);
    EXPECT_EQ(late.link.ReadLightSensor(), 0); // timed out: link closed
    EXPECT_FALSE(late.link.brickConnected());
    late.brick.setLightLevel(31);
    late.brick.setInfrared(true);
    ASSERT_TRUE(late.link.IdentifyBrick());
    EXPECT_EQ(late.link.brickName, "J2-A1 (Rojo Cristal)");
    EXPECT_EQ(late.link.ReadLightSensor(), 31);
    EXPECT_EQ(late.link.ReadIrState(), 1);
}

TEST(BrickLink, ACommandDuringAnotherWaitNeverTakesItsReply)
{
    ManualClock clock;
    SimulatedBrick brick(clock);
    int nestedTries = 0;
    bool nestedResult = true;
    bool armed = false;
    BrickLink* self = nullptr;
    BrickLink link(brick, clock, {}, [&] {
        // A click handled while the light-level exchange waits.
        if (armed && self->busy() && nestedTries++ == 0)
            nestedResult = self->SetBrickLeds(7);
    });
    self = &link;
    ASSERT_TRUE(link.IdentifyBrick());
    armed = true;
    brick.setLightLevel(123);
    EXPECT_EQ(link.ReadLightSensor(), 123);
    EXPECT_GE(nestedTries, 1);
    EXPECT_FALSE(nestedResult);
    EXPECT_EQ(brick.leds(), 0); // never sent
    EXPECT_EQ(link.SetBrickLeds(7), true); // once the exchange is over, it goes out
    EXPECT_EQ(brick.leds(), 7);
}

TEST(BrickLink, UnplugDuringADownload)
{
    SimulatedSetup s({.unplugAtBlock = 10});
    ASSERT_TRUE(s.link.IdentifyBrick());
    std::vector<std::uint8_t> image(255, 0x55);
    int size = 255;
    const auto before = s.clock.nowUs();
    s.link.SendProgramImage(size, image);
    s.link.FinishDownload();
    EXPECT_LT(s.clock.nowUs() - before, 1'000'000); // no hang: the rest is not written
    EXPECT_FALSE(s.link.brickConnected());
    EXPECT_FALSE(s.link.usb().deviceDetected);
    EXPECT_EQ(s.panels.back(), "2:Ladrillo: Ninguno");
    EXPECT_EQ(s.brick.receivedReports().size(), 1u + 10u);
}

TEST(BrickLink, ConnectAndDisconnect)
{
    SimulatedSetup s({.variantCode = 2});
    std::vector<std::string> labels;
    std::vector<std::pair<int, int>> bars;
    ConnectProgress progress{[&](const Text& l) { labels.push_back(l.spanish()); },
                             [&](int v, int m) { bars.emplace_back(v, m); }};
    EXPECT_TRUE(s.link.ToggleBrickConnection(4, progress));
    EXPECT_EQ(labels, (std::vector<std::string>{"Conectando........", "Conexion Exitosa!  : J2-A3 (Amarillo Cristal)"}));
    EXPECT_EQ(bars, (std::vector<std::pair<int, int>>{{0, 4}, {4, 4}}));
    EXPECT_TRUE(s.link.brickConnected());
    EXPECT_EQ(s.clock.nowUs(), (300 + 7 + 800) * 1000); // the reply came within the 7 ms

    labels.clear();
    bars.clear();
    EXPECT_FALSE(s.link.ToggleBrickConnection(4, progress));
    EXPECT_EQ(labels, (std::vector<std::string>{"Desconectando........"}));
    EXPECT_EQ(bars, (std::vector<std::pair<int, int>>{{5, 10}, {10, 10}}));
    EXPECT_EQ(s.received(1, 2), (Bytes{0x08, 0x04}));
    EXPECT_FALSE(s.link.brickConnected());

    SimulatedSetup none({.attached = false});
    labels.clear();
    EXPECT_FALSE(none.link.ToggleBrickConnection(4, progress));
    EXPECT_EQ(labels.back(), "Conexion Fallida: Verifique la conexion!");
    EXPECT_EQ(none.clock.nowUs(), 1600 * 1000);
}

TEST(BrickLink, GuardsWhenNotConnected)
{
    SimulatedSetup s;
    std::int16_t f = 50, v = 40, d = 100;
    EXPECT_FALSE(s.link.BrickBeep(f, v, d));
    EXPECT_EQ(f, 100); // the tone bytes are computed in any case
    EXPECT_FALSE(s.link.SetBrickLeds(1));
    EXPECT_FALSE(s.link.SetBrickMotors(1));
    EXPECT_FALSE(s.link.SetFrontLight(1));
    EXPECT_FALSE(s.link.RunBrickProgram());
    EXPECT_FALSE(s.link.TurnOffBrick());
    EXPECT_EQ(s.link.ReadLightSensor(), 0);
    EXPECT_EQ(s.link.ReadIrState(), 0);
    EXPECT_TRUE(s.brick.receivedReports().empty());
}

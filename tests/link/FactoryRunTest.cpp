#include "ToolsTestSupport.h"
#include "link/FactoryTest.h"

using namespace tarvel;
using namespace testsupport;

namespace {

// A bench operator: answers each question with the next of `keys` (Enter when they run out).
struct Bench : SimulatedSetup {
    explicit Bench(SimulatedBrickConfig config = {}, int attempts = kFactoryConnectAttempts)
        : SimulatedSetup(config)
        , test(attempts)
    {
        test.load();
    }
    void run(std::vector<int> keys = {}, const std::function<void(int question)>& asked = {})
    {
        test.begin("01/02/24");
        int question = 0;
        for (int guard = 0; guard < 10000; ++guard) {
            const FactoryWait w = test.advance(link, events());
            if (w.kind == FactoryWait::Kind::Finished)
                return;
            if (w.kind == FactoryWait::Kind::Time) {
                clock.sleepUntilUs(clock.nowUs() + w.ms * 1000);
                continue;
            }
            if (asked)
                asked(question);
            test.keyDown(std::size_t(question) < keys.size() ? keys[std::size_t(question)] : kEnterKey);
            ++question;
        }
        ADD_FAILURE() << "the test never ended";
    }
    // Data bytes of every report after the identify exchange, as far as `count` bytes.
    std::vector<Bytes> commands(std::size_t count = 3) const
    {
        std::vector<Bytes> out;
        for (std::size_t i = 1; i < brick.receivedReports().size(); ++i)
            out.push_back(received(i, count));
        return out;
    }
    FactoryTest test;
};

const std::string kHeader = "Reporte J2-USB:  1 - 01/02/24\r\nUSB: ";

} // namespace

TEST(Factory, AGoodBrickPasses)
{
    Bench b;
    b.brick.setLightLevel(30);
    b.brick.setFrontLightReflection(140);
    b.brick.setInfrared(false); // the operator presses a key of the remote control
    b.run();
    EXPECT_EQ(b.test.view().report, kHeader + "OK\r\nLEDS: OK\r\nPARLANTE: OK\r\nMOTORES: OK, OK, OK, OK\r\n"
                                              "FLED+LDR:  30  170 OK\r\nIR: OK\r\nReporte Terminado\r\n\r\n");
    EXPECT_EQ(b.test.view().tested, 1);
    EXPECT_FALSE(b.test.running());
    EXPECT_EQ(b.test.view().help, "Fin del test: Desconecte el cable USB");
    EXPECT_EQ(b.commands(), (std::vector<Bytes>{{0x04, 0x08, 0},    {0x04, 0x02, 0},    {0x04, 0x01, 7},
                                                {0x04, 0x01, 0},    {0x04, 0x04, 0x01}, {0x04, 0x02, 0x40},
                                                {0x04, 0x02, 0},    {0x04, 0x02, 0x80}, {0x04, 0x02, 0},
                                                {0x04, 0x02, 0x08}, {0x04, 0x02, 0},    {0x04, 0x02, 0x20},
                                                {0x04, 0x02, 0},    {0x04, 0x00, 0x00}, {0x04, 0x00, 0x00},
                                                {0x04, 0x08, 1},    {0x04, 0x00, 0x01}, {0x04, 0x00, 0x01},
                                                {0x04, 0x08, 0},    {0x04, 0x00, 0x00}, {0x04, 0x02, 0}}));
    // The beep: 1000 Hz for 300 ms at volume 100, played at 32.
    EXPECT_EQ(b.received(5, 6), (Bytes{0x04, 0x04, 0x01, 0x2C, 0x3F, 0x3E}));
    // The light reading waits a second after the front light goes on.
    const auto& t = b.brick.receivedTimesUs();
    EXPECT_EQ(t[17] - t[16], 1'000'000 + 7000);
    EXPECT_EQ(b.panels.back(), "2:Ladrillo: J2-A1 (Rojo Cristal)");
    EXPECT_EQ(b.tools, (std::vector<bool>{true}));
    EXPECT_FALSE(b.link.brickConnected()); // closed at the end, without the release command
    EXPECT_EQ(b.test.reportFileText(), b.test.view().report + "\r\n");
}

TEST(Factory, EachStepCanFail)
{
    struct Case {
        const char* name;
        std::vector<int> keys;
        int light, reflection;
        bool infrared;
        std::string report;
    };
    const std::string end = "Reporte Terminado\r\n\r\n";
    const Case cases[] = {
        {"leds", {27}, 30, 140, false, "OK\r\nLEDS: FALLA\r\n"},
        {"speaker", {13, 'X'}, 30, 140, false, "OK\r\nLEDS: OK\r\nPARLANTE: FALLA\r\n"},
        {"left forward", {13, 13, 32}, 30, 140, false, "OK\r\nLEDS: OK\r\nPARLANTE: OK\r\nMOTORES: FALLA \r\n"},
        {"right backward",
         {13, 13, 13, 13, 13, 9},
         30,
         140,
         false,
         "OK\r\nLEDS: OK\r\nPARLANTE: OK\r\nMOTORES: OK, OK, OK, FALLA\r\n"},
        {"bench too bright", {}, 110, 140, false, "OK\r\nLEDS: OK\r\nPARLANTE: OK\r\nMOTORES: OK, OK, OK, OK\r\n"
                                                  "FLED+LDR:  110 FALLA\r\n"},
        {"front light too weak", {}, 0, 80, false, "OK\r\nLEDS: OK\r\nPARLANTE: OK\r\nMOTORES: OK, OK, OK, OK\r\n"
                                                   "FLED+LDR:  0  80 FALLA\r\n"},
        {"no remote signal", {}, 0, 81, true, "OK\r\nLEDS: OK\r\nPARLANTE: OK\r\nMOTORES: OK, OK, OK, OK\r\n"
                                              "FLED+LDR:  0  81 OK\r\nIR: FALLA\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.brick.setLightLevel(std::uint8_t(c.light));
        b.brick.setFrontLightReflection(std::uint8_t(c.reflection));
        b.brick.setInfrared(c.infrared);
        b.run(c.keys);
        EXPECT_EQ(b.test.view().report, kHeader + c.report + end);
        EXPECT_EQ(b.brick.motors(), 0); // every run ends with the motors stopped
        EXPECT_FALSE(b.link.brickConnected());
        EXPECT_FALSE(b.test.running());
    }
}

TEST(Factory, DetailsOfTheFailures)
{
    // The loudspeaker fails: no motor is driven.
    Bench speaker;
    speaker.run({13, 'N'});
    for (const Bytes& c : speaker.commands()) {
        if (c[0] == 0x04 && c[1] == 0x02) {
            EXPECT_EQ(c[2], 0);
        }
    }

    // A bright bench fails without switching the front light on.
    Bench bright;
    bright.brick.setLightLevel(110);
    bright.run();
    const auto sent = bright.commands();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), Bytes{0x04, 0x08, 1}), 0);

    // Without a remote signal the receiver is read 400 times.
    Bench silent;
    silent.brick.setInfrared(true);
    silent.run();
    const auto commands = silent.commands(2);
    EXPECT_EQ(std::count(commands.begin(), commands.end(), Bytes{0x04, 0x00}), 4 + kFactoryInfraredReads);
}

TEST(Factory, NoBrickEndsWithFallo)
{
    Bench b({.attached = false}, 3);
    b.run();
    EXPECT_EQ(b.test.view().report, kHeader + "FALLO\r\nReporte Terminado\r\n\r\n");
    EXPECT_EQ(b.clock.nowUs(), 3 * (1600 + 50) * 1000 + 15000); // three tries, then the end
    EXPECT_TRUE(b.tools.empty());
}

TEST(Factory, EveryQuestionWaitsForItsOwnKey)
{
    // Keys pressed before a question is asked do not answer it, and an Enter answers one question.
    Bench b;
    b.test.begin("hoy");
    int questions = 0;
    for (FactoryWait w; (w = b.test.advance(b.link, b.events())).kind != FactoryWait::Kind::Finished;) {
        if (w.kind == FactoryWait::Kind::Time) {
            b.test.keyDown('Z');
            b.clock.sleepUntilUs(b.clock.nowUs() + w.ms * 1000);
            continue;
        }
        ++questions;
        b.test.keyDown(kEnterKey);
    }
    EXPECT_EQ(questions, 6); // LEDs, loudspeaker and the four motor movements
    EXPECT_NE(b.test.view().report.find("MOTORES: OK, OK, OK, OK\r\n"), std::string::npos);
}

TEST(Factory, ClosingTheWindowEndsTheRun)
{
    Bench b;
    b.test.begin("hoy");
    FactoryWait w;
    while ((w = b.test.advance(b.link, b.events())).kind == FactoryWait::Kind::Time)
        b.clock.sleepUntilUs(b.clock.nowUs() + w.ms * 1000);
    ASSERT_EQ(w.kind, FactoryWait::Kind::Key); // the LEDs question
    b.test.abort();
    while ((w = b.test.advance(b.link, b.events())).kind != FactoryWait::Kind::Finished)
        b.clock.sleepUntilUs(b.clock.nowUs() + w.ms * 1000);
    EXPECT_EQ(b.test.view().report, "Reporte J2-USB:  1 - hoy\r\nUSB: OK\r\nLEDS: Reporte Terminado\r\n\r\n");
    EXPECT_EQ(b.commands().back(), (Bytes{0x04, 0x02, 0}));
    EXPECT_FALSE(b.link.brickConnected());

    // The next run starts afresh and counts the second brick.
    b.run();
    EXPECT_NE(b.test.view().report.find("Reporte J2-USB:  2 - 01/02/24\r\nUSB: OK\r\nLEDS: OK"), std::string::npos);
}

TEST(Factory, UnpluggedInTheMiddle)
{
    Bench b;
    b.run({}, [&](int question) {
        if (question == 2)
            b.brick.plug(false); // during the motors
    });
    const std::string& r = b.test.view().report;
    EXPECT_NE(r.find("FLED+LDR:  0  0 FALLA\r\nReporte Terminado"), std::string::npos) << r;
    EXPECT_EQ(b.panels.back(), "2:Ladrillo: Ninguno");
    EXPECT_FALSE(b.test.running());
}

TEST(Factory, CounterReportAndFileName)
{
    Bench b;
    b.run();
    b.run();
    EXPECT_EQ(b.test.view().tested, 2);
    b.test.clearReport();
    EXPECT_EQ(b.test.view().report, "");
    EXPECT_EQ(b.test.view().tested, 2);
    b.test.clearCounter();
    EXPECT_EQ(b.test.view().tested, 0);
    b.test.load();
    EXPECT_EQ(b.test.view().help,
              "Instale el ladrillo en el banco de prueba, enciendalo y presione \"Iniciar Prueba\"");
    EXPECT_EQ(factoryReportFileName("Reporte_1"), "Reporte_1.txt");
    EXPECT_EQ(factoryReportFileName(""), "Reporte.txt");
}

#include "link/FactoryTest.h"

#include "model/NumberText.h"
#include "model/Text.h"

namespace tarvel {

namespace {

constexpr ToolColour kLedsOn = rgbColour(0xFF0000);
constexpr ToolColour kLedsOff = rgbColour(0x700000);
constexpr ToolColour kFrontLightOn = rgbColour(0x00FF00);
constexpr ToolColour kFrontLightOff = rgbColour(0x004000);

struct MotorStep {
    const char* help;
    const char* left;
    const char* right;
    std::uint8_t motorByte;
};
const MotorStep kMotorSteps[4] = {
    {QT_TRANSLATE_NOOP("core", "Presione ENTER si avanza el motor Izquierdo"), QT_TRANSLATE_NOOP("core", "Avanza"), QT_TRANSLATE_NOOP("core", "Apagado"), 0x40},
    {QT_TRANSLATE_NOOP("core", "Presione ENTER si retrocede el motor Izquierdo"), QT_TRANSLATE_NOOP("core", "Retrocede"), QT_TRANSLATE_NOOP("core", "Apagado"), 0x80},
    {QT_TRANSLATE_NOOP("core", "Presione ENTER si avanza el motor Derecho"), QT_TRANSLATE_NOOP("core", "Apagado"), QT_TRANSLATE_NOOP("core", "Avanza"), 0x08},
    {QT_TRANSLATE_NOOP("core", "Presione ENTER si retrocede el motor Derecho"), QT_TRANSLATE_NOOP("core", "Apagado"), QT_TRANSLATE_NOOP("core", "Retrocede"), 0x20},
};

} // namespace

void FactoryTest::load()
{
    const Step step = step_;
    view_ = FactoryView{};
    step_ = step;
}

void FactoryTest::begin(const std::string& date)
{
    if (running())
        return;
    ++view_.tested;
    abort_ = false;
    attempts_ = 0;
    lastKey_ = 0;
    append("Reporte J2-USB: " + signedNumber(view_.tested) + " - " + date + "\r\nUSB: ");
    view_.help = QT_TRANSLATE_NOOP("core", "Conectando con el Ladrillo....");
    step_ = Step::Connect;
}

FactoryWait FactoryTest::wait(Step next, int ms)
{
    step_ = next;
    return {FactoryWait::Kind::Time, ms};
}

FactoryWait FactoryTest::waitKey(Step next)
{
    // A key counts only once its question is asked: a key pressed earlier would answer it unseen.
    lastKey_ = 0;
    waitingForKey_ = true;
    step_ = next;
    return {FactoryWait::Kind::Key, 0};
}

void FactoryTest::fail(const std::string& text)
{
    append(text);
    step_ = Step::End;
}

FactoryWait FactoryTest::advance(BrickLink& link, const LinkEvents& mainWindow)
{
    while (true) {
        if (abort_ && step_ < Step::End)
            step_ = Step::End;
        if (waitingForKey_) {
            if (lastKey_ == 0 && step_ < Step::End)
                return {FactoryWait::Kind::Key, 0};
            waitingForKey_ = false;
        }
        switch (step_) {
        case Step::Idle: return {};

        case Step::Connect:
            connected_ = link.ToggleBrickConnection(4);
            return wait(Step::Connected, 50);
        case Step::Connected:
            if (!connected_) {
                if (++attempts_ >= connectAttempts_) {
                    fail("FALLO\r\n");
                    continue;
                }
                step_ = Step::Connect;
                continue;
            }
            append("OK\r\n");
            if (mainWindow.statusPanel) {
                mainWindow.statusPanel(StatusPanel::Port, Text::literal("USB"));
                mainWindow.statusPanel(StatusPanel::Brick, Text(QT_TRANSLATE_NOOP("core", "Ladrillo: %1")).arg(link.brickName));
            }
            if (mainWindow.connectTool)
                mainWindow.connectTool(true);
            return wait(Step::FrontLightOff, 15);
        case Step::FrontLightOff:
            link.SetFrontLight(0);
            return wait(Step::MotorsOff, 15);
        case Step::MotorsOff:
            link.SetBrickMotors(0);
            step_ = Step::Leds;
            continue;

        case Step::Leds:
            view_.leds = kLedsOn;
            append("LEDS: ");
            view_.help = QT_TRANSLATE_NOOP("core", "Presione ENTER si ambos LEDS encienden, Sino presione cualquier otra tecla");
            link.SetBrickLeds(7);
            return waitKey(Step::LedsKey);
        case Step::LedsKey:
            if (lastKey_ != kEnterKey) {
                fail("FALLA\r\n");
                continue;
            }
            append("OK\r\n");
            view_.leds = kLedsOff;
            link.SetBrickLeds(0);
            step_ = Step::Speaker;
            continue;

        case Step::Speaker:
            append("PARLANTE: ");
            view_.help = QT_TRANSLATE_NOOP("core", "Presione ENTER si escucho el bip");
            return wait(Step::SpeakerBeep, 10);
        case Step::SpeakerBeep: {
            std::int16_t frequency = 1000, volume = 100, duration = 300; // played at volume 32
            link.BrickBeep(frequency, volume, duration);
            return waitKey(Step::SpeakerKey);
        }
        case Step::SpeakerKey:
            if (lastKey_ != kEnterKey) {
                fail("FALLA\r\n");
                continue;
            }
            append("OK\r\nMOTORES: ");
            motor_ = 0;
            step_ = Step::Motor;
            continue;

        case Step::Motor: {
            const MotorStep& m = kMotorSteps[motor_];
            view_.help = m.help;
            view_.leftMotor = m.left;
            view_.rightMotor = m.right;
            // The first motor starts from a standstill; the others stop the previous one first.
            return wait(motor_ == 0 ? Step::MotorDrive : Step::MotorStop, 15);
        }
        case Step::MotorStop:
            link.SetBrickMotors(0);
            return wait(Step::MotorDrive, 15);
        case Step::MotorDrive:
            link.SetBrickMotors(kMotorSteps[motor_].motorByte);
            return waitKey(Step::MotorKey);
        case Step::MotorKey:
            if (lastKey_ != kEnterKey) {
                fail(motor_ < 3 ? "FALLA \r\n" : "FALLA\r\n");
                continue;
            }
            if (++motor_ < 4) {
                append("OK, ");
                step_ = Step::Motor;
                continue;
            }
            append("OK\r\n");
            view_.leftMotor = view_.rightMotor = QT_TRANSLATE_NOOP("core", "Apagado");
            return wait(Step::MotorsDone, 15);
        case Step::MotorsDone:
            link.SetBrickMotors(0);
            append("FLED+LDR: ");
            return wait(Step::DarkFirst, 100);

        case Step::DarkFirst:
            link.ReadLightSensor(); // the first reading after a change is not trusted
            return wait(Step::DarkSecond, 10);
        case Step::DarkSecond:
            dark_ = link.ReadLightSensor();
            append(signedNumber(dark_) + " ");
            if (dark_ > kFactoryDarkMaximum) {
                fail("FALLA\r\n");
                continue;
            }
            view_.frontLight = kFrontLightOn;
            link.SetFrontLight(1);
            return wait(Step::LitFirst, 1000);
        case Step::LitFirst:
            link.ReadLightSensor();
            return wait(Step::LitSecond, 10);
        case Step::LitSecond: {
            const int lit = link.ReadLightSensor();
            append(signedNumber(lit) + " ");
            if (lit - dark_ <= kFactoryLightGain) {
                fail("FALLA\r\n");
                continue;
            }
            append("OK\r\n");
            link.SetFrontLight(0);
            view_.frontLight = kFrontLightOff;
            step_ = Step::Infrared;
            continue;
        }

        case Step::Infrared:
            append("IR: ");
            view_.help = QT_TRANSLATE_NOOP("core", "Presione cualquier tecla del control remoto");
            infraredReads_ = 0;
            infraredSeen_ = false;
            return wait(Step::InfraredRead, 50);
        case Step::InfraredRead:
            // Without a brick the reading is 0 too: that is no signal.
            infraredSeen_ = link.ReadIrState() == 0 && link.brickConnected();
            ++infraredReads_;
            return wait(infraredSeen_ || infraredReads_ >= kFactoryInfraredReads ? Step::InfraredDone
                                                                                  : Step::InfraredRead,
                        1);
        case Step::InfraredDone:
            append(infraredSeen_ ? "OK\r\n" : "FALLA\r\n");
            return wait(Step::End, 15);

        case Step::End:
            append("Reporte Terminado\r\n\r\n");
            view_.leftMotor = view_.rightMotor = QT_TRANSLATE_NOOP("core", "Apagado");
            view_.help = QT_TRANSLATE_NOOP("core", "Fin del test: Desconecte el cable USB");
            view_.frontLight = kFrontLightOff;
            return wait(Step::EndStop, 15);
        case Step::EndStop: {
            link.SetBrickMotors(0);
            const bool wasConnected = link.brickConnected();
            link.usb().CloseBrick(); // no release command, and the status bar stays as it is
            if (wasConnected)
                return wait(Step::Finish, 30);
            step_ = Step::Finish;
            continue;
        }
        case Step::Finish:
            step_ = Step::Idle;
            abort_ = false;
            return {};
        }
    }
}

std::string factoryReportFileName(const std::string& listName)
{
    return (listName.empty() ? std::string("Reporte") : listName) + ".txt";
}

} // namespace tarvel

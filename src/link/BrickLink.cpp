#include "link/BrickLink.h"

#include "model/Text.h"

namespace tarvel {

namespace {
constexpr int kReplyTimeoutMs = 500;
constexpr int kCommandDelayMs = 7;
constexpr int kEndOfDownloadDelayMs = 200;
} // namespace

BrickIdentity decodeIdentify(std::uint8_t byte0, std::uint8_t byte1)
{
    BrickIdentity id;
    id.infoByte = byte1;
    id.modelCode = byte0 & 0xF0;
    id.variantCode = byte0 & 0x0F;
    switch (id.modelCode) {
    case 0x20: id.name = "J2-"; break;
    case 0x40: id.name = "J3-"; break;
    case 0x10: id.name = "JX-"; break;
    default: id.name = "J?\?-"; break;
    }
    static const char* const variants[] = {"A1 (Rojo Cristal)", "A2 (Azul Cristal)", "A3 (Amarillo Cristal)",
                                           "A4 (Rojo Opaco)",   "A4 (Azul Opaco)",   "A4 (Amarillo Opaco)"};
    id.name += id.variantCode < 6 ? variants[id.variantCode] : "A? (Desconocido)";
    id.setsMemory = id.variantCode <= 2;
    return id;
}

BrickLink::BrickLink(BrickTransport& transport, LinkClock& clock, LinkEvents events, std::function<void()> pump)
    : usb_(transport, std::move(events))
    , clock_(clock)
    , pump_(std::move(pump))
{
}

void BrickLink::WaitMs(int ms)
{
    ++waiting_;
    tarvel::WaitMs(clock_, ms, pump_);
    --waiting_;
}

void BrickLink::status(StatusPanel panel, const Text& text)
{
    if (usb_.events().statusPanel)
        usb_.events().statusPanel(panel, text);
}

void BrickLink::setCommand(std::initializer_list<std::uint8_t> bytes)
{
    std::size_t i = 0;
    for (std::uint8_t b : bytes)
        usb_.outputBuffer[i++] = b; // bytes after the command keep what an earlier one left
}

bool BrickLink::BrickExchange(int delayMs)
{
    // One exchange at a time: a command started from an event that runs during this exchange's
    // wait would otherwise read this exchange's reply as its own.
    if (busy_)
        return false;
    busy_ = true;
    usb_.drainInput();
    usb_.WriteReport();
    WaitMs(delayMs);
    const bool result = usb_.ReadReport(kReplyTimeoutMs);
    busy_ = false;
    return result;
}

bool BrickLink::EnsureBrickOpen()
{
    return usb_.brickConnected || usb_.OpenBrick();
}

bool BrickLink::identifyExchange()
{
    setCommand({0x08, 0x01});
    if (!BrickExchange(kCommandDelayMs) || usb_.lastReadTimedOut)
        return false; // no reply is no brick, not an all-zero "J??-A1"
    const BrickIdentity id = decodeIdentify(usb_.inputBuffer[0], usb_.inputBuffer[1]);
    brickInfoByte = id.infoByte;
    brickModelCode = id.modelCode;
    brickVariantCode = id.variantCode;
    brickName = id.name;
    if (id.setsMemory)
        brickMemorySize = 255;
    return true;
}

bool BrickLink::IdentifyBrick()
{
    if (usb_.brickConnected)
        return true;
    status(StatusPanel::Port, Text::literal("USB"));
    usb_.brickConnected = EnsureBrickOpen();
    if (usb_.outputReportByteLength == 0) {
        usb_.brickConnected = false;
        usb_.CloseBrick();
    }
    bool result = false;
    if (usb_.brickConnected) {
        WaitMs(300);
        result = identifyExchange();
    }
    WaitMs(400);
    return result;
}

bool BrickLink::finalCommand(std::uint8_t command)
{
    if (!usb_.brickConnected || busy_)
        return false;
    setCommand({0x08, command});
    if (!BrickExchange(kCommandDelayMs))
        return false;
    usb_.CloseBrick(); // the brick leaves the link after these commands
    return true;
}

bool BrickLink::RunBrickProgram()
{
    return finalCommand(0x02);
}

bool BrickLink::TurnOffBrick()
{
    return finalCommand(0x03);
}

bool BrickLink::SendProgramBlock(int address, std::span<const std::uint8_t> image)
{
    auto at = [&](int i) -> std::uint8_t {
        return i >= 0 && i < int(image.size()) ? image[std::size_t(i)] : 0;
    };
    setCommand({0x01, 0x00, std::uint8_t(address), 0x00, at(address), at(address + 1), at(address + 2),
                at(address + 3)});
    BrickExchange(kCommandDelayMs);
    return usb_.deviceDetected;
}

void BrickLink::SendProgramImage(int& size, std::span<const std::uint8_t> image)
{
    size &= 0xFF;
    int address = 0;
    do {
        if (!SendProgramBlock(address, image))
            break; // a closed link writes nothing more
        address += 4;
    } while (address < size);
}

void BrickLink::FinishDownload()
{
    setCommand({0x01, 0x00, 0x00, 0x01});
    BrickExchange(kEndOfDownloadDelayMs);
}

bool BrickLink::SetBrickLeds(std::uint8_t mask)
{
    if (!usb_.brickConnected || busy_)
        return false;
    setCommand({0x04, 0x01, mask});
    return BrickExchange(kCommandDelayMs); // false only when another exchange is under way
}

bool BrickLink::SetBrickMotors(std::uint8_t code)
{
    if (!usb_.brickConnected || busy_)
        return false;
    setCommand({0x04, 0x02, code});
    return BrickExchange(kCommandDelayMs); // false only when another exchange is under way
}

bool BrickLink::SetFrontLight(std::uint8_t on)
{
    if (!usb_.brickConnected || busy_)
        return false;
    setCommand({0x04, 0x08, std::uint8_t(on & 1)});
    return BrickExchange(kCommandDelayMs); // false only when another exchange is under way
}

bool BrickLink::BrickBeep(std::int16_t& frequency, std::int16_t& volume, std::int16_t& durationMs)
{
    toneTiming(frequency, volume, durationMs, toneBytes);
    if (!usb_.brickConnected || busy_)
        return false;
    // The pause after the write belongs to the tone: no other command goes out during it.
    busy_ = true;
    usb_.drainInput();
    setCommand({0x04, 0x04, toneBytes.tonePeriodsHigh, toneBytes.tonePeriodsLow, toneBytes.toneLowTicks,
                toneBytes.toneHighTicks});
    usb_.WriteReport();
    WaitMs(kCommandDelayMs);
    busy_ = false;
    return true;
}

bool BrickLink::readInputs()
{
    // Refused while another exchange waits: its reply is not this command's to read.
    if (!usb_.brickConnected || busy_)
        return false;
    setCommand({0x04, 0x00});
    return BrickExchange(kCommandDelayMs);
}

std::uint8_t BrickLink::ReadLightSensor()
{
    return readInputs() ? usb_.inputBuffer[2] : 0;
}

std::uint8_t BrickLink::ReadIrState()
{
    return readInputs() && (usb_.inputBuffer[0] & 0x20) ? 1 : 0;
}

bool BrickLink::ToggleBrickConnection(int progressMax, const ConnectProgress& progress)
{
    auto label = [&](const Text& text) {
        if (progress.label)
            progress.label(text);
    };
    auto bar = [&](int value, int maximum) {
        if (progress.bar)
            progress.bar(value, maximum);
    };
    if (usb_.brickConnected) {
        setCommand({0x08, 0x04});
        bar(5, 10);
        label(QT_TRANSLATE_NOOP("core", "Desconectando........"));
        BrickExchange(kCommandDelayMs);
        usb_.CloseBrick();
        WaitMs(200);
        bar(10, 10);
        WaitMs(800);
        return false;
    }
    label(QT_TRANSLATE_NOOP("core", "Conectando........"));
    bar(0, progressMax);
    status(StatusPanel::Port, Text::literal("USB"));
    usb_.brickConnected = EnsureBrickOpen();
    if (usb_.outputReportByteLength == 0) {
        usb_.brickConnected = false;
        usb_.CloseBrick();
    }
    if (usb_.brickConnected) {
        WaitMs(300);
        if (identifyExchange()) {
            label(Text(QT_TRANSLATE_NOOP("core", "Conexion Exitosa!  : %1")).arg(brickName));
            bar(progressMax, progressMax);
            WaitMs(800);
            return true;
        }
        if (usb_.brickConnected)
            usb_.CloseBrick(); // not identified: no half-open link that the next toggle would release
    }
    label(QT_TRANSLATE_NOOP("core", "Conexion Fallida: Verifique la conexion!"));
    WaitMs(800);
    WaitMs(800);
    return false;
}

} // namespace tarvel

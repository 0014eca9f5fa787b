#include "link/MonitorSteering.h"

#include "model/Text.h"

#include <cmath>

namespace tarvel {

namespace {

int sign(double d)
{
    if (std::abs(d) <= kPadDeadZoneTwips)
        return 0;
    return d > 0 ? 1 : -1;
}

struct Direction {
    int sx, sy;
    const char* description;
    std::uint8_t motorByte;
};
const Direction kDirections[] = {
    {1, 0, QT_TRANSLATE_NOOP("core", "Ir Hacia La Derecha"), 0x08},          {1, -1, QT_TRANSLATE_NOOP("core", "Ir Hacia La Derecha-Adelante"), 0x08},
    {0, -1, QT_TRANSLATE_NOOP("core", "Ir Hacia Adelante"), 0x48},           {-1, -1, QT_TRANSLATE_NOOP("core", "Ir Hacia La Izquierda-Adelante"), 0x40},
    {-1, 0, QT_TRANSLATE_NOOP("core", "Ir Hacia La Izquierda"), 0x40},       {-1, 1, QT_TRANSLATE_NOOP("core", "Ir Hacia La Izquierda-Atras"), 0x80},
    {0, 1, QT_TRANSLATE_NOOP("core", "Ir Hacia Atras"), 0xA0},               {1, 1, QT_TRANSLATE_NOOP("core", "Ir Hacia La Derecha-Atras"), 0x20},
};

} // namespace

const std::vector<MonitorButtonText>& monitorButtons()
{
    static const std::vector<MonitorButtonText> buttons = {
        {MonitorButton::Up, "cmd_up", QT_TRANSLATE_NOOP("core", "Cursor Arriba (34d)"), 0x48},
        {MonitorButton::Down, "cmd_dn", QT_TRANSLATE_NOOP("core", "Cursor Abajo (38d)"), 0xA0},
        {MonitorButton::Left, "cmd_lf", QT_TRANSLATE_NOOP("core", "Cursor Izquierda (36d)"), 0x40},
        {MonitorButton::Right, "cmd_rg", QT_TRANSLATE_NOOP("core", "Cursor Derecha (32d)"), 0x08},
        {MonitorButton::Stop, "cmd_stop", QT_TRANSLATE_NOOP("core", "Detener (40d)"), 0x00},
    };
    return buttons;
}

std::uint8_t monitorButtonByte(MonitorButton button)
{
    for (const auto& b : monitorButtons())
        if (b.button == button)
            return b.motorByte;
    return 0;
}

void MonitorPad::moved(double xTwips, double yTwips)
{
    mouseX = xTwips;
    mouseY = yTwips;
    countdown = 2;
    padLeft = false;
}

void MonitorPad::clicked()
{
    description = QT_TRANSLATE_NOOP("core", "Detenido");
}

std::optional<std::uint8_t> MonitorPad::doubleClicked()
{
    if (running) {
        pause = QT_TRANSLATE_NOOP("core", "Pausa");
        running = false;
        return 0x00;
    }
    pause = QT_TRANSLATE_NOOP("core", "Corriendo");
    running = true;
    return std::nullopt;
}

std::optional<std::uint8_t> MonitorPad::left(bool keepRunning)
{
    if (padLeft)
        return std::nullopt;
    padLeft = true;
    if (keepRunning)
        return std::nullopt;
    return 0x00;
}

std::optional<std::uint8_t> MonitorPad::tick()
{
    previousX = currentX;
    previousY = currentY;
    currentX = mouseX;
    currentY = mouseY;
    if (countdown <= 0) {
        // The mouse rests: stop once.
        if (description == QT_TRANSLATE_NOOP("core", "Detenido"))
            return std::nullopt;
        description = QT_TRANSLATE_NOOP("core", "Detenido");
        return 0x00;
    }
    --countdown;
    const int sx = sign(currentX - previousX);
    const int sy = sign(currentY - previousY);
    for (const Direction& d : kDirections) {
        if (d.sx == sx && d.sy == sy) {
            description = d.description;
            return d.motorByte;
        }
    }
    return std::nullopt; // no movement worth a command
}

std::string monitorWarningText()
{
    std::string text = "Para utilizar esta aplicacion primero deberas cargar en el "
                       "e-Tovan un programa de comunicacion, en ejemplos del manual encontraras dos:\r\n\r\n";
    const auto& examples = monitorWarningExamples();
    for (std::size_t i = 0; i < examples.size(); ++i)
        text += (i ? "\r\n- " : "- ") + examples[i];
    return text;
}

const std::vector<std::string>& monitorWarningExamples()
{
    static const std::vector<std::string> examples = {QT_TRANSLATE_NOOP("core", "Medir nivel de luz"), QT_TRANSLATE_NOOP("core", "Controlar motores desde PC")};
    return examples;
}

} // namespace tarvel

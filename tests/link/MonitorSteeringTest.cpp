#include "link/MonitorSteering.h"

#include <gtest/gtest.h>

using namespace tarvel;
using Byte = std::optional<std::uint8_t>;

TEST(Monitor, ButtonBytesAndTips)
{
    EXPECT_EQ(monitorButtonByte(MonitorButton::Up), 0x48);
    EXPECT_EQ(monitorButtonByte(MonitorButton::Down), 0xA0);
    EXPECT_EQ(monitorButtonByte(MonitorButton::Left), 0x40);
    EXPECT_EQ(monitorButtonByte(MonitorButton::Right), 0x08);
    EXPECT_EQ(monitorButtonByte(MonitorButton::Stop), 0x00);
    EXPECT_STREQ(monitorButtons()[4].tooltip, "Detener (40d)");
}

TEST(Monitor, EveryDirectionOfThePad)
{
    struct Case {
        double dx, dy;
        const char* text;
        std::uint8_t motorByte;
    };
    const Case cases[] = {
        {300, 0, "Ir Hacia La Derecha", 0x08},       {300, -300, "Ir Hacia La Derecha-Adelante", 0x08},
        {0, -300, "Ir Hacia Adelante", 0x48},         {-300, -300, "Ir Hacia La Izquierda-Adelante", 0x40},
        {-300, 0, "Ir Hacia La Izquierda", 0x40},     {-300, 300, "Ir Hacia La Izquierda-Atras", 0x80},
        {0, 300, "Ir Hacia Atras", 0xA0},             {300, 300, "Ir Hacia La Derecha-Atras", 0x20},
        {101, 50, "Ir Hacia La Derecha", 0x08},
    };
    for (const Case& c : cases) {
        MonitorPad pad;
        pad.moved(1000, 1000);
        pad.tick();
        pad.moved(1000 + c.dx, 1000 + c.dy);
        EXPECT_EQ(pad.tick(), Byte(c.motorByte)) << c.text;
        EXPECT_EQ(pad.description, c.text);
    }
}

TEST(Monitor, SmallMovementsAndRestingMouse)
{
    MonitorPad pad;
    EXPECT_EQ(pad.tick(), std::nullopt); // nothing moved yet, already "Detenido"
    pad.moved(2000, 2000);
    pad.tick();
    pad.tick();
    EXPECT_EQ(pad.tick(), Byte(0x00));
    pad.moved(2080, 2000); // 80 twips: too small
    EXPECT_EQ(pad.tick(), std::nullopt);
    EXPECT_EQ(pad.description, "Detenido");

    pad.moved(2400, 2000);
    EXPECT_EQ(pad.tick(), Byte(0x08));
    EXPECT_EQ(pad.tick(), std::nullopt); // the second tick after the move: no movement since
    EXPECT_EQ(pad.description, "Ir Hacia La Derecha");
    EXPECT_EQ(pad.tick(), Byte(0x00)); // at rest: stop, once
    EXPECT_EQ(pad.description, "Detenido");
    EXPECT_EQ(pad.tick(), std::nullopt);

    // A click only says "Detenido"; the next rest then sends nothing.
    pad.moved(2400, 1000);
    EXPECT_EQ(pad.tick(), Byte(0x48));
    pad.clicked();
    pad.tick();
    EXPECT_EQ(pad.tick(), std::nullopt);
}

TEST(Monitor, PauseAndLeavingThePad)
{
    MonitorPad pad;
    EXPECT_EQ(pad.pause, "Activo");
    EXPECT_EQ(pad.doubleClicked(), Byte(0x00));
    EXPECT_EQ(pad.pause, "Pausa");
    EXPECT_EQ(pad.doubleClicked(), std::nullopt);
    EXPECT_EQ(pad.pause, "Corriendo");
    pad.doubleClicked();
    pad.moved(0, 0);
    pad.tick();
    pad.moved(0, -500);
    EXPECT_EQ(pad.tick(), Byte(0x48)); // a pause stops once; the pad drives again afterwards

    EXPECT_EQ(pad.left(false), Byte(0x00));
    EXPECT_EQ(pad.left(false), std::nullopt); // only the first time after a movement on the pad
    pad.moved(10, 10);
    EXPECT_EQ(pad.left(true), std::nullopt); // "Quenvar" keeps the motors running
    EXPECT_TRUE(pad.padLeft);
}

TEST(Monitor, WarningNamesTheTwoExamples)
{
    EXPECT_EQ(monitorWarningText(), "Para utilizar esta aplicacion primero deberas cargar en el e-Tovan un programa "
                                    "de comunicacion, en ejemplos del manual encontraras dos:\r\n\r\n"
                                    "- Medir nivel de luz\r\n- Controlar motores desde PC");
}

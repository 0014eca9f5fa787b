// The input, wait, output and motor dialogs: defaults, what each control makes, help lines and the
// sound dialog's ranges.
#include "DialogSupport.h"

#include "editing/InputDialogs.h"

#include <gtest/gtest.h>

using namespace tarvel;
using namespace testsupport;
using Action = DialogAccept::Action;

namespace {

class InputOutputDialogs : public ::testing::Test, public Dialogs { };

} // namespace

TEST_F(InputOutputDialogs, InputsReadIntoAVariableInTheirModes)
{
    DialogRules& light = fromPalette(2, 0);
    EXPECT_EQ(light.view.title, "Leer Entrada de Sensor de Luz");
    EXPECT_EQ(current(), element(12, 10, 10, 1));
    light.choose("icmbMode", 2);
    light.choose("icmbArgOne", 4);
    EXPECT_TRUE(current().is(12, 10, 11));
    EXPECT_EQ(current().arg1, 4);

    DialogRules& touch = fromPalette(2, 1);
    EXPECT_EQ(touch.controlIndex("icmbMode"), -1);
    EXPECT_TRUE(current().is(12, 11, 10));
    fromPalette(2, 4);
    EXPECT_TRUE(current().is(12, 14, 12));

    DialogRules& remote = modifying(element(12, 12, 12, 3));
    EXPECT_EQ(remote.view.title, "Leer Entrada de Control Remoto (Infrarrojo) [Modificar]");
    EXPECT_EQ(shown("icmbMode").selected, 2);
    EXPECT_EQ(shown("icmbArgOne").selected, 3);
    EXPECT_EQ(remote.controls()[1].items[1].picture, 21);
}

TEST_F(InputOutputDialogs, TimeWaitUnitsConstantAndHelpLine)
{
    DialogRules& d = fromPalette(3, 0);
    EXPECT_EQ(d.view.title, "Espera por Tiempo");
    EXPECT_EQ(current(), element(13, 10, 10, 1));
    EXPECT_EQ(shown("frmBaseTiempo").selected, 0);
    EXPECT_TRUE(d.view.constantVisible);
    EXPECT_EQ(d.view.quickHelp, "Demora = 1 Segundos");

    store.programSettings.motorSpin = 800;
    d.choose("frmBaseTiempo", 1);
    d.typeConstant("16");
    EXPECT_TRUE(current().is(13, 11, 10));
    EXPECT_EQ(current().arg1, 16);
    EXPECT_EQ(d.view.quickHelp, "Demora = 1,6 Segs.          (Angulo: 90\xB0)");
    store.programSettings.directionMode = 1;
    d.typeConstant("5");
    EXPECT_EQ(d.view.quickHelp, "Demora = 0,5 Segundos");
    d.choose("frmBaseTiempo", 2);
    EXPECT_EQ(current().subtype, 18);
    EXPECT_EQ(d.view.quickHelp, "Demora = 0,005 Segundos");

    // A variable hides the constant; the constant item brings the last constant back.
    d.choose("icmbArgOne", 3);
    EXPECT_FALSE(d.view.constantVisible);
    EXPECT_EQ(d.view.quickHelp, "Tiempo Definido por Variable");
    EXPECT_TRUE(current().is(13, 18, 11));
    EXPECT_EQ(current().arg1, 3);
    d.choose("icmbArgOne", 6);
    EXPECT_EQ(current().arg1, 5);
    EXPECT_EQ(d.view.constantLabel, " 5");

    DialogRules& old = modifying(element(13, 18, 10, 200));
    EXPECT_EQ(shown("frmBaseTiempo").selected, 2);
    EXPECT_EQ(old.view.constantText, "200");
    EXPECT_EQ(current().subtype, 18);
    modifying(element(13, 17, 10, 4), DialogId::EsperaTiempo); // hundredths: no button offers them
    EXPECT_EQ(shown("frmBaseTiempo").selected, -1);
}

TEST_F(InputOutputDialogs, TimeWaitHelpWithoutATurnTime)
{
    ProgramSettings settings;
    settings.motorSpin = 0;
    EXPECT_EQ(timeWaitHelp(11, 30, settings), "Demora = 3 Segs.          (Angulo: ?\xB0)");
    settings.motorSpin = 32767;
    EXPECT_EQ(timeWaitHelp(11, 255, settings), "Demora = 25,5 Segs.          (Angulo: 35\xB0)");
    EXPECT_EQ(timeWaitHelp(17, 3, settings), "");
}

TEST_F(InputOutputDialogs, ConditionWaitsWhileOrUntil)
{
    DialogRules& d = fromPalette(3, 3);
    EXPECT_EQ(d.view.title,
              "Esperar Se\xF1"
              "al del Control Remoto");
    EXPECT_EQ(current(), element(13, 14, 12, 1));
    EXPECT_EQ(d.view.quickHelp,
              "Esperar Mientras Halla Se\xF1"
              "al del Control");
    d.choose("icmbArgType", 2);
    EXPECT_EQ(current().option, 13);

    DialogRules& touch = modifying(element(13, 13, 13, 1));
    EXPECT_EQ(touch.view.title, "Esperas [Modificar]");
    EXPECT_EQ(touch.view.quickHelp, "Esperar Hasta Que Este Presionado el Sensor");
    EXPECT_EQ(shown("icmbArgType").selected, 2);
}

TEST_F(InputOutputDialogs, DisplayPatternsAndTheEmptyPattern)
{
    DialogRules& d = fromPalette(1, 0);
    EXPECT_EQ(current(), element(11, 11, 10, 1));
    EXPECT_FALSE(shown("chkLeds").visible);
    d.choose("chkLeds", 5); // hidden: no effect
    d.choose("icmbArgOne", 6);
    EXPECT_TRUE(shown("chkLeds").visible);
    EXPECT_EQ(d.view.quickHelp, "Cambia Todos los Leds");
    d.choose("chkLeds", 5);
    EXPECT_EQ(d.view.constantLabel, "A-C");
    EXPECT_FALSE(d.view.constantLabelBorder);
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current(), element(11, 11, 11, 6, 0, 0, "A-C"));

    fromPalette(1, 0);
    rules->choose("icmbArgOne", 7);
    EXPECT_TRUE(rules->view.constantLabelBorder);
    EXPECT_EQ(ok(), Action::Close); // no LED chosen: nothing to switch on
    rules->choose("chkLeds", 4);
    rules->choose("icmbArgOne", 2); // a variable sets every LED: no pattern
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current(), element(11, 11, 10, 2, 0, 0, "---"));

    modifying(element(11, 11, 13, 8, 0, 0, "a-c"));
    EXPECT_EQ(shown("chkLeds").selected, 5);
    EXPECT_EQ(rules->view.quickHelp, "Solo Apaga el Led Seleccionado no afecta el Resto");
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current().name, "A-C");
}

TEST_F(InputOutputDialogs, ExternalLedAndMessageFormat)
{
    DialogRules& lamp = fromPalette(1, 1);
    EXPECT_EQ(current(), element(11, 10, 10, 1));
    lamp.choose("icmbArgOne", 7);
    EXPECT_EQ(current(), element(11, 10, 13, 7));

    DialogRules& message = fromPalette(1, 4);
    EXPECT_EQ(message.view.title, "Enviar Mensaje a PC");
    EXPECT_EQ(current(), element(11, 13, 10, 1, 129));
    EXPECT_EQ(shown("frmFormat").selected, 1);
    EXPECT_EQ(shown("optActions").selected, 3);
    message.choose("icmbArgOne", 3);
    message.choose("frmFormat", 2);
    message.choose("optActions", 1);
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current(), element(11, 13, 10, 3, 146, 0));
    modifying(element(11, 13, 10, 5, 132 | 3));
    EXPECT_EQ(shown("frmFormat").selected, 3);
    EXPECT_EQ(shown("optActions").selected, 0);
}

TEST_F(InputOutputDialogs, NewSoundIsA440HzToneWithItsBytes)
{
    DialogRules& d = fromPalette(1, 2);
    EXPECT_EQ(d.view.title, "Salida de Sonido");
    EXPECT_EQ(shown("SliderVol").selected, 20);
    EXPECT_EQ(shown("lblVol").text, " 62%");
    EXPECT_EQ(shown("cmbTonos").list.size(), 7u);
    EXPECT_EQ(shown("cmbTonos").text, " 440");
    EXPECT_EQ(d.view.constantLabel, "440Hz");
    EXPECT_EQ(d.view.quickHelp, "Generar Tono en Base a Constantes");
    EXPECT_FALSE(shown("lblError").visible);
    EXPECT_EQ(ok(), Action::Commit);
    ToneTiming expected;
    std::int16_t f = 440, v = 20;
    toneTiming(f, v, 100, expected);
    EXPECT_TRUE(current().is(11, 12, 11));
    EXPECT_EQ(current().arg1, 100);
    EXPECT_EQ(current().arg2, 440);
    EXPECT_EQ(current().arg3, 20);
    EXPECT_EQ(current().text[0], expected.tonePeriodsHigh);
    EXPECT_EQ(current().text[1], expected.tonePeriodsLow);
    EXPECT_EQ(current().text[2], expected.toneHighTicks);
    EXPECT_EQ(current().text[3], expected.toneLowTicks);
    EXPECT_EQ(shown("lblVal_0").text, std::to_string(expected.toneLowTicks));
    EXPECT_EQ(shown("lblVal_3").text, std::to_string(expected.tonePeriodsLow));
}

TEST_F(InputOutputDialogs, SoundRangesStayWithinTheirFields)
{
    DialogRules& d = fromPalette(1, 2);
    d.type("cmbTonos", "12000");
    EXPECT_EQ(shown("cmbTonos").text, "9999");
    d.type("cmbTonos", "-50");
    EXPECT_EQ(shown("cmbTonos").text, "0");
    d.type("cmbTonos", "262Hz (Do)");
    EXPECT_EQ(d.view.constantLabel, "262Hz");
    EXPECT_TRUE(shown("lblError").visible); // 262 Hz at volume 20: the low half overflows
    d.choose("SliderVol", 32);
    EXPECT_FALSE(shown("lblError").visible);

    // The duration is a signed 16-bit field: the arrows wrap within it, and a typed value
    // beyond it is shown in red, kept at the limit and reported on OK.
    d.type("txtTime", "50");
    d.choose("UDConst", -1);
    EXPECT_EQ(shown("txtTime").text, " 32767");
    d.choose("UDConst", 1);
    EXPECT_EQ(shown("txtTime").text, " 32767");
    d.type("txtTime", "65000");
    EXPECT_TRUE(shown("txtTime").red);
    const DialogAccept accept = d.accept();
    EXPECT_EQ(accept.action, Action::Commit);
    ASSERT_TRUE(accept.message);
    EXPECT_NE(accept.message->text.spanish().find("32767"), std::string::npos);
    EXPECT_EQ(current().arg1, 32767);
    d.type("txtTime", "-3");
    d.accept();
    EXPECT_EQ(current().arg1, 0);
    d.type("txtTime", "300");
    EXPECT_FALSE(shown("txtTime").red);
    EXPECT_FALSE(d.accept().message);

    d.choose("cmdProbar", 0);
    ASSERT_TRUE(d.view.toneToPlay);
    EXPECT_EQ(d.view.toneToPlay->toneHighTicks, current().text[2]);
}

// The boxes that ask for a number say which: the window takes digits within these ranges only.
TEST_F(InputOutputDialogs, TheSoundsNumberBoxesTakeTheirRanges)
{
    DialogRules& d = fromPalette(1, 2);
    const ControlDesign& time = d.controls()[std::size_t(d.controlIndex("txtTime"))];
    const ControlDesign& tones = d.controls()[std::size_t(d.controlIndex("cmbTonos"))];
    ASSERT_TRUE(time.number && tones.number);
    EXPECT_EQ(*time.number, (NumberRange { 0, 32767 }));
    EXPECT_EQ(*tones.number, (NumberRange { 100, 9999 }));
    // Every listed tone, and what the dialog itself writes, is taken as it stands.
    for (const std::string& item : shown("cmbTonos").list)
        EXPECT_EQ(checkNumberEntry(item, *tones.number, tones.units), EntryCheck::Acceptable) << item;
    for (const char* written : { " 440", "440Hz" })
        EXPECT_EQ(checkNumberEntry(written, *tones.number, tones.units), EntryCheck::Acceptable) << written;
    EXPECT_EQ(checkNumberEntry("44o", *tones.number, tones.units), EntryCheck::Refused);
    EXPECT_EQ(checkNumberEntry("1oo", *time.number), EntryCheck::Refused);

    // Below 100 Hz the brick plays 100 Hz: that is what is stored, and OK says so.
    d.type("cmbTonos", "50");
    const DialogAccept accept = d.accept();
    ASSERT_TRUE(accept.message);
    EXPECT_NE(accept.message->text.spanish().find("100 y 9999"), std::string::npos) << accept.message->text;
    EXPECT_EQ(current().arg2, 100);
    d.type("cmbTonos", "440");
    EXPECT_FALSE(d.accept().message);
    EXPECT_EQ(current().arg2, 440);
}

TEST_F(InputOutputDialogs, BeepsAndVariableTonesDisableTheToneTools)
{
    DialogRules& d = fromPalette(1, 2);
    d.choose("icmbArgOne", 3);
    EXPECT_EQ(current().option, 16);
    EXPECT_FALSE(shown("cmbTonos").enabled);
    EXPECT_FALSE(shown("cmdProbar").enabled);
    EXPECT_EQ(shown("lblVal_2").text, "-----");
    EXPECT_FALSE(d.view.constantVisible);
    const InstructionRecord before = current();
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current(), before); // no tone bytes for a beep
    d.choose("icmbArgOne", 1);
    EXPECT_EQ(current().option, 10);
    EXPECT_EQ(current().arg1, 32);
    EXPECT_EQ(d.view.quickHelp, "Generar Tono en Base a Variables");

    modifying(element(11, 12, 17));
    EXPECT_EQ(shown("icmbArgOne").selected, 4);
    EXPECT_EQ(shown("cmbTonos").text, "440Hz");
    modifying(element(11, 12, 11, 250, 330, 60));
    EXPECT_EQ(shown("txtTime").text, " 250");
    EXPECT_EQ(shown("SliderVol").selected, 32); // 60 AND 63, held by the slider's range
}

TEST_F(InputOutputDialogs, MotorsByTheirSettingNames)
{
    store.programSettings.leftMotorName = "Direccion";
    store.programSettings.rightMotorName = "Traccion";
    DialogRules& d = fromPalette(0, 0);
    EXPECT_EQ(d.view.title, "Encender Motor para Avanzar");
    EXPECT_EQ(shown("chkMotor").itemWords, (std::vector<std::string>{"Direccion (A)", "Traccion (B)"}));
    EXPECT_EQ(shown("chkMotor").selected, 3);
    EXPECT_EQ(d.view.constantLabel, "AB");
    EXPECT_EQ(d.view.quickHelp, "Motor Direccion: Encender - Motor Traccion: Encender");
    d.choose("chkMotor", 2);
    EXPECT_EQ(d.view.quickHelp, "Motor Direccion:  Sin Cambio - Motor Traccion: Encender");
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current(), element(10, 10, 12, 1, 0, 0, "-B"));
    d.choose("chkMotor", 0);
    EXPECT_EQ(ok(), Action::Close); // no motor ticked: as Cancel

    DialogRules& stop = modifying(element(10, 17, 11, 1, 0, 0, "A-"));
    EXPECT_EQ(stop.view.title, "Motores [Modificar]");
    EXPECT_EQ(shown("chkMotor").selected, 1);
    EXPECT_EQ(stop.view.quickHelp, "Motor Direccion: Detener - Motor Traccion:  Sin Cambio");
    EXPECT_EQ(ok(), Action::Commit);
    EXPECT_EQ(current().name, "A-");
}

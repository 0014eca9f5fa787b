// The dialogs of the elements that act on the world: motors, the external LED, the display LEDs,
// sounds and messages to the PC.
#include "editing/OutputDialogs.h"

#include "model/NumberText.h"
#include "model/Text.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

// The variables (the first `count` entries of the picker), then switching everything on or off.
std::vector<PickerItem> variablesThenOnOff(int count)
{
    auto all = variableItems(count);
    all.push_back({23, QT_TRANSLATE_NOOP("core", "Encender")});
    all.push_back({24, QT_TRANSLATE_NOOP("core", "Apagar")});
    return all;
}

// The number a text starts with after its blanks (0 for none), rounded; far-off values are held
// within a range that any caller can clamp further.
long long numberIn(const std::string& text)
{
    const std::size_t start = text.find_first_not_of(' ');
    const double v = start == std::string::npos ? 0 : leadingNumber(std::string_view(text).substr(start));
    return (long long)std::nearbyint(std::clamp(v, -1.0e9, 1.0e9));
}

// "A-C" from the ticked boxes: one character per box, its letter when ticked and "-" when not.
std::string patternOf(int bits, const char* letters, int count)
{
    std::string pattern;
    for (int i = 0; i < count; ++i)
        pattern += (bits >> i) & 1 ? letters[i] : '-';
    return pattern;
}

// The boxes a stored pattern ticks: box i when character i is its letter (in any case).
int bitsOf(const std::string& pattern, const char* letters, int count)
{
    int bits = 0;
    for (int i = 0; i < count && i < int(pattern.size()); ++i)
        if (std::toupper((unsigned char)pattern[std::size_t(i)]) == letters[i])
            bits |= 1 << i;
    return bits;
}

class MotorDialog final : public DialogRules {
public:
    MotorDialog()
        : DialogRules(DialogId::MotoresBasico, QT_TRANSLATE_NOOP("core", "Motores"),
                      {{"chkMotor", ControlKind::Check, "", {{0, "(A)"}, {0, "(B)"}}}}, false)
    {
    }

    DialogAccept accept() override
    {
        InstructionRecord& e = element();
        if (pattern_ == "--")
            return DialogAccept::close(); // no motor ticked: as Cancel
        e.option = pattern_ == "AB" ? motors::BothMotors : pattern_ == "A-" ? motors::MotorA : motors::MotorB;
        e.name = pattern_;
        return DialogAccept::commit();
    }

private:
    void load() override
    {
        InstructionRecord& e = element();
        const ProgramSettings& settings = store().programSettings;
        view.controls[0].itemWords = {settings.leftMotorName + " (A)", settings.rightMotorName + " (B)"};
        int bits = 3;
        if (inserting()) {
            e.family = family::Motors;
            e.arg1 = 1;
        } else {
            bits = bitsOf(e.name, "AB", 2);
        }
        view.controls[0].selected = bits;
        chosen(0, bits);
    }

    void chosen(int, int bits) override
    {
        const ProgramSettings& settings = store().programSettings;
        const std::string& action = editor().dialogActionText;
        pattern_ = patternOf(bits, "AB", 2);
        const auto change = [&](bool changed) {
            return changed ? Text::sentence(action) : Text::layout(" %1", {QT_TRANSLATE_NOOP("core", "Sin Cambio")});
        };
        view.quickHelp = Text(QT_TRANSLATE_NOOP("core", "Motor %1: %2 - Motor %3: %4"))
                             .arg(settings.leftMotorName)
                             .arg(change(bits & 1))
                             .arg(settings.rightMotorName)
                             .arg(change(bits & 2));
        showLabel(true, 2, pattern_);
    }

    std::string pattern_;
};

class LampDialog final : public DialogRules {
public:
    LampDialog()
        : DialogRules(DialogId::SalidaLuces, QT_TRANSLATE_NOOP("core", "Salida de Luces"),
                      {{"icmbArgOne", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Origen de Datos"), variablesThenOnOff(5)}}, false)
    {
    }

private:

    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Outputs;
            e.subtype = outputs::Lamp;
            e.option = outputs::FromVariable;
            e.arg1 = 1;
        }
        view.controls[0].selected = e.option == outputs::FromVariable ? pickerItem(e.arg1, 5)
            : e.option == outputs::SwitchOn                          ? 6
            : e.option == outputs::SwitchOff                         ? 7
                                                                     : 0;
    }

    void chosen(int, int item) override
    {
        InstructionRecord& e = element();
        e.arg1 = std::int16_t(item);
        e.option = std::uint8_t(item <= 5 ? outputs::FromVariable : item == 6 ? outputs::SwitchOn : outputs::SwitchOff);
    }
};

class DisplayDialog final : public DialogRules {
public:
    DisplayDialog()
        : DialogRules(DialogId::SalidaPantalla, QT_TRANSLATE_NOOP("core", "Salida a la pantalla del Ladrillo"),
                      {
                          {"icmbArgOne", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Origen de Datos"), variablesThenOnOff(6)},
                          {"chkLeds", ControlKind::Check, "", {{0, "A"}, {0, "B"}, {0, "C"}}},
                      },
                      false)
    {
    }

    DialogAccept accept() override
    {
        InstructionRecord& e = element();
        // A variable sets every LED from its bits: no pattern goes with it.
        e.name = e.option == outputs::FromVariable ? "---" : pattern_;
        if (e.arg1 < 6 || pattern_ != "---")
            return DialogAccept::commit();
        return DialogAccept::close();
    }

private:
    enum { ArgOne, Leds };


    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Outputs;
            e.subtype = outputs::Display;
            e.option = outputs::FromVariable;
            e.arg1 = 1;
        }
        showBoxes(false);
        view.controls[Leds].selected = 0;
        pattern_ = "---";
        showLabel(false, 2, pattern_);
        switch (e.option) {
        case outputs::FromVariable: view.controls[ArgOne].selected = pickerItem(e.arg1, 5); break;
        case outputs::FromConstant:
        case outputs::SwitchOn:
        case outputs::SwitchOff:
            view.controls[ArgOne].selected = e.option - 5;
            view.controls[Leds].selected = bitsOf(e.name, "ABC", 3);
            pattern_ = patternOf(view.controls[Leds].selected, "ABC", 3);
            break;
        default: break; // a foreign option: nothing selected
        }
        showOption(e.option);
    }

    void chosen(int control, int value) override
    {
        InstructionRecord& e = element();
        if (control == Leds) {
            pattern_ = patternOf(value, "ABC", 3);
            view.constantLabel = pattern_;
            return;
        }
        e.arg1 = std::int16_t(value);
        e.option = std::uint8_t(value <= 5 ? outputs::FromVariable : value + 5);
        showOption(e.option);
    }

    void showOption(int option)
    {
        const bool pattern = option >= outputs::FromConstant && option <= outputs::SwitchOff;
        showBoxes(pattern);
        switch (option) {
        case outputs::FromVariable:
            view.quickHelp = QT_TRANSLATE_NOOP("core", "Cambia Todos los Leds Segun los Bits de la Variable");
            break;
        case outputs::FromConstant: view.quickHelp = QT_TRANSLATE_NOOP("core", "Cambia Todos los Leds"); break;
        case outputs::SwitchOn:
            view.quickHelp = QT_TRANSLATE_NOOP("core", "Solo enciende el Led Seleccionado no afecta el Resto");
            break;
        case outputs::SwitchOff:
            view.quickHelp = QT_TRANSLATE_NOOP("core", "Solo Apaga el Led Seleccionado no afecta el Resto");
            break;
        default: view.quickHelp = {}; break;
        }
        showLabel(pattern, 2, pattern_, option != outputs::FromConstant);
    }

    void showBoxes(bool shown) { view.controls[Leds].visible = view.controls[Leds].enabled = shown; }

    std::string pattern_;
};

class SoundDialog final : public DialogRules {
public:
    SoundDialog()
        : DialogRules(DialogId::SalidaSonido, QT_TRANSLATE_NOOP("core", "Salida de Sonido"), controls(), false)
    {
    }

    DialogAccept accept() override
    {
        InstructionRecord& e = element();
        if (e.option != outputs::Tone)
            return DialogAccept::commit();
        calculate();
        const bool frequencyRaised = frequency_ < kFrequencyRange.minimum;
        e.arg1 = std::int16_t(duration_);
        e.arg2 = std::int16_t(std::max(frequency_, kFrequencyRange.minimum));
        e.arg3 = std::uint8_t(volume_);
        setToneText(e.text, timing_);
        DialogAccept accept = DialogAccept::commit();
        std::vector<Text> said;
        // The duration field holds at most 32767 ms: a longer (or negative) one is kept within it.
        if (durationOutside_) {
            said.push_back(QT_TRANSLATE_NOOP("core", "La Duracion del Sonido Debe Estar Entre 0 y 32767 mS."));
            said.push_back(Text(QT_TRANSLATE_NOOP("core", "Se Guarda %1 mS.")).arg(plainNumber(duration_)));
        }
        if (frequencyRaised) {
            said.push_back(Text(QT_TRANSLATE_NOOP("core", "La Frecuencia del Sonido Debe Estar Entre %1 y %2 Hz."))
                               .arg(plainNumber(kFrequencyRange.minimum))
                               .arg(plainNumber(kFrequencyRange.maximum)));
            said.push_back(Text(QT_TRANSLATE_NOOP("core", "Se Guarda %1 Hz.")).arg(plainNumber(e.arg2)));
        }
        if (!said.empty())
            accept.message = UserMessage { Text::lines(said), QT_TRANSLATE_NOOP("core", "Aviso"), MessageIcon::Information };
        return accept;
    }

private:
    enum {
        Source,
        Tones,
        Time,
        TimeButtons,
        Volume,
        VolumeText,
        Try,
        Calculator,
        SourceCaption,
        ToneCaption,
        TimeCaption,
        ValOne,
        ValTwo,
        ValThree,
        ValFour,
        Error,
        Warning
    };
    static constexpr int kMaxDuration = 32767;
    // The tone timing plays nothing lower than 100 Hz: a lower frequency is stored as the one heard.
    static constexpr NumberRange kFrequencyRange { 100, 9999 };

    static std::vector<ControlDesign> controls()
    {
        std::vector<ControlDesign> c{
            {"icmbArgOne",
             ControlKind::Picker,
             QT_TRANSLATE_NOOP("core", "Sonido"),
             {{31, QT_TRANSLATE_NOOP("core", "Generar Tono en Base a Variables")},
              {6, QT_TRANSLATE_NOOP("core", "Generar Tono en Base a Constantes")},
              {28, QT_TRANSLATE_NOOP("core", "Genera un Beep de OK")},
              {29, QT_TRANSLATE_NOOP("core", "Generar Beep de Error")}}},
            {"cmbTonos", ControlKind::Combo, QT_TRANSLATE_NOOP("core", "Frecuencia en Hz (Tono)"), {}, 12, "lblTonoFijo"},
            {"txtTime", ControlKind::Text, QT_TRANSLATE_NOOP("core", "Duracion (mS)"), {}, 6, "lblTime"},
            {"UDConst", ControlKind::UpDown, "", {}, 0, "", true},
            {"SliderVol", ControlKind::Slider, QT_TRANSLATE_NOOP("core", "Volumen"), {{0, ""}, {32, ""}}, 0, "lblTitleVol"},
            {"lblVol", ControlKind::Note, "", {}, 0, "", true},
            {"cmdProbar", ControlKind::Button, "", {{0, QT_TRANSLATE_NOOP("core", "Probar")}}, 0, "", false, QT_TRANSLATE_NOOP("core", "Escuchar el Tono en la PC")},
            {"Label7", ControlKind::Note, "", {}},
            {"Label6", ControlKind::Note, "", {}},
            {"lblCalcTone", ControlKind::Note, "", {}, 0, "", true},
            {"LblCalcTime", ControlKind::Note, "", {}, 0, "", true},
        };
        for (const char* colour : {QT_TRANSLATE_NOOP("core", "Naranja"), QT_TRANSLATE_NOOP("core", "Rosa"), QT_TRANSLATE_NOOP("core", "Azul"), QT_TRANSLATE_NOOP("core", "Verde")})
            c.push_back({"lblVal_" + std::to_string(c.size() - ValOne), ControlKind::Note, colour, {}});
        c.push_back({"lblError", ControlKind::Note, "", {}});
        c.push_back({"lblWarning", ControlKind::Note, "", {}});
        c[Time].number = NumberRange { 0, kMaxDuration };
        c[Tones].number = kFrequencyRange;
        for (const std::string& tone : tones()) // a listed tone is its number and what follows it
            c[Tones].units.push_back(tone.substr(tone.find('H')));
        c[Tones].units.push_back("Hz");
        return c;
    }

    static const std::vector<std::string>& tones()
    {
        static const std::vector<std::string> list { "262Hz (Do)", "294Hz (Re)", "330Hz (Mi)", "349Hz (Fa)",
            "392Hz (Sol)", "440Hz (La)", "494Hz (Si)" };
        return list;
    }

    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Outputs;
            e.subtype = outputs::Sound;
            e.option = outputs::Tone;
            e.arg1 = 100;
            e.arg2 = 440;
            e.arg3 = 20;
        }
        timing_ = {};
        view.controls[Tones].list = tones();
        view.controls[Time].text = "100";
        view.controls[Calculator].text = QT_TRANSLATE_NOOP("core", "Calculador de Variables");
        view.controls[SourceCaption].text = QT_TRANSLATE_NOOP("core", "Fuente");
        view.controls[ToneCaption].text = QT_TRANSLATE_NOOP("core", "Frecuencia (Tono)");
        view.controls[TimeCaption].text = QT_TRANSLATE_NOOP("core", "Duracion (mSeg)");
        view.controls[Error].text = "ERROR!!!";
        view.controls[Error].red = true;
        view.controls[Warning].text = QT_TRANSLATE_NOOP("core", "Aviso: Esta Operacion Cambia el Contenido de las Variables Rosa y Naranja!");
        setVolume(std::min(e.arg3 & 63, 32));
        std::string tones = "440Hz";
        switch (e.option) {
        case outputs::Tone:
            view.controls[Time].text = signedNumber(e.arg1);
            tones = signedNumber(e.arg2);
            break;
        case outputs::OkSound:
        case outputs::ErrorSound: break;
        default: e.arg1 = 32; break;
        }
        setFrequency(tones);
        showSource(e.option == outputs::Tone           ? 2
                   : e.option == outputs::OkSound    ? 3
                   : e.option == outputs::ErrorSound ? 4
                                                     : 1);
    }

    void chosen(int control, int value) override
    {
        InstructionRecord& e = element();
        switch (control) {
        case Source:
            if (value == 1)
                e.arg1 = 32;
            e.option = std::uint8_t(value == 1   ? outputs::FromVariable
                                    : value == 2 ? outputs::Tone
                                    : value == 3 ? outputs::OkSound
                                                 : outputs::ErrorSound);
            showSource(value);
            break;
        case TimeButtons: {
            long long next = std::clamp(numberIn(view.controls[Time].text), 0LL, (long long)kMaxDuration) + 100 * value;
            if (next > kMaxDuration)
                next = kMaxDuration;
            if (next < 0)
                next = kMaxDuration; // below zero wraps to the longest tone the field holds
            view.controls[Time].text = signedNumber(next);
            calculate();
            break;
        }
        case Volume: setVolume(value); break;
        case Try:
            calculate();
            view.toneToPlay = timing_;
            break;
        default: break;
        }
    }

    void typed(int control, const std::string& text) override
    {
        if (control == Tones)
            setFrequency(text);
        else if (control == Time)
            calculate();
    }

    void setFrequency(const std::string& text)
    {
        view.controls[Tones].text = text;
        const long long value = numberIn(text);
        if (value > 9999)
            view.controls[Tones].text = "9999";
        else if (value < 0)
            view.controls[Tones].text = "0"; // a frequency is never negative
        frequency_ = int(std::clamp(value, 0LL, 9999LL));
        view.constantLabel = plainNumber(frequency_) + "Hz";
        calculate();
    }

    void setVolume(int value)
    {
        volume_ = std::clamp(value, 0, 32);
        view.controls[Volume].selected = volume_;
        view.controls[VolumeText].text = " " + plainNumber(volume_ * 100 / 32) + "%";
        calculate();
    }

    // VarCalculator: the four tone bytes of the chosen tone, and whether they are out of range.
    void calculate()
    {
        const long long typed = numberIn(view.controls[Time].text);
        durationOutside_ = typed < 0 || typed > kMaxDuration;
        duration_ = int(std::clamp(typed, 0LL, (long long)kMaxDuration));
        view.controls[Time].red = durationOutside_;
        std::int16_t frequency = std::int16_t(frequency_);
        std::int16_t volume = std::int16_t(volume_);
        const bool error = toneTiming(frequency, volume, std::int16_t(duration_), timing_);
        const int values[] = {timing_.toneLowTicks, timing_.toneHighTicks, timing_.tonePeriodsHigh,
                              timing_.tonePeriodsLow};
        for (int i = 0; i < 4; ++i)
            view.controls[std::size_t(ValOne + i)].text = toolsOn_ ? plainNumber(values[i]) : "-----";
        view.controls[Error].visible = error;
    }

    void showSource(int item)
    {
        static const char* const help[] = {QT_TRANSLATE_NOOP("core", "Generar Tono en Base a Variables"), QT_TRANSLATE_NOOP("core", "Generar Tono en Base a Constantes"),
                                           QT_TRANSLATE_NOOP("core", "Genera un Beep de OK"), QT_TRANSLATE_NOOP("core", "Generar Beep de Error")};
        view.controls[Source].selected = item;
        view.quickHelp = help[item - 1];
        toolsOn_ = item <= 2;
        for (int c : {Tones, Time, TimeButtons, Volume, VolumeText, Try})
            view.controls[std::size_t(c)].enabled = toolsOn_;
        if (!toolsOn_)
            view.controls[Tones].text = "440Hz";
        showLabel(item == 2, 2, plainNumber(frequency_) + "Hz", true);
        view.constantLabelWidth = 850;
        calculate();
    }

    ToneTiming timing_;
    int frequency_ = 440;
    int duration_ = 100;
    int volume_ = 20;
    bool durationOutside_ = false;
    bool toolsOn_ = true;
};

class MessageDialog final : public DialogRules {
public:
    MessageDialog()
        : DialogRules(DialogId::SalidaMensaje, QT_TRANSLATE_NOOP("core", "Enviar Mensaje a PC"),
                      {
                          {"icmbArgOne", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Variable"), variableItems(5)},
                          {"frmFormat",
                           ControlKind::Options,
                           QT_TRANSLATE_NOOP("core", "Mostrar en..."),
                           {{0, QT_TRANSLATE_NOOP("core", "Hexadecimal"), "optHex"},
                            {0, QT_TRANSLATE_NOOP("core", "Decimal"), "optDec"},
                            {0, QT_TRANSLATE_NOOP("core", "Binario"), "optBin"},
                            {0, QT_TRANSLATE_NOOP("core", "ASCII"), "optASCII"}},
                           0,
                           "",
                           false,
                           QT_TRANSLATE_NOOP("core", "Formato en que Muestra la Variable")},
                          {"optActions",
                           ControlKind::Options,
                           "",
                           {{0, QT_TRANSLATE_NOOP("core", "Borrar Pantalla Antes")},
                            {0, QT_TRANSLATE_NOOP("core", "Bajar de Linea")},
                            {0, QT_TRANSLATE_NOOP("core", "Posicionar en Origen")},
                            {0, QT_TRANSLATE_NOOP("core", "Mostrar sin Accion ")}}},
                      },
                      false)
    {
    }

    DialogAccept accept() override
    {
        composeFormat();
        element().arg3 = 0;
        return DialogAccept::commit();
    }

private:
    enum { ArgOne, Format, Actions };
    static constexpr int kActionBits[] = {132, 144, 136, 128};

    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Outputs;
            e.subtype = outputs::PcMessage;
            e.option = outputs::FromVariable;
            e.arg1 = 1;
            e.arg2 = 129;
        }
        view.controls[Format].selected = e.arg2 & 3;
        const int b = e.arg2 & 252;
        view.controls[Actions].selected = (b & 132) == 132 ? 0 : (b & 144) == 144 ? 1 : (b & 136) == 136 ? 2 : 3;
        view.controls[ArgOne].selected = pickerItem(e.arg1, 5);
    }

    void chosen(int control, int item) override
    {
        if (control == ArgOne) {
            element().arg1 = std::int16_t(item);
            element().option = outputs::FromVariable;
        }
        composeFormat();
    }

    // The format and the action make arg2, so that the preview's description follows the choice.
    void composeFormat()
    {
        element().arg2 = std::int16_t(view.controls[Format].selected | kActionBits[view.controls[Actions].selected]);
    }
};

} // namespace

std::unique_ptr<DialogRules> makeOutputDialog(DialogId id)
{
    switch (id) {
    case DialogId::MotoresBasico: return std::make_unique<MotorDialog>();
    case DialogId::SalidaLuces: return std::make_unique<LampDialog>();
    case DialogId::SalidaPantalla: return std::make_unique<DisplayDialog>();
    case DialogId::SalidaSonido: return std::make_unique<SoundDialog>();
    case DialogId::SalidaMensaje: return std::make_unique<MessageDialog>();
    default: return nullptr;
    }
}

} // namespace tarvel

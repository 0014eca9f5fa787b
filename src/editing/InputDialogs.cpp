// The input dialogs (one design: the destination variable and, for three sensors, the reading
// mode) and the two waits: by time and on a sensor condition.
#include "editing/InputDialogs.h"

#include "model/NumberText.h"
#include "model/Text.h"

namespace tarvel {

namespace {

constexpr char kDegree[] = "\xB0"; // the degree sign, Windows-1252

// `units` / 10^decimals written with a decimal comma, as the dialog's "0,1 Segundo" is written;
// no trailing zeros.
std::string decimalText(int units, int decimals)
{
    int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const bool negative = units < 0;
    const long long magnitude = negative ? -(long long)units : units;
    std::string text = (negative ? "-" : "") + plainNumber(magnitude / scale);
    std::string fraction = plainNumber(magnitude % scale + scale).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? text : text + "," + fraction;
}

struct InputKind {
    DialogId id;
    const char* caption;
    int subtype;
    int fixedOption; // 0: the dialog has a mode picker
    int secondOption; // option of the picker's second item
    int secondPicture;
    const char* secondWord;
};

constexpr InputKind kInputs[] = {
    {DialogId::EntradaLuz, QT_TRANSLATE_NOOP("core", "Leer Entrada de Sensor de Luz"), inputs::Light, 0, inputs::ReadIntensity, 20, QT_TRANSLATE_NOOP("core", "Leer Intensidad")},
    {DialogId::EntradaTacto, QT_TRANSLATE_NOOP("core", "Leer Entrada de Sensor de Tacto"), inputs::Touch, inputs::CountPulses, 0, 0, ""},
    {DialogId::EntradaControl, QT_TRANSLATE_NOOP("core", "Leer Entrada de Control Remoto (Infrarrojo)"), inputs::Remote, 0, inputs::ReadData, 21, QT_TRANSLATE_NOOP("core", "Leer Datos")},
    {DialogId::EntradaSonido, QT_TRANSLATE_NOOP("core", "Leer Entrada de Microfono"), inputs::Microphone, 0, inputs::ReadFrequency, 22, QT_TRANSLATE_NOOP("core", "Leer Frecuencia")},
    {DialogId::EntradaMensaje, QT_TRANSLATE_NOOP("core", "Leer Entrada de Mensajes de PC"), inputs::Pc, inputs::ReadData, 0, 0, ""},
};

std::vector<ControlDesign> inputControls(const InputKind& k)
{
    std::vector<ControlDesign> controls{{"icmbArgOne", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Variable Destino"), variableItems(5)}};
    if (k.fixedOption == 0)
        controls.push_back({"icmbMode",
                            ControlKind::Picker,
                            QT_TRANSLATE_NOOP("core", "Tipo de Entrada"),
                            {{19, QT_TRANSLATE_NOOP("core", "Contar Pulsos")}, {k.secondPicture, k.secondWord}}});
    return controls;
}

class InputDialog final : public DialogRules {
public:
    explicit InputDialog(const InputKind& kind)
        : DialogRules(kind.id, kind.caption, inputControls(kind), false)
        , kind_(kind)
    {
    }

private:
    enum { ArgOne, Mode };

    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Inputs;
            e.subtype = std::uint8_t(kind_.subtype);
            e.option = std::uint8_t(kind_.fixedOption ? kind_.fixedOption : inputs::CountPulses);
            e.arg1 = 1;
        }
        view.controls[ArgOne].selected = pickerItem(e.arg1, 5);
        if (!kind_.fixedOption)
            view.controls[Mode].selected = e.option == inputs::CountPulses ? 1 : e.option == kind_.secondOption ? 2 : 0;
    }

    void chosen(int control, int item) override
    {
        if (control == ArgOne)
            element().arg1 = std::int16_t(item);
        else if (control == Mode)
            element().option = std::uint8_t(item == 1 ? inputs::CountPulses : kind_.secondOption);
    }

    InputKind kind_;
};

class TimeWaitDialog final : public DialogRules {
public:
    TimeWaitDialog()
        : DialogRules(DialogId::EsperaTiempo, QT_TRANSLATE_NOOP("core", "Espera por Tiempo"),
                      {
                          {"frmBaseTiempo",
                           ControlKind::Options,
                           QT_TRANSLATE_NOOP("core", "Base de Tiempo"),
                           {{0, QT_TRANSLATE_NOOP("core", "1 Segundo"), "opt1Seg"},
                            {0, QT_TRANSLATE_NOOP("core", "0,1 Segundo"), "opt100mSeg"},
                            {0, QT_TRANSLATE_NOOP("core", "1 mili Segundo"), "opt1mSeg"}}},
                          {"icmbArgOne", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Tiempo"), variableItems(6)},
                      },
                      true)
    {
    }

private:
    enum { Base, ArgOne };
    static constexpr int kSubtypes[] = {waits::Seconds, waits::Tenths, waits::Thousandths};

    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Waits;
            e.subtype = waits::Tenths;
            e.option = waits::ConstantAmount;
            e.arg1 = 1;
            choose("frmBaseTiempo", 0); // its click handler makes the unit 1 s
        } else {
            int selected = -1; // a unit no button offers (a foreign file) selects none
            for (int i = 0; i < 3; ++i)
                if (e.subtype == kSubtypes[i])
                    selected = i;
            view.controls[Base].selected = selected;
        }
        if (e.option == waits::ConstantAmount) {
            view.controls[ArgOne].selected = 6;
            dialogConstant = e.arg1 & 255;
            showConstant(true, 1);
        } else {
            view.quickHelp = QT_TRANSLATE_NOOP("core", "Tiempo Definido por Variable");
            view.controls[ArgOne].selected = pickerItem(e.arg1, 5);
            showConstant(false, 1);
            dialogConstant = 1;
        }
        writeConstant();
        updateHelp();
    }

    void chosen(int control, int item) override
    {
        InstructionRecord& e = element();
        if (control == Base) {
            e.subtype = std::uint8_t(kSubtypes[item]);
        } else if (control == ArgOne) {
            e.arg1 = std::int16_t(item);
            if (item == 6) {
                e.option = waits::ConstantAmount;
                e.arg1 = std::int16_t(dialogConstant);
            } else {
                e.option = waits::VariableAmount;
                view.quickHelp = QT_TRANSLATE_NOOP("core", "Tiempo Definido por Variable");
            }
            showConstant(item == 6, 1);
            view.constantLabel = signedNumber(dialogConstant);
        }
        updateHelp();
    }

    void storeConstant(int value) override
    {
        element().arg1 = std::int16_t(value);
        updateHelp();
    }

    void updateHelp()
    {
        const InstructionRecord& e = element();
        if (e.option == waits::ConstantAmount) {
            const Text line = timeWaitHelp(e.subtype, dialogConstant, store().programSettings);
            if (!line.empty())
                view.quickHelp = line;
        }
    }
};

class ConditionWaitDialog final : public DialogRules {
public:
    ConditionWaitDialog()
        : DialogRules(DialogId::EsperaDirecta, QT_TRANSLATE_NOOP("core", "Esperas"),
                      {{"icmbArgType", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Tipo de Espera"), {{26, QT_TRANSLATE_NOOP("core", "Mientras")}, {27, QT_TRANSLATE_NOOP("core", "Hasta")}}}},
                      false)
    {
    }

private:
    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Waits;
            e.option = waits::While;
            e.arg1 = 1;
        }
        show(e.option == waits::While ? 1 : 2);
    }

    void chosen(int, int item) override
    {
        element().option = std::uint8_t(item == 1 ? waits::While : waits::Until);
        show(item);
    }

    void show(int item)
    {
        view.controls[0].selected = item;
        view.quickHelp = Text(item == 1 ? QT_TRANSLATE_NOOP("core", "Esperar Mientras %1") : QT_TRANSLATE_NOOP("core", "Esperar Hasta Que %1"))
                             .arg(Text::sentence(editor().dialogActionText));
    }
};

} // namespace

Text timeWaitHelp(int subtype, int n, const ProgramSettings& settings)
{
    switch (subtype) {
    case waits::Seconds: return Text(QT_TRANSLATE_NOOP("core", "Demora = %1 Segundos")).arg(plainNumber(n));
    case waits::Tenths:
        if (settings.directionMode == 0) {
            // The angle needs the time of a 45 degree turn; without one there is none to show.
            const std::string angle =
                settings.motorSpin > 0 ? plainNumber((long long)(n * 45.0 / (settings.motorSpin / 100.0))) : "?";
            return Text(QT_TRANSLATE_NOOP("core", "Demora = %1 Segs.          (Angulo: %2%3)"))
                .arg(decimalText(n, 1))
                .arg(angle)
                .arg(std::string(kDegree));
        }
        return Text(QT_TRANSLATE_NOOP("core", "Demora = %1 Segundos")).arg(decimalText(n, 1));
    case waits::Thousandths: return Text(QT_TRANSLATE_NOOP("core", "Demora = %1 Segundos")).arg(decimalText(n, 3));
    default: return {};
    }
}

std::unique_ptr<DialogRules> makeInputDialog(DialogId id)
{
    for (const InputKind& kind : kInputs)
        if (kind.id == id)
            return std::make_unique<InputDialog>(kind);
    if (id == DialogId::EsperaTiempo)
        return std::make_unique<TimeWaitDialog>();
    if (id == DialogId::EsperaDirecta)
        return std::make_unique<ConditionWaitDialog>();
    return nullptr;
}

} // namespace tarvel

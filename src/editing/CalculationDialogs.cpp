// The calculation dialogs: arithmetic and logic (one design with two operation lists) and the
// variable load.
#include "editing/CalculationDialogs.h"

#include "model/NumberText.h"
#include "model/Text.h"

namespace tarvel {

namespace {

// The item of a picker that shows `value`, or none (0) when the value lies outside its items.
int itemOf(int value, int count)
{
    return value >= 1 && value <= count ? value : 0;
}

class OperationDialog final : public DialogRules {
public:
    explicit OperationDialog(bool logic)
        : DialogRules(logic ? DialogId::CalculoLogico : DialogId::CalculoMatematico,
                      logic ? QT_TRANSLATE_NOOP("core", "Calculo Logico") : QT_TRANSLATE_NOOP("core", "Calculo Matematico"),
                      {
                          {"icmbArgOne", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Operando"), variableItems(5)},
                          {"icmbOperation", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Operacion"),
                           logic ? std::vector<PickerItem>{{10, QT_TRANSLATE_NOOP("core", "O-Inclusiva")}, {11, QT_TRANSLATE_NOOP("core", "Y")}, {12, QT_TRANSLATE_NOOP("core", "O-Exclusiva")}}
                                 : std::vector<PickerItem>{{8, QT_TRANSLATE_NOOP("core", "Mas")}, {9, QT_TRANSLATE_NOOP("core", "Menos")}}},
                          {"icmbArgTwo", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Operando"), variableItems(6)},
                          {"Label2", ControlKind::Note, "", {}},
                          {"icmbResult", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Resultado"), variableItems(5)},
                      },
                      true)
        , firstSubtype_(logic ? calculations::Or : calculations::Add)
        , operations_(logic ? 3 : 2)
    {
    }

private:
    enum { ArgOne, Operation, ArgTwo, Equals, Result };

    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Calculations;
            e.subtype = std::uint8_t(firstSubtype_);
            e.option = calculations::VariableOperand;
            e.arg1 = e.arg2 = 1;
            e.arg3 = 1;
        }
        view.controls[Equals].text = "=";
        view.controls[ArgOne].selected = itemOf(e.arg1, 5);
        view.controls[Operation].selected = itemOf(e.subtype - firstSubtype_ + 1, operations_);
        if (e.option == calculations::ConstantOperand) {
            view.controls[ArgTwo].selected = 6;
            dialogConstant = e.arg2 & 255;
            showConstant(true, 2);
        } else {
            if (e.option == calculations::VariableOperand) {
                view.controls[ArgTwo].selected = itemOf(e.arg2, 5);
                e.arg3 = std::uint8_t(e.arg1);
            }
            showConstant(false, 2);
            dialogConstant = 1;
        }
        view.controls[Result].selected = itemOf(e.arg3, 5);
        writeConstant();
    }

    void chosen(int control, int item) override
    {
        InstructionRecord& e = element();
        switch (control) {
        case ArgOne:
        case Result: // the first operand and the result are always the same variable
            e.arg1 = std::int16_t(item);
            e.arg3 = std::uint8_t(item);
            view.controls[ArgOne].selected = view.controls[Result].selected = item;
            break;
        case Operation: e.subtype = std::uint8_t(item + firstSubtype_ - 1); break;
        case ArgTwo:
            if (item == 6) {
                e.option = calculations::ConstantOperand;
                e.arg2 = std::int16_t(dialogConstant);
            } else {
                e.option = calculations::VariableOperand;
                e.arg2 = std::int16_t(item);
            }
            showConstant(item == 6, 2);
            view.constantLabel = signedNumber(dialogConstant);
            break;
        default: break;
        }
    }

    void storeConstant(int value) override { element().arg2 = std::int16_t(value); }

    int firstSubtype_;
    int operations_;
};

class LoadDialog final : public DialogRules {
public:
    LoadDialog()
        : DialogRules(DialogId::CalculoCarga, QT_TRANSLATE_NOOP("core", "Carga de Variables"),
                      {
                          {"icmbArgOne", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Origen"), variableItems(7)},
                          {"Label2", ControlKind::Note, "", {}},
                          {"icmbArgTwo", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Destino"), variableItems(5)},
                      },
                      true)
    {
    }

private:
    enum { Source, Arrow, Target };

    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Calculations;
            e.subtype = calculations::Load;
            e.option = calculations::LoadConstant;
            e.arg1 = e.arg2 = 1;
            dialogConstant = 1;
        } else {
            dialogConstant = e.arg1 & 255;
        }
        view.controls[Arrow].text = "-->";
        if (e.option == calculations::LoadConstant) {
            view.controls[Source].selected = 6;
            showConstant(true, 1);
        } else {
            view.controls[Source].selected = e.option == calculations::LoadRandom ? 7 : itemOf(e.arg1, 5);
            showConstant(false, 1);
            dialogConstant = 1;
        }
        view.controls[Target].selected = itemOf(e.arg2, 5);
        writeConstant();
    }

    void chosen(int control, int item) override
    {
        InstructionRecord& e = element();
        if (control == Target) {
            e.arg2 = std::int16_t(item);
            return;
        }
        if (control != Source)
            return;
        e.arg1 = std::int16_t(item);
        if (item == 6) {
            e.option = calculations::LoadConstant;
            e.arg1 = std::int16_t(dialogConstant);
        } else {
            e.option = item == 7 ? calculations::LoadRandom : calculations::LoadVariable;
        }
        showConstant(item == 6, 1);
        view.constantLabel = signedNumber(dialogConstant);
    }

    void storeConstant(int value) override { element().arg1 = std::int16_t(value); }
};

} // namespace

std::unique_ptr<DialogRules> makeCalculationDialog(DialogId id)
{
    switch (id) {
    case DialogId::CalculoMatematico: return std::make_unique<OperationDialog>(false);
    case DialogId::CalculoLogico: return std::make_unique<OperationDialog>(true);
    case DialogId::CalculoCarga: return std::make_unique<LoadDialog>();
    default: return nullptr;
    }
}

} // namespace tarvel

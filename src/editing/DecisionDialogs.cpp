// The decisions (by comparison and by a sensor or the last error) and the repeat, which share the
// label picker: the target label is chosen from the active sequence's labels or typed.
#include "editing/DecisionDialogs.h"

#include "model/ElementDescription.h"
#include "model/NumberText.h"
#include "model/Text.h"

#include <algorithm>

namespace tarvel {

namespace {

constexpr int kNameLength = 8;

ControlDesign labelPicker()
{
    return {"cmbEtiquetas", ControlKind::Combo, QT_TRANSLATE_NOOP("core", "Etiqueta de Salto"), {}, kNameLength, "lblTituloEtiqueta"};
}

ControlDesign invertBox()
{
    return {"chkInvert", ControlKind::Check, "", {{0, QT_TRANSLATE_NOOP("core", "Continuar por NO, Saltar por SI"), "chkInvert"}}};
}

class BranchDialog : public DialogRules {
public:
    using DialogRules::DialogRules;

    DialogAccept accept() override
    {
        // The target becomes a label of the source text: it takes the same cleaning as the label
        // names, and without one the jump could not be translated.
        std::string target = element().name;
        cleanName(target);
        if (target.empty())
            return DialogAccept::stay({Text::lines({QT_TRANSLATE_NOOP("core", "Falta la Etiqueta Destino del Salto:"),
                                                    QT_TRANSLATE_NOOP("core", "Elija una Etiqueta de la Lista o Escriba su Nombre.")}),
                                       QT_TRANSLATE_NOOP("core", "Error: Etiqueta Vacia"), MessageIcon::Warning});
        element().name = target;
        return DialogAccept::commit();
    }

protected:
    // The label picker at form load; `repeat` for the repeat dialog's simpler rule.
    void loadLabels(bool repeat)
    {
        InstructionRecord& e = element();
        ControlState& picker = control("cmbEtiquetas");
        const int s = store().activeSequence;
        const int count = std::clamp(store().labelCount[std::size_t(s)], 0, kLabelEntries);
        const auto& labels = store().labelTable[std::size_t(s)];
        picker.list.assign(labels.begin(), labels.begin() + count);
        if (count < 1)
            picker.text = repeat || e.name.empty() ? "Inicio" : e.name;
        else if (repeat || !e.name.empty())
            picker.text = e.name;
        else
            picker.text = picker.list.front();
        if (!repeat && e.name.empty())
            e.name = picker.text;
        view.previewName = picker.text;
    }

    // The invert box from the family, and the family from the box.
    void loadInvert() { control("chkInvert").selected = element().family == family::DecisionsInverted ? 1 : 0; }

    void typed(int control, const std::string& text) override
    {
        if (control != controlIndex("cmbEtiquetas"))
            return;
        element().name = text; // already cut to 8 characters
        view.previewName = text;
    }

    void chosenBox(int bits)
    {
        element().family = std::uint8_t(bits & 1 ? family::DecisionsInverted : family::Decisions);
    }
};

class CompareDialog final : public BranchDialog {
public:
    CompareDialog()
        : BranchDialog(DialogId::DecisionComparar, QT_TRANSLATE_NOOP("core", "Decisiones por Comparacion"),
                       {
                           {"icmbArgOne", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Variable"), variableItems(5)},
                           {"icmbOperation",
                            ControlKind::Picker,
                            QT_TRANSLATE_NOOP("core", "Comparacion"),
                            {{13, QT_TRANSLATE_NOOP("core", "Igual a")},
                             {14, QT_TRANSLATE_NOOP("core", "Distinto a")},
                             {15, QT_TRANSLATE_NOOP("core", "Mayor a")},
                             {16, QT_TRANSLATE_NOOP("core", "Menor a")},
                             {17, QT_TRANSLATE_NOOP("core", "Mayor o Igual a")},
                             {18, QT_TRANSLATE_NOOP("core", "Menor o Igual a")}}},
                           {"icmbArgTwo", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Comparar con"), variableItems(6)},
                           invertBox(),
                           labelPicker(),
                       },
                       true)
    {
    }

private:
    enum { ArgOne, Operation, ArgTwo, Invert, Labels };

    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Decisions;
            e.subtype = decisions::Equal;
            e.option = decisions::WithVariable;
            e.arg1 = e.arg2 = 1;
        }
        loadInvert();
        view.controls[ArgOne].selected = pickerItem(e.arg1, 5);
        view.controls[Operation].selected = pickerItem(e.subtype - decisions::Equal + 1, 6);
        if (e.option == decisions::WithConstant) {
            view.controls[ArgTwo].selected = 6;
            dialogConstant = e.arg2 & 255;
            showConstant(true, 1);
        } else {
            view.controls[ArgTwo].selected = e.option == decisions::WithVariable ? pickerItem(e.arg2, 5) : 0;
            showConstant(false, 1);
            dialogConstant = 1;
        }
        writeConstant();
        loadLabels(false);
    }

    void chosen(int control, int item) override
    {
        InstructionRecord& e = element();
        switch (control) {
        case ArgOne: e.arg1 = std::int16_t(item); break;
        case Operation: e.subtype = std::uint8_t(item + decisions::Equal - 1); break;
        case ArgTwo:
            e.option = std::uint8_t(item == 6 ? decisions::WithConstant : decisions::WithVariable);
            e.arg2 = std::int16_t(item == 6 ? dialogConstant : item);
            showConstant(item == 6, 1);
            view.constantLabel = signedNumber(dialogConstant);
            break;
        case Invert: chosenBox(item); break;
        default: break;
        }
    }

    void storeConstant(int value) override { element().arg2 = std::int16_t(value); }
};

class DirectDecisionDialog final : public BranchDialog {
public:
    DirectDecisionDialog()
        : BranchDialog(DialogId::DecisionDirecta, QT_TRANSLATE_NOOP("core", "Decisiones"), {invertBox(), labelPicker()}, false)
    {
    }

private:
    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Decisions;
            e.arg1 = 1;
        }
        loadInvert();
        loadLabels(false);
    }

    void chosen(int control, int bits) override
    {
        if (control == 0)
            chosenBox(bits);
    }
};

class RepeatDialog final : public BranchDialog {
public:
    RepeatDialog()
        : BranchDialog(DialogId::SaltosRepetir, QT_TRANSLATE_NOOP("core", "Repetir (Saltar N veces a una etiqueta)"),
                       {
                           {"icmbArgOne", ControlKind::Picker, QT_TRANSLATE_NOOP("core", "Repeticion (N)"), variableItems(5), 0, "lblVariable"},
                           labelPicker(),
                       },
                       true)
    {
    }

private:
    void load() override
    {
        InstructionRecord& e = element();
        if (inserting()) {
            e.family = family::Decisions;
            e.subtype = decisions::Repeat;
            e.option = decisions::CountInVariable;
            e.arg1 = 1;
            e.name = "Inicio";
        }
        view.controls[0].selected = pickerItem(e.arg1, 5);
        showConstant(false, 1);
        dialogConstant = 1;
        writeConstant();
        e.arg2 = 1; // the repeat's constant is always 1
        loadLabels(true);
    }

    void chosen(int control, int item) override
    {
        if (control != 0)
            return;
        element().option = decisions::CountInVariable;
        element().arg1 = std::int16_t(item);
        showConstant(true, 1); // the repeat icon has no overlay One: the entry stays hidden
    }

    void storeConstant(int value) override { element().arg2 = std::int16_t(value); }
};

} // namespace

std::unique_ptr<DialogRules> makeDecisionDialog(DialogId id)
{
    switch (id) {
    case DialogId::DecisionComparar: return std::make_unique<CompareDialog>();
    case DialogId::DecisionDirecta: return std::make_unique<DirectDecisionDialog>();
    case DialogId::SaltosRepetir: return std::make_unique<RepeatDialog>();
    default: return nullptr;
    }
}

} // namespace tarvel

// The structure dialogs: a new label or subroutine (a typed name; the name rules and tables are the
// editing operations'), jumps and calls (a target from a list) and the program end.
#include "editing/StructureDialogs.h"

#include "model/ElementDescription.h"
#include "model/Text.h"

#include <algorithm>

namespace tarvel {

namespace {

constexpr int kNameLength = 8;

// formSaltoNuevaEtiq and formSaltoNuevaSub: one design.
class NameDialog final : public DialogRules {
public:
    explicit NameDialog(bool subroutine)
        : DialogRules(subroutine ? DialogId::SaltoNuevaSub : DialogId::SaltoNuevaEtiq,
                      subroutine ? QT_TRANSLATE_NOOP("core", "Crear Nueva Subrutina") : QT_TRANSLATE_NOOP("core", "Crear Nueva Etiqueta"),
                      {{"txtEtiqueta",
                        ControlKind::Text,
                        subroutine ? QT_TRANSLATE_NOOP("core", "Nombre de la Nueva Subrutina") : QT_TRANSLATE_NOOP("core", "Nombre de la Nueva Etiqueta"),
                        {},
                        kNameLength,
                        "lblName"}},
                      false)
        , subroutine_(subroutine)
    {
    }

    DialogAccept accept() override
    {
        std::string name = typed_;
        cleanName(name);
        DialogAccept accept;
        if (subroutine_) {
            // Even an empty name goes on: a pending insertion is refused first.
            accept.action = DialogAccept::Action::CommitSubroutine;
            accept.name = name;
            return accept;
        }
        if (name.empty())
            return DialogAccept::close();
        accept.action = DialogAccept::Action::CommitLabel;
        accept.name = name;
        accept.labelEntry = entry_;
        return accept;
    }

private:
    void load() override
    {
        InstructionRecord& e = element();
        typed_.clear(); // only an edit of the text names the element
        entry_ = -1;
        if (inserting()) {
            e.family = family::Structure;
            e.subtype = std::uint8_t(subroutine_ ? structure::SubroutineStart : structure::Label);
            e.arg3 = 0;
            view.controls[0].text.clear();
            view.previewName = subroutine_ ? "Subrutin" : "Etiqueta";
            return;
        }
        view.controls[0].text = e.name;
        view.previewName = e.name;
        const auto& labels = store().labelTable[std::size_t(store().activeSequence)];
        const auto found = std::find(labels.begin(), labels.end(), e.name);
        if (!subroutine_ && !e.name.empty() && found != labels.end())
            entry_ = int(found - labels.begin());
    }

    void typed(int, const std::string& text) override
    {
        typed_ = text;
        view.previewName = text;
    }

    bool subroutine_;
    std::string typed_;
    int entry_ = -1;
};

// formSaltoSaltar: a jump to a label of the active sequence or a call of a subroutine.
class JumpDialog final : public DialogRules {
public:
    JumpDialog()
        : DialogRules(DialogId::SaltoSaltar, QT_TRANSLATE_NOOP("core", "Saltar A..."),
                      {{"cmbEtiquetas",
                        ControlKind::Combo,
                        QT_TRANSLATE_NOOP("core", "Etiqueta Destino del Salto"),
                        {},
                        kNameLength,
                        "lblTituloEtiqueta"}},
                      false)
    {
    }

    DialogAccept accept() override
    {
        std::string target = element().name;
        cleanName(target);
        if (target.empty())
            return DialogAccept::close();
        element().name = target;
        return DialogAccept::commit();
    }

private:
    void load() override
    {
        InstructionRecord& e = element();
        ProgramStore& s = store();
        e.family = family::Structure;
        e.arg1 = 1;
        if (!inserting())
            view.title = QT_TRANSLATE_NOOP("core", "Saltar A..."); // this dialog keeps its title when modifying
        ControlState& picker = view.controls[0];
        if (e.subtype == structure::Call) {
            for (int n = 1; n <= std::clamp(s.subroutineCount, 0, kSubroutines); ++n)
                picker.list.push_back(s.subroutineNames[std::size_t(n)]);
        } else {
            const int count = std::clamp(s.labelCount[std::size_t(s.activeSequence)], 0, kLabelEntries);
            const auto& labels = s.labelTable[std::size_t(s.activeSequence)];
            picker.list.assign(labels.begin(), labels.begin() + count);
        }
        // A modified jump keeps its target; a new one starts at the first entry.
        if (!inserting() && !e.name.empty())
            picker.text = e.name;
        else if (!picker.list.empty())
            picker.text = picker.list.front();
        else
            picker.text = e.subtype == structure::Call ? "" : "Inicio";
        e.name = picker.text;
        view.previewName = picker.text;
    }

    void typed(int, const std::string& text) override
    {
        element().name = text; // already cut to 8 characters
        view.previewName = text;
    }
};

class EndDialog final : public DialogRules {
public:
    EndDialog()
        : DialogRules(DialogId::SaltoFinProg, QT_TRANSLATE_NOOP("core", "Modo de Terminacion de Programa"),
                      {{"OptMode",
                        ControlKind::Options,
                        "",
                        {{0, QT_TRANSLATE_NOOP("core", "Apagar el Ladrillo")},
                         {0, QT_TRANSLATE_NOOP("core", "Devolver el Mando a la PC")},
                         {0, QT_TRANSLATE_NOOP("core", "Reiniciar el Ladrillo (Modo Silencioso)")},
                         {0, QT_TRANSLATE_NOOP("core", "Entrar en un Ciclo sin Fin (Ladrillo Bloqueado)")},
                         {0, QT_TRANSLATE_NOOP("core", "Saltar a Inicio (Repetir el Programa)")}}}},
                      false)
    {
    }

private:
    void load() override
    {
        InstructionRecord& e = element();
        e.family = family::Structure;
        e.subtype = structure::ProgramEnd;
        if (inserting())
            e.option = structure::EndSwitchOff;
        view.controls[0].selected = e.option >= structure::EndSwitchOff && e.option <= structure::EndJumpToStart
            ? e.option - structure::EndSwitchOff
            : -1;
    }

    void chosen(int, int index) override { element().option = std::uint8_t(structure::EndSwitchOff + index); }
};

} // namespace

std::unique_ptr<DialogRules> makeStructureDialog(DialogId id)
{
    switch (id) {
    case DialogId::SaltoNuevaEtiq: return std::make_unique<NameDialog>(false);
    case DialogId::SaltoNuevaSub: return std::make_unique<NameDialog>(true);
    case DialogId::SaltoSaltar: return std::make_unique<JumpDialog>();
    case DialogId::SaltoFinProg: return std::make_unique<EndDialog>();
    default: return nullptr;
    }
}

} // namespace tarvel

#include "editing/ProgramEditor.h"

#include "model/ElementDescription.h"
#include "model/IconComposition.h"
#include "model/JumpTargets.h"
#include "model/NumberText.h"
#include "model/Text.h"

namespace tarvel {

namespace {

bool isLabel(const InstructionRecord& r)
{
    return r.is(family::Structure, structure::Label);
}

UserMessage twoLines(const char* first, const char* second, const char* title, MessageIcon icon)
{
    return {Text::lines({first, second}), title, icon};
}

} // namespace

std::vector<Layer> storedIconLayers(const InstructionRecord& r)
{
    return iconLayers(r, isLabel(r) && r.arg3 != structure::LabelNoFlowAbove ? 2 : 1);
}

std::vector<Layer> previewIconLayers(const ProgramStore& store, const EditorState& editor)
{
    const InstructionRecord& r = store.currentElement;
    if (!isLabel(r) || !editor.insertMode)
        return storedIconLayers(r);
    const int s = store.activeSequence;
    const int length = store.sequenceLength(s);
    const InstructionRecord& before = length > 0 ? store.recordAt(s, length - 1) : r;
    const bool noFlow = length == 0 || before.family == family::Separator ||
                        before.is(family::Structure, structure::ProgramEnd) ||
                        before.is(family::Structure, structure::Jump);
    return iconLayers(r, noFlow ? 1 : 2);
}

std::vector<UserMessage> numberLoadedIcons(ProgramStore& store)
{
    std::vector<UserMessage> messages;
    bool capacityShown = false;
    for (int s = 0; s < kSequences; ++s) {
        for (int i = 0; i < store.sequenceLength(s); ++i) {
            InstructionRecord& element = store.recordAt(s, i);
            if (auto refusal = store.capacityCheck()) {
                if (!capacityShown) // once per file, not once per element
                    messages.push_back(*refusal);
                capacityShown = true;
                continue;
            }
            const int labelPic = isLabel(element) ? labelPictureAt(store, s, i) : 2;
            const bool hasIcon = !iconLayers(element, labelPic).empty();
            setOverlayPositions(element);
            if (hasIcon)
                element.pictureId = std::int16_t(store.pictureCounter++);
        }
        store.views[std::size_t(s)].scrollMax = store.views[std::size_t(s)].viewTop / kGridColumns;
    }
    if (auto warning = store.capacityWarning())
        messages.push_back(*warning);
    return messages;
}

ProgramEditor::ProgramEditor(ProgramStore& store, EditorState& editor, UndoHistory& history,
                             const bool& syntaxAssistantOff, const bool& warnUncodedIcons)
    : store_(store)
    , editor_(editor)
    , history_(history)
    , syntaxAssistantOff_(syntaxAssistantOff)
    , warnUncodedIcons_(warnUncodedIcons)
{
}

void ProgramEditor::remember()
{
    if (!before_)
        before_ = store_.snapshot(history_.latest());
}

void ProgramEditor::stepDone(EditOutcome& outcome)
{
    if (before_ && outcome.changed)
        history_.push(std::move(*before_));
    before_.reset();
    // Every change is one the user may want to keep: deletions and spaces count as well.
    if (outcome.changed)
        editor_.programDirty = true;
}

std::vector<UserMessage> ProgramEditor::drawAppended(int sequence)
{
    std::vector<UserMessage> messages;
    const int length = store_.sequenceLength(sequence);
    if (length == 0)
        return messages;
    InstructionRecord& element = store_.recordAt(sequence, length - 1);
    const bool uncoded = warnsUncoded(element, store_, warnUncodedIcons_);
    auto warnUncoded = [&] {
        if (uncoded)
            messages.push_back({QT_TRANSLATE_NOOP("core", "Esta funcion no Genera Codigo para este Ladrillo!"),
                                QT_TRANSLATE_NOOP("core", "Aviso"), MessageIcon::Warning});
    };
    if (auto refusal = store_.capacityCheck()) {
        messages.push_back(*refusal);
        warnUncoded();
        return messages;
    }
    const int labelPic = isLabel(element) ? labelPicture(store_, sequence, true, element) : 2;
    const bool hasIcon = !iconLayers(element, labelPic).empty();
    setOverlayPositions(element);
    if (hasIcon)
        element.pictureId = std::int16_t(store_.pictureCounter++);
    if (auto warning = store_.capacityWarning())
        messages.push_back(*warning);
    warnUncoded();
    return messages;
}

EditOutcome ProgramEditor::commitElement()
{
    EditOutcome outcome;
    InstructionRecord& current = store_.currentElement;
    if (current.family < family::Motors || current.family > family::Structure) {
        // Only the palettes' families are drawn: the library's own codes (path steps, its header)
        // come into a program from files alone.
        outcome.messages.push_back({Text(QT_TRANSLATE_NOOP("core", "El elemento (%1, %2, %3) no es un elemento de programa."))
                                        .arg(plainNumber(current.family))
                                        .arg(plainNumber(current.subtype))
                                        .arg(plainNumber(current.option)),
                                    QT_TRANSLATE_NOOP("core", "Error"), MessageIcon::Critical});
        return outcome;
    }
    editor_.programDirty = true;

    if (!editor_.insertMode) {
        const int s = editor_.targetSequence, k = editor_.targetIndex;
        describeElement(current, store_);
        if (k < 0 || k >= store_.sequenceLength(s) || (s == 0 && (store_.sequenceLength(0) <= 1 || k == 0)))
            return outcome;
        remember();
        InstructionRecord& target = store_.recordAt(s, k);
        current.pictureId = target.pictureId; // the icon number is reused for the new picture
        setOverlayPositions(current);
        target = current;
        outcome.changed = outcome.modified = true;
        warnOfMissingLabel(outcome, s, target);
        stepDone(outcome);
        return outcome;
    }

    // A pending insertion or replacement belongs to the sequence where it started.
    if (editor_.pending() && store_.activeSequence != editor_.targetSequence) {
        store_.activeSequence = editor_.targetSequence;
        outcome.redraw = outcome.tabsChanged = true;
    }
    const int s = store_.activeSequence;
    const int length = store_.sequenceLength(s);
    const InstructionRecord previous = length > 0 ? store_.recordAt(s, length - 1) : InstructionRecord{};
    if (auto refusal = checkStructure(previous, current, {syntaxAssistantOff_, editor_.structureCheckOff})) {
        outcome.messages.push_back(*refusal);
        return outcome;
    }
    remember();
    describeElement(current, store_);
    if (auto full = store_.appendCurrent()) {
        outcome.messages.push_back(*full);
        before_.reset();
        return outcome;
    }
    auto drawn = drawAppended(s);
    outcome.messages.insert(outcome.messages.end(), drawn.begin(), drawn.end());
    outcome.changed = true;
    const InstructionRecord drawnElement = store_.recordAt(s, store_.sequenceLength(s) - 1);
    if (editor_.pending())
        finishPending(outcome);
    else
        outcome.appended = true;
    warnOfMissingLabel(outcome, s, drawnElement);
    stepDone(outcome);
    return outcome;
}

void ProgramEditor::warnOfMissingLabel(EditOutcome& outcome, int sequence, const InstructionRecord& element) const
{
    // Only a warning: the label may well be drawn after the jump. The build names it again.
    if (!syntaxAssistantOff_ && jumpsToLabel(element) && !labelPlaced(store_, sequence, element.name))
        outcome.messages.push_back(missingLabelWarning(element.name));
}

void ProgramEditor::finishPending(EditOutcome& outcome)
{
    const int s = editor_.targetSequence, k = editor_.targetIndex;
    const int last = store_.sequenceLength(s) - 1;
    const InstructionRecord placed = store_.recordAt(s, last);
    store_.removeRecord(s, last);
    if (editor_.editorMode == EditorMode::InsertPending) {
        store_.insertRecord(s, k, placed);
    } else {
        InstructionRecord& replaced = store_.recordAt(s, k);
        if (isLabel(replaced))
            store_.removeLabel(s, replaced.name);
        replaced = placed;
    }
    store_.views[std::size_t(s)].viewTop = editor_.pendingViewTop;
    store_.fitView(s);
    editor_.editorMode = EditorMode::Normal;
    editor_.structureCheckOff = false;
    outcome.pendingEnded = outcome.redraw = true;
}

void ProgramEditor::openPalette()
{
    editor_.insertMode = true;
    clearElement(store_.currentElement);
}

PaletteChoice ProgramEditor::choosePaletteItem(int paletteIndex, int itemIndex)
{
    PaletteChoice choice;
    const auto& all = palettes();
    if (paletteIndex < 0 || paletteIndex >= int(all.size()))
        return choice;
    const auto& entries = all[std::size_t(paletteIndex)].entries;
    if (itemIndex < 0 || itemIndex >= int(entries.size()))
        return choice;
    const PaletteItem& item = entries[std::size_t(itemIndex)];
    InstructionRecord& current = store_.currentElement;
    const int s = store_.activeSequence;
    auto refuse = [&](UserMessage message) {
        choice.outcome.messages.push_back(std::move(message));
        return choice;
    };
    switch (item.action) {
    case PaletteAction::CallSubroutine:
        if (s != 0)
            return refuse({QT_TRANSLATE_NOOP("core", "Este Ladrillo No Permite Anidar Subrutinas!"), QT_TRANSLATE_NOOP("core", "Error: Limitacion de Sistema"),
                           MessageIcon::Warning});
        break;
    case PaletteAction::CloseSubroutine:
        if (s == 0)
            return refuse(twoLines(QT_TRANSLATE_NOOP("core", "El Fin de Subrutina No Puede Estar Dentro del Cuerpo"), QT_TRANSLATE_NOOP("core", "Principal del Programa!"),
                                   QT_TRANSLATE_NOOP("core", "Error: Contexto Invalido"), MessageIcon::Information));
        break;
    case PaletteAction::EndProgram:
        if (!syntaxAssistantOff_ && s != 0)
            return refuse({QT_TRANSLATE_NOOP("core", "El Fin de Programa No Puede Estar Dentro de una Subrutina"), QT_TRANSLATE_NOOP("core", "Error: Contexto Invalido"),
                           MessageIcon::Information});
        break;
    default: break;
    }
    if (item.checksStructure) {
        const int length = store_.sequenceLength(s);
        InstructionRecord next = current;
        if (item.family)
            next.family = std::uint8_t(item.family);
        next.subtype = std::uint8_t(item.subtype);
        const InstructionRecord previous = length > 0 ? store_.recordAt(s, length - 1) : InstructionRecord{};
        if (auto refusal = checkStructure(previous, next, {syntaxAssistantOff_, editor_.structureCheckOff}))
            return refuse(*refusal);
    }
    if (item.family)
        current.family = std::uint8_t(item.family);
    if (item.subtype)
        current.subtype = std::uint8_t(item.subtype);
    if (!item.actionText.empty())
        editor_.dialogActionText = item.actionText;
    if (item.action == PaletteAction::InsertAtOnce) {
        current.option =
            store_.programSettings.directionMode == 1 ? motors::OneMotorSteering : motors::IndependentMotors;
        choice.outcome = commitElement();
        return choice;
    }
    if (item.action == PaletteAction::CloseSubroutine) {
        // Through the commit like every other element, so that the program counts as changed and a
        // pending insertion takes it.
        choice.outcome = commitElement();
        return choice;
    }
    choice.open = item.dialog;
    choice.title = item.title;
    return choice;
}

ModifyStart ProgramEditor::beginModify(int index)
{
    const int s = store_.activeSequence;
    const int length = store_.sequenceLength(s);
    // The modify takes the target over: the element a pending insertion or replacement waits for
    // would become the modified one (a subroutine's start, even).
    if (editor_.pending() || index < 0 || index >= length)
        return {};
    const InstructionRecord& r = store_.recordAt(s, index);
    if (r.family == family::Separator || (s > 0 && r.is(family::Structure, structure::SubroutineEnd)) ||
        (s == 0 && (index == 0 || length == 1)))
        return {};
    const DialogId dialog = dialogFor(r);
    if (dialog == DialogId::None)
        return {}; // turns, spins and unknown codes have nothing to edit
    editor_.insertMode = false;
    editor_.targetSequence = s;
    editor_.targetIndex = index;
    store_.currentElement = r;
    editor_.dialogActionText = modifyActionText(r);
    if (dialog == DialogId::MotorTour)
        return {ModifyKind::NewPathQuestion, dialog};
    if (dialog == DialogId::SalidaSonidoTour)
        return {ModifyKind::NewMelodyQuestion, dialog};
    return {ModifyKind::Dialog, dialog};
}

EditOutcome ProgramEditor::deleteElement(int index)
{
    EditOutcome outcome;
    if (editor_.pending())
        return outcome; // the place the pending operation waits for must not move
    clearElement(store_.currentElement);
    const int s = store_.activeSequence;
    const int length = store_.sequenceLength(s);
    if (index < 0 || index >= length)
        return outcome;
    if (s > 0 && (index == 0 || length == 1)) {
        outcome.askDeleteSubroutine = true;
        return outcome;
    }
    if (s == 0 && (length <= 1 || index < 1))
        return outcome;
    remember();
    const InstructionRecord& r = store_.recordAt(s, index);
    if (isLabel(r))
        store_.removeLabel(s, r.name);
    store_.removeRecord(s, index);
    store_.fitView(s);
    outcome.changed = outcome.redraw = true;
    stepDone(outcome);
    return outcome;
}

EditOutcome ProgramEditor::deleteSubroutine(int sequence)
{
    EditOutcome outcome;
    if (editor_.pending() || sequence < 1 || sequence > store_.subroutineCount)
        return outcome;
    remember();
    for (int t = sequence; t < store_.subroutineCount; ++t)
        store_.moveSubroutine(t + 1, t);
    store_.clearSubroutine(store_.subroutineCount);
    store_.activeSequence = 0;
    --store_.subroutineCount;
    outcome.changed = outcome.redraw = outcome.tabsChanged = true;
    stepDone(outcome);
    return outcome;
}

EditOutcome ProgramEditor::insertSeparator(int index)
{
    EditOutcome outcome;
    if (editor_.pending())
        return outcome;
    const int s = store_.activeSequence;
    if (store_.sequenceLength(s) < 2 || index < 1 || index >= store_.sequenceLength(s))
        return outcome;
    clearElement(store_.currentElement);
    store_.currentElement.family = family::Separator;
    remember();
    if (!store_.insertRecord(s, index, store_.currentElement)) {
        before_.reset();
        outcome.messages.push_back({s == 0 ? QT_TRANSLATE_NOOP("core", "No Hay Mas Lugar en el Programa Principal (601 Elementos)")
                                           : QT_TRANSLATE_NOOP("core", "No Hay Mas Lugar en esta Subrutina (129 Elementos)"),
                                    QT_TRANSLATE_NOOP("core", "Error"), MessageIcon::Critical});
        return outcome;
    }
    store_.fitView(s);
    outcome.changed = outcome.redraw = true;
    stepDone(outcome);
    return outcome;
}

bool ProgramEditor::beginInsert(int index)
{
    const int s = store_.activeSequence;
    if (editor_.pending() || index < 1 || index >= store_.sequenceLength(s) ||
        store_.recordAt(s, index).family == family::Separator)
        return false;
    editor_.editorMode = EditorMode::InsertPending;
    editor_.structureCheckOff = true;
    editor_.targetSequence = s;
    editor_.targetIndex = index;
    editor_.pendingViewTop = store_.views[std::size_t(s)].viewTop;
    clearElement(store_.currentElement);
    store_.currentElement.family = family::Separator;
    return true;
}

bool ProgramEditor::beginReplace(int index)
{
    if (!beginInsert(index))
        return false;
    editor_.editorMode = EditorMode::ReplacePending;
    return true;
}

EditOutcome ProgramEditor::cancelPending()
{
    EditOutcome outcome;
    if (!editor_.pending())
        return outcome;
    editor_.editorMode = EditorMode::Normal;
    editor_.structureCheckOff = false;
    outcome.pendingEnded = true;
    return outcome;
}

EditOutcome ProgramEditor::acceptLabel(std::string name, int renamedEntry)
{
    EditOutcome outcome;
    cleanName(name);
    if (name.empty())
        return outcome;
    const int s = store_.activeSequence;
    bool used = false;
    for (int n = 1; n <= kSubroutines; ++n)
        used = used || store_.subroutineNames[std::size_t(n)] == name;
    for (const auto& label : store_.labelTable[std::size_t(s)])
        used = used || label == name;
    if (used) {
        outcome.messages.push_back(twoLines(QT_TRANSLATE_NOOP("core", "Ya Existe una Etiqueta o Subrutina Con Este Nombre,"),
                                            QT_TRANSLATE_NOOP("core", "Cambie el Nombre de la Etiqueta."), QT_TRANSLATE_NOOP("core", "Error: Etiqueta en Uso"),
                                            MessageIcon::Warning));
        outcome.keepDialogOpen = true;
        return outcome;
    }
    remember(); // the label list and the element make one undo step
    std::string previousName;
    if (editor_.insertMode) {
        if (!store_.addLabel(s, name)) {
            before_.reset();
            outcome.messages.push_back({QT_TRANSLATE_NOOP("core", "No Hay Lugar para Mas Etiquetas en esta Secuencia (200 Etiquetas)"),
                                        QT_TRANSLATE_NOOP("core", "Error"), MessageIcon::Critical});
            return outcome;
        }
    } else if (renamedEntry >= 0 && renamedEntry < kLabelEntries) {
        previousName = store_.labelTable[std::size_t(s)][std::size_t(renamedEntry)];
        store_.labelTable[std::size_t(s)][std::size_t(renamedEntry)] = name;
    }
    store_.currentElement.name = name;
    outcome = commitElement();
    if (!outcome.changed) {
        // The element was refused: the label list stays as it was.
        if (editor_.insertMode)
            store_.removeLabel(s, name);
        else if (renamedEntry >= 0 && renamedEntry < kLabelEntries)
            store_.labelTable[std::size_t(s)][std::size_t(renamedEntry)] = previousName;
        before_.reset();
    }
    return outcome;
}

EditOutcome ProgramEditor::acceptSubroutine(std::string name)
{
    EditOutcome outcome;
    cleanName(name);
    if (editor_.pending()) {
        outcome.messages.push_back({QT_TRANSLATE_NOOP("core", "No se Puede Insertar Ni Reemplazar un Objeto con una Nueva Subrutina!"), QT_TRANSLATE_NOOP("core", "Aviso:"),
                                    MessageIcon::Warning});
        return outcome;
    }
    bool used = false;
    for (int n = 1; n <= kSubroutines; ++n)
        used = used || store_.subroutineNames[std::size_t(n)] == name;
    if (name.empty())
        return outcome;
    // A call names the subroutine by itself in the source text, where a name that starts like a
    // number would be read as an address.
    const char first = name.front();
    if ((first >= '0' && first <= '9') || first == '$' || first == '%' || first == '\'') {
        outcome.messages.push_back(twoLines(QT_TRANSLATE_NOOP("core", "El Nombre de una Subrutina No Puede Comenzar con un Numero"),
                                            QT_TRANSLATE_NOOP("core", "ni con los Signos $, % o '."), QT_TRANSLATE_NOOP("core", "Error: Nombre Invalido"),
                                            MessageIcon::Warning));
        outcome.keepDialogOpen = true;
        return outcome;
    }
    if (store_.subroutineCount > 7 && !used) {
        outcome.messages.push_back({QT_TRANSLATE_NOOP("core", "Las 8 Subrutinas Disponibles Estan Ocupadas"), QT_TRANSLATE_NOOP("core", "Error"), MessageIcon::Warning});
        return outcome;
    }
    if (used) {
        outcome.messages.push_back(twoLines(QT_TRANSLATE_NOOP("core", "Ya Existe una Etiqueta o Subrutina Con Este Nombre"),
                                            QT_TRANSLATE_NOOP("core", "Por Favor Cambie en Nombre de la Etiqueta."), QT_TRANSLATE_NOOP("core", "Error: Subrutina en Uso"),
                                            MessageIcon::Warning));
        return outcome;
    }
    remember();
    if (editor_.insertMode) {
        const int n = ++store_.subroutineCount;
        store_.activeSequence = n;
        store_.clearSubroutine(n);
        store_.subroutineNames[std::size_t(n)] = name;
        store_.labelTable[std::size_t(n)][0] = name;
        store_.labelCount[std::size_t(n)] = 1;
        store_.currentElement.family = family::Structure;
        store_.currentElement.subtype = structure::SubroutineStart;
        store_.currentElement.name = name;
        outcome = commitElement();
        before_.reset();
    } else {
        const int s = store_.activeSequence;
        store_.subroutineNames[std::size_t(s)] = name;
        store_.recordAt(s, 0).name = name;
        describeElement(store_.recordAt(s, 0), store_);
        store_.labelTable[std::size_t(s)][0] = name;
        outcome.changed = true;
        stepDone(outcome);
    }
    outcome.redraw = outcome.tabsChanged = true;
    return outcome;
}

void ProgramEditor::newProgram()
{
    store_.newProgram();
    editor_ = EditorState{};
    drawAppended(0);
    history_.clear();
    before_.reset();
}

void ProgramEditor::resetEditing()
{
    const std::string action = editor_.dialogActionText;
    editor_ = EditorState{};
    editor_.dialogActionText = action;
    history_.clear();
    before_.reset();
}

EditOutcome ProgramEditor::undo()
{
    EditOutcome outcome = cancelPending();
    if (auto target = history_.undo(store_.snapshot(history_.latest()))) {
        store_.restore(*target);
        editor_.programDirty = true;
        editor_.insertMode = true;
        outcome.changed = outcome.redraw = outcome.tabsChanged = true;
    }
    return outcome;
}

EditOutcome ProgramEditor::redo()
{
    EditOutcome outcome = cancelPending();
    if (auto target = history_.redo(store_.snapshot(history_.latest()))) {
        store_.restore(*target);
        editor_.programDirty = true;
        editor_.insertMode = true;
        outcome.changed = outcome.redraw = outcome.tabsChanged = true;
    }
    return outcome;
}

} // namespace tarvel

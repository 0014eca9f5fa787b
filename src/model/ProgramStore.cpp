#include "model/ProgramStore.h"

#include "model/ElementDescription.h"
#include "model/NumberText.h"
#include "model/Text.h"

#include <algorithm>

namespace tarvel {

namespace {
const InstructionRecord kEmptyRecord{};
}

void applyDirectionMode(ProgramStore& store)
{
    const std::uint8_t option
        = store.programSettings.directionMode == 1 ? motors::OneMotorSteering : motors::IndependentMotors;
    for (int seq = 0; seq < kSequences; ++seq)
        for (int i = 0; i < store.sequenceLength(seq); ++i) {
            InstructionRecord& r = store.recordAt(seq, i);
            if (r.family == family::Motors && motors::isTurnOrSpin(r.subtype))
                r.option = option;
        }
}

Text objectsStatusText(const ProgramStore& store)
{
    return Text(QT_TRANSLATE_NOOP("core", "Objetos: %1/%2"))
        .arg(signedNumber(store.sequenceLength(store.activeSequence)))
        .arg(signedNumber(store.totalElements()));
}

InstructionRecord programStartElement()
{
    InstructionRecord r;
    r.family = family::Structure;
    r.subtype = structure::ProgramStart;
    r.option = structure::StartNormal;
    r.name = "Inicio";
    return r;
}

ProgramStore::ProgramStore()
    : mainSequence_(kMainSlots)
{
    for (auto& sub : subSequences_)
        sub.resize(kSubSlots);
    resetStore();
}

void ProgramStore::resetStore()
{
    // Sequences are dense: only the slots up to each length hold anything to clear.
    for (int s = 0; s < kSequences; ++s) {
        auto& t = table(s);
        for (int i = 0; i < sequenceLength(s); ++i)
            clearElement(t[std::size_t(i)]);
    }
    pictureCounter = 1;
    mainLength_ = 0;
    subroutineCount = 0;
    activeSequence = 0;
    subLength_.fill(0);
    clearElement(currentElement);
    for (auto& labels : labelTable)
        labels.fill(std::string());
    labelCount.fill(0);
    labelTable[0][0] = "Inicio";
    labelCount[0] = 1;
    subroutineNames.fill(std::string());
    views.fill(SequenceView{});
}

void ProgramStore::newProgram()
{
    resetStore();
    programSettings = ProgramSettings{};
    RecordText keep = currentElement.text;
    currentElement = programStartElement();
    currentElement.text = keep;
    describeElement(currentElement, *this);
    appendCurrent();
}

std::vector<InstructionRecord>& ProgramStore::table(int sequence)
{
    return sequence == 0 ? mainSequence_ : subSequences_[std::size_t(sequence - 1)];
}

const std::vector<InstructionRecord>& ProgramStore::table(int sequence) const
{
    return sequence == 0 ? mainSequence_ : subSequences_[std::size_t(sequence - 1)];
}

std::optional<UserMessage> ProgramStore::appendCurrent()
{
    const int s = activeSequence;
    int& length = lengthOf(s);
    if (length >= sequenceSlots(s))
        return UserMessage{s == 0 ? QT_TRANSLATE_NOOP("core", "No Hay Mas Lugar en el Programa Principal (601 Elementos)")
                                  : QT_TRANSLATE_NOOP("core", "No Hay Mas Lugar en esta Subrutina (129 Elementos)"),
                           QT_TRANSLATE_NOOP("core", "Error"), MessageIcon::Critical};
    table(s)[std::size_t(length)] = currentElement;
    ++length;
    SequenceView& view = views[std::size_t(s)];
    ++view.cursorCell;
    lastAppendScrolled = view.cursorCell > kGridCells;
    if (lastAppendScrolled) {
        view.viewTop += kGridColumns;
        view.cursorCell -= kGridColumns;
        ++view.scrollMax;
    }
    return std::nullopt;
}

const InstructionRecord& ProgramStore::recordAt(int sequence, int index) const
{
    if (sequence < 0 || sequence >= kSequences || index < 0 || index >= sequenceSlots(sequence))
        return kEmptyRecord;
    return table(sequence)[std::size_t(index)];
}

InstructionRecord& ProgramStore::recordAt(int sequence, int index)
{
    // Writers pass indices they took from this store; an index outside is a programming error.
    return table(sequence).at(std::size_t(index));
}

int ProgramStore::sequenceLength(int sequence) const
{
    if (sequence == 0)
        return mainLength_;
    if (sequence < 1 || sequence > kSubroutines)
        return 0;
    return subLength_[std::size_t(sequence - 1)];
}

int ProgramStore::totalElements() const
{
    int total = mainLength_;
    for (int n : subLength_)
        total += n;
    return total;
}

std::optional<int> ProgramStore::elementCost(const InstructionRecord& r) const
{
    const int f = r.family, s = r.subtype, o = r.option;
    const bool variableLight = programSettings.lightFromVariable();
    if (r.is(family::Outputs, outputs::Sound, outputs::Melody))
        return int(elementSizeTable.at(family::Outputs, outputs::Sound, outputs::Melody)) * r.arg1;
    if (r.is(family::Motors, motors::Path) || f == family::Separator)
        return std::nullopt;
    // The variable-threshold variants of the light waits are stored two options further.
    if (r.is(family::Waits, waits::Light) && (o == waits::While || o == waits::Until) && variableLight)
        return elementSizeTable.at(family::Waits, waits::Light, o + 2);
    if ((f == family::Decisions || f == family::DecisionsInverted) && s == decisions::Light)
        return elementSizeTable.at(
            f, decisions::Light, variableLight ? decisions::VariableThreshold : decisions::FixedThreshold);
    if (f >= kCodeFirst && f < family::LibraryReserved && CodeTable<std::uint8_t>::inRange(f, s, o))
        return elementSizeTable.at(f, s, o);
    return std::nullopt;
}

std::optional<UserMessage> ProgramStore::capacityCheck() const
{
    if (pictureCounter >= kIconCapacity)
        return UserMessage{QT_TRANSLATE_NOOP("core", "Capacidad del Sistema Excedido (600 Instrucciones)"), QT_TRANSLATE_NOOP("core", "Error"), MessageIcon::Critical};
    return std::nullopt;
}

std::optional<UserMessage> ProgramStore::capacityWarning() const
{
    if (pictureCounter == kIconWarningAt)
        return UserMessage{Text::lines({QT_TRANSLATE_NOOP("core", "Solo Queda Espacio para 50 Instrucciones Graficas, Es Recomendable"),
                                        QT_TRANSLATE_NOOP("core", "Guardar el Programa y Volver a Abrirlo para Recuperar Espacio.")}),
                           QT_TRANSLATE_NOOP("core", "Aviso"), MessageIcon::Information};
    return std::nullopt;
}

bool ProgramStore::addLabel(int sequence, const std::string& label)
{
    int& count = labelCount[std::size_t(sequence)];
    if (count >= kLabelEntries)
        return false;
    labelTable[std::size_t(sequence)][std::size_t(count)] = label;
    ++count;
    return true;
}

bool ProgramStore::removeLabel(int sequence, const std::string& label)
{
    auto& labels = labelTable[std::size_t(sequence)];
    int& count = labelCount[std::size_t(sequence)];
    for (int i = 1; i < kLabelEntries; ++i) {
        if (labels[std::size_t(i)] != label)
            continue;
        for (int j = i; j + 1 < kLabelEntries; ++j)
            labels[std::size_t(j)] = labels[std::size_t(j + 1)];
        labels[kLabelEntries - 1].clear();
        if (count > 0)
            --count;
        return true;
    }
    return false;
}

bool ProgramStore::insertRecord(int sequence, int index, const InstructionRecord& record)
{
    int& length = lengthOf(sequence);
    if (length >= sequenceSlots(sequence) || index < 0 || index > length)
        return false;
    auto& t = table(sequence);
    for (int i = length; i > index; --i)
        t[std::size_t(i)] = t[std::size_t(i - 1)];
    t[std::size_t(index)] = record;
    ++length;
    return true;
}

void ProgramStore::removeRecord(int sequence, int index)
{
    int& length = lengthOf(sequence);
    if (index < 0 || index >= length)
        return;
    auto& t = table(sequence);
    for (int i = index; i + 1 < length; ++i)
        t[std::size_t(i)] = t[std::size_t(i + 1)];
    clearElement(t[std::size_t(length - 1)]);
    --length;
}

void ProgramStore::moveSubroutine(int from, int to)
{
    table(to) = table(from);
    lengthOf(to) = lengthOf(from);
    views[std::size_t(to)] = views[std::size_t(from)];
    labelTable[std::size_t(to)] = labelTable[std::size_t(from)];
    labelCount[std::size_t(to)] = labelCount[std::size_t(from)];
    subroutineNames[std::size_t(to)] = subroutineNames[std::size_t(from)];
}

void ProgramStore::clearSubroutine(int sequence)
{
    for (auto& r : table(sequence))
        clearElement(r);
    lengthOf(sequence) = 0;
    views[std::size_t(sequence)] = SequenceView{};
    labelTable[std::size_t(sequence)].fill(std::string());
    labelCount[std::size_t(sequence)] = 0;
    subroutineNames[std::size_t(sequence)].clear();
}

void ProgramStore::fitView(int sequence)
{
    SequenceView& view = views[std::size_t(sequence)];
    const int length = sequenceLength(sequence);
    const int rows = (length + kGridColumns - 1) / kGridColumns;
    view.scrollMax = std::max(0, rows - kGridCells / kGridColumns);
    view.cursorCell = length - view.scrollMax * kGridColumns;
    view.viewTop = std::clamp(view.viewTop, 0, view.scrollMax * kGridColumns);
}

ProgramSnapshot ProgramStore::snapshot(const ProgramSnapshot* previous) const
{
    ProgramSnapshot snap;
    for (int s = 0; s < kSequences; ++s) {
        const auto& t = table(s);
        const auto length = std::size_t(sequenceLength(s));
        const auto& before = previous ? previous->sequences[std::size_t(s)] : nullptr;
        if (before && before->size() == length && std::equal(before->begin(), before->end(), t.begin()))
            snap.sequences[std::size_t(s)] = before;
        else
            snap.sequences[std::size_t(s)] =
                std::make_shared<const std::vector<InstructionRecord>>(t.begin(), t.begin() + std::ptrdiff_t(length));
    }
    snap.subroutineCount = subroutineCount;
    snap.activeSequence = activeSequence;
    snap.subroutineNames = subroutineNames;
    snap.labelTable = labelTable;
    snap.labelCount = labelCount;
    snap.views = views;
    return snap;
}

void ProgramStore::restore(const ProgramSnapshot& snap)
{
    for (int s = 0; s < kSequences; ++s) {
        auto& t = table(s);
        const auto& saved = *snap.sequences[std::size_t(s)];
        const int old = sequenceLength(s);
        std::copy(saved.begin(), saved.end(), t.begin());
        for (int i = int(saved.size()); i < old; ++i)
            clearElement(t[std::size_t(i)]);
        lengthOf(s) = int(saved.size());
    }
    subroutineCount = snap.subroutineCount;
    activeSequence = snap.activeSequence;
    subroutineNames = snap.subroutineNames;
    labelTable = snap.labelTable;
    labelCount = snap.labelCount;
    views = snap.views;
}

} // namespace tarvel

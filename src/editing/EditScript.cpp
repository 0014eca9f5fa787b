#include "editing/EditScript.h"

#include "model/NumberText.h"
#include "model/ToneTiming.h"

#include <charconv>

namespace tarvel {

namespace {

constexpr std::size_t kTypedNameLimit = 8; // label and subroutine names as the dialogs take them

bool readInt(std::string_view text, long lo, long hi, long& value)
{
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && p == end && value >= lo && value <= hi;
}

std::optional<InstructionRecord> readElement(const std::string& word)
{
    long v[6];
    std::size_t start = 0;
    for (int i = 0; i < 6; ++i) {
        const std::size_t comma = word.find(',', start);
        const bool last = i == 5;
        const std::string_view part = std::string_view(word).substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const bool byte = i < 3 || i == 5;
        if (!readInt(part, byte ? 0 : -32768, byte ? 255 : 32767, v[i]))
            return std::nullopt;
        if (comma == std::string::npos) {
            if (!last)
                return std::nullopt;
            start = word.size() + 1;
            break;
        }
        start = comma + 1;
    }
    InstructionRecord r = makeElement(int(v[0]), int(v[1]), int(v[2]), int(v[3]), int(v[4]), int(v[5]));
    if (start <= word.size())
        r.name = word.substr(start);
    return r;
}

std::string joined(const std::vector<UserMessage>& messages)
{
    std::string text;
    for (const auto& m : messages)
        text += (text.empty() ? "" : "\r\n") + m.text.spanish();
    return text;
}

EditResult result(const EditOutcome& outcome)
{
    return {outcome.changed, joined(outcome.messages), outcome.messages};
}

// What the dialogs put beside the codes: a tone's bytes.
void completeElement(InstructionRecord& r)
{
    if (r.is(family::Outputs, outputs::Sound, outputs::Tone)) {
        std::int16_t frequency = r.arg2, volume = r.arg3;
        ToneTiming t;
        toneTiming(frequency, volume, r.arg1, t);
        r.arg2 = frequency;
        r.arg3 = std::uint8_t(volume);
        setToneText(r.text, t);
    }
}

bool isStructure(const InstructionRecord& r, int subtype)
{
    return r.is(family::Structure, subtype);
}

// The element built by the dialog, committed the way its OK commits.
EditOutcome commitBuilt(ProgramEditor& editor, ProgramStore& store, EditorState& state, const InstructionRecord& built,
                        int labelEntry)
{
    InstructionRecord& current = store.currentElement;
    const RecordText text = current.text;
    current = built;
    current.text = text;
    completeElement(current);
    if (isStructure(built, structure::Label)) {
        std::string name = built.name.substr(0, kTypedNameLimit);
        if (!state.insertMode && name == store.recordAt(state.targetSequence, state.targetIndex).name)
            return {}; // the same name: nothing changes
        return editor.acceptLabel(name, labelEntry);
    }
    if (isStructure(built, structure::SubroutineStart))
        return editor.acceptSubroutine(built.name.substr(0, kTypedNameLimit));
    return editor.commitElement();
}

bool sequenceExists(const ProgramStore& store, int sequence)
{
    return sequence >= 0 && sequence <= store.subroutineCount;
}

} // namespace

EditScriptParse parseEditScript(const std::vector<std::string>& words)
{
    EditScriptParse parse;
    std::size_t i = 0;
    auto number = [&](int lo, int hi, int& out) {
        long v = 0;
        if (i >= words.size() || !readInt(words[i], lo, hi, v))
            return false;
        out = int(v);
        ++i;
        return true;
    };
    auto element = [&](InstructionRecord& out) {
        if (i >= words.size())
            return false;
        auto r = readElement(words[i]);
        if (!r)
            return false;
        out = *r;
        ++i;
        return true;
    };
    using K = EditOperation::Kind;
    while (i < words.size()) {
        EditOperation op;
        op.word = words[i++];
        bool ok = true;
        if (op.word == "add") {
            op.kind = K::Add;
            ok = number(0, kSubroutines, op.sequence) && element(op.element);
        } else if (op.word == "insert" || op.word == "replace" || op.word == "modify") {
            op.kind = op.word == "insert" ? K::Insert : op.word == "replace" ? K::Replace : K::Modify;
            ok = number(0, kSubroutines, op.sequence) && number(0, kMainSlots, op.index) && element(op.element);
        } else if (op.word == "delete" || op.word == "space") {
            op.kind = op.word == "delete" ? K::Delete : K::Space;
            ok = number(0, kSubroutines, op.sequence) && number(0, kMainSlots, op.index);
        } else if (op.word == "sub") {
            op.kind = K::Sub;
            ok = i < words.size();
            if (ok)
                op.element.name = words[i++];
        } else if (op.word == "new") {
            op.kind = K::New;
        } else {
            parse.error = op.word;
            return parse;
        }
        if (!ok) {
            parse.error = op.word;
            return parse;
        }
        parse.operations.push_back(std::move(op));
    }
    return parse;
}

EditResult applyEditOperation(ProgramEditor& editor, ProgramStore& store, EditorState& state, const EditOperation& op)
{
    using K = EditOperation::Kind;
    if (op.kind == K::New) {
        editor.newProgram();
        return {true, {}};
    }
    if (op.kind == K::Sub) {
        editor.openPalette();
        store.currentElement.family = family::Structure;
        store.currentElement.subtype = structure::SubroutineStart;
        return result(editor.acceptSubroutine(op.element.name.substr(0, kTypedNameLimit)));
    }
    if (!sequenceExists(store, op.sequence))
        return {false, "La secuencia " + plainNumber(op.sequence) + " no existe"};
    store.activeSequence = op.sequence;
    const bool hasIndex = op.kind != K::Add;
    if (hasIndex && (op.index < 0 || op.index >= store.sequenceLength(op.sequence)))
        return {false, "No hay un elemento " + plainNumber(op.index) + " en la secuencia " + plainNumber(op.sequence)};
    switch (op.kind) {
    case K::Add: editor.openPalette(); return result(commitBuilt(editor, store, state, op.element, -1));
    case K::Insert:
    case K::Replace: {
        const bool started = op.kind == K::Insert ? editor.beginInsert(op.index) : editor.beginReplace(op.index);
        if (!started)
            return {false, "El elemento " + plainNumber(op.index) + " no se puede " +
                               (op.kind == K::Insert ? "insertar antes" : "reemplazar")};
        editor.openPalette();
        EditOutcome outcome = commitBuilt(editor, store, state, op.element, -1);
        if (!outcome.changed)
            editor.cancelPending(); // nothing was placed: the operation does not stay pending
        return result(outcome);
    }
    case K::Modify: {
        const InstructionRecord old = store.recordAt(op.sequence, op.index);
        const ModifyStart start = editor.beginModify(op.index);
        if (start.kind == ModifyKind::None || dialogFor(op.element) != start.dialog) {
            state.insertMode = true;
            return {false, "El elemento " + plainNumber(op.index) + " no se puede modificar asi"};
        }
        int entry = -1;
        const auto& labels = store.labelTable[std::size_t(op.sequence)];
        for (int e = 0; e < kLabelEntries && isStructure(old, structure::Label); ++e)
            if (labels[std::size_t(e)] == old.name) {
                entry = e;
                break;
            }
        EditOutcome outcome = commitBuilt(editor, store, state, op.element, entry);
        const bool sameName = isStructure(op.element, structure::Label) && old.name == op.element.name.substr(0, kTypedNameLimit);
        state.insertMode = true;
        return sameName ? EditResult{true, {}} : result(outcome);
    }
    case K::Delete: {
        EditOutcome outcome = editor.deleteElement(op.index);
        if (outcome.askDeleteSubroutine)
            outcome = editor.deleteSubroutine(op.sequence);
        return result(outcome);
    }
    case K::Space: return result(editor.insertSeparator(op.index));
    default: return {false, {}};
    }
}

} // namespace tarvel

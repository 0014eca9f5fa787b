#pragma once
#include "model/CodeTable.h"
#include "model/InstructionRecord.h"
#include "model/ProgramSettings.h"
#include "model/UserMessage.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace tarvel {

constexpr int kMainSlots = 601;      // slots 0..600
constexpr int kSubSlots = 129;       // slots 0..128 per subroutine
constexpr int kSubroutines = 8;
constexpr int kSequences = 1 + kSubroutines;
constexpr int kLabelEntries = 201;   // entries 0..200 per sequence
constexpr int kIconCapacity = 600;   // composed icons since the last reset
constexpr int kIconWarningAt = 550;
constexpr int kGridColumns = 7;
constexpr int kGridCells = 28;       // 7 x 4 visible cells

// What the canvas and the editing operations share about each sequence's view.
struct SequenceView {
    int viewTop = 0;    // first visible element, a multiple of 7
    int cursorCell = 0; // cells filled up to the end of the sequence, counted from the last rows' top
    int scrollMax = 0;  // rows the view can scroll down
    bool operator==(const SequenceView&) const = default;
};

// The program's content at one moment, for undo: each sequence's elements (shared with the previous
// snapshot while unchanged), the name tables and the view.
struct ProgramSnapshot {
    std::array<std::shared_ptr<const std::vector<InstructionRecord>>, 9> sequences;
    int subroutineCount = 0;
    int activeSequence = 0;
    std::array<std::string, 9> subroutineNames;
    std::array<std::array<std::string, 201>, 9> labelTable;
    std::array<int, 9> labelCount{};
    std::array<SequenceView, 9> views{};
};

// The one program in memory: main sequence, eight subroutines, label tables, settings and the
// element sizes of the loaded library.
class ProgramStore {
public:
    ProgramStore();

    // Empties the program, leaving no element at all (not even the start element).
    void resetStore();
    // A reset followed by the default settings and the program start element.
    void newProgram();

    // Appends `currentElement` to the active sequence. Refuses, with a message, when that
    // sequence's table has no free slot.
    std::optional<UserMessage> appendCurrent();

    const InstructionRecord& recordAt(int sequence, int index) const;
    InstructionRecord& recordAt(int sequence, int index);
    int sequenceLength(int sequence) const;
    static int sequenceSlots(int sequence) { return sequence == 0 ? kMainSlots : kSubSlots; }
    int totalElements() const;

    // Bytes of brick memory an element needs, or none (path, separator, codes outside the table).
    std::optional<int> elementCost(const InstructionRecord& record) const;

    // Before an icon is composed: the refusal when the icon store is full.
    std::optional<UserMessage> capacityCheck() const;
    // After any element was drawn: the "50 left" advice at exactly 550.
    std::optional<UserMessage> capacityWarning() const;

    // Library sizes (all zero until a library is loaded).
    void setElementSizes(const CodeTable<std::uint8_t>& sizes) { elementSizeTable = sizes; }

    InstructionRecord currentElement;
    int activeSequence = 0;
    int subroutineCount = 0;
    int pictureCounter = 1;
    bool lastAppendScrolled = false; // the last append moved its sequence's view down one row
    ProgramSettings programSettings;
    CodeTable<std::uint8_t> elementSizeTable;
    std::array<std::string, kSequences> subroutineNames; // index 1..8 used
    std::array<std::array<std::string, kLabelEntries>, kSequences> labelTable;
    std::array<int, kSequences> labelCount{};
    std::array<SequenceView, kSequences> views{};

    // Adds a name to a sequence's label table; false when its 201 entries are taken.
    bool addLabel(int sequence, const std::string& label);
    // Removes the first entry 1..200 of a sequence's label table with this name; false when none.
    bool removeLabel(int sequence, const std::string& label);

    // Puts `record` at `index` of `sequence` (0..length), moving that element and the following ones
    // up one place; false, and nothing changes, when the table is full.
    bool insertRecord(int sequence, int index, const InstructionRecord& record);
    // Removes the element at `index` (0..length-1), moving the following ones down one place.
    void removeRecord(int sequence, int index);
    // Subroutine places: `to` takes everything of `from` (elements, length, view, labels, name);
    // a cleared place has no elements, labels, name or view.
    void moveSubroutine(int from, int to);
    void clearSubroutine(int sequence);
    // After elements were inserted or removed: the scroll range that shows the last element in the
    // bottom row, the cursor counted from it, and the first visible row kept within the range.
    void fitView(int sequence);

    // Undo: `previous` lets unchanged sequences share their copy.
    ProgramSnapshot snapshot(const ProgramSnapshot* previous = nullptr) const;
    void restore(const ProgramSnapshot& snapshot);

private:
    std::vector<InstructionRecord>& table(int sequence);
    const std::vector<InstructionRecord>& table(int sequence) const;

    std::vector<InstructionRecord> mainSequence_;
    std::array<std::vector<InstructionRecord>, kSubroutines> subSequences_;
    int mainLength_ = 0;
    std::array<int, kSubroutines> subLength_{};
    int& lengthOf(int sequence) { return sequence == 0 ? mainLength_ : subLength_[std::size_t(sequence - 1)]; }
};

// Gives every turning and spinning element (10, 12..15) of every sequence the option of the
// program's steering type: 14 for steering by one motor, 13 for independent motors.
void applyDirectionMode(ProgramStore& store);

// Status panel 4: "Objetos: " and the active sequence's and the whole program's element counts.
Text objectsStatusText(const ProgramStore& store);

// The program start element of a new program.
InstructionRecord programStartElement();

} // namespace tarvel

#pragma once
// The melody editor's state: the note being chosen, the list of up to 12 notes, and the melody
// element they make.
#include "model/Text.h"
#include "model/InstructionRecord.h"
#include "tours/MelodyCodec.h"

#include <string>
#include <vector>

namespace tarvel {

class ProgramStore;

// One row of the note list: the tone, the duration as typed and the volume in percent.
struct MelodyRow {
    Text tone;
    std::string duration;
    std::string volume;
    bool operator==(const MelodyRow&) const = default;
};

class MelodyEditor {
public:
    static constexpr int kMaxNotes = 12;
    static constexpr int kTitleLength = 9;
    static constexpr int kMaxDurationMs = 20000;
    static constexpr int kDurationStep = 100;

    MelodyEditor();

    // Presets the element being built: the melody codes, an empty text and no notes.
    void startElement(InstructionRecord& current) const;

    // A note button: the tone it chooses; only "Frecuencia" takes the typed frequency.
    void chooseTone(int index);
    bool frequencyEnabled() const { return frequencyEnabled_; }
    const std::string& selectedTone() const { return selectedTone_; }

    // The frequency box was typed in: the text it keeps (4 characters, at most 9999).
    std::string setFrequencyText(const std::string& text);
    // The duration box was typed in: the text it keeps (5 characters, at most 20000).
    std::string setTimeText(const std::string& text);
    // The up-down buttons: the duration box's new text.
    std::string stepTime(int direction);
    int timeSpin() const { return timeSpin_; }
    void setVolume(int volume);
    int volume() const { return volume_; }
    std::string volumeText() const; // "100%"
    // The title box was typed in: the text it keeps (9 characters).
    std::string setTitle(const std::string& title);
    const std::string& title() const { return title_; }
    Text caption() const;

    // "Agregar Nota": false when the list is full. A note out of the brick's range is still added,
    // marked " : Error!", and shows the error label.
    bool addNote();
    // "Eliminar Nota": the row given (the selected one), or the last when none is.
    bool removeNote(int row = -1);
    // "Borrar Melodia".
    void clear();

    bool canAdd() const { return notes_.size() < std::size_t(kMaxNotes); }
    bool errorVisible() const { return errorVisible_; }
    Text infoText() const; // "Notas: " and the count, "/12"
    const std::vector<MelodyRow>& rows() const { return rows_; }
    const std::vector<MelodyNote>& notes() const { return notes_; }
    // The tone bytes the brick will play, note by note.
    std::vector<ToneTiming> timings() const;

    // Fills the element: codes, title, text bytes, note count and description. Nothing to store
    // when the list is empty (false).
    bool fillElement(InstructionRecord& current, const ProgramStore& store) const;

private:
    std::string selectedTone_;
    std::string frequencyText_ = "1000";
    std::string timeText_ = "500";
    int timeSpin_ = 500;
    int volume_ = 32;
    bool frequencyEnabled_ = true;
    bool errorVisible_ = false;
    bool counted_ = false;
    std::string title_ = "Melodia 1";
    std::vector<MelodyNote> notes_;
    std::vector<MelodyRow> rows_;
};

} // namespace tarvel

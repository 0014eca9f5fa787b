#pragma once
// Melody notes and the melody element's text bytes: four tone bytes per note (periods high,
// periods low, high ticks, low ticks), as the brick's tone generator takes them.
#include "model/InstructionRecord.h"
#include "model/Text.h"
#include "model/ToneTiming.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

struct MelodyNote {
    int frequency = 0;  // Hz
    int durationMs = 0;
    int volume = 32;    // 0..32
    bool operator==(const MelodyNote&) const = default;
};

// The note buttons `optTonos`, by index: caption and the tone they choose ("CUSTOM": the typed
// frequency).
struct NoteButton {
    const char* caption;
    const char* tone;
};
constexpr int kNoteButtons = 14;
constexpr int kCustomToneButton = 8;
const std::array<NoteButton, kNoteButtons>& noteButtons();
inline const std::string customTone = "CUSTOM";

// The frequency a tone text names: its leading number ("440Hz (La)" is 440).
int toneFrequency(const std::string& tone);
// A tone text to show: a note button's tone with its note's name ("440Hz (La)"), any other as it is.
Text toneText(const std::string& tone);

constexpr int kMaxStoredNotes = 16; // 16 notes of 4 bytes fill the 64-byte text

struct EncodedNote {
    ToneTiming timing;
    bool outOfRange = false;
};
// The tone bytes of one note through the tone timing. A frequency below 100 Hz (0 too) is raised
// to 100 and a volume above 32 lowered to 32; a note too long to count its periods plays the longest
// count the brick has.
EncodedNote encodeNote(const MelodyNote& note);

// The text bytes of the notes, or nothing when they do not fit the element's text.
std::optional<std::string> encodeMelody(const std::vector<MelodyNote>& notes);
std::string melodyBytes(const std::vector<ToneTiming>& timings);
// The tone bytes of the first `notes` notes held in an element's text (at most 16).
std::vector<ToneTiming> decodeMelody(const RecordText& text, int notes);

} // namespace tarvel

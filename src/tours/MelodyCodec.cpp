#include "tours/MelodyCodec.h"

#include "model/NumberText.h"
#include "model/Text.h"

#include <algorithm>

namespace tarvel {

const std::array<NoteButton, kNoteButtons>& noteButtons()
{
    static const std::array<NoteButton, kNoteButtons> buttons{{
        {QT_TRANSLATE_NOOP("core", "Do"), "261Hz (Do)"},
        {QT_TRANSLATE_NOOP("core", "Re"), "293Hz (Re)"},
        {QT_TRANSLATE_NOOP("core", "Mi"), "328Hz (Mi)"},
        {QT_TRANSLATE_NOOP("core", "Fa"), "348Hz (Fa)"},
        {QT_TRANSLATE_NOOP("core", "Sol"), "390Hz (Sol)"},
        {QT_TRANSLATE_NOOP("core", "La"), "440Hz (La)"},
        {QT_TRANSLATE_NOOP("core", "Si"), "494Hz (Si)"},
        {QT_TRANSLATE_NOOP("core", "Do"), "522Hz (Do)"},
        {QT_TRANSLATE_NOOP("core", "Frecuencia"), "CUSTOM"},
        {QT_TRANSLATE_NOOP("core", "Do#"), "277Hz (Do#)"},
        {QT_TRANSLATE_NOOP("core", "Re#"), "310Hz (Re#)"},
        {QT_TRANSLATE_NOOP("core", "Fa#"), "368Hz (Fa#)"},
        {QT_TRANSLATE_NOOP("core", "Sol#"), "413Hz (Sol#)"},
        {QT_TRANSLATE_NOOP("core", "La#"), "466Hz (La#)"},
    }};
    return buttons;
}

Text toneText(const std::string& tone)
{
    for (const NoteButton& b : noteButtons())
        if (tone == b.tone)
            return Text(QT_TRANSLATE_NOOP("core", "%1Hz (%2)")).arg(toneFrequency(tone)).arg(Text(b.caption));
    return Text::literal(tone);
}

int toneFrequency(const std::string& tone)
{
    return int(std::min<long long>(leadingDigits(tone), 32767));
}

EncodedNote encodeNote(const MelodyNote& note)
{
    std::int16_t frequency = std::int16_t(std::clamp(note.frequency, 0, 32767));
    std::int16_t volume = std::int16_t(std::clamp(note.volume, -32768, 32767));
    EncodedNote e;
    // The tone timing leaves the period bytes alone when the count does not fit: keep the longest.
    e.timing.tonePeriodsLow = 255;
    e.timing.tonePeriodsHigh = 255;
    e.outOfRange = toneTiming(frequency, volume, std::int16_t(std::clamp(note.durationMs, 0, 32767)), e.timing);
    return e;
}

std::string melodyBytes(const std::vector<ToneTiming>& timings)
{
    std::string s;
    for (const ToneTiming& t : timings) {
        s += char(t.tonePeriodsHigh);
        s += char(t.tonePeriodsLow);
        s += char(t.toneHighTicks);
        s += char(t.toneLowTicks);
    }
    return s;
}

std::optional<std::string> encodeMelody(const std::vector<MelodyNote>& notes)
{
    if (notes.size() > std::size_t(kMaxStoredNotes))
        return std::nullopt;
    std::vector<ToneTiming> timings;
    for (const MelodyNote& n : notes)
        timings.push_back(encodeNote(n).timing);
    return melodyBytes(timings);
}

std::vector<ToneTiming> decodeMelody(const RecordText& text, int notes)
{
    std::vector<ToneTiming> timings;
    for (int k = 0; k < std::clamp(notes, 0, kMaxStoredNotes); ++k) {
        const auto b = std::size_t(4 * k);
        ToneTiming t;
        t.tonePeriodsHigh = text[b];
        t.tonePeriodsLow = text[b + 1];
        t.toneHighTicks = text[b + 2];
        t.toneLowTicks = text[b + 3];
        timings.push_back(t);
    }
    return timings;
}

} // namespace tarvel

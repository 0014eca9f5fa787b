// The melody editor: note buttons, typing limits, the note list and the melody element's bytes.
#include "ToursTestSupport.h"

#include "model/ProgramStore.h"
#include "tours/MelodyEditor.h"

#include <gtest/gtest.h>

using namespace tarvel;
using testsupport::textBytes;

namespace {

InstructionRecord accepted(const MelodyEditor& editor, bool* stored = nullptr)
{
    ProgramStore store;
    InstructionRecord r;
    clearElement(r);
    const bool ok = editor.fillElement(r, store);
    if (stored)
        *stored = ok;
    return r;
}

int buttonOf(const std::string& tone)
{
    for (int i = 0; i < kNoteButtons; ++i)
        if (noteButtons()[std::size_t(i)].tone == tone)
            return i;
    return -1;
}

} // namespace

TEST(MelodyEditor, StartsEmpty)
{
    MelodyEditor e;
    InstructionRecord r = makeElement(11, 12, 14, 5);
    r.text.fill(0);
    e.startElement(r);
    EXPECT_EQ(r.arg1, 0);
    EXPECT_EQ(r.text, blankText());
    EXPECT_EQ(e.infoText(), "Notas: 0/12");
    EXPECT_EQ(e.caption(), "Melodia 1 : Herramienta para Crear Melodias");
    EXPECT_EQ(e.selectedTone(), "1000Hz");
    EXPECT_EQ(e.volumeText(), "100%");
    EXPECT_FALSE(e.errorVisible());
}

TEST(MelodyEditor, OneNoteOfLa)
{
    MelodyEditor e;
    e.chooseTone(5);
    EXPECT_FALSE(e.frequencyEnabled());
    e.setTimeText("1000");
    ASSERT_TRUE(e.addNote());
    EXPECT_EQ(e.infoText(), "Notas:  1/12");
    ASSERT_EQ(e.rows().size(), 1u);
    EXPECT_EQ(e.rows()[0], (MelodyRow{"440Hz (La)   ", "1000", " 100%"}));
    bool stored = false;
    const InstructionRecord r = accepted(e, &stored);
    ASSERT_TRUE(stored);
    EXPECT_EQ(textBytes(r.text, 5), (std::vector<int>{0x01, 0xB8, 0x8E, 0x8E, ' '}));
    EXPECT_EQ(r.arg1, 1);
    EXPECT_TRUE(r.is(11, 12, 14));
    EXPECT_EQ(r.name, "Melodia 1");
    EXPECT_EQ(r.description, "Reproducir Melodia (Melodia 1) [0]");
}

TEST(MelodyEditor, EveryNoteButton)
{
    // Frequency, then the tone bytes of one second at full volume: periods high and low, high and
    // low ticks.
    const struct {
        const char* caption;
        const char* tone;
        std::vector<int> bytes;
    } expected[] = {
        {"Do", "261Hz (Do)", {1, 5, 239, 239}},      {"Do#", "277Hz (Do#)", {1, 21, 225, 226}},
        {"Re", "293Hz (Re)", {1, 37, 213, 213}},     {"Re#", "310Hz (Re#)", {1, 54, 201, 202}},
        {"Mi", "328Hz (Mi)", {1, 72, 190, 191}},     {"Fa", "348Hz (Fa)", {1, 92, 179, 180}},
        {"Fa#", "368Hz (Fa#)", {1, 112, 169, 170}},  {"Sol", "390Hz (Sol)", {1, 134, 160, 160}},
        {"Sol#", "413Hz (Sol#)", {1, 157, 151, 151}}, {"La", "440Hz (La)", {1, 184, 142, 142}},
        {"La#", "466Hz (La#)", {1, 210, 134, 134}},  {"Si", "494Hz (Si)", {1, 238, 126, 127}},
        {"Do", "522Hz (Do)", {2, 10, 119, 120}},
    };
    for (const auto& x : expected) {
        const int index = buttonOf(x.tone);
        ASSERT_GE(index, 0) << x.tone;
        EXPECT_STREQ(noteButtons()[std::size_t(index)].caption, x.caption);
        MelodyEditor e;
        e.chooseTone(index);
        e.setTimeText("1000");
        e.addNote();
        EXPECT_FALSE(e.errorVisible()) << x.tone;
        EXPECT_EQ(textBytes(accepted(e).text, 4), x.bytes) << x.tone;
    }
    EXPECT_STREQ(noteButtons()[kCustomToneButton].caption, "Frecuencia");
    EXPECT_EQ(toneFrequency("466Hz (La#)"), 466);
}

TEST(MelodyEditor, TypedFrequencyAndDuration)
{
    MelodyEditor e;
    e.chooseTone(0);
    EXPECT_EQ(e.setFrequencyText("12345"), "1234");
    EXPECT_EQ(e.selectedTone(), "CUSTOM");
    EXPECT_EQ(e.setTimeText("123456"), "12345");
    EXPECT_EQ(e.setTimeText("98765"), "20000");
    EXPECT_EQ(e.timeSpin(), 20000);
    EXPECT_EQ(e.stepTime(1), "20000");
    EXPECT_EQ(e.stepTime(-1), "19900");
    EXPECT_EQ(e.setTimeText("50"), "50");
    EXPECT_EQ(e.stepTime(-1), "0");
    e.setTimeText("250");
    e.setVolume(20);
    EXPECT_EQ(e.volumeText(), "62%");
    e.addNote();
    EXPECT_EQ(e.rows()[0], (MelodyRow{"1234Hz   ", "250", " 62%"}));
    EXPECT_EQ(e.notes()[0], (MelodyNote{1234, 250, 20}));
    EXPECT_EQ(e.setTitle("Melodia larga"), "Melodia l");
    EXPECT_EQ(e.caption(), "Melodia l : Herramienta para Crear Melodias");
    e.setTitle("");
    EXPECT_EQ(e.caption(), "Herramienta para Crear Melodias");
}

TEST(MelodyEditor, TonesTheBrickCannotPlay)
{
    MelodyEditor e;
    e.setFrequencyText("100");
    e.setTimeText("1000");
    e.addNote();
    EXPECT_TRUE(e.errorVisible());
    EXPECT_EQ(e.rows()[0].tone, "100Hz : Error!   ");
    // No frequency at all is raised to 100 Hz and still gets its four bytes, so later notes stay
    // in place.
    e.setFrequencyText("");
    e.addNote();
    e.chooseTone(5);
    e.addNote();
    EXPECT_FALSE(e.errorVisible());
    const InstructionRecord r = accepted(e);
    EXPECT_EQ(r.arg1, 3);
    EXPECT_EQ(textBytes(r.text, 12), (std::vector<int>{0, 100, 1, 1, 0, 100, 1, 1, 1, 184, 142, 142}));
    // Too many periods to count: the longest count the brick has.
    const EncodedNote longest = encodeNote({9999, 20000, 32});
    EXPECT_TRUE(longest.outOfRange);
    EXPECT_EQ(longest.timing.tonePeriodsHigh, 255);
    EXPECT_EQ(longest.timing.tonePeriodsLow, 255);
}

TEST(MelodyEditor, DeleteTheSelectedNote)
{
    MelodyEditor e;
    for (int tone : {0, 1, 2}) {
        e.chooseTone(tone);
        e.addNote();
    }
    EXPECT_TRUE(e.removeNote(1)); // the middle row is selected
    ASSERT_EQ(e.rows().size(), 2u);
    EXPECT_EQ(e.rows()[0].tone, "261Hz (Do)   ");
    EXPECT_EQ(e.rows()[1].tone, "328Hz (Mi)   ");
    EXPECT_EQ(e.notes()[1].frequency, 328);
    EXPECT_TRUE(e.removeNote()); // none selected: the last
    EXPECT_EQ(e.notes().size(), 1u);
    EXPECT_EQ(e.infoText(), "Notas:  1/12");
    EXPECT_TRUE(e.removeNote(7));
    EXPECT_FALSE(e.removeNote());
    EXPECT_EQ(e.infoText(), "Notas:  0/12");
}

TEST(MelodyEditor, TwelveNotesAtMostAndClear)
{
    MelodyEditor e;
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(e.addNote());
    EXPECT_FALSE(e.canAdd());
    EXPECT_FALSE(e.addNote());
    EXPECT_EQ(e.infoText(), "Notas:  12/12");
    const InstructionRecord r = accepted(e);
    EXPECT_EQ(r.arg1, 12);
    EXPECT_EQ(r.text[47], 63); // 1000 Hz: 63 low ticks; byte 48 on is blank
    EXPECT_EQ(r.text[48], ' ');
    e.clear();
    EXPECT_EQ(e.infoText(), "Notas: 0/12");
    bool stored = true;
    accepted(e, &stored);
    EXPECT_FALSE(stored);
}

TEST(MelodyCodec, DecodeOfEncodeGivesTheTonesBack)
{
    const std::vector<MelodyNote> notes{{440, 1000, 32}, {261, 250, 10}, {9999, 100, 0}, {100, 20000, 32}};
    const auto bytes = encodeMelody(notes);
    ASSERT_TRUE(bytes);
    RecordText text = blankText();
    setText(text, *bytes);
    const std::vector<ToneTiming> tones = decodeMelody(text, int(notes.size()));
    ASSERT_EQ(tones.size(), notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i)
        EXPECT_EQ(tones[i], encodeNote(notes[i]).timing);
    EXPECT_EQ(melodyBytes(tones), *bytes);
    EXPECT_FALSE(encodeMelody(std::vector<MelodyNote>(17, MelodyNote{440, 100, 32})));
    EXPECT_EQ(decodeMelody(text, 40).size(), 16u);
}

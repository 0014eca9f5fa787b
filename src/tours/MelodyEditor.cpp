#include "tours/MelodyEditor.h"

#include "model/ElementDescription.h"
#include "model/NumberText.h"
#include "tours/TourTexts.h"

#include <algorithm>

namespace tarvel {

namespace {
int percent(int volume)
{
    return volume * 100 / 32;
}
} // namespace

MelodyEditor::MelodyEditor()
{
    selectedTone_ = frequencyText_ + "Hz";
}

void MelodyEditor::startElement(InstructionRecord& current) const
{
    current.family = family::Outputs;
    current.subtype = outputs::Sound;
    current.option = outputs::Melody;
    current.text = blankText();
    current.arg1 = 0;
}

void MelodyEditor::chooseTone(int index)
{
    if (index < 0 || index >= kNoteButtons)
        return;
    selectedTone_ = noteButtons()[std::size_t(index)].tone;
    frequencyEnabled_ = index == kCustomToneButton;
}

std::string MelodyEditor::setFrequencyText(const std::string& text)
{
    frequencyText_ = text.substr(0, 4);
    if (leadingDigits(frequencyText_) > 9999)
        frequencyText_ = "9999";
    selectedTone_ = customTone;
    return frequencyText_;
}

std::string MelodyEditor::setTimeText(const std::string& text)
{
    timeText_ = text.substr(0, 5);
    if (leadingDigits(timeText_) > kMaxDurationMs)
        timeText_ = plainNumber(kMaxDurationMs);
    timeSpin_ = int(leadingDigits(timeText_));
    return timeText_;
}

std::string MelodyEditor::stepTime(int direction)
{
    timeSpin_ = std::clamp(timeSpin_ + (direction > 0 ? kDurationStep : -kDurationStep), 0, kMaxDurationMs);
    return setTimeText(plainNumber(timeSpin_));
}

void MelodyEditor::setVolume(int volume)
{
    volume_ = std::clamp(volume, 0, 32);
}

std::string MelodyEditor::volumeText() const
{
    return plainNumber(percent(volume_)) + "%";
}

std::string MelodyEditor::setTitle(const std::string& title)
{
    title_ = title.substr(0, kTitleLength);
    return title_;
}

Text MelodyEditor::caption() const
{
    const Text caption = tourText::melodyCaption;
    return title_.empty() ? caption : Text::layout("%1 : %2", {Text::literal(title_), caption});
}

bool MelodyEditor::addNote()
{
    if (!canAdd())
        return false;
    if (selectedTone_ == customTone)
        selectedTone_ = frequencyText_ + "Hz";
    const MelodyNote note{toneFrequency(selectedTone_), int(leadingDigits(timeText_)), volume_};
    errorVisible_ = encodeNote(note).outOfRange;
    const Text tone = errorVisible_ ? Text(QT_TRANSLATE_NOOP("core", "%1 : Error!")).arg(toneText(selectedTone_))
                                    : toneText(selectedTone_);
    rows_.push_back({Text::layout("%1   ", {tone}), timeText_,
                     signedNumber(percent(volume_)) + "%"});
    notes_.push_back(note);
    counted_ = true;
    return true;
}

bool MelodyEditor::removeNote(int row)
{
    if (notes_.empty())
        return false;
    const auto i = row >= 0 && std::size_t(row) < notes_.size() ? std::size_t(row) : notes_.size() - 1;
    notes_.erase(notes_.begin() + std::ptrdiff_t(i));
    rows_.erase(rows_.begin() + std::ptrdiff_t(i));
    return true;
}

void MelodyEditor::clear()
{
    notes_.clear();
    rows_.clear();
    counted_ = false;
}

Text MelodyEditor::infoText() const
{
    // A fresh or cleared list shows the count without its blank, as the window always did.
    const long count = long(notes_.size());
    return Text(QT_TRANSLATE_NOOP("core", "Notas: %1"))
        .arg((counted_ ? signedNumber(count) : plainNumber(count)) + "/" + plainNumber(kMaxNotes));
}

std::vector<ToneTiming> MelodyEditor::timings() const
{
    std::vector<ToneTiming> out;
    for (const MelodyNote& n : notes_)
        out.push_back(encodeNote(n).timing);
    return out;
}

bool MelodyEditor::fillElement(InstructionRecord& current, const ProgramStore& store) const
{
    if (notes_.empty())
        return false;
    startElement(current);
    current.name = title_;
    setText(current.text, melodyBytes(timings()));
    current.arg1 = std::int16_t(notes_.size());
    describeElement(current, store);
    return true;
}

} // namespace tarvel

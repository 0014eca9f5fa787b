#pragma once
#include "model/ElementCodes.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvel {

constexpr int kTextBytes = 64;
using RecordText = std::array<std::uint8_t, kTextBytes>;

inline RecordText blankText()
{
    RecordText t;
    t.fill(' ');
    return t;
}

// One flowchart element. `name`, `description` and `text` hold Windows-1252 bytes; `text` is
// binary for tones, paths and melodies.
struct InstructionRecord {
    std::uint8_t family = 0;
    std::uint8_t subtype = 0;
    std::uint8_t option = 10;
    std::int16_t arg1 = 0;
    std::int16_t arg2 = 0;
    std::uint8_t arg3 = 0;
    std::string name;
    std::int16_t pictureId = 0;
    std::int16_t lblOneTop = 0;
    std::int16_t lblOneLeft = 0;
    std::int16_t lblTwoTop = 0;
    std::int16_t lblTwoLeft = 0;
    RecordText text = blankText();
    std::string description;

    bool is(int f, int s) const { return family == f && subtype == s; }
    bool is(int f, int s, int o) const { return family == f && subtype == s && option == o; }
    bool empty() const { return family == 0; }
    bool operator==(const InstructionRecord&) const = default;
};

// A record with the given codes and operands (the rest cleared).
inline InstructionRecord makeElement(int f, int s, int o, int a1 = 0, int a2 = 0, int a3 = 0,
                                     const std::string& name = {})
{
    InstructionRecord r;
    r.family = std::uint8_t(f);
    r.subtype = std::uint8_t(s);
    r.option = std::uint8_t(o);
    r.arg1 = std::int16_t(a1);
    r.arg2 = std::int16_t(a2);
    r.arg3 = std::uint8_t(a3);
    r.name = name;
    return r;
}

// Cleared values of a record; `text` is left as it was.
void clearElement(InstructionRecord& record);

std::string textAsString(const RecordText& text);
void setText(RecordText& text, std::string_view bytes); // left-aligned, blank-padded, cut at 64

} // namespace tarvel

#pragma once
// What a box that asks for a number takes while the user types: digits within a stated range, and
// the message that says so when a keystroke is refused.
#include "model/UserMessage.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvel
{

struct NumberRange {
    int minimum = 0;
    int maximum = 255;
    bool contains(long long v) const { return v >= minimum && v <= maximum; }
    bool operator==(const NumberRange&) const = default;
};

enum class EntryCheck { Acceptable, Intermediate, Refused };

// A typed text (Windows-1252): blanks before the digits (the program writes numbers with one), the
// digits, and after them nothing or the beginning of one of `units` ("Hz (Do)" of a listed tone).
// Anything else, or a number above the range, is refused; an empty box or a number below the range
// may still become one.
EntryCheck checkNumberEntry(std::string_view text, NumberRange range, const std::vector<std::string>& units = {});

// "Solo se Aceptan Numeros de 0 a 255": what a refused keystroke is told.
UserMessage numberRangeMessage(NumberRange range);

} // namespace tarvel

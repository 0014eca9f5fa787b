#pragma once
// The number forms of the system's texts.
#include <string>
#include <string_view>

namespace tarvel {

// Decimal, "-" for negatives, nothing before positives ("5").
std::string plainNumber(long long value);
// Decimal preceded by one blank when not negative (" 5", "-5").
std::string signedNumber(long long value);
// Single precision, up to 7 significant digits, no trailing zeros, no zero before the point (".5").
std::string shortDecimal(float value);
// A real number in plain form: an integral value has no decimal part ("16", "2.5").
std::string plainReal(double value);
// The number formed by the leading decimal digits of a word (0 without any), saturated so that a long
// digit string cannot overflow.
long long leadingDigits(std::string_view word);
// The same after an optional sign: "-5x" is -5.
long long signedLeadingNumber(std::string_view text);
// The number at the start of a text, as a text-to-number conversion reads it:
// optional sign, digits, optional fraction and exponent; anything else ends it, and no digits give 0.
double leadingNumber(std::string_view text);
// Round to the nearest integer, halves to even.
long long roundHalfEven(double value);

} // namespace tarvel

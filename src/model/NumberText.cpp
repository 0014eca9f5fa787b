#include "model/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace tarvel {

std::string plainNumber(long long value)
{
    return std::to_string(value);
}

std::string signedNumber(long long value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

namespace {
std::string trimReal(std::string text, bool dropLeadingZero)
{
    if (auto dot = text.find('.'); dot != std::string::npos && text.find('e') == std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (dropLeadingZero && text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    else if (dropLeadingZero && text.rfind("-0.", 0) == 0)
        text.erase(1, 1);
    return text == "-0" ? "0" : text;
}
} // namespace

std::string shortDecimal(float value)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.7g", double(value));
    return trimReal(buf, true);
}

std::string plainReal(double value)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return trimReal(buf, false);
}

long long leadingDigits(std::string_view word)
{
    long long value = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            break;
        value = std::min(value * 10 + (c - '0'), 1LL << 40);
    }
    return value;
}

long long signedLeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    const long long v = leadingDigits(text.substr(i));
    return negative ? -v : v;
}

long long roundHalfEven(double value)
{
    return (long long)std::nearbyint(value); // default rounding mode: to nearest, ties to even
}

double leadingNumber(std::string_view s)
{
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        number += s[i++];
    while (i < s.size() && (std::isdigit((unsigned char)s[i]) || s[i] == '.'))
        number += s[i++];
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E') && number.find_first_of("0123456789") != std::string::npos) {
        std::string exp = "e";
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '-' || s[j] == '+'))
            exp += s[j++];
        if (j < s.size() && std::isdigit((unsigned char)s[j])) {
            while (j < s.size() && std::isdigit((unsigned char)s[j]))
                exp += s[j++];
            number += exp;
        }
    }
    if (number.find_first_of("0123456789") == std::string::npos)
        return 0;
    try {
        const double v = std::stod(number);
        return std::isfinite(v) ? v : 0;
    } catch (...) {
        return 0; // malformed, such as two decimal points: read as nothing
    }
}

} // namespace tarvel

#include "model/Text.h"

#include "model/Cp1252.h"

#include <ostream>

namespace tarvel {

namespace {

bool isAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

Text Text::literal(std::string cp1252)
{
    Text t;
    t.literal_ = std::move(cp1252);
    return t;
}

Text Text::sentence(std::string cp1252)
{
    Text t = literal(std::move(cp1252));
    t.context_ = kCoreContext;
    return t;
}

Text Text::sentences(const std::string& cp1252)
{
    std::vector<Text> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = cp1252.find("\r\n", start)) != std::string::npos; start = end + 2)
        parts.push_back(sentence(cp1252.substr(start, end - start)));
    parts.push_back(sentence(cp1252.substr(start)));
    return lines(parts);
}

Text Text::number(long long value)
{
    return literal(std::to_string(value));
}

Text Text::layout(const char* pattern, std::vector<Text> parts)
{
    Text t(nullptr, pattern);
    t.args_ = std::move(parts);
    return t;
}

Text Text::joined(const std::vector<Text>& parts, const char* separator)
{
    if (parts.empty())
        return {};
    Text out = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i)
        out = layout("%1%2%3", {out, literal(separator), parts[i]});
    return out;
}

Text& Text::arg(Text value)
{
    args_.push_back(std::move(value));
    return *this;
}

bool Text::empty() const
{
    return pattern_ == nullptr ? literal_.empty() : (*pattern_ == '\0' && args_.empty());
}

std::string Text::spanish() const
{
    if (pattern_ == nullptr)
        return literal_;
    const std::string_view pattern(pattern_);
    std::string out;
    out.reserve(pattern.size() + 16 * args_.size());
    std::size_t plain = 0; // start of the pattern's words not yet copied
    auto words = [&](std::size_t end) {
        const std::string_view piece = pattern.substr(plain, end - plain);
        out += isAscii(piece) ? std::string(piece) : utf8ToCp1252(piece);
    };
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const int n = placeAt(pattern, i, args_.size());
        if (n < 0)
            continue;
        words(i);
        out += args_[std::size_t(n)].spanish();
        plain = i + 2;
        ++i;
    }
    words(pattern.size());
    return out;
}

std::ostream& operator<<(std::ostream& out, const Text& text)
{
    return out << text.spanish();
}

} // namespace tarvel

#pragma once
// A text of the core as a value: what is said, not yet in which language. A pattern with numbered
// places (%1 .. %9) marked for the translation files, its context there, and what fills the places:
// further texts, or literals the user typed or the program counted (names, numbers), which are never
// translated. The core renders the Spanish (Windows-1252) bytes it stores and prints; the windows
// render it through the translator.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Marks a pattern for the translation tools where it is written. Qt's own definition when Qt is
// there; the same plain string without it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace tarvel {

class Text {
public:
    // No words at all.
    Text() = default;
    // A pattern of the translation files. `pattern` is UTF-8 (the translation files' encoding) and
    // must outlive the value: a string literal.
    Text(const char* context, const char* pattern) : context_(context), pattern_(pattern) {}
    // A sentence of the core's own context, marked where it is written:
    // `Text t = QT_TRANSLATE_NOOP("core", "Aviso");`. Implicit, so that a message is written as
    // `{QT_TRANSLATE_NOOP("core", "..."), QT_TRANSLATE_NOOP("core", "Aviso"), icon}`; a composed
    // std::string is no pattern and does not convert.
    Text(const char* corePattern) : context_(kCoreContext), pattern_(corePattern) {}

    static constexpr const char* kCoreContext = "core";

    // A name, a number or a path: Windows-1252 bytes shown as they are.
    static Text literal(std::string cp1252);
    // A sentence of the core chosen while the program runs among sentences marked where they are
    // written (the reason a file could not be read): its Spanish bytes, looked up whole in the
    // translation files when shown.
    static Text sentence(std::string cp1252);
    // Lines of such sentences as the core joined them with CR LF (a file's refusal with its reason
    // under it), each looked up whole.
    static Text sentences(const std::string& cp1252);
    static Text number(long long value);
    // Places filled without translation ("%1\r\n%2"): a layout, not words.
    static Text layout(const char* pattern, std::vector<Text> parts);
    // The texts one after the other, `separator` between them.
    static Text joined(const std::vector<Text>& parts, const char* separator);
    // The texts as lines ("\r\n" between them), the way a message box shows several sentences.
    static Text lines(const std::vector<Text>& parts) { return joined(parts, "\r\n"); }

    // Fills the next place.
    Text& arg(Text value);
    Text& arg(std::string cp1252) { return arg(literal(std::move(cp1252))); }
    Text& arg(const char* cp1252) { return arg(literal(cp1252)); }
    Text& arg(int value) { return arg(number(value)); }
    Text& arg(long value) { return arg(number(value)); }
    Text& arg(long long value) { return arg(number(value)); }

    // The Spanish text, Windows-1252 as the core stores it.
    std::string spanish() const;
    // Compared by the Spanish words: what the core stores and prints.
    bool operator==(const std::string& cp1252) const { return spanish() == cp1252; }
    bool operator==(const char* cp1252) const { return spanish() == cp1252; }
    bool operator==(const Text& other) const { return spanish() == other.spanish(); }

    bool empty() const;
    bool isLiteral() const { return pattern_ == nullptr; }
    // A literal whose words are a marked sentence (see `sentence`).
    bool isSentence() const { return pattern_ == nullptr && context_ != nullptr; }
    // Null for a layout and for a plain literal.
    const char* context() const { return context_; }
    // Null for a literal.
    const char* pattern() const { return pattern_; }
    const std::string& literalText() const { return literal_; }
    const std::vector<Text>& args() const { return args_; }

private:
    const char* context_ = nullptr;
    const char* pattern_ = nullptr;
    std::string literal_;
    std::vector<Text> args_;
};

// The Spanish words, for test reports and logs.
std::ostream& operator<<(std::ostream& out, const Text& text);

// The place a "%1" .. "%9" at `pattern[at]` names (0 for %1), or -1: how every renderer reads a
// pattern, so that a value holding "%1" is never filled again and a place without a value stays.
inline int placeAt(std::string_view pattern, std::size_t at, std::size_t count)
{
    if (pattern[at] != '%' || at + 1 >= pattern.size() || pattern[at + 1] < '1' || pattern[at + 1] > '9')
        return -1;
    const int n = pattern[at + 1] - '1';
    return std::size_t(n) < count ? n : -1;
}

} // namespace tarvel

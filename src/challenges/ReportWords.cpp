#include "challenges/ReportWords.h"

#include "model/Cp1252.h"
#include "model/TextUtil.h"

namespace tarvel {

namespace {

// The text between `open` and `close` from `at` on; `at` moves past it. False when there is none.
bool element(std::string_view doc, std::size_t& at, std::string_view open, std::string_view close,
             std::string_view& inside, std::string_view* attributes = nullptr)
{
    const std::size_t start = doc.find(open, at);
    if (start == std::string_view::npos)
        return false;
    const std::size_t tagEnd = doc.find('>', start + open.size() - 1); // `open` may end the tag itself
    if (tagEnd == std::string_view::npos)
        return false;
    const std::size_t end = doc.find(close, tagEnd + 1);
    if (end == std::string_view::npos)
        return false;
    if (attributes)
        *attributes = doc.substr(start + open.size(), tagEnd - start - open.size());
    inside = doc.substr(tagEnd + 1, end - tagEnd - 1);
    at = end + close.size();
    return true;
}

// XML character data as the translation tools write it: the five entities, and control characters
// as <byte value="xd"/>. False for anything else (the message is then left out).
bool decoded(std::string_view xml, std::string& out)
{
    static const std::pair<std::string_view, char> entities[] = {
        {"&quot;", '"'}, {"&apos;", '\''}, {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}};
    out.clear();
    for (std::size_t i = 0; i < xml.size();) {
        if (xml[i] == '&') {
            bool known = false;
            for (const auto& [name, c] : entities)
                if (xml.substr(i, name.size()) == name) {
                    out += c;
                    i += name.size();
                    known = true;
                    break;
                }
            if (!known)
                return false;
        } else if (xml[i] == '<') {
            constexpr std::string_view byte = "<byte value=\"x";
            if (xml.substr(i, byte.size()) != byte)
                return false;
            std::size_t j = i + byte.size();
            int value = 0, digits = 0;
            for (int d; j < xml.size() && (d = hexDigit(xml[j])) >= 0 && digits < 2; ++j, ++digits)
                value = value * 16 + d;
            if (digits == 0 || xml.substr(j, 3) != "\"/>")
                return false;
            out += char(value);
            i = j + 3;
        } else {
            out += xml[i++];
        }
    }
    return true;
}

bool blank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

TranslationTable TranslationTable::parse(std::string_view ts)
{
    TranslationTable table;
    std::size_t at = 0;
    std::string_view context;
    while (element(ts, at, "<context>", "</context>", context)) {
        std::size_t in = 0;
        std::string_view rawName, message;
        std::string name;
        if (!element(context, in, "<name>", "</name>", rawName) || !decoded(rawName, name))
            continue;
        while (element(context, in, "<message", "</message>", message)) {
            std::size_t m = 0;
            std::string_view rawSource, rawTranslation, attributes;
            std::string source, translation;
            if (!element(message, m, "<source>", "</source>", rawSource) ||
                !element(message, m, "<translation", "</translation>", rawTranslation, &attributes))
                continue;
            if (attributes.find("type=") != std::string_view::npos) // unfinished, vanished, obsolete
                continue;
            if (!decoded(rawSource, source) || !decoded(rawTranslation, translation) || translation.empty())
                continue;
            table.table_.emplace(std::pair(name, std::move(source)), std::move(translation));
        }
    }
    return table;
}

const std::string* TranslationTable::find(std::string_view context, std::string_view source) const
{
    const auto it = table_.find(std::pair(std::string(context), std::string(source)));
    return it == table_.end() ? nullptr : &it->second;
}

std::string TranslationTable::render(const Text& text) const
{
    if (text.isLiteral()) {
        const std::string words = cp1252ToUtf8(text.literalText());
        if (!text.isSentence() || blank(words))
            return words;
        const std::string* translated = find(text.context(), words);
        return translated ? *translated : words;
    }
    const std::string* translated = text.context() ? find(text.context(), text.pattern()) : nullptr;
    const std::string_view pattern = translated ? std::string_view(*translated) : std::string_view(text.pattern());
    const auto& args = text.args();
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (const int n = placeAt(pattern, i, args.size()); n >= 0) {
            out += render(args[std::size_t(n)]);
            ++i;
            continue;
        }
        out += pattern[i];
    }
    return out;
}

std::string englishWords(const Text& text)
{
    static const TranslationTable english = TranslationTable::parse(englishTranslationFile());
    return english.render(text);
}

} // namespace tarvel

#include "model/Cp1252.h"

#include <array>
#include <iconv.h>
#include <unordered_map>

namespace tarvel {

namespace {

// The UTF-8 form of each of the 256 bytes, asked once from iconv. The five bytes that
// Windows-1252 leaves undefined map to the C1 control of the same number, so any byte survives a
// round trip.
struct CodePage {
    std::array<std::string, 256> toUtf8;
    std::unordered_map<std::string, char> fromUtf8;

    CodePage()
    {
        iconv_t cd = iconv_open("UTF-8", "WINDOWS-1252");
        for (int b = 0; b < 256; ++b) {
            char in = char(b);
            char out[8] = {};
            char* inPtr = &in;
            char* outPtr = out;
            size_t inLeft = 1, outLeft = sizeof out;
            if (cd != iconv_t(-1) && iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1)) {
                toUtf8[std::size_t(b)] = std::string(out, sizeof out - outLeft);
            } else {
                const char32_t cp = char32_t(b);
                if (cp < 0x80)
                    toUtf8[std::size_t(b)] = std::string(1, char(cp));
                else
                    toUtf8[std::size_t(b)] = {char(0xC0 | (cp >> 6)), char(0x80 | (cp & 0x3F))};
            }
            fromUtf8.emplace(toUtf8[std::size_t(b)], char(b));
        }
        if (cd != iconv_t(-1))
            iconv_close(cd);
    }
};

const CodePage& codePage()
{
    static const CodePage page;
    return page;
}

int utf8Length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Calls `each` with every character of `text` (UTF-8) and its Windows-1252 byte, if it has one;
// stops when `each` answers false.
template <typename Each> void forEachCharacter(std::string_view text, Each&& each)
{
    const auto& page = codePage();
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = std::min<std::size_t>(std::size_t(utf8Length((unsigned char)text[i])), text.size() - i);
        const std::string character(text.substr(i, n));
        auto it = page.fromUtf8.find(character);
        if (!each(character, it == page.fromUtf8.end() ? nullptr : &it->second))
            return;
        i += n;
    }
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes)
{
    const auto& page = codePage();
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes)
        out += page.toUtf8[b];
    return out;
}

std::string utf8ToCp1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    forEachCharacter(text, [&](const std::string&, const char* byte) {
        out += byte ? *byte : '?';
        return true;
    });
    return out;
}

std::string firstWithoutCp1252(std::string_view text)
{
    std::string found;
    forEachCharacter(text, [&](const std::string& character, const char* byte) {
        if (!byte)
            found = character;
        return byte != nullptr;
    });
    return found;
}

} // namespace tarvel

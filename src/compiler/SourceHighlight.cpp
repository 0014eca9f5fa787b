#include "compiler/SourceHighlight.h"

#include "compiler/CompilationLibrary.h"
#include "model/TextUtil.h"

#include <algorithm>
#include <optional>

namespace tarvel {

namespace {

bool isDirective(const std::string& upper)
{
    static const char* const words[] = {"ORG", "END", "DB", "DW", "DDW", "DS", "CONST", "EQU", "VAR", "EEP"};
    return std::any_of(std::begin(words), std::end(words), [&](const char* w) { return upper == w; });
}

bool isQuote(char c) { return c == '"' || c == '\''; }

bool startsNumber(char c) { return (c >= '0' && c <= '9') || c == '$' || c == '%'; }

// The words of the code part: runs of characters other than blanks and commas.
struct Word {
    int start, length;
};
std::vector<Word> words(std::string_view code)
{
    std::vector<Word> list;
    std::size_t i = 0;
    while (i < code.size()) {
        while (i < code.size() && (code[i] == ' ' || code[i] == ','))
            ++i;
        if (i >= code.size())
            break;
        const std::size_t start = i;
        const std::size_t close = isQuote(code[i]) ? code.find(code[i], i + 1) : std::string_view::npos;
        if (close != std::string_view::npos) {
            i = close + 1; // a quoted string, blanks and commas included
        } else {
            while (i < code.size() && code[i] != ' ' && code[i] != ',')
                ++i;
        }
        list.push_back({int(start), int(i - start)});
    }
    return list;
}

} // namespace

std::vector<std::string> libraryMnemonics(const CompilationLibrary& library)
{
    std::vector<std::string> list;
    for (int i = 0; i < library.instructionCount; ++i)
        list.push_back(upperCase(library.instructionSet[std::size_t(i)].mnemonic));
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

std::vector<SourceToken> sourceLineTokens(std::string_view line, const std::vector<std::string>& mnemonics)
{
    std::vector<SourceToken> tokens;
    const std::size_t comment = line.find(';');
    const std::string_view code = line.substr(0, comment);
    const bool definition = !code.empty() && code[0] != ' ';
    const std::vector<Word> list = words(code);
    bool stringLine = false; // DS: quoted text is stored byte by byte
    for (std::size_t n = 0; n < list.size(); ++n) {
        const Word& w = list[n];
        const std::string_view text = code.substr(std::size_t(w.start), std::size_t(w.length));
        const std::string upper = upperCase(text);
        std::optional<SourceTokenKind> kind;
        if (definition && n == 0) {
            kind = SourceTokenKind::Label;
        } else if (n == (definition ? 1u : 0u) && isDirective(upper)) {
            kind = SourceTokenKind::Directive;
            stringLine = upper == "DS";
        } else if (n == 0 && std::binary_search(mnemonics.begin(), mnemonics.end(), upper)) {
            kind = SourceTokenKind::Mnemonic;
        } else if (text[0] == '"' || (stringLine && text[0] == '\'')) {
            kind = SourceTokenKind::String;
        } else if (startsNumber(text[0]) || text[0] == '\'') {
            kind = SourceTokenKind::Number; // 'A' is the code of A
        }
        if (kind)
            tokens.push_back({w.start, w.length, *kind});
    }
    if (comment != std::string_view::npos)
        tokens.push_back({int(comment), int(line.size() - comment), SourceTokenKind::Comment});
    return tokens;
}

} // namespace tarvel

#pragma once
// The parts of a source line as the assembler reads them, for the source editor's colours.
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

struct CompilationLibrary;

enum class SourceTokenKind { Label, Mnemonic, Directive, Number, String, Comment };

struct SourceToken {
    int start = 0; // byte offset in the line
    int length = 0;
    SourceTokenKind kind = SourceTokenKind::Comment;
};

// The library's mnemonics, upper-cased and sorted, for `sourceLineTokens`.
std::vector<std::string> libraryMnemonics(const CompilationLibrary& library);

// The coloured parts of one line: a label or a defined name in column 1, the mnemonic or directive,
// numbers, quoted strings and the comment. Symbols and unknown words are not listed.
std::vector<SourceToken> sourceLineTokens(std::string_view line, const std::vector<std::string>& mnemonics);

} // namespace tarvel

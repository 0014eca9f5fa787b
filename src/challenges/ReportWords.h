#pragma once
// The core's texts in English without Qt, for the reports the command line writes: the patterns of
// the translation file (resources/translations/tarvel_en.ts, embedded in the program), read the way
// the windows' translator reads its compiled form. A text without a finished translation is written
// in Spanish, as the windows show it.
#include "model/Text.h"

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace tarvel {

class TranslationTable {
public:
    // The finished translations of a translation file's text (.ts XML); what cannot be read is left out.
    static TranslationTable parse(std::string_view ts);
    // The translation of `source` (UTF-8) in `context`, or null.
    const std::string* find(std::string_view context, std::string_view source) const;
    // `text` in the table's language, as UTF-8: its pattern translated, its places filled with their
    // own values rendered the same way, literals as they are.
    std::string render(const Text& text) const;
    std::size_t size() const { return table_.size(); }

private:
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> table_;
};

// The embedded English translation file's text.
std::string_view englishTranslationFile();
// The English words of a text of the core, as UTF-8.
std::string englishWords(const Text& text);

} // namespace tarvel

#pragma once
// Texts of the core (Spanish, Windows-1252) shown through Qt's translation system. The core decides
// the words in Spanish; a window shows them in the interface's language. Without a translation the
// Spanish text is shown as it is.
#include "model/Text.h"

#include <QString>

#include <string>
#include <vector>

namespace tarvel
{

// Context of the core's texts in the translation files.
inline constexpr const char* kCoreContext = "core";
// Context of the pieces composed texts are made of.
inline constexpr const char* kPhraseContext = "phrase";

// A core text in the interface's language. Looked up whole; failing that, with its numbers as %1,
// %2, ... ("Objetos: %1/%2"); then as a head and a value ("Ladrillo: %1"); a text of several lines
// line by line.
QString uiText(const std::string& cp1252);
// A text value of the core in the interface's language: its pattern through the translator, its
// places filled with their own values rendered the same way, literals as they are.
QString uiText(const Text& text);
// A text composed of pieces of the core's tables with numbers and names the user typed (element
// descriptions, assembler messages): line by line as uiText, then piece by piece; the numbers and
// names stay as they are.
QString uiComposed(const std::string& cp1252);

// The Spanish texts of the core, and the pieces of its composed texts, that the translation files
// carry (also for checks of their coverage).
const std::vector<const char*>& coreTextCatalogue();
const std::vector<const char*>& composedPieces();

} // namespace tarvel

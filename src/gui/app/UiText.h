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

// A sentence of the core, marked where the core writes it and chosen by it at run time (a palette's
// name, a dialog's caption), in the interface's language: looked up whole; without a translation
// the Spanish is shown as it is.
QString uiText(const std::string& cp1252);
// A text value of the core in the interface's language: its pattern through the translator, its
// places filled with their own values rendered the same way, literals as they are.
QString uiText(const Text& text);
// A pattern of the core's context, marked where it is written.
inline QString uiText(const char* marked)
{
    return uiText(Text(marked));
}
// A text the window already has in the interface's language (a tr() of its own, a path), carried
// by a message of the core's kind.
Text asShown(const QString& text);

} // namespace tarvel

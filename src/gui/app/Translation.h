#pragma once
// The interface's language: Spanish, the interface's own, unless the settings ask for English.
#include "settings/AppSettings.h"

#include <QString>

class QCoreApplication;
class QTranslator;

namespace tarvel
{

// The language the settings file in `appFolder` asks for (Spanish when it asks for none or cannot
// be read); the file is only read, never created here.
InterfaceLanguage configuredLanguage(const QString& appFolder);
// Installs the translation of `language` for the whole program (owned by `app`); none when it is
// Spanish (nothing to install) or the translation could not be loaded. Qt's own texts follow:
// Spanish ones are installed beside, when the system has them. Call before the first
// window is made: windows take their texts when they are made.
QTranslator* installLanguage(QCoreApplication& app, InterfaceLanguage language);
// Both at once, at start-up.
QTranslator* installConfiguredLanguage(QCoreApplication& app, const QString& appFolder);

} // namespace tarvel

#pragma once
// The application's settings file, Config.txt: seven lines, an eighth for the simulated brick and a
// ninth for the interface's language.
#include "model/Text.h"

#include <optional>
#include <string>

namespace tarvel {

// The interface's language. Spanish is the interface's own; English is a translation of it.
enum class InterfaceLanguage { Spanish = 0, English = 1 };

struct AppSettings {
    int comPort = 1;
    bool warnUncodedIcons = true;
    bool storeSourceFiles = false;
    bool interfaceMode = false;
    int dontShowFlags = 0;
    std::string libraryPath;
    bool useSimulatedBrick = false; // line 8; readers of the seven-line format ignore it
    InterfaceLanguage language = InterfaceLanguage::Spanish; // line 9: "0" Spanish, "1" English
    // Not stored:
    bool autoConnect = false;
    bool syntaxAssistantOff = false;

    bool operator==(const AppSettings&) const = default;
};

constexpr int kDontShowWelcome = 1;
constexpr int kDontShowMonitorWarning = 2;

// The settings a new Config.txt is written with.
AppSettings defaultAppSettings(const std::string& defaultLibraryPath);

// Reads the file's text; none when it holds no valid configuration (shorter than 3 bytes, or a
// first character "0").
std::optional<AppSettings> parseConfig(const std::string& bytes);
std::string configText(const AppSettings& settings);
// The first of lines 1..7 that is not of its kind (1-based), or 0 when all are: a flag that is no 0
// or 1, a number that is none, a line missing up to the library's. Such a file was damaged, not
// written by us.
int damagedConfigLine(const std::string& bytes);

struct ConfigLoad {
    AppSettings settings;
    bool created = false;  // no valid file: the defaults were written
    Text error; // the file could not be read or written (the defaults are used all the same)
};
// Start-up: reads Config.txt, or writes the defaults when it is missing or invalid. A file that is
// there but cannot be read is left as it is; a damaged one is kept as Config.txt.bak, replaced by
// the defaults, and the error says so.
ConfigLoad loadOrCreateConfig(const std::string& path, const std::string& defaultLibraryPath);
// Writes the file through a temporary beside it; an error text when it could not.
Text storeConfig(const std::string& path, const AppSettings& settings);

} // namespace tarvel

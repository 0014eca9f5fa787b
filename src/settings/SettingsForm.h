#pragma once
// What the settings dialog shows and what its OK button stores: the rules without the window.
#include "model/Text.h"
#include "model/NumberEntry.h"
#include "model/ProgramSettings.h"
#include "model/UserMessage.h"
#include "settings/AppSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvel {

struct SettingsForm {
    bool steering = false; // "Tipo Auto": one motor steers
    std::string leftName, rightName;
    std::string motorSpin, motorTime;
    int lightSource = 0; // 0 "Constante", 1..5 the variables
    std::string lightLevel;
    bool lightLevelEnabled = true;
    std::string senseTimeout, countTimeout;
    int comPortItem = 0;
    bool autoConnect = false;
    bool useSimulatedBrick = false;
    int languageItem = 0; // 0 Spanish, 1 English; applies at the next start
    std::string appId;
    bool storeSourceFiles = false;
    std::string libraryPath;
};

// What the number boxes accept: their up-downs' ranges, and for the light level the range its
// label states, "(0 a 245)" (from 246 on the threshold names a variable).
inline constexpr NumberRange kMotorSpinRange { 0, 32000 };
inline constexpr NumberRange kMotorTimeRange { 0, 32767 };
inline constexpr NumberRange kTimeoutRange { 0, 20000 };
inline constexpr NumberRange kLightLevelRange { 0, 245 };
inline constexpr NumberRange kAppIdRange { 0, 31 };

// The dialog's controls when it opens. The motor name boxes show the program's names; only a
// switch of the steering type puts that type's names in them (setSteering).
SettingsForm loadSettingsForm(const ProgramSettings& program, const AppSettings& app);

// Why a motor name cannot go into the program header, or nothing. `typedUtf8` is the text as typed:
// "%" separates the header's fields, and the header keeps Windows-1252 characters only.
std::optional<UserMessage> motorNameRefusal(std::string_view typedUtf8);
// The motor name boxes (left, right) for a steering type: "Direccion"/"Traccion" or
// "Izquierdo"/"Derecho".
std::pair<std::string, std::string> steeringNames(bool steering);
void setSteering(SettingsForm& form, bool steering);
// A typed number: non-numeric text is 0; a decimal part is rounded (halves to even).
int dialogNumber(const std::string& text);
// OK, steps 1 to 4, and the interface's language: the form's values into the settings. Returns
// what was not stored as it stood in the form (a light level above its range, a name the header
// cannot hold), to be told.
std::vector<UserMessage> applySettingsForm(const SettingsForm& form, ProgramSettings& program, AppSettings& app);

} // namespace tarvel

#pragma once
// What the settings dialog shows and what its OK button stores: the rules without the window.
#include "model/ProgramSettings.h"
#include "settings/AppSettings.h"

#include <string>
#include <utility>

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

// The dialog's controls when it opens. The motor name boxes show the names of the steering type.
SettingsForm loadSettingsForm(const ProgramSettings& program, const AppSettings& app);
// The motor name boxes (left, right) for a steering type: "Direccion"/"Traccion" or
// "Izquierdo"/"Derecho".
std::pair<std::string, std::string> steeringNames(bool steering);
void setSteering(SettingsForm& form, bool steering);
// A typed number: non-numeric text is 0; a decimal part is rounded (halves to even).
int dialogNumber(const std::string& text);
// OK, steps 1 to 4, and the interface's language: the form's values into the settings.
void applySettingsForm(const SettingsForm& form, ProgramSettings& program, AppSettings& app);

} // namespace tarvel

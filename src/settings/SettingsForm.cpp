#include "settings/SettingsForm.h"

#include "model/NumberText.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace tarvel {

std::pair<std::string, std::string> steeringNames(bool steering)
{
    return steering ? std::pair<std::string, std::string>{"Direccion", "Traccion"}
                    : std::pair<std::string, std::string>{"Izquierdo", "Derecho"};
}

void setSteering(SettingsForm& form, bool steering)
{
    form.steering = steering;
    std::tie(form.leftName, form.rightName) = steeringNames(steering);
}

SettingsForm loadSettingsForm(const ProgramSettings& p, const AppSettings& a)
{
    SettingsForm f;
    f.libraryPath = a.libraryPath;
    f.motorSpin = std::to_string(p.motorSpin);
    f.motorTime = std::to_string(p.motorTime);
    f.senseTimeout = std::to_string(p.senseTimeout);
    f.countTimeout = std::to_string(p.countTimeout);
    f.appId = std::to_string(p.appId);
    f.lightLevel = std::to_string(p.lightThreshold < 246 ? p.lightThreshold : 150);
    // A stored 245 or 251..255 names no variable: shown as a constant, but the box stays off as for
    // any value above 244.
    const bool fromVariable = p.lightThreshold >= 246 && p.lightThreshold <= 250;
    f.lightSource = fromVariable ? p.lightThreshold - 245 : 0;
    f.lightLevelEnabled = p.lightThreshold <= 244;
    f.comPortItem = std::clamp(a.comPort - 1, 0, 3);
    f.autoConnect = a.autoConnect;
    f.useSimulatedBrick = a.useSimulatedBrick;
    f.languageItem = a.language == InterfaceLanguage::English ? 1 : 0;
    f.storeSourceFiles = a.storeSourceFiles;
    setSteering(f, p.directionMode == 1);
    return f;
}

int dialogNumber(const std::string& text)
{
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str())
        return 0;
    return int(std::clamp<long long>(roundHalfEven(v), -2147483647LL, 2147483647LL));
}

void applySettingsForm(const SettingsForm& f, ProgramSettings& p, AppSettings& a)
{
    auto int16 = [](int v) { return std::int16_t(std::clamp(v, -32768, 32767)); };
    p.rightMotorName = f.rightName;
    p.leftMotorName = f.leftName;
    p.lightThreshold =
        std::uint8_t(f.lightSource != 0 ? 245 + f.lightSource : std::clamp(dialogNumber(f.lightLevel), 0, 255));
    p.senseTimeout = int16(dialogNumber(f.senseTimeout));
    p.countTimeout = int16(dialogNumber(f.countTimeout));
    p.motorTime = int16(dialogNumber(f.motorTime));
    p.motorSpin = int16(dialogNumber(f.motorSpin));
    p.appId = std::uint8_t(dialogNumber(f.appId) & 31);
    a.comPort = f.comPortItem + 1;
    a.storeSourceFiles = f.storeSourceFiles;
    a.autoConnect = f.autoConnect;
    a.language = f.languageItem == 1 ? InterfaceLanguage::English : InterfaceLanguage::Spanish;
}

} // namespace tarvel

#include "settings/SettingsForm.h"

#include "model/Cp1252.h"
#include "model/NumberText.h"
#include "model/Text.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace tarvel {

std::pair<std::string, std::string> steeringNames(bool steering)
{
    return steering ? std::pair<std::string, std::string>{QT_TRANSLATE_NOOP("core", "Direccion"), QT_TRANSLATE_NOOP("core", "Traccion")}
                    : std::pair<std::string, std::string>{QT_TRANSLATE_NOOP("core", "Izquierdo"), QT_TRANSLATE_NOOP("core", "Derecho")};
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
    // 245 is the highest level the box takes; a stored 251..255 names no variable: shown as a
    // constant, with the box off.
    const bool fromVariable = p.lightThreshold >= 246 && p.lightThreshold <= 250;
    f.lightSource = fromVariable ? p.lightThreshold - 245 : 0;
    f.lightLevelEnabled = p.lightThreshold <= kLightLevelRange.maximum;
    f.comPortItem = std::clamp(a.comPort - 1, 0, 3);
    f.autoConnect = a.autoConnect;
    f.useSimulatedBrick = a.useSimulatedBrick;
    f.languageItem = a.language == InterfaceLanguage::English ? 1 : 0;
    f.storeSourceFiles = a.storeSourceFiles;
    f.steering = p.directionMode == 1;
    f.leftName = p.leftMotorName;
    f.rightName = p.rightMotorName;
    return f;
}

std::optional<UserMessage> motorNameRefusal(std::string_view typedUtf8)
{
    auto refusal = [](Text line1, const char* line2) {
        return UserMessage { Text::lines({ std::move(line1), line2 }), QT_TRANSLATE_NOOP("core", "Aviso"), MessageIcon::Warning };
    };
    if (typedUtf8.find('%') != std::string_view::npos)
        return refusal(Text(QT_TRANSLATE_NOOP("core", "El Nombre de un Motor No Puede Llevar el Caracter %1")).arg("%"), QT_TRANSLATE_NOOP("core", "El Caracter % Separa los Valores que se Guardan con el Programa."));
    // The header cannot spell such a character, so neither can this message.
    if (!firstWithoutCp1252(typedUtf8).empty())
        return refusal(QT_TRANSLATE_NOOP("core", "El Nombre de un Motor Solo Puede Llevar Caracteres del Alfabeto Occidental"),
            QT_TRANSLATE_NOOP("core", "Use Solo Letras, Numeros, Espacios y Signos Comunes."));
    for (unsigned char c : utf8ToCp1252(typedUtf8))
        if (c < 0x20 || c == 0x7F)
            return refusal(QT_TRANSLATE_NOOP("core", "El Nombre de un Motor No Puede Llevar Caracteres de Control"),
                QT_TRANSLATE_NOOP("core", "Use Solo Letras, Numeros, Espacios y Signos Comunes."));
    return std::nullopt;
}

int dialogNumber(const std::string& text)
{
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str())
        return 0;
    return int(std::clamp<long long>(roundHalfEven(v), -2147483647LL, 2147483647LL));
}

std::vector<UserMessage> applySettingsForm(const SettingsForm& f, ProgramSettings& p, AppSettings& a)
{
    std::vector<UserMessage> notes;
    auto int16 = [](int v) { return std::int16_t(std::clamp(v, -32768, 32767)); };
    // A name with a "%" would shift every later field of the header: the old name stays.
    for (auto [typed, stored] :
        { std::pair { &f.rightName, &p.rightMotorName }, std::pair { &f.leftName, &p.leftMotorName } }) {
        if (auto refusal = motorNameRefusal(cp1252ToUtf8(*typed)))
            notes.push_back(*refusal);
        else
            *stored = *typed;
    }
    int level = dialogNumber(f.lightLevel);
    if (f.lightSource == 0 && !kLightLevelRange.contains(level)) {
        level = std::clamp(level, kLightLevelRange.minimum, kLightLevelRange.maximum);
        notes.push_back({ Text::lines({ Text(QT_TRANSLATE_NOOP("core", "El Nivel de Luz Debe Estar Entre %1 y %2."))
                                            .arg(plainNumber(kLightLevelRange.minimum))
                                            .arg(plainNumber(kLightLevelRange.maximum)),
                              Text(QT_TRANSLATE_NOOP("core", "Se Guarda %1.")).arg(plainNumber(level)) }),
            QT_TRANSLATE_NOOP("core", "Aviso"), MessageIcon::Information });
    }
    p.lightThreshold = std::uint8_t(f.lightSource != 0 ? 245 + f.lightSource : level);
    p.senseTimeout = int16(dialogNumber(f.senseTimeout));
    p.countTimeout = int16(dialogNumber(f.countTimeout));
    p.motorTime = int16(dialogNumber(f.motorTime));
    p.motorSpin = int16(dialogNumber(f.motorSpin));
    p.appId = std::uint8_t(dialogNumber(f.appId) & 31);
    a.comPort = f.comPortItem + 1;
    a.storeSourceFiles = f.storeSourceFiles;
    a.autoConnect = f.autoConnect;
    a.language = f.languageItem == 1 ? InterfaceLanguage::English : InterfaceLanguage::Spanish;
    return notes;
}

} // namespace tarvel

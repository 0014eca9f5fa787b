#pragma once
#include "model/Text.h"
#include <cstdint>
#include <string>

namespace tarvel {

// Settings saved with each program (in the header of its start element).
struct ProgramSettings {
    std::string rightMotorName = QT_TRANSLATE_NOOP("core", "Derecho");
    std::string leftMotorName = QT_TRANSLATE_NOOP("core", "Izquierdo");
    std::uint8_t lightThreshold = 150; // 246..250: threshold held in variable 1..5
    std::int16_t senseTimeout = 0;
    std::int16_t countTimeout = 1000;
    std::uint8_t directionMode = 0; // 1 = steering by one motor
    std::int16_t motorTime = 400;
    std::int16_t motorSpin = 800;
    std::uint8_t appId = 31;

    bool lightFromVariable() const { return lightThreshold > 245; }
    bool operator==(const ProgramSettings&) const = default;
};

} // namespace tarvel

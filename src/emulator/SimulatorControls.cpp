#include "emulator/SimulatorControls.h"

#include "model/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarvel {

std::int64_t frameAdvanceUs(std::int64_t elapsedRealUs, double speed)
{
    const std::int64_t real = std::clamp<std::int64_t>(elapsedRealUs, 0, 100'000);
    return std::llround(double(real) * std::clamp(speed, 0.0, 100.0));
}

std::string simulatorStatus(const Simulation& sim, bool paused)
{
    char time[32];
    std::snprintf(time, sizeof time, "%.2f s", sim.programSeconds());
    std::string state;
    switch (sim.cpu().state()) {
    case BrickState::Running: state = paused ? QT_TRANSLATE_NOOP("core", "En pausa") : QT_TRANSLATE_NOOP("core", "Ejecutando"); break;
    case BrickState::Halted: state = QT_TRANSLATE_NOOP("core", "Programa terminado (espera a la PC)"); break;
    case BrickState::Locked: state = QT_TRANSLATE_NOOP("core", "Ladrillo bloqueado"); break;
    case BrickState::Off:
        state = sim.cpu().instructions() > 0 ? QT_TRANSLATE_NOOP("core", "Ladrillo apagado") : QT_TRANSLATE_NOOP("core", "Sin programa en ejecucion");
        break;
    }
    return state + "  -  " + time;
}

std::string motorDirection(std::uint8_t motors, bool left)
{
    const bool forward = motors & (left ? kLeftForward : kRightForward);
    const bool backward = motors & (left ? kLeftBackward : kRightBackward);
    if (forward == backward)
        return QT_TRANSLATE_NOOP("core", "Parado");
    return forward ? QT_TRANSLATE_NOOP("core", "Adelante") : QT_TRANSLATE_NOOP("core", "Atras");
}

} // namespace tarvel

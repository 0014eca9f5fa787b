#include "emulator/SimulatorControls.h"

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
    case BrickState::Running: state = paused ? "En pausa" : "Ejecutando"; break;
    case BrickState::Halted: state = "Programa terminado (espera a la PC)"; break;
    case BrickState::Locked: state = "Ladrillo bloqueado"; break;
    case BrickState::Off:
        state = sim.cpu().instructions() > 0 ? "Ladrillo apagado" : "Sin programa en ejecucion";
        break;
    }
    return state + "  -  " + time;
}

std::string motorDirection(std::uint8_t motors, bool left)
{
    const bool forward = motors & (left ? kLeftForward : kRightForward);
    const bool backward = motors & (left ? kLeftBackward : kRightBackward);
    if (forward == backward)
        return "Parado";
    return forward ? "Adelante" : "Atras";
}

} // namespace tarvel

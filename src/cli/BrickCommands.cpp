// brick: talk to a real or simulated brick.
#include "cli/CliSupport.h"

#include "link/BrickLink.h"
#include "link/HidTransport.h"
#include "link/SimulatedBrick.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <map>
#include <memory>

namespace tarvel::cli {

namespace {

using json = nlohmann::ordered_json;

struct BrickArgs {
    bool simulated = false;
    bool json = false;
    std::string action;
    std::vector<std::string> values;
};

bool numberArg(const std::vector<std::string>& values, std::size_t i, int low, int high, int& out)
{
    if (i >= values.size())
        return false;
    try {
        std::size_t used = 0;
        out = std::stoi(values[i], &used, 0);
        return used == values[i].size() && out >= low && out <= high;
    } catch (...) {
        return false;
    }
}

int runBrickCommand(const BrickArgs& a)
{
    static const std::map<std::string, std::size_t> arity = {
        {"identify", 0}, {"run", 0},   {"off", 0},  {"send", 1},        {"leds", 1},
        {"motors", 1},   {"light", 1}, {"beep", 3}, {"light-level", 0}, {"ir", 0}};
    const auto known = arity.find(a.action);
    if (known == arity.end() || a.values.size() != known->second) {
        std::cerr << "Uso: tarvel brick [--simulated] identify|run|off|send IMAGEN|leds MASCARA|motors CODIGO|"
                     "light 0|1|beep FREC VOL MS|light-level|ir [--json]\n";
        return BadUsage;
    }
    int n1 = 0, n2 = 0, n3 = 0;
    std::vector<std::uint8_t> image;
    if (a.action == "send") {
        std::ifstream in(a.values[0], std::ios::binary);
        if (!in)
            return fail("No se Pudo Abrir el Archivo " + a.values[0]);
        image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if ((image.size() & 0xFF) == 0)
            return fail("Programa Fuera de Memoria! (" + std::to_string(image.size()) + " bytes)");
    } else if (a.action == "beep") {
        if (!numberArg(a.values, 0, -32768, 32767, n1) || !numberArg(a.values, 1, -32768, 32767, n2) ||
            !numberArg(a.values, 2, -32768, 32767, n3))
            return BadUsage;
    } else if (!a.values.empty() && !numberArg(a.values, 0, 0, 255, n1)) {
        return BadUsage;
    } else if (a.action == "light" && n1 > 1) {
        return BadUsage;
    }

    SteadyClock clock;
    std::unique_ptr<BrickTransport> transport;
    if (a.simulated)
        transport = std::make_unique<SimulatedBrick>(clock);
    else
        transport = std::make_unique<HidTransport>();
    BrickLink link(*transport, clock);

    bool ok = link.IdentifyBrick();
    json value = nullptr;
    if (ok) {
        if (a.action == "run") {
            ok = link.RunBrickProgram();
        } else if (a.action == "off") {
            ok = link.TurnOffBrick();
        } else if (a.action == "send") {
            int size = int(image.size());
            link.SendProgramImage(size, image);
            link.FinishDownload();
            ok = link.brickConnected();
        } else if (a.action == "leds") {
            ok = link.SetBrickLeds(std::uint8_t(n1));
        } else if (a.action == "motors") {
            ok = link.SetBrickMotors(std::uint8_t(n1));
        } else if (a.action == "light") {
            ok = link.SetFrontLight(std::uint8_t(n1));
        } else if (a.action == "beep") {
            auto f = std::int16_t(n1), v = std::int16_t(n2), d = std::int16_t(n3);
            ok = link.BrickBeep(f, v, d);
        } else if (a.action == "light-level") {
            value = link.ReadLightSensor();
            ok = link.brickConnected();
        } else if (a.action == "ir") {
            value = link.ReadIrState();
            ok = link.brickConnected();
        }
    }
    if (!ok && !link.usb().lastError.empty())
        std::cerr << link.usb().lastError << '\n';
    if (a.json) {
        json reports = json::array();
        for (const auto& r : link.usb().sentReports)
            reports.push_back(hex(r));
        printJson({{"ok", ok},
                   {"brickName", utf8(link.brickName)},
                   {"brickMemorySize", link.brickMemorySize},
                   {"value", value},
                   {"reports", reports}});
    } else if (ok) {
        std::cout << "Ladrillo: " << utf8(link.brickName);
        if (!value.is_null())
            std::cout << "\nValor: " << value.dump();
        std::cout << '\n';
    } else {
        std::cout << "Ladrillo: Ninguno\n";
    }
    return ok ? Success : Refused;
}

} // namespace

void addBrickCommands(CLI::App& app, int& exitCode)
{
    auto a = std::make_shared<BrickArgs>();
    auto* brick = app.add_subcommand("brick", "Habla con un Ladrillo (real, o simulado con --simulated)");
    brick->add_flag("--simulated", a->simulated, "Usa el Ladrillo simulado");
    brick->add_flag("--json", a->json, "Salida JSON");
    brick->add_option("ACTION", a->action, "identify, run, off, send, leds, motors, light, beep, light-level o ir")
        ->required();
    brick->add_option("VALUES", a->values, "Argumentos de la accion");
    brick->callback([a, &exitCode] { exitCode = runBrickCommand(*a); });
}

} // namespace tarvel::cli

// brick: talk to a real or simulated brick.
#include "cli/CliLibrary.h"
#include "cli/CliSupport.h"

#include "link/BrickLink.h"
#include "link/HidTransport.h"
#include "link/SimulatedBrick.h"
#include "model/TextFile.h"

#include <CLI/CLI.hpp>

#include <algorithm>
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
    LibraryOption lib;
};

const char* const kBrickUsage = "Uso: tarvel brick [--simulated] [--lib LIBRERIA] identify|run|off|send IMAGEN|leds "
                                "MASCARA|motors CODIGO|light 0|1|beep FREC VOL MS|light-level|ir [--json]";

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

// A refusal before the brick is reached: on stderr, and in the answer when one is asked for.
int refuse(const BrickArgs& a, const std::string& reason, int code)
{
    std::cerr << reason << '\n';
    if (a.json)
        printJson({ { "ok", false }, { "error", reason }, { "brickName", "" }, { "brickMemorySize", 0 },
            { "value", nullptr }, { "reports", json::array() } });
    return code;
}

// The image a download sends: what the window sends, an assembled image of 2 bytes up to the
// library's capacity, which never reaches 256 (the size travels as one byte).
std::string readImage(const BrickArgs& a, std::vector<std::uint8_t>& image)
{
    const std::string& path = a.values[0];
    std::string bytes;
    if (std::string error = readInput(path, kImageFileMaxBytes, bytes); !error.empty())
        return error;
    if (std::string notOne = notAnImage(path, bytes); !notOne.empty())
        return notOne;
    CompilationLibrary library;
    if (!a.lib.load(library))
        return "No se envia la imagen sin una libreria que diga la memoria del Ladrillo";
    const int capacity = std::min<int>(library.libraryCapacity, int(kBrickImageMaxBytes));
    const auto size = bytes.size();
    if (size > std::size_t(std::max(capacity, 0)))
        return "El Programa Excede la Memoria Disponible! (" + std::to_string(size) + ")\nLa imagen " + path + " tiene "
            + std::to_string(size) + " bytes; el Ladrillo de la libreria acepta hasta "
            + std::to_string(std::max(capacity, 0)) + ".";
    if (size < 2)
        return "La imagen " + path + " tiene " + std::to_string(size)
            + " bytes: una imagen para el Ladrillo tiene al menos 2.";
    image.assign(bytes.begin(), bytes.end());
    return {};
}

int runBrickCommand(const BrickArgs& a)
{
    static const std::map<std::string, std::size_t> arity = {
        {"identify", 0}, {"run", 0},   {"off", 0},  {"send", 1},        {"leds", 1},
        {"motors", 1},   {"light", 1}, {"beep", 3}, {"light-level", 0}, {"ir", 0}};
    const auto known = arity.find(a.action);
    if (known == arity.end())
        return refuse(a, "Accion desconocida: " + a.action + "\n" + kBrickUsage, BadUsage);
    if (a.values.size() != known->second)
        return refuse(a,
            a.action + " lleva " + std::to_string(known->second) + " argumento(s), no "
                + std::to_string(a.values.size()) + "\n" + kBrickUsage,
            BadUsage);
    int n1 = 0, n2 = 0, n3 = 0;
    std::vector<std::uint8_t> image;
    if (a.action == "send") {
        if (const std::string error = readImage(a, image); !error.empty())
            return refuse(a, error, Refused);
    } else if (a.action == "beep") {
        if (!numberArg(a.values, 0, -32768, 32767, n1) || !numberArg(a.values, 1, -32768, 32767, n2) ||
            !numberArg(a.values, 2, -32768, 32767, n3))
            return refuse(a, "beep: FREC, VOL y MS son numeros enteros de -32768 a 32767", BadUsage);
    } else if (!a.values.empty() && !numberArg(a.values, 0, 0, 255, n1)) {
        return refuse(a, a.action + ": el valor es un numero de 0 a 255, no \"" + a.values[0] + "\"", BadUsage);
    } else if (a.action == "light" && n1 > 1) {
        return refuse(a, "light: el valor es 0 (apagada) o 1 (encendida)", BadUsage);
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
    std::string error;
    if (!ok)
        error = link.usb().lastError.empty() ? std::string(
                    a.simulated ? "El Ladrillo simulado no respondio" : "No hay un Ladrillo conectado que responda")
                                             : link.usb().lastError;
    if (!error.empty())
        std::cerr << error << '\n';
    if (a.json) {
        json reports = json::array();
        for (const auto& r : link.usb().sentReports)
            reports.push_back(hex(r));
        json doc = { { "ok", ok }, { "brickName", utf8(link.brickName) }, { "brickMemorySize", link.brickMemorySize },
            { "value", value }, { "reports", reports } };
        if (!error.empty())
            doc["error"] = error;
        printJson(doc);
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
    a->lib.add(*brick);
    brick->callback([a, &exitCode] { exitCode = runBrickCommand(*a); });
}

} // namespace tarvel::cli

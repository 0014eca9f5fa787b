// sim: runs a program on the emulated brick, with or without a world, and tells what it did.
#include "cli/CliLibrary.h"
#include "cli/CliSupport.h"

#include "compiler/Compile.h"
#include "emulator/SimReport.h"
#include "emulator/WorldFile.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"
#include "model/TextUtil.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <iostream>

namespace tarvel::cli {

namespace {

struct SimArgs {
    std::string program, world;
    double seconds = 10;
    std::vector<std::string> sets, ats;
    bool json = false;
    LibraryOption lib;
};

bool isProgramFile(const std::string& path)
{
    return path.size() >= 4 && upperCase(path.substr(path.size() - 4)) == ".GTF";
}

// The image to run: a program built with the library, or the bytes of an image file. Sets the
// steering of the robot from the program's settings.
bool imageFor(const SimArgs& args, std::vector<std::uint8_t>& image, Simulation& sim, int& exitCode)
{
    if (!isProgramFile(args.program)) {
        // A library named for an image is still checked: a wrong name is not silently ignored.
        CompilationLibrary library;
        if (!args.lib.path.empty() && !args.lib.load(library)) {
            exitCode = Refused;
            return false;
        }
        std::string bytes;
        if (const std::string error = readInput(args.program, kBrickMemoryBytes, bytes); !error.empty()) {
            exitCode = fail(error);
            return false;
        }
        if (const std::string notOne = notAnImage(args.program, bytes); !notOne.empty()) {
            exitCode = fail(notOne);
            return false;
        }
        if (bytes.empty()) {
            exitCode = fail("Una imagen tiene de 1 a 256 bytes: " + args.program + " esta vacio");
            return false;
        }
        image.assign(bytes.begin(), bytes.end());
        return true;
    }
    CompilationLibrary library;
    if (!args.lib.load(library)) {
        exitCode = Refused;
        return false;
    }
    ProgramStore store;
    store.setElementSizes(library.elementSizeTable);
    const FileOutcome opened = openProgramFile(store, args.program);
    if (!opened.ok) {
        exitCode = fail(utf8(opened.error));
        return false;
    }
    TemplateMemory memory;
    const CompileResult result = compileProgram(store, library, memory);
    if (!result.assembled()) {
        exitCode = fail("Una o Varias Subrutinas No Tienen Final!");
        return false;
    }
    const Assembly& assembly = *result.assembly;
    if (!assembly.errorsText.empty()) {
        std::cerr << utf8(result.labelReport + assembly.errorsText);
        exitCode = Refused;
        return false;
    }
    if (assembly.imageLength > library.libraryCapacity || assembly.imageLength > kBrickMemoryBytes) {
        exitCode = fail("El Programa Excede la Memoria Disponible! (" + std::to_string(assembly.imageLength) + ")");
        return false;
    }
    const auto bytes = assembly.bytes();
    image.assign(bytes.begin(), bytes.end());
    sim.setElementMap(ElementMap::fromBuild(result.translation, assembly));
    sim.setSteering(store.programSettings.directionMode == 1 ? Steering::Car : Steering::Differential);
    return true;
}

void run(const SimArgs& args, int& exitCode)
{
    if (!(args.seconds > 0) || args.seconds > 86400) {
        std::cerr << "--seconds va de mas de 0 a 86400\n";
        exitCode = BadUsage;
        return;
    }
    std::vector<TimedInput> inputs;
    for (const auto* list : {&args.sets, &args.ats})
        for (const auto& text : *list) {
            std::string error;
            const auto input = parseInputSetting(text, list == &args.ats, error);
            if (!input) {
                std::cerr << utf8(error) << '\n';
                exitCode = BadUsage;
                return;
            }
            inputs.push_back(*input);
        }
    Simulation sim;
    if (!args.world.empty()) {
        WorldLoad load = loadWorldFile(args.world);
        if (!load.world) {
            exitCode = fail(utf8(load.error));
            return;
        }
        sim.setWorld(std::move(*load.world));
    }
    std::vector<std::uint8_t> image;
    if (!imageFor(args, image, sim, exitCode))
        return;
    sim.load(image);
    sim.start();
    for (const auto& input : inputs) {
        if (input.timeUs == 0)
            sim.setInput(input.change.name, input.change.value);
        else
            sim.schedule(input.timeUs, input.change);
    }
    sim.advanceTo(std::llround(args.seconds * 1e6), true);
    if (args.json)
        printJson(simulationReport(sim));
    else
        std::cout << simulationText(sim);
}

} // namespace

void addSimCommands(CLI::App& app, int& exitCode)
{
    auto args = std::make_shared<SimArgs>();
    auto* sim = app.add_subcommand("sim", "Ejecuta un programa en el Ladrillo simulado y muestra lo que hizo");
    sim->add_option("PROGRAM", args->program, "Programa (.gtf) o imagen binaria")->required();
    args->lib.add(*sim);
    sim->add_option("--world", args->world, "Mundo (.json): la luz y el tacto salen de la posicion del robot");
    sim->add_option("--seconds", args->seconds, "Segundos de tiempo simulado (10)");
    sim->add_option("--set", args->sets,
                    "NOMBRE=VALOR durante toda la ejecucion: light, touch, ir, irdata, sound, soundfreq (Hz), pcmsg");
    sim->add_option("--at", args->ats, "T:NOMBRE=VALOR a los T segundos");
    sim->add_flag("--json", args->json, "Salida JSON");
    sim->callback([args, &exitCode] { run(*args, exitCode); });
}

} // namespace tarvel::cli

// describe, resave, tone: the program file and the element rules.
#include "cli/CliLibrary.h"
#include "cli/CliSupport.h"

#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/ToneTiming.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace tarvel::cli {

namespace {

using json = nlohmann::ordered_json;

json settingsJson(const ProgramSettings& s)
{
    return {{"rightMotorName", utf8(s.rightMotorName)},
            {"leftMotorName", utf8(s.leftMotorName)},
            {"lightThreshold", s.lightThreshold},
            {"senseTimeout", s.senseTimeout},
            {"countTimeout", s.countTimeout},
            {"directionMode", s.directionMode},
            {"motorTime", s.motorTime},
            {"motorSpin", s.motorSpin},
            {"appId", s.appId}};
}

std::string sequenceName(const ProgramStore& store, int sequence)
{
    return sequence == 0 ? "Inicio" : store.subroutineNames[std::size_t(sequence)];
}

void printNotes(const FileOutcome& outcome)
{
    for (const auto& note : outcome.notes)
        std::cerr << utf8(note) << '\n';
}

} // namespace

json describeJson(const ProgramStore& store)
{
    json sequences = json::array();
    for (int s = 0; s <= store.subroutineCount; ++s) {
        json labels = json::array();
        for (int i = 0; i < store.labelCount[std::size_t(s)]; ++i)
            labels.push_back(utf8(store.labelTable[std::size_t(s)][std::size_t(i)]));
        json elements = json::array();
        for (int i = 0; i < store.sequenceLength(s); ++i) {
            const InstructionRecord& r = store.recordAt(s, i);
            elements.push_back({{"family", r.family},
                                {"subtype", r.subtype},
                                {"option", r.option},
                                {"arg1", r.arg1},
                                {"arg2", r.arg2},
                                {"arg3", r.arg3},
                                {"name", utf8(r.name)},
                                {"text", hex(r.text)},
                                {"description", utf8(r.description)}});
        }
        sequences.push_back({{"number", s}, {"name", utf8(sequenceName(store, s))}, {"labels", labels}, {"elements", elements}});
    }
    return {{"settings", settingsJson(store.programSettings)}, {"sequences", sequences}};
}

void printDescription(const ProgramStore& store)
{
    const ProgramSettings& s = store.programSettings;
    std::cout << "Motores: " << utf8(s.rightMotorName) << " / " << utf8(s.leftMotorName)
              << "\nUmbral de luz: " << int(s.lightThreshold) << "\nTiempo de sensor: " << s.senseTimeout
              << "\nTiempo de conteo: " << s.countTimeout << "\nModo de direccion: " << int(s.directionMode)
              << "\nTiempo de motor: " << s.motorTime << "\nTiempo de giro: " << s.motorSpin
              << "\nIdentificador: " << int(s.appId) << '\n';
    for (int seq = 0; seq <= store.subroutineCount; ++seq) {
        std::cout << "\n[" << seq << "] " << utf8(sequenceName(store, seq)) << '\n';
        for (int i = 0; i < store.sequenceLength(seq); ++i) {
            const InstructionRecord& r = store.recordAt(seq, i);
            std::cout << "  " << i << ": (" << int(r.family) << ", " << int(r.subtype) << ", " << int(r.option)
                      << ") " << utf8(r.description) << '\n';
        }
    }
}

void addModelCommands(CLI::App& app, int& exitCode)
{
    auto* describe = app.add_subcommand("describe", "Describe un programa (.gtf): ajustes y elementos");
    struct DescribeArgs {
        std::string path;
        bool json = false;
        LibraryOption lib;
    };
    auto d = std::make_shared<DescribeArgs>();
    d->lib.add(*describe);
    describe->add_option("PROGRAM", d->path, "Archivo de programa")->required();
    describe->add_flag("--json", d->json, "Salida JSON");
    describe->callback([d, &exitCode] {
        ProgramStore store;
        if (!d->lib.path.empty()) {
            CompilationLibrary library;
            if (!d->lib.load(library)) {
                exitCode = Refused;
                return;
            }
            store.setElementSizes(library.elementSizeTable);
        }
        const FileOutcome outcome = openProgramFile(store, d->path);
        if (!outcome.ok) {
            exitCode = fail(utf8(outcome.error));
            return;
        }
        printNotes(outcome);
        if (d->json)
            printJson(describeJson(store));
        else
            printDescription(store);
    });

    auto* resave = app.add_subcommand("resave", "Abre un programa y lo vuelve a guardar");
    auto paths = std::make_shared<std::pair<std::string, std::string>>();
    resave->add_option("IN", paths->first, "Programa de entrada")->required();
    resave->add_option("OUT", paths->second, "Programa de salida")->required();
    resave->callback([paths, &exitCode] {
        ProgramStore store;
        const FileOutcome outcome = openProgramFile(store, paths->first);
        if (!outcome.ok) {
            exitCode = fail(utf8(outcome.error));
            return;
        }
        printNotes(outcome);
        if (const std::string error = writeProgram(store, paths->second); !error.empty())
            exitCode = fail(error);
    });

    auto* tone = app.add_subcommand("tone", "Calcula los bytes de un tono");
    struct ToneArgs {
        int frequency = 0, volume = 0, duration = 0;
        bool json = false;
    };
    auto a = std::make_shared<ToneArgs>();
    tone->add_option("FREQ", a->frequency, "Frecuencia en Hz")->required()->check(CLI::Range(-32768, 32767));
    tone->add_option("VOLUME", a->volume, "Volumen 0..32")->required()->check(CLI::Range(-32768, 32767));
    tone->add_option("MS", a->duration, "Duracion en ms")->required()->check(CLI::Range(-32768, 32767));
    tone->add_flag("--json", a->json, "Salida JSON");
    tone->callback([a] {
        auto f = std::int16_t(a->frequency), v = std::int16_t(a->volume);
        ToneTiming t;
        const bool outOfRange = toneTiming(f, v, std::int16_t(a->duration), t);
        if (a->json) {
            printJson({{"frequency", f},
                       {"volume", v},
                       {"toneHighTicks", t.toneHighTicks},
                       {"toneLowTicks", t.toneLowTicks},
                       {"tonePeriodsLow", t.tonePeriodsLow},
                       {"tonePeriodsHigh", t.tonePeriodsHigh},
                       {"outOfRange", outOfRange}});
        } else {
            std::cout << "Frecuencia " << f << " Hz, volumen " << v << ": alto " << int(t.toneHighTicks) << ", bajo "
                      << int(t.toneLowTicks) << ", periodos " << int(t.tonePeriodsHigh) * 256 + t.tonePeriodsLow
                      << (outOfRange ? " (fuera de rango)" : "") << '\n';
        }
    });
}

} // namespace tarvel::cli

// tarvel grade for a class: 30 programs on the line-following challenge (60 virtual seconds each),
// judged with the HTML and CSV reports written, as a teacher runs it (the goal: under 2 s on two
// cores). Beside it, one program's judgement alone, to see where the time goes.
#include "challenges/ChallengeFile.h"
#include "challenges/Judge.h"
#include "challenges/ProgramImage.h"
#include "compiler/LibraryLoader.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using namespace tarvel;

const fs::path kRetos = fs::path(TARVEL_APPDIR) / "retos";
const fs::path kChallenge = kRetos / "07 Seguir la Linea.json";

// A class of 30: most follow the line, some drive straight off it.
fs::path makeClass()
{
    const fs::path dir = fs::temp_directory_path() / ("tarvel_bench_grade_" + std::to_string(::getpid()));
    fs::create_directories(dir / "clase");
    for (int i = 0; i < 30; ++i) {
        const fs::path from = i % 5 == 4 ? fs::path(TARVEL_TEST_DATA) / "retos" / "07 Seguir la Linea - derecho.gtf"
                                         : kRetos / "07 Seguir la Linea.gtf";
        fs::copy_file(from, dir / "clase" / ("alumno " + std::to_string(i + 10) + ".gtf"),
                      fs::copy_options::overwrite_existing);
    }
    return dir;
}

void GradeClassWithReports(benchmark::State& state)
{
    const fs::path dir = makeClass();
    const std::string command = std::string("'") + TARVEL_CLI + "' grade '" + kChallenge.string() + "' '" +
                                (dir / "clase").string() + "' --html '" + (dir / "informe.html").string() +
                                "' --csv '" + (dir / "notas.csv").string() + "' >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("tarvel grade failed");
    state.counters["programs"] = 30;
    state.counters["report_kB"] = double(fs::file_size(dir / "informe.html")) / 1024;
    fs::remove_all(dir);
}
BENCHMARK(GradeClassWithReports)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void JudgeOneLineFollower(benchmark::State& state)
{
    std::string bytes;
    readWholeFile(fs::path(TARVEL_APPDIR) / "Clib_J2A1_USB0.LIB", bytes);
    const CompilationLibrary library = LoadLibraryBytes({}, bytes, "Clib_J2A1_USB0.LIB").library;
    const Challenge challenge = *loadChallengeFile(kChallenge, fs::path(TARVEL_APPDIR) / "worlds").challenge;
    ProgramStore store;
    store.setElementSizes(library.elementSizeTable);
    openProgramFile(store, kRetos / "07 Seguir la Linea.gtf");
    const ProgramImage program = buildProgramImage(store, library);
    for (auto _ : state)
        benchmark::DoNotOptimize(judgeProgram(challenge, program));
    state.counters["virtual_s_per_s"] =
        benchmark::Counter(double(state.iterations()) * challenge.seconds, benchmark::Counter::kIsRate);
}
BENCHMARK(JudgeOneLineFollower)->Unit(benchmark::kMillisecond);

} // namespace

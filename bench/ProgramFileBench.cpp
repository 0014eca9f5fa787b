// Open and save of the largest program file: 600 main records and 8 subroutines of 128.
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void fillLargest(tarvel::ProgramStore& store)
{
    store.newProgram();
    store.currentElement = {};
    store.currentElement.family = 14;
    store.currentElement.subtype = 10;
    store.currentElement.option = 11;
    store.currentElement.name = "valor";
    for (int i = 1; i < tarvel::kFileMainRecords; ++i)
        store.appendCurrent();
    for (int s = 1; s <= tarvel::kSubroutines; ++s) {
        store.activeSequence = s;
        store.subroutineCount = s;
        store.currentElement.family = 17;
        store.currentElement.subtype = 13;
        store.appendCurrent();
        store.currentElement.family = 11;
        store.currentElement.subtype = 12;
        for (int i = 1; i < tarvel::kFileSubRecords; ++i)
            store.appendCurrent();
    }
    store.activeSequence = 0;
}

std::filesystem::path benchFile()
{
    return std::filesystem::temp_directory_path() / "tarvel_bench_largest.gtf";
}

void SaveLargestProgram(benchmark::State& state)
{
    static tarvel::ProgramStore store;
    fillLargest(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvel::saveProgramFile(store, benchFile()).ok);
    state.counters["bytes"] = double(std::filesystem::file_size(benchFile()));
}
BENCHMARK(SaveLargestProgram)->Unit(benchmark::kMillisecond);

void OpenLargestProgram(benchmark::State& state)
{
    static tarvel::ProgramStore store;
    fillLargest(store);
    tarvel::saveProgramFile(store, benchFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvel::openProgramFile(store, benchFile()).ok);
    state.counters["elements"] = store.totalElements();
}
BENCHMARK(OpenLargestProgram)->Unit(benchmark::kMillisecond);

} // namespace

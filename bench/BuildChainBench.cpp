// Loading the shipped library, and translating + assembling the largest program the store holds.
#include "compiler/Compile.h"
#include "compiler/LibraryLoader.h"
#include "model/ElementDescription.h"
#include "model/ProgramStore.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

std::string shippedBytes()
{
    std::ifstream in(TARVEL_APPDIR "/Clib_J2A1_USB0.LIB", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void LoadShippedLibrary(benchmark::State& state)
{
    const std::string bytes = shippedBytes();
    for (auto _ : state) {
        auto result = tarvel::LoadLibraryBytes({}, bytes, "Clib_J2A1_USB0.LIB");
        benchmark::DoNotOptimize(tarvel::CheckLibraryIntegrity(result.library));
    }
}
BENCHMARK(LoadShippedLibrary)->Unit(benchmark::kMicrosecond);

void LoadShippedLibraryFromDisk(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvel::LoadLibrary({}, TARVEL_APPDIR "/Clib_J2A1_USB0.LIB", "").opened);
}
BENCHMARK(LoadShippedLibraryFromDisk)->Unit(benchmark::kMicrosecond);

// 601 main elements and 8 x 129 in the subroutines: labels, jumps, outputs and calls, chosen so
// that the whole program assembles without a message (about 1300 bytes, both passes complete).
void fillLargest(tarvel::ProgramStore& store)
{
    using tarvel::InstructionRecord;
    auto add = [&](int f, int s, int o, int a1, const std::string& name) {
        InstructionRecord r;
        r.family = std::uint8_t(f), r.subtype = std::uint8_t(s), r.option = std::uint8_t(o);
        r.arg1 = std::int16_t(a1), r.name = name;
        store.currentElement = r;
        tarvel::describeElement(store.currentElement, store);
        store.appendCurrent();
    };
    store.newProgram();
    for (int i = 1; i < tarvel::kMainSlots; ++i) {
        switch (i % 4) {
        case 1: add(17, 11, 10, 0, "e" + std::to_string(i)); break;
        case 2: add(11, 11, 11, 6, "A-C"); break;
        case 3: add(11, 12, 16, 0, ""); break;
        default: add(17, 12, 10, 1, "Inicio"); break;
        }
    }
    for (int s = 1; s <= tarvel::kSubroutines; ++s) {
        store.activeSequence = s;
        store.subroutineCount = s;
        add(17, 13, 10, 0, "sub" + std::to_string(s));
        for (int i = 1; i < tarvel::kSubSlots - 1; ++i)
            i % 2 ? add(17, 11, 10, 0, "s" + std::to_string(i)) : add(11, 12, 17, 0, "");
        add(17, 15, 10, 0, "");
    }
    store.activeSequence = 0;
}

void TranslateAndAssembleLargest(benchmark::State& state)
{
    auto library = tarvel::LoadLibraryBytes({}, shippedBytes(), "Clib_J2A1_USB0.LIB").library;
    static tarvel::ProgramStore store;
    store.setElementSizes(library.elementSizeTable);
    fillLargest(store);
    tarvel::TemplateMemory memory;
    tarvel::CompileResult result;
    for (auto _ : state) {
        result = tarvel::compileProgram(store, library, memory);
        benchmark::DoNotOptimize(result.translation.source.size());
    }
    state.counters["elements"] = store.totalElements();
    state.counters["sourceBytes"] = double(result.translation.source.size());
    state.counters["imageBytes"] = result.assemblyOrEmpty().imageLength;
    state.counters["messages"] = double(result.assemblyOrEmpty().errorsText.size());
}
BENCHMARK(TranslateAndAssembleLargest)->Unit(benchmark::kMillisecond);

} // namespace

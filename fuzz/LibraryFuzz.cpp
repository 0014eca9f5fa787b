// Any bytes as a library file: loading, the integrity code, help texts and a translation with its
// templates never read or write out of bounds. Libraries are read up to 3 KB and the program is
// small, so that a bounded run tries many libraries; the seeds are the shipped library in slices.
#include "compiler/Compile.h"
#include "compiler/LibraryLoader.h"
#include "model/ElementDescription.h"
#include "model/ProgramStore.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvel;
    static ProgramStore store;
    size = std::min<std::size_t>(size, 3072);
    auto result = LoadLibraryBytes({}, std::string(reinterpret_cast<const char*>(data), size), "fuzz.LIB");
    CompilationLibrary& lib = result.library;
    computeIntegrityCode(lib);
    elementHelpText(lib, 10, 10, 10);
    store.setElementSizes(lib.elementSizeTable);
    store.newProgram();
    InstructionRecord samples[] = {{}, {}, {}, {}};
    samples[0].family = 10, samples[0].subtype = 10, samples[0].name = "AB";
    samples[1].family = 10, samples[1].subtype = 16, samples[1].arg1 = 3;
    samples[2].family = 11, samples[2].subtype = 12, samples[2].option = 14, samples[2].arg1 = 3;
    samples[3].family = 15, samples[3].subtype = 16, samples[3].name = "Inicio";
    for (auto& r : samples) {
        for (std::size_t i = 0; i < r.text.size(); ++i)
            r.text[i] = size ? data[i % size] : 0;
        store.currentElement = r;
        describeElement(store.currentElement, store);
        store.appendCurrent();
    }
    TemplateMemory memory;
    compileProgram(store, lib, memory);
    return 0;
}

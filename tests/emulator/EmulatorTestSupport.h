#pragma once
// Images from source text assembled with the shipped library, and simulations that run them.
#include "compiler/Assembler.h"
#include "compiler/Compile.h"
#include "compiler/LibraryLoader.h"
#include "emulator/Simulation.h"
#include "model/ElementDescription.h"
#include "model/ProgramStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

inline const tarvel::CompilationLibrary& shippedLibrary()
{
    static const tarvel::CompilationLibrary library = [] {
        std::ifstream in(std::string(TARVEL_APPDIR) + "/Clib_J2A1_USB0.LIB", std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        return tarvel::LoadLibraryBytes({}, bytes, "Clib_J2A1_USB0.LIB").library;
    }();
    return library;
}

// Instruction lines, one per entry, each indented for the assembler.
inline std::vector<std::uint8_t> assemble(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const auto& l : lines)
        text += (l.empty() || l[0] == ' ' || l.back() == ':' ? l : " " + l) + "\r\n";
    const tarvel::Assembly assembly = tarvel::assembleSource(text, true, shippedLibrary());
    EXPECT_EQ(assembly.errorsText, "") << text;
    const auto bytes = assembly.bytes();
    return {bytes.begin(), bytes.end()};
}

// A simulation without a world, running the image from time 0.
inline tarvel::Simulation running(const std::vector<std::uint8_t>& image)
{
    tarvel::Simulation sim;
    sim.load(image);
    sim.start();
    return sim;
}

inline std::vector<tarvel::SimEvent> eventsOf(const tarvel::Simulation& sim, tarvel::SimEvent::Kind kind)
{
    std::vector<tarvel::SimEvent> out;
    for (const auto& e : sim.events())
        if (e.kind == kind)
            out.push_back(e);
    return out;
}

constexpr std::int64_t ms(double v) { return std::int64_t(v * 1000); }
constexpr std::int64_t sec(double v) { return std::int64_t(v * 1'000'000); }

// A program of elements built with the shipped library, its image and element map loaded.
struct BuiltProgram {
    tarvel::ProgramStore store;
    tarvel::TemplateMemory memory;
    tarvel::CompileResult build;
    std::string errors;

    BuiltProgram() { store.newProgram(); }
    BuiltProgram& add(const tarvel::InstructionRecord& r)
    {
        store.currentElement = r;
        tarvel::describeElement(store.currentElement, store);
        store.appendCurrent();
        return *this;
    }
    BuiltProgram& subroutine(const std::string& name)
    {
        store.activeSequence = ++store.subroutineCount;
        store.subroutineNames[std::size_t(store.activeSequence)] = name;
        return add(tarvel::makeElement(17, 13, 10, 0, 0, 0, name));
    }
    std::vector<std::uint8_t> image()
    {
        store.setElementSizes(shippedLibrary().elementSizeTable);
        build = tarvel::compileProgram(store, shippedLibrary(), memory);
        const tarvel::Assembly& assembly = build.assemblyOrEmpty();
        errors = assembly.errorsText;
        const auto bytes = assembly.bytes();
        return {bytes.begin(), bytes.end()};
    }
    void loadInto(tarvel::Simulation& sim)
    {
        const auto bytes = image();
        EXPECT_EQ(errors, "");
        sim.load(bytes);
        sim.setElementMap(tarvel::ElementMap::fromBuild(build.translation, build.assemblyOrEmpty()));
    }
};

} // namespace testsupport

// Any text as assembler source, with the shipped library's instruction set: the assembler never
// writes past its image and always ends.
#include "compiler/Compile.h"
#include "compiler/LibraryLoader.h"

#include <fstream>

namespace {
const tarvel::CompilationLibrary& library()
{
    static const tarvel::CompilationLibrary lib = [] {
        std::ifstream in(TARVEL_APPDIR "/Clib_J2A1_USB0.LIB", std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        return tarvel::LoadLibraryBytes({}, bytes, "Clib_J2A1_USB0.LIB").library;
    }();
    return lib;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tarvel::assembleSource(std::string(reinterpret_cast<const char*>(data), size), size % 2 == 0, library());
    return 0;
}

#pragma once
#include "compiler/LibraryLoader.h"
#include "model/ElementDescription.h"
#include "model/ProgramStore.h"
#include "support/TestRecords.h"

#include <fstream>
#include <string>

namespace testsupport {

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A library from lines joined with CR LF, as library files must be.
inline tarvel::CompilationLibrary libraryFromLines(std::initializer_list<std::string> lines,
                                                   std::vector<tarvel::UserMessage>* messages = nullptr)
{
    std::string bytes;
    for (const auto& l : lines)
        bytes += l + "\r\n";
    auto result = tarvel::LoadLibraryBytes({}, bytes, "prueba.LIB");
    if (messages)
        *messages = result.messages;
    return result.library;
}

inline tarvel::CompilationLibrary shippedLibrary()
{
    auto result = tarvel::LoadLibraryBytes({}, readFile(std::string(TARVEL_APPDIR) + "/Clib_J2A1_USB0.LIB"),
                                           "Clib_J2A1_USB0.LIB");
    return result.library;
}

inline void append(tarvel::ProgramStore& store, const tarvel::InstructionRecord& r)
{
    store.currentElement = r;
    tarvel::describeElement(store.currentElement, store);
    store.appendCurrent();
}

} // namespace testsupport

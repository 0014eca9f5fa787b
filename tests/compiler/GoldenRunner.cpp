// Runs one golden case: assembles a source (asm) or translates and assembles a program written as
// text (translate), and compares the outcome with the .expected file beside the case.
#include "compiler/Compile.h"
#include "compiler/LibraryLoader.h"
#include "model/ElementDescription.h"
#include "model/ProgramStore.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

using namespace tarvel;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string hex(const Assembly& a)
{
    std::string out;
    char buf[4];
    for (int i = 0; i < std::min(a.imageLength, kImageBytes); ++i) {
        std::snprintf(buf, sizeof buf, "%02X", a.image[std::size_t(i)]);
        out += buf;
    }
    return out;
}

CompilationLibrary loadLibrary(const fs::path& folder, const std::string& name)
{
    const fs::path path = name == "Clib_J2A1_USB0.LIB" ? fs::path(TARVEL_APPDIR) / name : folder / ".." / name;
    auto result = LoadLibraryBytes({}, readFile(path), path.string());
    if (result.library.fileBytes.empty()) {
        std::cerr << "no library " << path << '\n';
        std::exit(2);
    }
    return result.library;
}

std::string assemblyReport(const Assembly& a)
{
    return "imageLength " + std::to_string(a.imageLength) + "\nimage " + hex(a) + "\nerrorCount " +
           std::to_string(a.errorCount) + "\nmessages:\n" + a.errorsText;
}

// "; lib: NAME" on the first line picks the library; every_kind.LIB otherwise.
std::string runAsm(const fs::path& casePath)
{
    const std::string text = readFile(casePath);
    std::string libName = "every_kind.LIB";
    if (text.rfind("; lib: ", 0) == 0)
        libName = text.substr(7, text.find_first_of("\r\n") - 7);
    const CompilationLibrary library = loadLibrary(casePath.parent_path(), libName);
    return assemblyReport(assembleSource(text, false, library));
}

// A program as text: "library NAME", "settings r l light sense count dir time spin app", "seq N",
// "el f s o a1 a2 a3 [name] [text=HEX]" (name "-" for empty).
std::string runTranslate(const fs::path& casePath)
{
    std::istringstream in(readFile(casePath));
    std::string line, libName = "placeholders.LIB";
    ProgramStore store;
    store.resetStore();
    std::vector<std::string> lines;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("library ", 0) == 0)
            libName = line.substr(8);
        lines.push_back(line);
    }
    const CompilationLibrary library = loadLibrary(casePath.parent_path(), libName);
    store.setElementSizes(library.elementSizeTable);
    for (const auto& l : lines) {
        std::istringstream words(l);
        std::string key;
        words >> key;
        if (key == "settings") {
            int light, sense, count, dir, time, spin, app;
            auto& s = store.programSettings;
            words >> s.rightMotorName >> s.leftMotorName >> light >> sense >> count >> dir >> time >> spin >> app;
            s.lightThreshold = std::uint8_t(light);
            s.senseTimeout = std::int16_t(sense);
            s.countTimeout = std::int16_t(count);
            s.directionMode = std::uint8_t(dir);
            s.motorTime = std::int16_t(time);
            s.motorSpin = std::int16_t(spin);
            s.appId = std::uint8_t(app);
        } else if (key == "seq") {
            words >> store.activeSequence;
            store.subroutineCount = std::max(store.subroutineCount, store.activeSequence);
        } else if (key == "el") {
            int f, s, o, a1, a2, a3;
            words >> f >> s >> o >> a1 >> a2 >> a3;
            InstructionRecord r = makeElement(f, s, o, a1, a2, a3);
            std::string word;
            while (words >> word) {
                if (word.rfind("text=", 0) == 0) {
                    std::string bytes;
                    for (std::size_t i = 5; i + 1 < word.size(); i += 2)
                        bytes += char(std::stoi(word.substr(i, 2), nullptr, 16));
                    setText(r.text, bytes);
                } else {
                    r.name = word == "-" ? "" : word;
                }
            }
            store.currentElement = r;
            describeElement(store.currentElement, store);
            store.appendCurrent();
        }
    }
    store.activeSequence = 0;
    TemplateMemory memory;
    const CompileResult result = compileProgram(store, library, memory);
    const Assembly& assembly = result.assemblyOrEmpty();
    return "memoryUsed " + std::to_string(result.translation.memoryUsed) + "\nsubroutineBalance " +
           std::to_string(result.translation.subroutineBalance) + "\nassembled " + (result.assembled() ? "yes" : "no") +
           "\nsource:\n" + result.translation.source + "\n" + assemblyReport(assembly);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: golden_runner asm|translate CASE\n";
        return 2;
    }
    const std::string kind = argv[1];
    const fs::path casePath = argv[2];
    const std::string actual = kind == "asm" ? runAsm(casePath) : runTranslate(casePath);
    fs::path expectedPath = casePath;
    expectedPath.replace_extension(".expected");
    if (const char* update = std::getenv("TARVEL_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::ofstream(expectedPath, std::ios::binary) << actual;
        return 0;
    }
    const std::string expected = readFile(expectedPath);
    if (expected == actual)
        return 0;
    std::cerr << "golden mismatch for " << casePath << "\n--- expected\n" << expected << "\n--- actual\n" << actual << '\n';
    return 1;
}

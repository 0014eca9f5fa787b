// lib, build, asm, help-text: the compilation library and the build chain.
#include "cli/CliLibrary.h"
#include "cli/CliSupport.h"

#include "compiler/BuildPlan.h"
#include "compiler/Compile.h"
#include "compiler/LibraryLoader.h"
#include "model/NumberText.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"
#include "model/TextUtil.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

namespace tarvel::cli {

namespace {

using json = nlohmann::ordered_json;

json libraryJson(const CompilationLibrary& lib, const std::vector<UserMessage>& messages)
{
    json set = json::array();
    for (int i = 0; i < lib.instructionCount; ++i) {
        const auto& e = lib.instructionSet[std::size_t(i)];
        set.push_back({{"mnemonic", utf8(e.mnemonic)}, {"opcode", e.opcode}, {"kind", int(e.operandKind)}});
    }
    json actions = json::array(), times = json::array(), entries = json::array(), texts = json::array();
    for (const auto& n : lib.motionActionNames)
        actions.push_back(utf8(n));
    for (const auto& n : lib.motionTimeNames)
        times.push_back(utf8(n));
    lib.templateOffsetTable.forEach([&](int f, int s, int o, std::int32_t offset) {
        const int size = lib.elementSizeTable.at(f, s, o);
        const int help = lib.helpOffsetTable.at(f, s, o);
        if (offset != 0 || size != 0 || help != 0)
            entries.push_back({{"family", f}, {"subtype", s}, {"option", o}, {"templateOffset", offset},
                               {"size", size}, {"helpOffset", help}});
    });
    for (const auto& m : messages)
        texts.push_back(utf8(m.text.spanish()));
    const std::string computed = computeIntegrityCode(lib);
    return {{"brickModelName", utf8(lib.brickModelName)},
            {"libraryCapacity", lib.libraryCapacity},
            {"codeFormatName", utf8(lib.codeFormatName)},
            {"computedCode", computed},
            {"integrityOk", computed == lib.codeFormatName},
            {"setVersion", utf8(lib.setVersion)},
            {"libVersion", utf8(lib.libVersion)},
            {"instructionCount", lib.instructionCount},
            {"instructionSet", set},
            {"motionActionNames", actions},
            {"motionTimeNames", times},
            {"entries", entries},
            {"messages", texts}};
}

// Writes the computed code into the VELATRIXCODE line (adding one when the file has none). A value
// of another length moves the templates, so the code is computed again until it stays the same.
int stampLibrary(const std::string& path)
{
    std::string bytes;
    if (const std::string error = readInput(path, kLibraryFileMaxBytes, bytes, "No se Pudo Abrir la Libreria ");
        !error.empty())
        return fail(error);
    // Only a library is stamped: the code is written into the file, so anything else would be damaged.
    {
        const auto loaded = LoadLibraryBytes(CompilationLibrary {}, bytes, path);
        if (const std::string notOne = notALibrary(loaded); !notOne.empty())
            return fail("No se Grabo la Libreria " + path + "\n" + utf8(notOne));
        if (!loaded.messages.empty()) {
            std::string text = "No se Grabo la Libreria " + path + "\nLa libreria tiene errores de carga:";
            for (const auto& m : loaded.messages)
                text += "\n" + utf8(m.text.spanish());
            return fail(text);
        }
    }
    for (int round = 0; round < 4; ++round) {
        std::size_t lineStart = 0, valueStart = std::string::npos, valueEnd = 0;
        while (lineStart < bytes.size()) {
            std::size_t lineEnd = bytes.find_first_of("\r\n", lineStart);
            if (lineEnd == std::string::npos)
                lineEnd = bytes.size();
            const std::string line = bytes.substr(lineStart, lineEnd - lineStart);
            const auto k = line.find_first_not_of(' ');
            if (k != std::string::npos && upperCase(line.substr(k, 12)) == "VELATRIXCODE" &&
                (line.size() == k + 12 || line[k + 12] == ' ')) {
                const auto v = line.find_first_not_of(' ', k + 12);
                valueStart = lineStart + (v == std::string::npos ? line.size() : v);
                const auto e = v == std::string::npos ? std::string::npos : line.find_first_of(" ;", v);
                valueEnd = lineStart + (e == std::string::npos ? line.size() : e);
                if (v == std::string::npos) {
                    bytes.insert(valueStart, " ");
                    ++valueStart;
                    ++valueEnd;
                }
                break;
            }
            lineStart = bytes.find('\n', lineEnd);
            lineStart = lineStart == std::string::npos ? bytes.size() : lineStart + 1;
        }
        if (valueStart == std::string::npos) {
            bytes.insert(0, "VELATRIXCODE 0000000000000000\r\n");
            continue;
        }
        const auto loaded = LoadLibraryBytes(CompilationLibrary{}, bytes, path);
        const std::string code = computeIntegrityCode(loaded.library);
        if (bytes.compare(valueStart, valueEnd - valueStart, code) == 0) {
            const std::string error = writeOutputs({ { path, bytes } });
            return error.empty() ? Success : fail(error);
        }
        bytes.replace(valueStart, valueEnd - valueStart, code);
    }
    return fail("No se pudo calcular un codigo estable para " + path);
}

// The fields every assembling command reports.
json assemblyOutcome(const Assembly& assembly, int errorCount)
{
    return { { "imageLength", assembly.imageLength }, { "image", hex(assembly.bytes()) },
        { "messages", utf8(assembly.errorsText) }, { "errorCount", errorCount } };
}

std::string imageText(const Assembly& assembly)
{
    const auto image = assembly.bytes();
    return { image.begin(), image.end() };
}

// The assembler's list is the reason a build or an assembly failed: it goes with the refusal.
void sayListed(const Assembly& assembly, const std::string& labelReport = {})
{
    if (!assembly.errorsText.empty())
        fail(utf8(compilationErrorMessage().title.spanish() + "\r\n" + labelReport + assembly.errorsText));
}

void printAssembly(const Assembly& assembly)
{
    std::cout << utf8(assembly.errorsText) << "Imagen: " << assembly.imageLength << " bytes\n";
}

} // namespace

void addBuildCommands(CLI::App& app, int& exitCode)
{
    // tarvel lib
    struct LibArgs {
        std::string path;
        bool json = false, stamp = false;
    };
    auto la = std::make_shared<LibArgs>();
    auto* lib = app.add_subcommand("lib", "Muestra las tablas de una libreria, o graba su codigo de integridad");
    lib->add_option("FILE", la->path, "Archivo de libreria (.LIB)")->required();
    lib->add_flag("--json", la->json, "Salida JSON");
    lib->add_flag("--stamp", la->stamp, "Graba el codigo de integridad calculado en la linea VELATRIXCODE");
    lib->callback([la, &exitCode] {
        if (la->stamp) {
            exitCode = stampLibrary(la->path);
            return;
        }
        std::string bytes;
        if (const std::string error = readInput(la->path, kLibraryFileMaxBytes, bytes, "No se Pudo Abrir la Libreria ");
            !error.empty()) {
            exitCode = fail(error);
            return;
        }
        const auto result = LoadLibraryBytes(CompilationLibrary{}, std::move(bytes), la->path);
        if (const std::string notOne = notALibrary(result); !notOne.empty()) {
            exitCode = fail("No se Pudo Abrir la Libreria " + la->path + "\n" + utf8(notOne));
            return;
        }
        const json doc = libraryJson(result.library, result.messages);
        if (la->json) {
            printJson(doc);
            return;
        }
        std::cout << "Modelo: " << doc["brickModelName"].get<std::string>() << "\nCapacidad: " << doc["libraryCapacity"]
                  << "\nCodigo: " << doc["codeFormatName"].get<std::string>() << " (calculado "
                  << doc["computedCode"].get<std::string>() << (doc["integrityOk"].get<bool>() ? ", correcto)" : ", NO coincide)")
                  << "\nVersiones: " << doc["setVersion"].get<std::string>() << " / " << doc["libVersion"].get<std::string>()
                  << "\nInstrucciones: " << doc["instructionCount"] << "\nElementos con datos: " << doc["entries"].size() << '\n';
        for (const auto& m : doc["messages"])
            std::cout << m.get<std::string>() << '\n';
    });

    // tarvel build
    struct BuildArgs {
        std::string program, source, image;
        bool json = false;
        LibraryOption lib;
    };
    auto ba = std::make_shared<BuildArgs>();
    auto* build = app.add_subcommand("build", "Traduce y ensambla un programa (.gtf)");
    build->add_option("PROGRAM", ba->program, "Programa")->required();
    ba->lib.add(*build);
    build->add_option("--source", ba->source, "Escribe el codigo fuente generado");
    build->add_option("--image", ba->image, "Escribe la imagen binaria");
    build->add_flag("--json", ba->json, "Salida JSON");
    build->callback([ba, &exitCode] {
        if (!ba->source.empty() && !ba->image.empty() && sameFile(ba->source, ba->image)) {
            exitCode = usage("--source y --image no pueden ser el mismo archivo");
            return;
        }
        CompilationLibrary library;
        if (!ba->lib.load(library, true)) {
            exitCode = Refused;
            return;
        }
        ProgramStore store;
        store.setElementSizes(library.elementSizeTable);
        const FileOutcome opened = openProgramFile(store, ba->program);
        if (!opened.ok) {
            exitCode = fail(utf8(opened.error));
            return;
        }
        TemplateMemory memory;
        const CompileResult result = compileProgram(store, library, memory);
        const Assembly& assembly = result.assemblyOrEmpty();
        const bool listed = !assembly.errorsText.empty();
        sayListed(assembly, result.labelReport);
        const bool noCode = result.assembled() && !listed && assembly.imageLength <= 0;
        const bool tooLong = result.assembled() && assembly.imageLength > library.libraryCapacity;
        int errorCount = assembly.errorCount;
        auto say = [&](BuildFailure failure) {
            std::cerr << utf8(buildFailureText(failure, assembly.imageLength).status.spanish()) << '\n';
            ++errorCount; // a build that stops is an error even where the assembler found none
        };
        if (!result.assembled())
            say(BuildFailure::Subroutines);
        if (noCode)
            say(BuildFailure::NoCode);
        if (tooLong)
            say(BuildFailure::Memory);
        const BuildVerdict verdict = result.verdict(library.libraryCapacity);
        const bool built = verdict == BuildVerdict::Clean;
        // A failed build writes nothing: an earlier good image or source stays as it was.
        std::string writeError;
        if (built) {
            std::vector<std::pair<std::string, std::string>> outputs;
            if (!ba->source.empty())
                outputs.emplace_back(ba->source, result.translation.source);
            if (!ba->image.empty())
                outputs.emplace_back(ba->image, imageText(assembly));
            writeError = writeOutputs(outputs);
            if (!writeError.empty())
                fail(writeError);
        }
        exitCode = built && writeError.empty() ? Success : Refused;
        if (ba->json) {
            json doc = { { "ok", exitCode == Success }, { "memoryUsed", result.translation.memoryUsed },
                { "subroutineBalance", result.translation.subroutineBalance }, { "assembled", result.assembled() },
                { "verdict", verdictName(verdict) } };
            doc.update(assemblyOutcome(assembly, errorCount));
            doc["missingLabels"] = utf8(result.labelReport);
            doc["source"] = utf8(result.translation.source);
            if (!writeError.empty())
                doc["error"] = writeError;
            printJson(doc);
            return;
        }
        std::cout << "Memoria: " << result.translation.memoryUsed << "/(" << library.libraryCapacity << ")\n";
        printAssembly(assembly);
    });

    // tarvel asm
    struct AsmArgs {
        std::string source, image;
        bool json = false, appendEnd = false;
        LibraryOption lib;
    };
    auto aa = std::make_shared<AsmArgs>();
    auto* assemble = app.add_subcommand("asm", "Ensambla un archivo de codigo fuente (.src)");
    assemble->add_option("SOURCE", aa->source, "Codigo fuente")->required();
    aa->lib.add(*assemble);
    assemble->add_option("--image", aa->image, "Escribe la imagen binaria");
    assemble->add_flag("--append-end", aa->appendEnd, "Agrega un fin de linea y END, como el editor de codigo");
    assemble->add_flag("--json", aa->json, "Salida JSON");
    assemble->callback([aa, &exitCode] {
        CompilationLibrary library;
        if (!aa->lib.load(library)) {
            exitCode = Refused;
            return;
        }
        std::string text;
        if (const std::string error = readInput(aa->source, kSourceFileMaxBytes, text); !error.empty()) {
            exitCode = fail(error);
            return;
        }
        const Assembly assembly = assembleSource(text, aa->appendEnd, library);
        sayListed(assembly);
        const BuildVerdict verdict = buildVerdict(
            {0, &assembly.messages, assembly.cancelledAt, assembly.imageLength, library.libraryCapacity});
        int errorCount = assembly.errorCount;
        if (verdict == BuildVerdict::EmptyImage || verdict == BuildVerdict::TooBig) {
            // What the source editor's build stops with; an error even where the assembler found none.
            std::cerr << utf8(buildFailureText(verdictFailure(verdict), assembly.imageLength).status.spanish()) << '\n';
            ++errorCount;
        }
        const bool built = verdict == BuildVerdict::Clean;
        std::string writeError;
        if (built && !aa->image.empty()) {
            writeError = writeOutputs({ { aa->image, imageText(assembly) } });
            if (!writeError.empty())
                fail(writeError);
        }
        exitCode = built && writeError.empty() ? Success : Refused;
        if (aa->json) {
            json doc = { { "ok", exitCode == Success }, { "verdict", verdictName(verdict) } };
            doc.update(assemblyOutcome(assembly, errorCount));
            if (!writeError.empty())
                doc["error"] = writeError;
            printJson(doc);
        } else {
            printAssembly(assembly);
        }
    });

    // tarvel help-text
    struct HelpArgs {
        int family = 0, subtype = 0, option = 0;
        LibraryOption lib;
    };
    auto ha = std::make_shared<HelpArgs>();
    auto* help = app.add_subcommand("help-text", "Muestra la ayuda rapida de un elemento");
    ha->lib.add(*help);
    help->add_option("FAMILY", ha->family)->required();
    help->add_option("SUBTYPE", ha->subtype)->required();
    help->add_option("OPTION", ha->option)->required();
    help->callback([ha, &exitCode] {
        CompilationLibrary library;
        if (!ha->lib.load(library, true)) {
            exitCode = Refused;
            return;
        }
        std::cout << utf8(elementHelpText(library, ha->family, ha->subtype, ha->option)) << '\n';
    });
}

} // namespace tarvel::cli

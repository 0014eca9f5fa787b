#include "cli/CliLibrary.h"

#include "cli/CliSupport.h"
#include "compiler/LibraryLoader.h"
#include "model/TextFile.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

namespace tarvel::cli {

namespace {
std::filesystem::path executableFolder()
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}
} // namespace

std::string shippedLibraryPath()
{
    const char* name = "Clib_J2A1_USB0.LIB";
    const auto here = executableFolder();
    for (const auto& folder : {here / "appdir", here / ".." / "share" / "tarvel-lab",
                               std::filesystem::path(TARVEL_SOURCE_APPDIR)})
        if (std::filesystem::exists(folder / name))
            return (folder / name).string();
    return (std::filesystem::path(TARVEL_SOURCE_APPDIR) / name).string();
}

void LibraryOption::add(CLI::App& command)
{
    command.add_option("--lib", path, "Libreria de compilacion (por omision la del Ladrillo J2A1)");
}

bool LibraryOption::load(CompilationLibrary& library, bool requireIntegrity) const
{
    // A library named on the command line is that library or an error: falling back to the shipped
    // one would build with tables the user did not ask for.
    const std::string wanted = path.empty() ? shippedLibraryPath() : path;
    std::string bytes;
    if (const std::string error = readInput(wanted, kLibraryFileMaxBytes, bytes, "No se Pudo Abrir la Libreria ");
        !error.empty()) {
        fail(error);
        return false;
    }
    LibraryLoadResult result = LoadLibraryBytes(CompilationLibrary {}, std::move(bytes), wanted);
    if (const std::string notOne = notALibrary(result); !notOne.empty()) {
        fail("No se Pudo Abrir la Libreria " + wanted + "\n" + utf8(notOne));
        return false;
    }
    for (const auto& m : result.messages)
        std::cerr << utf8(m.title.spanish()) << ": " << utf8(m.text.spanish()) << '\n';
    const auto mismatch = CheckLibraryIntegrity(result.library);
    if (mismatch)
        std::cerr << utf8(mismatch->title.spanish()) << ": " << utf8(mismatch->text.spanish()) << '\n';
    library = std::move(result.library);
    return !(mismatch && requireIntegrity);
}

} // namespace tarvel::cli

#include "cli/CliLibrary.h"

#include "compiler/LibraryLoader.h"
#include "cli/CliSupport.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <unistd.h>

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
    const std::string wanted = path.empty() ? shippedLibraryPath() : path;
    LibraryLoadResult result = LoadLibrary(CompilationLibrary{}, wanted, shippedLibraryPath());
    for (const auto& m : result.messages)
        std::cerr << utf8(m.title) << ": " << utf8(m.text) << '\n';
    if (!result.opened)
        return false;
    if (result.usedDefault)
        std::cerr << "No se encontro " << wanted << "; se uso " << result.library.libraryPath << '\n';
    const auto mismatch = CheckLibraryIntegrity(result.library);
    if (mismatch)
        std::cerr << utf8(mismatch->title) << ": " << utf8(mismatch->text) << '\n';
    library = std::move(result.library);
    return !(mismatch && requireIntegrity);
}

} // namespace tarvel::cli

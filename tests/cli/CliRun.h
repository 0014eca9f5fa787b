#pragma once
// Runs the tarvel command line and captures what it prints.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline CliResult runTarvel(const std::string& args)
{
    const auto errFile = std::filesystem::temp_directory_path() / ("tarvel_cli_err_" + std::to_string(::getpid()));
    const std::string command = std::string(TARVEL_CLI) + " " + args + " 2>" + errFile.string();
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0)
        result.out.append(buf.data(), n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errFile);
    result.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::filesystem::remove(errFile);
    return result;
}

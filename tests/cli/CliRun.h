#pragma once
// Runs the tarvel command line and captures what it prints.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A shell command line; what it writes on stderr is captured apart.
inline CliResult runCommand(const std::string& command)
{
    const auto errFile = std::filesystem::temp_directory_path() / ("tarvel_cli_err_" + std::to_string(::getpid()));
    const std::string line = command + " 2>" + errFile.string();
    CliResult result;
    FILE* pipe = ::popen(line.c_str(), "r");
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

inline CliResult runTarvel(const std::string& args)
{
    return runCommand(std::string(TARVEL_CLI) + " " + args);
}

// The same, killed after `seconds`: exit code 124 tells it did not end by itself.
inline CliResult runTarvelWithin(int seconds, const std::string& args)
{
    return runCommand("timeout " + std::to_string(seconds) + " " + TARVEL_CLI + " " + args);
}

#pragma once
// What every subcommand shares: UTF-8 output of the core's Windows-1252 texts, hex dumps, exit codes.
#include "model/Text.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace CLI {
class App;
}

namespace tarvel {
class ProgramStore;
}

namespace tarvel::cli {

enum Exit { Success = 0, Refused = 1, BadUsage = 2 };

std::string utf8(std::string_view cp1252);
// A text of the core in Spanish, UTF-8.
inline std::string utf8(const Text& text)
{
    return utf8(text.spanish());
}
std::string hex(std::span<const std::uint8_t> bytes);
void printJson(const nlohmann::ordered_json& doc);
int fail(const std::string& messageUtf8); // prints on stderr, returns Refused
int usage(const std::string& messageUtf8); // prints on stderr, returns BadUsage

// Reads a file named on the command line, of at most `maxBytes`. Empty on success, otherwise the
// message (UTF-8): `head`, the path as typed and why.
std::string readInput(const std::string& path, std::uintmax_t maxBytes, std::string& bytes,
    const std::string& head = "No se Pudo Abrir el Archivo ");

// Writes every (path, bytes) or none: all are prepared beside their targets first, then renamed.
// Temporaries that killed runs left in those folders go first. Empty, or the message (UTF-8).
// Two names of one file (a link, "./x" and "x"); a file that does not exist yet is compared by name.
bool sameFile(const std::string& a, const std::string& b);

std::string writeOutputs(const std::vector<std::pair<std::string, std::string>>& files);

// Why a file given as an image cannot be one (a program, a source or other text), UTF-8; empty when
// it may be one. The size is for the caller to check.
std::string notAnImage(const std::string& path, const std::string& bytes);

// Saves a program as the window does, through `writeOutputs`; empty, or the message (UTF-8).
std::string writeProgram(ProgramStore& store, const std::string& path);

// A program as `describe` shows it: JSON, or lines of text.
nlohmann::ordered_json describeJson(const ProgramStore& store);
void printDescription(const ProgramStore& store);

// Each file adds its subcommands to the app and returns nothing; the callback sets the exit code.
void addModelCommands(CLI::App& app, int& exitCode);
void addBuildCommands(CLI::App& app, int& exitCode);
void addBrickCommands(CLI::App& app, int& exitCode);
void addSimCommands(CLI::App& app, int& exitCode);
void addEditCommands(CLI::App& app, int& exitCode);
void addGradeCommands(CLI::App& app, int& exitCode);

} // namespace tarvel::cli

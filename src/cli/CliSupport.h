#pragma once
// What every subcommand shares: UTF-8 output of the core's Windows-1252 texts, hex dumps, exit codes.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace tarvel {
class ProgramStore;
}

namespace tarvel::cli {

enum Exit { Success = 0, Refused = 1, BadUsage = 2 };

std::string utf8(std::string_view cp1252);
std::string hex(std::span<const std::uint8_t> bytes);
void printJson(const nlohmann::ordered_json& doc);
int fail(const std::string& messageUtf8); // prints on stderr, returns Refused

// A program as `describe` shows it: JSON, or lines of text.
nlohmann::ordered_json describeJson(const ProgramStore& store);
void printDescription(const ProgramStore& store);

// Each file adds its subcommands to the app and returns nothing; the callback sets the exit code.
void addModelCommands(CLI::App& app, int& exitCode);
void addBuildCommands(CLI::App& app, int& exitCode);
void addBrickCommands(CLI::App& app, int& exitCode);
void addSimCommands(CLI::App& app, int& exitCode);
void addEditCommands(CLI::App& app, int& exitCode);

} // namespace tarvel::cli

#pragma once
// Which world each example program needs (the line follower its track, the maze program the maze):
// a list of its own in the application folder, "PROGRAM%WORLD" a line, so that qp_list.txt keeps
// the layout the example lists have always had. Run on the simulated brick, an example opens the
// simulator in its world.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

inline constexpr const char* kExampleWorldsName = "mundos_ejemplos.txt";

struct ExampleWorlds {
    std::map<std::string, std::string> worldOf; // program file name -> world file name (Windows-1252)
    int badLines = 0;                           // lines that were not "PROGRAM%WORLD"

    // The world file for the program at `programPath`, when it is an example that names one.
    std::optional<std::string> worldFor(const std::filesystem::path& programPath) const;
};

// Reads the list's text; names are compared without regard to case, as the examples list does.
ExampleWorlds parseExampleWorlds(std::string_view bytes);
// The list of the application folder; empty when there is none or it cannot be read.
ExampleWorlds loadExampleWorlds(const std::filesystem::path& appFolder);

} // namespace tarvel

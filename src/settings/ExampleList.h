#pragma once
// The example-program list "qp_list.txt": one line per example, "L?program%help%caption".
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

constexpr int kExampleLists = 11;      // list numbers 0..10
constexpr int kExamplesPerList = 15;   // entries 0..14

struct ExampleEntry {
    int list = 0;
    int index = 0; // position in its list
    std::string programFile;
    std::string helpFile;
    std::string caption;
};

struct ExampleListResult {
    std::vector<ExampleEntry> entries;
    std::vector<std::string> problems; // one per line that could not be used, with file and line
};

// The number of menu items a list's menu has (0 when the list has no menu).
int exampleMenuItems(int list);

// The help text of an example, read from `folder`: none for the name "VOID" (any case), a name of 4
// characters or less, or a file that cannot be read.
std::optional<std::string> exampleHelpText(const std::string& folder, const std::string& helpName);

// Reads the list. A bad line is reported and skipped; the good lines around it are kept.
ExampleListResult parseExampleList(const std::string& bytes, const std::string& fileName = "qp_list.txt");
// Reads the list file at `path` (the system's bytes): none when there is no file, one problem when
// there is one that cannot be read.
ExampleListResult loadExampleList(const std::string& path);

} // namespace tarvel

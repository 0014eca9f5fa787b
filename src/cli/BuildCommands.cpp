#include "cli/CliSupport.h"
namespace tarvel::cli {
void addBuildCommands(CLI::App&, int&) {}
}

#include "cli/CliSupport.h"
namespace tarvel::cli {
void addBrickCommands(CLI::App&, int&) {}
}

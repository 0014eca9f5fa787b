// tarvel: the core of Tarvel Lab on the command line, for teachers' scripts and for our tests.
#include "cli/CliSupport.h"

#include <CLI/CLI.hpp>

int main(int argc, char** argv)
{
    CLI::App app{"Tarvel Lab: programas de flujo para el Ladrillo, desde la linea de comandos"};
    app.name("tarvel");
    app.require_subcommand(1);
    // The version of the whole program, as tarvel-lab --version prints it.
    app.set_version_flag("--version", "tarvel 2.0");
    int exitCode = tarvel::cli::Success;
    tarvel::cli::addModelCommands(app, exitCode);
    tarvel::cli::addBuildCommands(app, exitCode);
    tarvel::cli::addBrickCommands(app, exitCode);
    tarvel::cli::addSimCommands(app, exitCode);
    tarvel::cli::addEditCommands(app, exitCode);
    tarvel::cli::addGradeCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return tarvel::cli::BadUsage;
    }
    return exitCode;
}

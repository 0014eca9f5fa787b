#pragma once
// The brick tools of the main window: whether they are on, the caption of "Conect" and the toolbar
// pictures of the five brick buttons (numbers of the toolbar's picture list).
#include <array>
#include <string>
#include <vector>

namespace tarvel {

struct ToolPicture {
    const char* key; // toolbar key
    int picture;
};

struct BrickTools {
    bool brickReady = false;
    std::string conectCaption;
    std::array<ToolPicture, 5> pictures{};
};

// In automatic mode the tools are always on.
BrickTools brickToolsState(bool connected, bool autoConnect);

// The main window's commands that the brick or the interface mode turns on and off.
enum class BrickCommand {
    ToolRun,         // toolbar "Ejecutar"
    ToolCompile,     // toolbar "Compilar"
    ToolSend,        // toolbar "Grabar"
    ToolCompileSend, // toolbar "CompiGraba"
    CompileSendRun,  // "Compilacion" > "Compilar, Grabar y Ejecutar"
    Send,            // "Conexion" > "Grabar en el Ladrillo"
    RunProgram,      // "Conexion" > "Ejecutar Programa Ladrillo"
    ToolConsole,     // toolbar "Tester"
    ToolMonitor,     // toolbar "Monitor"
};

struct BrickCommandState {
    BrickCommand command;
    bool enabled;
    // Whether it needs the brick: without it, its tips say how to get one.
    bool needsBrick;
};

// Which of those commands are enabled with the brick ready or not, in the full interface or the
// reduced one: the ones that talk to the brick need it, and the toolbar's run, compile, send,
// console and monitor buttons are off in the reduced interface too.
std::vector<BrickCommandState> brickCommandStates(bool brickReady, bool fullMode);

} // namespace tarvel

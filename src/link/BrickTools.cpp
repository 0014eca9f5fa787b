#include "link/BrickTools.h"

#include "model/Text.h"

namespace tarvel {

BrickTools brickToolsState(bool connected, bool autoConnect)
{
    const bool on = connected || autoConnect;
    BrickTools tools;
    tools.brickReady = on;
    tools.conectCaption = on ? (autoConnect ? QT_TRANSLATE_NOOP("core", "Automatico") : QT_TRANSLATE_NOOP("core", "Conectado!")) : QT_TRANSLATE_NOOP("core", "Conectar");
    tools.pictures = {{{"Conect", on ? 9 : 13},
                       {"Run", on ? 11 : 14},
                       {"Compi", on ? 4 : 15},
                       {"Send", on ? 5 : 16},
                       {"CompiSend", on ? 6 : 17}}};
    return tools;
}

std::vector<BrickCommandState> brickCommandStates(bool brickReady, bool fullMode)
{
    struct Rule {
        BrickCommand command;
        bool needsBrick;
        bool needsFullMode;
    };
    static const Rule rules[] = {
        {BrickCommand::ToolRun, true, true},          {BrickCommand::ToolCompile, true, true},
        {BrickCommand::ToolSend, true, true},         {BrickCommand::ToolCompileSend, true, false},
        {BrickCommand::CompileSendRun, true, false},  {BrickCommand::Send, true, false},
        {BrickCommand::RunProgram, true, false},      {BrickCommand::ToolConsole, false, true},
        {BrickCommand::ToolMonitor, false, true},
    };
    std::vector<BrickCommandState> states;
    for (const Rule& r : rules)
        states.push_back({r.command, (!r.needsBrick || brickReady) && (!r.needsFullMode || fullMode), r.needsBrick});
    return states;
}

} // namespace tarvel

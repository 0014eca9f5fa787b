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

} // namespace tarvel

// Writes the example programs made for the simulator (appdir/): programs (.gtf) and their help
// texts. Run: out/tools/make_sim_examples appdir
#include "model/ElementDescription.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"

#include <cstdio>
#include <filesystem>
#include <string>

using namespace tarvel;

namespace {

void add(ProgramStore& store, int f, int s, int o, int a1 = 0, const std::string& name = "")
{
    store.currentElement = makeElement(f, s, o, a1, 0, 0, name);
    describeElement(store.currentElement, store);
    store.appendCurrent();
}

// Follows the edge of a dark line with the light sensor and the lamp: on the white floor it
// turns toward the line (left), on the line away from it (right).
void lineFollower(ProgramStore& s)
{
    add(s, 11, 10, 12, 6);
    add(s, 17, 11, 10, 0, "mirar");
    add(s, 15, 16, 10, 0, "oscuro");
    add(s, 10, 17, 11, 1, "A");
    add(s, 10, 10, 12, 1, "B");
    add(s, 17, 12, 10, 1, "mirar");
    add(s, 17, 11, 10, 0, "oscuro");
    add(s, 10, 10, 11, 1, "A");
    add(s, 10, 17, 12, 1, "B");
    add(s, 17, 12, 10, 1, "mirar");
}

const char* const kLineHelp =
    "Seguir la Linea\r\n\r\nEl robot enciende su luz y sigue el borde de una linea oscura: si el sensor ve el piso "
    "claro, dobla hacia la linea; si ve la linea, dobla hacia el otro lado.\r\n\r\n"
    "Pruebelo en el Simulador con el mundo \"Pista con linea\".\r\n";

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: make_sim_examples CARPETA\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    ProgramStore store;
    store.newProgram();
    lineFollower(store);
    store.activeSequence = 0;
    if (!saveProgramFile(store, folder / "Seguir la Linea.gtf").ok ||
        !writeFileReplacing(folder / "Seguir la Linea.txt", kLineHelp).empty()) {
        std::fprintf(stderr, "no se pudo escribir en %s\n", argv[1]);
        return 1;
    }
    return 0;
}

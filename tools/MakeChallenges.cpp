// Writes the programs of the shipped challenges with the core itself: each challenge's reference
// solution (appdir/retos) and the wrong programs the tests judge beside them (tests/data/retos).
// Run: out/tools/make_challenges appdir/retos tests/data/retos
#include "model/ElementDescription.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/ToneTiming.h"
#include "tours/PathCodec.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace tarvel;

namespace {

using Build = std::function<void(ProgramStore&)>;

void add(ProgramStore& store, int f, int s, int o, int a1 = 0, int a2 = 0, int a3 = 0, const std::string& name = "",
         const std::string& text = "")
{
    InstructionRecord& r = store.currentElement;
    r = makeElement(f, s, o, a1, a2, a3, name);
    if (!text.empty())
        setText(r.text, text);
    describeElement(r, store);
    store.appendCurrent();
}

std::string tone(int frequency, int volume, int ms)
{
    auto f = std::int16_t(frequency), v = std::int16_t(volume);
    ToneTiming t;
    toneTiming(f, v, std::int16_t(ms), t);
    return std::string{char(t.tonePeriodsHigh), char(t.tonePeriodsLow), char(t.toneHighTicks), char(t.toneLowTicks)};
}

void path(ProgramStore& store, const std::string& name, const std::vector<std::pair<int, int>>& moves)
{
    PathData data;
    for (const auto& [heading, tenths] : moves)
        data.steps.push_back({tenths, heading, StepAction::Move});
    add(store, 10, 16, 10, int(moves.size()), 0, 0, name, encodePath(data));
}

// Small pieces the programs share.
void forward(ProgramStore& s) { add(s, 10, 10, 10, 1, 0, 0, "AB"); }
void backward(ProgramStore& s) { add(s, 10, 11, 10, 1, 0, 0, "AB"); }
void stopMotors(ProgramStore& s) { add(s, 10, 17, 10, 1, 0, 0, "AB"); }
void seconds(ProgramStore& s, int n) { add(s, 13, 10, 10, n); }
void tenths(ProgramStore& s, int n) { add(s, 13, 11, 10, n); }
void leds(ProgramStore& s, const char* pattern) { add(s, 11, 11, 11, 0, 0, 0, pattern); }
void label(ProgramStore& s, const char* name) { add(s, 17, 11, 10, 0, 0, 0, name); }
void jump(ProgramStore& s, const char* name) { add(s, 17, 12, 10, 1, 0, 0, name); }
void endProgram(ProgramStore& s) { add(s, 17, 16, 10); }

// The edge of the dark line: on the floor turn toward it (motor B only), on it away (motor A only).
void followEdge(ProgramStore& s)
{
    add(s, 11, 10, 12, 6);
    label(s, "mirar");
    add(s, 15, 16, 10, 0, 0, 0, "oscuro");
    add(s, 10, 17, 11, 1, 0, 0, "A-");
    add(s, 10, 10, 12, 1, 0, 0, "-B");
    jump(s, "mirar");
    label(s, "oscuro");
    add(s, 10, 10, 11, 1, 0, 0, "A-");
    add(s, 10, 17, 12, 1, 0, 0, "-B");
    jump(s, "mirar");
}

// The corridors of the maze, as the example "Salir del Laberinto" drives them; `first` the tenths
// of the first move.
void mazePath(ProgramStore& s, int first)
{
    path(s, "Pasillos", {{0, first}, {90, 127}, {0, 48}, {270, 127}, {0, 48}, {90, 127}, {0, 80}});
}

void remoteControl(ProgramStore& s)
{
    label(s, "parar");
    stopMotors(s);
    label(s, "leer");
    add(s, 15, 18, 10, 1, 0, 0, "leer");
    add(s, 12, 12, 12, 2);
    add(s, 13, 14, 12, 1);
    const std::pair<int, const char*> keys[] = {{2, "adelante"}, {8, "atras"}, {5, "parar"}};
    for (const auto& [key, name] : keys)
        add(s, 16, 10, 10, 2, key, 0, name);
    jump(s, "leer");
    label(s, "adelante");
    forward(s);
    jump(s, "leer");
    label(s, "atras");
    backward(s);
    jump(s, "leer");
}

void scale(ProgramStore& s)
{
    std::string notes;
    for (int f : {262, 294, 330, 349, 392})
        notes += tone(f, 32, 300);
    add(s, 11, 12, 14, 5, 0, 0, "Escala", notes);
}

// Counts claps in Var. Roja until two seconds pass without one, then sends the count to the PC.
void countClaps(ProgramStore& s, bool waitForSilence)
{
    s.programSettings.senseTimeout = 2000;
    add(s, 14, 15, 11, 0, 1);
    label(s, "escuchar");
    add(s, 13, 15, 13, 1);
    add(s, 16, 20, 10, 1, 0, 0, "fin");
    if (waitForSilence)
        add(s, 13, 15, 12, 1);
    add(s, 14, 10, 11, 1, 1, 1);
    jump(s, "escuchar");
    label(s, "fin");
    add(s, 11, 13, 10, 1, 145);
    endProgram(s);
}

// Toward the lamp by its light: forward while the light grows, a spin of about 45 degrees when it
// fades, a stop where it is bright enough.
void findLamp(ProgramStore& s, int enough)
{
    add(s, 12, 10, 11, 2);
    label(s, "mirar");
    add(s, 12, 10, 11, 1);
    add(s, 16, 14, 10, 1, enough, 0, "llegue");
    add(s, 16, 13, 11, 1, 2, 0, "girar");
    add(s, 12, 10, 11, 2);
    forward(s);
    tenths(s, 1);
    jump(s, "mirar");
    label(s, "girar");
    add(s, 10, 10, 11, 1, 0, 0, "A-");
    add(s, 10, 11, 12, 1, 0, 0, "-B");
    tenths(s, 8);
    stopMotors(s);
    add(s, 12, 10, 11, 2);
    jump(s, "mirar");
    label(s, "llegue");
    stopMotors(s);
    add(s, 11, 12, 16);
    endProgram(s);
}

struct Program {
    const char* file;
    Build build;
};

const std::vector<Program> kSolutions = {
    {"01 Primer Paso.gtf",
     [](ProgramStore& s) {
         forward(s);
         seconds(s, 2);
         stopMotors(s);
         endProgram(s);
     }},
    {"02 Luces en Fila.gtf",
     [](ProgramStore& s) {
         for (const char* pattern : {"A--", "-B-", "--C"}) {
             leds(s, pattern);
             tenths(s, 5);
         }
         endProgram(s);
     }},
    {"03 Ida y Vuelta.gtf",
     [](ProgramStore& s) {
         forward(s);
         seconds(s, 2);
         backward(s);
         seconds(s, 2);
         stopMotors(s);
         endProgram(s);
     }},
    {"04 Luz al Tocar.gtf",
     [](ProgramStore& s) {
         add(s, 13, 13, 13, 1);
         add(s, 11, 10, 12, 6);
         seconds(s, 1);
         endProgram(s);
     }},
    {"05 Cerca de la Pared.gtf",
     [](ProgramStore& s) {
         forward(s);
         seconds(s, 6);
         stopMotors(s);
         endProgram(s);
     }},
    {"06 Salir del Laberinto.gtf",
     [](ProgramStore& s) {
         mazePath(s, 16);
         add(s, 11, 12, 16);
         endProgram(s);
     }},
    {"07 Seguir la Linea.gtf", followEdge},
    {"08 La Vuelta Completa.gtf", followEdge},
    {"09 Encontrar la Lampara.gtf", [](ProgramStore& s) { findLamp(s, 225); }},
    {"10 Control Remoto.gtf", remoteControl},
    {"11 Melodia al Aplauso.gtf",
     [](ProgramStore& s) {
         add(s, 13, 15, 13, 1);
         scale(s);
         endProgram(s);
     }},
    {"12 Contar Aplausos.gtf", [](ProgramStore& s) { countClaps(s, true); }},
};

// Plausible mistakes, one or more a challenge; the tests know the reason each must fail with.
const std::vector<Program> kWrong = {
    {"01 Primer Paso - demasiado lejos.gtf",
     [](ProgramStore& s) {
         forward(s);
         seconds(s, 5);
         stopMotors(s);
         endProgram(s);
     }},
    {"02 Luces en Fila - todas juntas.gtf",
     [](ProgramStore& s) {
         leds(s, "ABC");
         tenths(s, 15);
         endProgram(s);
     }},
    {"03 Ida y Vuelta - sin volver.gtf",
     [](ProgramStore& s) {
         forward(s);
         seconds(s, 2);
         stopMotors(s);
         endProgram(s);
     }},
    {"04 Luz al Tocar - sin esperar.gtf",
     [](ProgramStore& s) {
         add(s, 11, 10, 12, 6);
         seconds(s, 1);
         endProgram(s);
     }},
    {"05 Cerca de la Pared - hasta chocar.gtf",
     [](ProgramStore& s) {
         forward(s);
         add(s, 13, 13, 13, 1);
         stopMotors(s);
         endProgram(s);
     }},
    {"06 Salir del Laberinto - tramo largo.gtf",
     [](ProgramStore& s) {
         mazePath(s, 30);
         endProgram(s);
     }},
    {"07 Seguir la Linea - derecho.gtf",
     [](ProgramStore& s) {
         forward(s);
         label(s, "siempre");
         jump(s, "siempre");
     }},
    // The light sensor without the robot's lamp: the white floor looks as dark as the line.
    {"08 La Vuelta Completa - sin luz.gtf",
     [](ProgramStore& s) {
         label(s, "mirar");
         add(s, 15, 16, 10, 0, 0, 0, "oscuro");
         add(s, 10, 17, 11, 1, 0, 0, "A-");
         add(s, 10, 10, 12, 1, 0, 0, "-B");
         jump(s, "mirar");
         label(s, "oscuro");
         add(s, 10, 10, 11, 1, 0, 0, "A-");
         add(s, 10, 17, 12, 1, 0, 0, "-B");
         jump(s, "mirar");
     }},
    {"09 Encontrar la Lampara - derecho.gtf",
     [](ProgramStore& s) {
         forward(s);
         seconds(s, 5);
         stopMotors(s);
         endProgram(s);
     }},
    {"10 Control Remoto - sin escuchar.gtf",
     [](ProgramStore& s) {
         forward(s);
         seconds(s, 2);
         stopMotors(s);
         endProgram(s);
     }},
    {"11 Melodia al Aplauso - sin esperar.gtf",
     [](ProgramStore& s) {
         scale(s);
         endProgram(s);
     }},
    {"12 Contar Aplausos - sin silencio.gtf", [](ProgramStore& s) { countClaps(s, false); }},
};

bool write(const std::vector<Program>& programs, const std::filesystem::path& folder)
{
    for (const auto& p : programs) {
        ProgramStore store;
        store.newProgram();
        p.build(store);
        store.activeSequence = 0;
        if (!saveProgramFile(store, folder / p.file).ok) {
            std::fprintf(stderr, "no se pudo escribir %s\n", (folder / p.file).c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: make_challenges CARPETA_DE_RETOS CARPETA_DE_PRUEBAS\n");
        return 2;
    }
    return write(kSolutions, argv[1]) && write(kWrong, argv[2]) ? 0 : 1;
}

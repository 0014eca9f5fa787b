// Writes the example programs of appdir/ with the core itself: the programs (.gtf), their help
// texts and qp_list.txt. Run: out/tools/make_examples appdir
#include "model/ElementDescription.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"
#include "model/ToneTiming.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace tarvel;

namespace {

struct Example {
    int list;
    std::string file, help, caption, helpText;
    void (*build)(ProgramStore&);
};

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

void subroutine(ProgramStore& store, const std::string& name)
{
    store.activeSequence = ++store.subroutineCount;
    store.subroutineNames[std::size_t(store.activeSequence)] = name;
    add(store, 17, 13, 10, 0, 0, 0, name);
}

std::string tone(int frequency, int volume, int ms)
{
    auto f = std::int16_t(frequency), v = std::int16_t(volume);
    ToneTiming t;
    toneTiming(f, v, std::int16_t(ms), t);
    return std::string{char(t.tonePeriodsHigh), char(t.tonePeriodsLow), char(t.toneHighTicks), char(t.toneLowTicks)};
}

const std::vector<Example> kExamples = {
    {0, "Luces Intermitentes.gtf", "Luces Intermitentes.txt", "Luces Intermitentes",
     "Luces Intermitentes\r\n\r\nLos tres leds de la pantalla del Ladrillo se encienden y se apagan cada medio "
     "segundo, sin parar.\r\n\r\nBloques que usa: pantalla, demora en decimas de segundo, etiqueta y salto.\r\n"
     "Pruebe cambiar la demora para que parpadeen mas rapido.\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "otra");
         add(s, 11, 11, 11, 6, 0, 0, "ABC");
         add(s, 13, 11, 10, 5);
         add(s, 11, 11, 13, 8, 0, 0, "ABC");
         add(s, 13, 11, 10, 5);
         add(s, 17, 12, 10, 1, 0, 0, "otra");
     }},
    {1, "Baile del Robot.gtf", "Baile del Robot.txt", "Baile del Robot",
     "Baile del Robot\r\n\r\nEl robot avanza, gira y retrocede tres veces, y termina con un sonido de OK.\r\n\r\n"
     "La Variable Roja cuenta las vueltas: empieza en 3 y el bloque Repetir le resta uno cada vez.\r\n",
     [](ProgramStore& s) {
         add(s, 14, 15, 11, 3, 1);
         add(s, 17, 11, 10, 0, 0, 0, "baile");
         add(s, 10, 10, 10, 1, 0, 0, "AB");
         add(s, 13, 11, 10, 8);
         add(s, 10, 14, 13);
         add(s, 10, 11, 10, 1, 0, 0, "AB");
         add(s, 13, 11, 10, 8);
         add(s, 10, 17, 10, 1, 0, 0, "AB");
         add(s, 15, 21, 11, 1, 1, 0, "baile");
         add(s, 11, 12, 16);
         add(s, 17, 16, 10);
     }},
    {2, "Evitar Obstaculos.gtf", "Evitar Obstaculos.txt", "Evitar Obstaculos",
     "Evitar Obstaculos\r\n\r\nEl robot avanza hasta que el sensor de tacto choca con algo. Entonces retrocede "
     "medio segundo, dobla a la derecha y vuelve a empezar.\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "avanzar");
         add(s, 10, 10, 10, 1, 0, 0, "AB");
         add(s, 13, 13, 13, 1);
         add(s, 10, 11, 10, 1, 0, 0, "AB");
         add(s, 13, 11, 10, 5);
         add(s, 10, 13, 13);
         add(s, 17, 12, 10, 1, 0, 0, "avanzar");
     }},
    {9, "Sigue la Luz.gtf", "Sigue la Luz.txt", "Sigue la Luz",
     "Sigue la Luz\r\n\r\nSi el sensor de luz ve mas luz que el umbral de los ajustes, el robot avanza; si no, "
     "gira buscando la luz. Cada vez que encuentra luz llama a la subrutina \"pitido\", que toca un La.\r\n\r\n"
     "Bloques que usa: decision por luz, subrutina y tono.\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "mirar");
         add(s, 15, 16, 10, 0, 0, 0, "buscar");
         add(s, 10, 10, 10, 1, 0, 0, "AB");
         add(s, 17, 14, 10, 1, 0, 0, "pitido");
         add(s, 17, 12, 10, 1, 0, 0, "mirar");
         add(s, 17, 11, 10, 0, 0, 0, "buscar");
         add(s, 10, 15, 13);
         add(s, 17, 12, 10, 1, 0, 0, "mirar");
         subroutine(s, "pitido");
         add(s, 11, 12, 11, 200, 440, 32, "", tone(440, 32, 200));
         add(s, 17, 15, 10);
     }},
    {9, "Melodia.gtf", "Melodia.txt", "Una Melodia",
     "Una Melodia\r\n\r\nEl Ladrillo toca Do, Re, Mi, Fa y Sol, enciende la luz y se apaga.\r\n",
     [](ProgramStore& s) {
         std::string notes;
         for (int f : {262, 294, 330, 349, 392})
             notes += tone(f, 32, 300);
         add(s, 11, 12, 14, 5, 0, 0, "Escala", notes);
         add(s, 11, 10, 12, 6);
         add(s, 13, 10, 10, 1);
         add(s, 17, 16, 10);
     }},
    // The two communication programs that the monitor's warning names.
    {9, "Medir Nivel de Luz.gtf", "Medir Nivel de Luz.txt", "Medir nivel de luz",
     "Medir nivel de luz\r\n\r\nPrograma de comunicacion: cada medio segundo el Ladrillo lee la intensidad del "
     "sensor de luz en la Variable Roja y la envia a la PC en decimal, una medida por linea.\r\n\r\n"
     "Grabelo en el Ladrillo y dejelo funcionando; el Ladrillo queda conectado por USB mientras mide. "
     "Pruebe tapar el sensor o acercarle una linterna.\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "medir");
         add(s, 12, 10, 11, 1);
         add(s, 11, 13, 10, 1, 145);
         add(s, 13, 11, 10, 5);
         add(s, 17, 12, 10, 1, 0, 0, "medir");
     }},
    {9, "Controlar Motores desde PC.gtf", "Controlar Motores desde PC.txt", "Controlar motores desde PC",
     "Controlar motores desde PC\r\n\r\nPrograma de comunicacion para el Monitor (menu Conexion, \"Iniciar "
     "Monitor\"): el Ladrillo espera un mensaje de la PC, lo guarda en la Variable Roja y mueve los motores "
     "segun el boton o el movimiento del MouseStick:\r\n"
     "- 72 Adelante, 160 Atras: los dos motores.\r\n"
     "- 64 Izquierda: solo el motor B avanza; 8 Derecha: solo el motor A avanza.\r\n"
     "- 128 Izquierda-Atras: solo el motor B retrocede; 32 Derecha-Atras: solo el motor A retrocede.\r\n"
     "- Cualquier otro valor (0, Detener) apaga los motores.\r\n\r\n"
     "Grabelo y ejecutelo en el Ladrillo, conecte el Ladrillo y abra el Monitor.\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "esperar");
         add(s, 13, 16, 13, 1);
         add(s, 12, 14, 12, 1);
         const std::pair<int, const char*> moves[] = {{72, "adelante"}, {160, "atras"},    {64, "izq"},
                                                      {8, "der"},       {128, "izqatras"}, {32, "deratras"}};
         for (const auto& [value, label] : moves)
             add(s, 16, 10, 10, 1, value, 0, label);
         add(s, 10, 17, 10, 1, 0, 0, "AB");
         add(s, 17, 12, 10, 1, 0, 0, "esperar");
         // Each movement: the motors it needs, then back to waiting.
         auto move = [&s](const char* label, std::vector<std::tuple<int, int, const char*>> motors) {
             add(s, 17, 11, 10, 0, 0, 0, label);
             for (const auto& [subtype, option, pattern] : motors)
                 add(s, 10, subtype, option, 1, 0, 0, pattern);
             add(s, 17, 12, 10, 1, 0, 0, "esperar");
         };
         move("adelante", {{10, 10, "AB"}});
         move("atras", {{11, 10, "AB"}});
         move("izq", {{17, 11, "A-"}, {10, 12, "-B"}});
         move("der", {{17, 12, "-B"}, {10, 11, "A-"}});
         move("izqatras", {{17, 11, "A-"}, {11, 12, "-B"}});
         move("deratras", {{17, 12, "-B"}, {11, 11, "A-"}});
     }},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "uso: make_examples CARPETA\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::string list;
    for (const auto& e : kExamples) {
        ProgramStore store;
        store.newProgram();
        e.build(store);
        store.activeSequence = 0;
        if (!saveProgramFile(store, folder / e.file).ok || !writeFileReplacing(folder / e.help, e.helpText).empty()) {
            std::fprintf(stderr, "no se pudo escribir %s\n", e.file.c_str());
            return 1;
        }
        list += std::to_string(e.list) + " " + e.file + "%" + e.help + "%" + e.caption + "\r\n";
    }
    // Examples made by the simulator's generator (make_sim_examples), listed here so that the list
    // stays whole whichever generator runs last.
    list += "9 Seguir la Linea.gtf%Seguir la Linea.txt%Seguir la Linea\r\n";
    list += "%\r\n";
    return writeFileReplacing(folder / "qp_list.txt", list).empty() ? 0 : 1;
}

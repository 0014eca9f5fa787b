// Writes the example programs of appdir/ with the core itself: the programs (.gtf), their help
// texts and qp_list.txt. Run: out/tools/make_examples appdir
#include "model/ElementDescription.h"
#include "model/ProgramFile.h"
#include "model/ProgramStore.h"
#include "model/TextFile.h"
#include "model/ToneTiming.h"
#include "tours/PathCodec.h"

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

// A path element of moves, each a heading (0 right, 90 up, ...) and tenths of a second of driving.
void path(ProgramStore& store, const std::string& name, const std::vector<std::pair<int, int>>& moves)
{
    PathData data;
    for (const auto& [heading, tenths] : moves)
        data.steps.push_back({tenths, heading, StepAction::Move});
    add(store, 10, 16, 10, int(moves.size()), 0, 0, name, encodePath(data));
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
    {0, "Cuenta Regresiva.gtf", "Cuenta Regresiva.txt", "Cuenta regresiva con aplausos",
     "Cuenta regresiva con aplausos\r\n\r\nLa Variable Roja empieza en 7 y los tres leds de la pantalla la "
     "muestran en binario (A vale 4, B vale 2 y C vale 1). Cada aplauso frente al microfono le resta uno; "
     "cuando llega a 0 suena el sonido de OK y la cuenta empieza otra vez.\r\n\r\n"
     "Bloques que usa: carga de variable, esperas por sonido (hasta que haya y mientras haya), resta, "
     "pantalla por variable y decision \"Distinto a\".\r\n"
     "En el Simulador, aplauda con el boton \"Aplaudir\".\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "empezar");
         add(s, 14, 15, 11, 7, 1);
         add(s, 11, 11, 10, 1, 0, 0, "---");
         add(s, 17, 11, 10, 0, 0, 0, "escuchar");
         add(s, 13, 15, 13, 1);
         add(s, 14, 11, 11, 1, 1, 1);
         add(s, 11, 11, 10, 1, 0, 0, "---");
         add(s, 13, 15, 12, 1);
         add(s, 16, 11, 10, 1, 0, 0, "escuchar");
         add(s, 11, 12, 16);
         add(s, 17, 12, 10, 1, 0, 0, "empezar");
     }},
    {0, "Medidor de Sonido.gtf", "Medidor de Sonido.txt", "Medidor de sonido",
     "Medidor de sonido\r\n\r\nMientras el microfono oye un sonido, el Ladrillo mide su frecuencia en la Variable "
     "Verde (en decenas de Hz: 44 son 440 Hz), la envia a la PC y enciende su luz si el sonido es agudo (mas de "
     "500 Hz). En silencio la luz queda apagada. Mide cuatro veces por segundo.\r\n\r\n"
     "Bloques que usa: decision por sonido, lectura de la frecuencia del microfono, mensaje a la PC, decision "
     "\"Menor o Igual a\", luz y demora en milesimas de segundo.\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "escuchar");
         add(s, 15, 19, 10, 1, 0, 0, "silencio");
         add(s, 12, 13, 13, 3);
         add(s, 11, 13, 10, 3, 145);
         add(s, 16, 15, 10, 3, 50, 0, "silencio");
         add(s, 11, 10, 12, 6);
         add(s, 17, 12, 10, 1, 0, 0, "pausa");
         add(s, 17, 11, 10, 0, 0, 0, "silencio");
         add(s, 11, 10, 13, 7);
         add(s, 17, 11, 10, 0, 0, 0, "pausa");
         add(s, 13, 18, 10, 250);
         add(s, 17, 12, 10, 1, 0, 0, "escuchar");
     }},
    {0, "Dado Electronico.gtf", "Dado Electronico.txt", "Dado electronico",
     "Dado electronico\r\n\r\nMientras nadie toca el sensor de tacto, el Ladrillo saca numeros al azar sin parar. "
     "Al tocarlo se queda con el ultimo: un numero del 1 al 6 que muestra en binario en los leds de la pantalla "
     "(A vale 4, B vale 2 y C vale 1) y que ademas cuenta con pitidos.\r\n\r\n"
     "Bloques que usa: lectura del sensor de tacto, valor al azar, operacion Y, decisiones \"Igual a\" y "
     "\"Mayor a\", suma, pantalla por variable, tono, espera por tacto y Repetir.\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "tirar");
         add(s, 14, 15, 13, 7, 1);
         add(s, 12, 11, 10, 3);
         add(s, 16, 10, 10, 3, 0, 0, "tirar");
         add(s, 14, 13, 11, 1, 7, 1);
         add(s, 16, 12, 10, 1, 5, 0, "tirar");
         add(s, 14, 10, 11, 1, 1, 1);
         add(s, 11, 11, 10, 1, 0, 0, "---");
         add(s, 13, 13, 12, 1);
         add(s, 17, 11, 10, 0, 0, 0, "pitar");
         add(s, 11, 12, 11, 150, 880, 32, "", tone(880, 32, 150));
         add(s, 13, 11, 10, 3);
         add(s, 15, 21, 11, 1, 1, 0, "pitar");
         add(s, 17, 12, 10, 1, 0, 0, "tirar");
     }},
    {1, "Control Remoto.gtf", "Control Remoto.txt", "Manejar con el control remoto",
     "Manejar con el control remoto\r\n\r\nEl robot obedece a las teclas de un control remoto infrarrojo:\r\n"
     "- 2 avanza, 8 retrocede (hasta la tecla siguiente).\r\n"
     "- 4 dobla a la izquierda y 6 a la derecha, un momento, y el robot se queda quieto.\r\n"
     "- 5 se detiene.\r\n\r\n"
     "La tecla recibida queda en la Variable Azul. Bloques que usa: decision por senal del control remoto, "
     "lectura de datos del control, espera mientras dura la senal, decisiones \"Igual a\", motores y giros.\r\n"
     "En el Simulador, use las teclas del panel \"Entradas\".\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "parar");
         add(s, 10, 17, 10, 1, 0, 0, "AB");
         add(s, 17, 11, 10, 0, 0, 0, "leer");
         add(s, 15, 18, 10, 1, 0, 0, "leer");
         add(s, 12, 12, 12, 2);
         add(s, 13, 14, 12, 1);
         const std::pair<int, const char*> keys[] = {{2, "adelante"}, {8, "atras"}, {4, "izq"}, {6, "der"},
                                                     {5, "parar"}};
         for (const auto& [key, label] : keys)
             add(s, 16, 10, 10, 2, key, 0, label);
         add(s, 17, 12, 10, 1, 0, 0, "leer");
         add(s, 17, 11, 10, 0, 0, 0, "adelante");
         add(s, 10, 10, 10, 1, 0, 0, "AB");
         add(s, 17, 12, 10, 1, 0, 0, "leer");
         add(s, 17, 11, 10, 0, 0, 0, "atras");
         add(s, 10, 11, 10, 1, 0, 0, "AB");
         add(s, 17, 12, 10, 1, 0, 0, "leer");
         add(s, 17, 11, 10, 0, 0, 0, "izq");
         add(s, 10, 12, 13);
         add(s, 17, 12, 10, 1, 0, 0, "leer");
         add(s, 17, 11, 10, 0, 0, 0, "der");
         add(s, 10, 13, 13);
         add(s, 17, 12, 10, 1, 0, 0, "leer");
     }},
    {2, "Salir del Laberinto.gtf", "Salir del Laberinto.txt", "Salir del laberinto",
     "Salir del laberinto\r\n\r\nEl robot recorre el laberinto del Simulador (mundo \"Laberinto\") siguiendo un "
     "recorrido dibujado con \"Crear Recorrido\": sube por el primer pasillo, baja por el segundo, sube por el "
     "tercero y entra en la salida, el rincon oscuro de arriba a la derecha. Alli el sensor de luz mira el piso: "
     "si esta oscuro, el robot llego y suena el sonido de OK; si no, suena el sonido de error.\r\n\r\n"
     "El recorrido parte del lugar donde el mundo pone al robot, mirando hacia arriba. Pruebe cambiar un tramo "
     "del recorrido y vea donde choca.\r\n\r\n"
     "Bloques que usa: recorrido, decision por luz, sonidos de OK y de error, fin de programa.\r\n",
     [](ProgramStore& s) {
         // Through the middle of each corridor, clear of the short walls (one tenth: 0.785 cm).
         path(s, "Pasillos", {{0, 16}, {90, 127}, {0, 48}, {270, 127}, {0, 48}, {90, 127}, {0, 80}});
         add(s, 15, 16, 10, 1, 0, 0, "salida");
         add(s, 11, 12, 17);
         add(s, 17, 16, 10);
         add(s, 17, 11, 10, 0, 0, 0, "salida");
         add(s, 11, 12, 16);
         add(s, 17, 16, 10);
     }},
    {9, "Barra de Luz.gtf", "Barra de Luz.txt", "Barra de luz",
     "Barra de luz\r\n\r\nLos leds de la pantalla muestran cuanta luz ve el sensor, como una barra: ninguno con "
     "poca luz (menos de 50), A desde 50, A y B desde 121 y los tres desde 200.\r\n\r\n"
     "La lectura queda en la Variable Azul; la Variable Roja junta los leds con la operacion O (A vale 4, B "
     "vale 2 y C vale 1) y la pantalla la muestra. Bloques que usa: lectura de la intensidad de luz, "
     "decisiones \"Menor a\", \"Menor o Igual a\" y \"Mayor o Igual a\", operacion O y pantalla por variable.\r\n",
     [](ProgramStore& s) {
         add(s, 17, 11, 10, 0, 0, 0, "medir");
         add(s, 12, 10, 11, 2);
         add(s, 14, 15, 11, 0, 1);
         add(s, 16, 13, 10, 2, 50, 0, "mostrar");
         add(s, 14, 12, 11, 1, 4, 1);
         add(s, 16, 15, 10, 2, 120, 0, "mostrar");
         add(s, 14, 12, 11, 1, 2, 1);
         add(s, 15, 14, 10, 2, 200, 0, "mostrar");
         add(s, 14, 12, 11, 1, 1, 1);
         add(s, 17, 11, 10, 0, 0, 0, "mostrar");
         add(s, 11, 11, 10, 1, 0, 0, "---");
         add(s, 13, 11, 10, 2);
         add(s, 17, 12, 10, 1, 0, 0, "medir");
     }},
    {9, "Despertador.gtf", "Despertador.txt", "Despertador",
     "Despertador\r\n\r\nEl Ladrillo espera que amanezca: que el sensor de luz se ilumine. Si en 20 segundos no "
     "llega la luz (el tiempo de espera de los sensores, en Configuracion, pestana Sensores), se rinde con el "
     "sonido de error. Si llega, suena la alarma y la luz parpadea hasta que alguien toca el sensor de tacto; "
     "entonces apaga la luz, suena el sonido de OK y termina.\r\n\r\n"
     "El tono de la alarma sale de las Variables Azul, Verde, Rosa y Naranja, cargadas con los valores que "
     "muestra el \"Calculador de Variables\" del dialogo de sonido para 1000 Hz y 150 mS. La Variable Roja "
     "cambia entre 0 y 1 con la operacion O-Exclusiva y enciende o apaga la luz.\r\n\r\n"
     "Bloques que usa: espera por luz con tiempo limite, decision por error, tono por variables, O-Exclusiva, "
     "luz por variable, decision por tacto, sonidos de OK y de error.\r\n",
     [](ProgramStore& s) {
         s.programSettings.senseTimeout = 20000;
         const std::string bytes = tone(1000, 32, 150);
         add(s, 13, 12, 13, 1);
         add(s, 16, 20, 10, 1, 0, 0, "dormido");
         // The tone bytes where the tone from variables reads them: periods high and low in Azul and
         // Verde, the high and low ticks in Rosa and Naranja.
         const int roles[] = {2, 3, 4, 5};
         for (int i = 0; i < 4; ++i)
             add(s, 14, 15, 11, std::uint8_t(bytes[std::size_t(i)]), roles[i]);
         add(s, 17, 11, 10, 0, 0, 0, "sonar");
         add(s, 11, 12, 10, 32);
         add(s, 14, 14, 11, 1, 1, 1);
         add(s, 11, 10, 10, 1);
         add(s, 15, 17, 10, 1, 0, 0, "sonar");
         add(s, 11, 10, 13, 7);
         add(s, 11, 12, 16);
         add(s, 17, 16, 10);
         add(s, 17, 11, 10, 0, 0, 0, "dormido");
         add(s, 11, 12, 17);
         add(s, 17, 16, 10);
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

#include "model/ElementDescription.h"

#include "model/NumberText.h"
#include "model/ProgramStore.h"
#include "model/SpanishText.h"
#include "model/TextUtil.h"

#include <map>

namespace tarvel {

namespace {

using WordTable = std::map<int, std::string>;

std::string word(const WordTable& table, int code)
{
    auto it = table.find(code);
    return it == table.end() ? std::string() : it->second;
}

const WordTable& motorWords()
{
    static const WordTable t{{10, "Encender Motor(es) para Avanzar"}, {11, "Encender Motor(es) para Retroceder"},
                             {12, "Doblar Hacia La Izquierda"},        {13, "Doblar Hacia La Derecha"},
                             {14, "Girar En Sentido Anti-Horario"},    {15, "Girar En Sentido Horario"},
                             {17, "Apagar Motor(es)"}};
    return t;
}
const WordTable& outDeviceWords()
{
    static const WordTable t{{10, "Luz"}, {11, "Pantalla"}, {12, "Sonido"}, {13, "Mensaje de PC (Envia)"}};
    return t;
}
const WordTable& outActionWords()
{
    static const WordTable t{{10, "Cargar Por Variable"}, {11, "Cargar Por Constante"}, {12, "Encender"},
                             {13, "Apagar"},              {14, "Ejecutar Secuencia de"}, {15, "Enviar Texto a"},
                             {16, "Hacer"},               {17, "Hacer"}};
    return t;
}
const WordTable& inSourceWords()
{
    static const WordTable t{{10, "del Sensor de Luz"},
                             {11, "del Sensor de Tacto"},
                             {12, "del Sensor de Control Remoto"},
                             {13, "del Microfono"},
                             {14, "de PC"}};
    return t;
}
const WordTable& inActionWords()
{
    static const WordTable t{{10, "Contar Pulsos"}, {11, "Leer Intensidad"}, {12, "Leer Datos"}, {13, "Leer Frecuencia"}};
    return t;
}
const WordTable& waitWhatWords()
{
    static const WordTable t{{10, "Demora de"},
                             {11, "Demora de"},
                             {17, "Demora de"},
                             {18, "Demora de"},
                             {12, "el Sensor de Luz Este Iluminado"},
                             {13, "el Sensor de Tacto Este Presionado"},
                             {14, std::string("Haya Se") + cp::nTilde + "al de Control Remoto"},
                             {15, "Haya Sonido en el Microfono"},
                             {16, "Haya Mensaje de PC"}};
    return t;
}
const WordTable& waitModeWords()
{
    static const WordTable t{{10, "Segundos"}, {11, "Segundos"}, {12, "Mientras"}, {13, "Hasta"}};
    return t;
}
const WordTable& operatorWords()
{
    static const WordTable t{{10, "Mas"}, {11, "Menos"}, {12, "O-Inclusiva"}, {13, "Y"}, {14, "O-Exclusiva"}, {15, "en "}};
    return t;
}
const WordTable& conditionWords()
{
    static const WordTable t{{10, "Igual a"},
                             {11, "Distinto a"},
                             {12, "Mayor a"},
                             {13, "Menor a"},
                             {14, "Mayor o Igual a"},
                             {15, "Menor o Igual a"},
                             {16, "Esta Iluminado el Sensor de Luz"},
                             {17, "Esta Presionado el Sensor de Tacto"},
                             {18, std::string("Hay Se") + cp::nTilde + "al de Control Remoto"},
                             {19, "Hay Sonido"},
                             {20, "Hubo Error en el Ultimo Proceso"},
                             {21, "Repetir Tanta Veces Como Indique"}};
    return t;
}
const WordTable& structureWords()
{
    static const WordTable t{{10, "Inicio del Programa"},   {11, "Etiqueta (Destino de Saltos)"},
                             {12, "Saltar a la Etiqueta"},  {13, "Inicio de Subrutina"},
                             {14, "Llamar a la Subrutina"}, {15, "Terminar la Subrutina"},
                             {16, "Terminar el Programa "}};
    return t;
}
const WordTable& endWords()
{
    static const WordTable t{{10, "(Apaga Ladrillo)"},
                             {11, "(Devuelve Mando a la PC)"},
                             {12, "(Reinicia Ladrillo)"},
                             {13, "(Ladrillo Bloqueado)"},
                             {14, "(Saltar a Inicio)"}};
    return t;
}
const WordTable& formatWords()
{
    static const WordTable t{{0, "Hexadecimal"}, {1, "Decimal"}, {2, "Binario"}, {3, "ASCII"}};
    return t;
}

void describeOutput(const InstructionRecord& r, std::string& d)
{
    d = word(outActionWords(), r.option) + " " + word(outDeviceWords(), r.subtype);
    if (r.subtype == 13 && r.option == 15) {
        const std::string text = textAsString(r.text);
        d = "Enviar Texto: " + trimBlanks(std::string_view(text).substr(2));
        if (trimBlanks(text).size() == 2)
            d += "<Vacio>";
    } else if (r.subtype == 13) {
        d = "Enviar a PC " + variableWord(r.arg1) + " en " + word(formatWords(), r.arg2 & 3);
    } else if (r.subtype == 12 && r.option == 11) {
        const long long volume = (long long)(double(r.arg3) / 32.0 * 100.0);
        d += " : F=" + signedNumber(r.arg2) + "Hz, T=" + signedNumber(r.arg1) + "mS, V=" + signedNumber(volume) + "%";
    } else if (r.subtype == 12 && r.option == 16) {
        d += " : Sonido de OK";
    } else if (r.subtype == 12 && r.option == 17) {
        d += " : Sonido de ERROR";
    } else if (r.subtype == 12 && r.option == 14) {
        d = "Reproducir Melodia (" + trimBlanks(r.name) + ")";
    } else if (r.subtype == 11 && r.option == 12) {
        d += "(Leds Seleccionados Sin Cambiar los otros)";
    }
}

void describeWait(const InstructionRecord& r, std::string& d)
{
    const std::string what = word(waitWhatWords(), r.subtype);
    if (r.option == 10) {
        d = what + " " + plainNumber(r.arg1);
        switch (r.subtype) {
        case 10: d += " " + word(waitModeWords(), 10); break;
        case 11: d += " Decimas de Segundo  (" + shortDecimal(float(r.arg1) / 10.0f) + " Segundos)"; break;
        case 17: d += " Centesimas de Segundo"; break;
        case 18: d += " Milesimas de Segundo"; break;
        default: break;
        }
    } else if (r.option == 11) {
        d = what + "l valor contenido en " + variableWord(r.arg1);
        switch (r.subtype) {
        case 10: d += " en " + word(waitModeWords(), 11); break;
        case 11: d += " en Decimas de Segundo"; break;
        case 17: d += " en Centesimas de Segundo"; break;
        case 18: d += " en Milesimas de Segundo"; break;
        default: break;
        }
    } else {
        d = "Esperar " + word(waitModeWords(), r.option) + " que " + what;
    }
}

void describeCalculation(const InstructionRecord& r, std::string& d)
{
    if (r.subtype == 15) {
        d = r.option == 11 ? "Guardar " + plainNumber(r.arg1) + " en " + variableWord(r.arg2)
                           : "Copiar " + variableWord(r.arg1) + " en " + variableWord(r.arg2);
        return;
    }
    const std::string head = variableWord(r.arg3) + " Igual " + variableWord(r.arg1) + " " + word(operatorWords(), r.subtype) + " ";
    if (r.option == 12)
        d = head + variableWord(r.arg2);
    else if (r.option == 11)
        d = head + plainNumber(r.arg2);
}

void describeDecision(const InstructionRecord& r, std::string& d)
{
    const std::string cond = word(conditionWords(), r.subtype);
    if (r.subtype <= 15)
        d = "Decision: " + variableWord(r.arg1) + " " + cond + " " +
            (r.option == 10 ? plainNumber(r.arg2) : variableWord(r.arg2)) + "?";
    else if (r.subtype <= 20)
        d = "Decision: " + cond + "?";
    else
        d = cond + " " + variableWord(r.arg1);
}

void describeStructure(const InstructionRecord& r, std::string& d)
{
    std::string x;
    if (r.subtype == structure::Jump || r.subtype == structure::Call)
        x = r.name;
    else if (r.subtype == structure::ProgramEnd)
        x = word(endWords(), r.option);
    d = word(structureWords(), r.subtype) + " " + x;
}

} // namespace

std::string variableWord(int number)
{
    static const WordTable t{{1, "Var. Roja"}, {2, "Var. Azul"},  {3, "Var. Verde"},   {4, "Var. Rosa"},
                             {5, "Var. Naranja"}, {6, "Constante"}, {7, "Valor Al Azar"}};
    return word(t, number);
}

void describeElement(InstructionRecord& r, const ProgramStore& store)
{
    std::string& d = r.description;
    switch (r.family) {
    case family::Motors:
        d = r.subtype == 16 ? "Ejecutar Recorrido (" + trimBlanks(r.name) + ")" : word(motorWords(), r.subtype);
        break;
    case family::Outputs: describeOutput(r, d); break;
    case family::Inputs: d = word(inActionWords(), r.option) + " " + word(inSourceWords(), r.subtype); break;
    case family::Waits: describeWait(r, d); break;
    case family::Calculations: describeCalculation(r, d); break;
    case family::Decisions:
    case family::DecisionsInverted: describeDecision(r, d); break;
    case family::Structure: describeStructure(r, d); break;
    default: d = "Elemento Sin Ayuda"; break;
    }

    if (r.family == family::Separator)
        d = "Separador";
    else if (r.is(family::Motors, 16))
        return;
    else if (auto cost = store.elementCost(r))
        d += " [" + plainNumber(*cost) + "]";
}

std::optional<UserMessage> checkStructure(const InstructionRecord& previous, const InstructionRecord& next,
                                          StructureCheckFlags flags)
{
    if (flags.syntaxAssistantOff || flags.structureCheckOff)
        return std::nullopt;
    const char* title = "Error: Uso Invalido de Estructura";
    const bool nextIsLabel = next.is(family::Structure, structure::Label);
    if (previous.is(family::Structure, structure::SubroutineEnd))
        return UserMessage{"No se pueden Agregar Comandos Despues del Fin de Subrutina", title, MessageIcon::Information};
    if (previous.is(family::Structure, structure::Jump) && !nextIsLabel)
        return UserMessage{"Despues de un Salto DEBE seguir con una etiqueta para no dejar\r\n"
                           "Codigo huerfano que nunca se puede acceder",
                           title, MessageIcon::Information};
    if (previous.is(family::Structure, structure::ProgramEnd) && !nextIsLabel)
        return UserMessage{"Despues de un Fin de Programa DEBE seguir con una etiqueta para no dejar\r\n"
                           "Codigo huerfano que nunca se puede acceder",
                           title, MessageIcon::Information};
    return std::nullopt;
}

std::string startModeText(int option)
{
    return option == 11 ? "Inicio de programa (Habilita el sensor tactil) [2]" : "Inicio de programa [1]";
}

std::string cleanName(std::string& text)
{
    for (char& c : text)
        if (c == ' ' || c == ':' || c == ',')
            c = '_';
    return text;
}

} // namespace tarvel

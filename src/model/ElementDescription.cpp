#include "model/ElementDescription.h"

#include "model/NumberText.h"
#include "model/ProgramStore.h"
#include "model/Text.h"
#include "model/TextUtil.h"

#include <map>

namespace tarvel
{

namespace
{

// Sentences of the descriptions are patterns of the "core" context; the words that fill them
// (a motor's action, a sensor, a variable) are pieces of the "phrase" context, each translated
// once wherever it stands. The marks stand where each text is written, so that the translation tools find them.

Text sentence(const char* pattern)
{
    return Text("core", pattern);
}

using WordTable = std::map<int, const char*>;

// The piece for `code`, or no words.
Text word(const WordTable& table, int code)
{
    auto it = table.find(code);
    return it == table.end() ? Text() : Text("phrase", it->second);
}

const WordTable& motorWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Encender Motor(es) para Avanzar") },
        { 11, QT_TRANSLATE_NOOP("phrase", "Encender Motor(es) para Retroceder") },
        { 12, QT_TRANSLATE_NOOP("phrase", "Doblar Hacia La Izquierda") },
        { 13, QT_TRANSLATE_NOOP("phrase", "Doblar Hacia La Derecha") },
        { 14, QT_TRANSLATE_NOOP("phrase", "Girar En Sentido Anti-Horario") },
        { 15, QT_TRANSLATE_NOOP("phrase", "Girar En Sentido Horario") },
        { 17, QT_TRANSLATE_NOOP("phrase", "Apagar Motor(es)") } };
    return t;
}
const WordTable& outDeviceWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Luz") },
        { 11, QT_TRANSLATE_NOOP("phrase", "Pantalla") }, { 12, QT_TRANSLATE_NOOP("phrase", "Sonido") },
        { 13, QT_TRANSLATE_NOOP("phrase", "Mensaje de PC (Envia)") } };
    return t;
}
const WordTable& outActionWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Cargar Por Variable") },
        { 11, QT_TRANSLATE_NOOP("phrase", "Cargar Por Constante") }, { 12, QT_TRANSLATE_NOOP("phrase", "Encender") },
        { 13, QT_TRANSLATE_NOOP("phrase", "Apagar") }, { 14, QT_TRANSLATE_NOOP("phrase", "Ejecutar Secuencia de") },
        { 15, QT_TRANSLATE_NOOP("phrase", "Enviar Texto a") }, { 16, QT_TRANSLATE_NOOP("phrase", "Hacer") },
        { 17, QT_TRANSLATE_NOOP("phrase", "Hacer") } };
    return t;
}
// An output's action on its device said whole where the pair is one of the palette's.
const std::map<std::pair<int, int>, const char*>& outputSentences()
{
    static const std::map<std::pair<int, int>, const char*> t {
        { { 10, 10 }, QT_TRANSLATE_NOOP("phrase", "Cargar Por Variable Luz") },
        { { 10, 11 }, QT_TRANSLATE_NOOP("phrase", "Cargar Por Constante Luz") },
        { { 10, 12 }, QT_TRANSLATE_NOOP("phrase", "Encender Luz") },
        { { 10, 13 }, QT_TRANSLATE_NOOP("phrase", "Apagar Luz") },
        { { 11, 10 }, QT_TRANSLATE_NOOP("phrase", "Cargar Por Variable Pantalla") },
        { { 11, 11 }, QT_TRANSLATE_NOOP("phrase", "Cargar Por Constante Pantalla") },
        { { 11, 12 }, QT_TRANSLATE_NOOP("phrase", "Encender Pantalla") },
        { { 11, 13 }, QT_TRANSLATE_NOOP("phrase", "Apagar Pantalla") },
        { { 12, 10 }, QT_TRANSLATE_NOOP("phrase", "Cargar Por Variable Sonido") },
        { { 12, 11 }, QT_TRANSLATE_NOOP("phrase", "Cargar Por Constante Sonido") },
        { { 12, 16 }, QT_TRANSLATE_NOOP("phrase", "Hacer Sonido") },
        { { 12, 17 }, QT_TRANSLATE_NOOP("phrase", "Hacer Sonido") }
    };
    return t;
}
const WordTable& inSourceWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "del Sensor de Luz") },
        { 11, QT_TRANSLATE_NOOP("phrase", "del Sensor de Tacto") },
        { 12, QT_TRANSLATE_NOOP("phrase", "del Sensor de Control Remoto") },
        { 13, QT_TRANSLATE_NOOP("phrase", "del Microfono") }, { 14, QT_TRANSLATE_NOOP("phrase", "de PC") } };
    return t;
}
const WordTable& inActionWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Contar Pulsos") },
        { 11, QT_TRANSLATE_NOOP("phrase", "Leer Intensidad") }, { 12, QT_TRANSLATE_NOOP("phrase", "Leer Datos") },
        { 13, QT_TRANSLATE_NOOP("phrase", "Leer Frecuencia") } };
    return t;
}
// What a wait waits for, by its subtype; the timed ones (10, 11, 17, 18) wait "Demora de" a time.
const WordTable& waitWhatWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Demora de") },
        { 11, QT_TRANSLATE_NOOP("phrase", "Demora de") }, { 17, QT_TRANSLATE_NOOP("phrase", "Demora de") },
        { 18, QT_TRANSLATE_NOOP("phrase", "Demora de") },
        { 12, QT_TRANSLATE_NOOP("phrase", "el Sensor de Luz Este Iluminado") },
        { 13, QT_TRANSLATE_NOOP("phrase", "el Sensor de Tacto Este Presionado") },
        { 14, QT_TRANSLATE_NOOP("phrase", "Haya Señal de Control Remoto") },
        { 15, QT_TRANSLATE_NOOP("phrase", "Haya Sonido en el Microfono") },
        { 16, QT_TRANSLATE_NOOP("phrase", "Haya Mensaje de PC") } };
    return t;
}
const WordTable& waitModeWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Segundos") },
        { 11, QT_TRANSLATE_NOOP("phrase", "Segundos") }, { 12, QT_TRANSLATE_NOOP("phrase", "Mientras") },
        { 13, QT_TRANSLATE_NOOP("phrase", "Hasta") } };
    return t;
}
const WordTable& operatorWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Mas") }, { 11, QT_TRANSLATE_NOOP("phrase", "Menos") },
        { 12, QT_TRANSLATE_NOOP("phrase", "O-Inclusiva") }, { 13, QT_TRANSLATE_NOOP("phrase", "Y") },
        { 14, QT_TRANSLATE_NOOP("phrase", "O-Exclusiva") }, { 15, QT_TRANSLATE_NOOP("phrase", "en ") } };
    return t;
}
const WordTable& conditionWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Igual a") },
        { 11, QT_TRANSLATE_NOOP("phrase", "Distinto a") }, { 12, QT_TRANSLATE_NOOP("phrase", "Mayor a") },
        { 13, QT_TRANSLATE_NOOP("phrase", "Menor a") }, { 14, QT_TRANSLATE_NOOP("phrase", "Mayor o Igual a") },
        { 15, QT_TRANSLATE_NOOP("phrase", "Menor o Igual a") },
        { 16, QT_TRANSLATE_NOOP("phrase", "Esta Iluminado el Sensor de Luz") },
        { 17, QT_TRANSLATE_NOOP("phrase", "Esta Presionado el Sensor de Tacto") },
        { 18, QT_TRANSLATE_NOOP("phrase", "Hay Señal de Control Remoto") },
        { 19, QT_TRANSLATE_NOOP("phrase", "Hay Sonido") },
        { 20, QT_TRANSLATE_NOOP("phrase", "Hubo Error en el Ultimo Proceso") },
        { 21, QT_TRANSLATE_NOOP("phrase", "Repetir Tanta Veces Como Indique") } };
    return t;
}
const WordTable& structureWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Inicio del Programa") },
        { 11, QT_TRANSLATE_NOOP("phrase", "Etiqueta (Destino de Saltos)") },
        { 12, QT_TRANSLATE_NOOP("phrase", "Saltar a la Etiqueta") },
        { 13, QT_TRANSLATE_NOOP("phrase", "Inicio de Subrutina") },
        { 14, QT_TRANSLATE_NOOP("phrase", "Llamar a la Subrutina") },
        { 15, QT_TRANSLATE_NOOP("phrase", "Terminar la Subrutina") },
        { 16, QT_TRANSLATE_NOOP("phrase", "Terminar el Programa") } };
    return t;
}
const WordTable& endWords()
{
    static const WordTable t { { 10, QT_TRANSLATE_NOOP("phrase", "Apaga Ladrillo") },
        { 11, QT_TRANSLATE_NOOP("phrase", "Devuelve Mando a la PC") },
        { 12, QT_TRANSLATE_NOOP("phrase", "Reinicia Ladrillo") },
        { 13, QT_TRANSLATE_NOOP("phrase", "Ladrillo Bloqueado") },
        { 14, QT_TRANSLATE_NOOP("phrase", "Saltar a Inicio") } };
    return t;
}
const WordTable& formatWords()
{
    static const WordTable t { { 0, QT_TRANSLATE_NOOP("phrase", "Hexadecimal") },
        { 1, QT_TRANSLATE_NOOP("phrase", "Decimal") }, { 2, QT_TRANSLATE_NOOP("phrase", "Binario") },
        { 3, QT_TRANSLATE_NOOP("phrase", "ASCII") } };
    return t;
}

Text number(long long value)
{
    return Text::literal(plainNumber(value));
}

Text describeOutput(const InstructionRecord& r)
{
    if (r.subtype == outputs::PcMessage && r.option == outputs::SendText) {
        const std::string text = textAsString(r.text);
        const Text shown = Text::literal(trimBlanks(std::string_view(text).substr(2)));
        if (trimBlanks(text).size() == 2)
            return sentence(QT_TRANSLATE_NOOP("core", "Enviar Texto: %1<Vacio>")).arg(shown);
        return sentence(QT_TRANSLATE_NOOP("core", "Enviar Texto: %1")).arg(shown);
    }
    if (r.subtype == outputs::PcMessage)
        return sentence(QT_TRANSLATE_NOOP("core", "Enviar a PC %1 en %2"))
            .arg(variableText(r.arg1))
            .arg(word(formatWords(), r.arg2 & 3));
    if (r.subtype == outputs::Sound && r.option == outputs::Melody)
        return sentence(QT_TRANSLATE_NOOP("core", "Reproducir Melodia (%1)")).arg(trimBlanks(r.name));

    const auto whole = outputSentences().find({ r.subtype, r.option });
    const Text action = whole != outputSentences().end()
        ? Text("phrase", whole->second)
        : Text::layout("%1 %2", { word(outActionWords(), r.option), word(outDeviceWords(), r.subtype) });
    if (r.subtype == outputs::Sound && r.option == outputs::Tone) {
        const long long volume = (long long)(double(r.arg3) / 32.0 * 100.0);
        return sentence(QT_TRANSLATE_NOOP("core", "%1 : F=%2Hz, T=%3mS, V=%4%"))
            .arg(action)
            .arg(signedNumber(r.arg2))
            .arg(signedNumber(r.arg1))
            .arg(signedNumber(volume));
    }
    if (r.subtype == outputs::Sound && r.option == outputs::OkSound)
        return sentence(QT_TRANSLATE_NOOP("core", "%1 : Sonido de OK")).arg(action);
    if (r.subtype == outputs::Sound && r.option == outputs::ErrorSound)
        return sentence(QT_TRANSLATE_NOOP("core", "%1 : Sonido de ERROR")).arg(action);
    if (r.subtype == outputs::Display && r.option == outputs::SwitchOn)
        return sentence(QT_TRANSLATE_NOOP("core", "%1(Leds Seleccionados Sin Cambiar los otros)")).arg(action);
    return action;
}

Text describeWait(const InstructionRecord& r)
{
    const Text what = word(waitWhatWords(), r.subtype);
    if (r.option == waits::ConstantAmount) {
        switch (r.subtype) {
        case waits::Seconds: return sentence(QT_TRANSLATE_NOOP("core", "Demora de %1 Segundos")).arg(number(r.arg1));
        case waits::Tenths:
            return sentence(QT_TRANSLATE_NOOP("core", "Demora de %1 Decimas de Segundo  (%2 Segundos)"))
                .arg(number(r.arg1))
                .arg(shortDecimal(float(r.arg1) / 10.0f));
        case waits::Hundredths:
            return sentence(QT_TRANSLATE_NOOP("core", "Demora de %1 Centesimas de Segundo")).arg(number(r.arg1));
        case waits::Thousandths:
            return sentence(QT_TRANSLATE_NOOP("core", "Demora de %1 Milesimas de Segundo")).arg(number(r.arg1));
        default: return Text::layout("%1 %2", { what, number(r.arg1) });
        }
    }
    if (r.option == waits::VariableAmount) {
        const Text variable = variableText(r.arg1);
        switch (r.subtype) {
        case waits::Seconds:
            return sentence(QT_TRANSLATE_NOOP("core", "Demora del valor contenido en %1 en Segundos")).arg(variable);
        case waits::Tenths:
            return sentence(QT_TRANSLATE_NOOP("core", "Demora del valor contenido en %1 en Decimas de Segundo"))
                .arg(variable);
        case waits::Hundredths:
            return sentence(QT_TRANSLATE_NOOP("core", "Demora del valor contenido en %1 en Centesimas de Segundo"))
                .arg(variable);
        case waits::Thousandths:
            return sentence(QT_TRANSLATE_NOOP("core", "Demora del valor contenido en %1 en Milesimas de Segundo"))
                .arg(variable);
        default: return sentence(QT_TRANSLATE_NOOP("core", "%1l valor contenido en %2")).arg(what).arg(variable);
        }
    }
    if (r.option == waits::While)
        return sentence(QT_TRANSLATE_NOOP("core", "Esperar Mientras que %1")).arg(what);
    if (r.option == waits::Until)
        return sentence(QT_TRANSLATE_NOOP("core", "Esperar Hasta que %1")).arg(what);
    return sentence(QT_TRANSLATE_NOOP("core", "Esperar %1 que %2")).arg(word(waitModeWords(), r.option)).arg(what);
}

// `previous`: the description the record had, kept where no rule describes it.
Text describeCalculation(const InstructionRecord& r, const Text& previous)
{
    if (r.subtype == calculations::Load)
        return r.option == calculations::LoadConstant
            ? sentence(QT_TRANSLATE_NOOP("core", "Guardar %1 en %2")).arg(number(r.arg1)).arg(variableText(r.arg2))
            : sentence(QT_TRANSLATE_NOOP("core", "Copiar %1 en %2"))
                  .arg(variableText(r.arg1))
                  .arg(variableText(r.arg2));
    if (r.option != calculations::ConstantOperand && r.option != calculations::VariableOperand)
        return previous;
    return sentence(QT_TRANSLATE_NOOP("core", "%1 Igual %2 %3 %4"))
        .arg(variableText(r.arg3))
        .arg(variableText(r.arg1))
        .arg(word(operatorWords(), r.subtype))
        .arg(r.option == calculations::VariableOperand ? variableText(r.arg2) : number(r.arg2));
}

Text describeDecision(const InstructionRecord& r)
{
    const Text condition = word(conditionWords(), r.subtype);
    if (r.subtype <= decisions::LessOrEqual)
        return sentence(QT_TRANSLATE_NOOP("core", "Decision: %1 %2 %3?"))
            .arg(variableText(r.arg1))
            .arg(condition)
            .arg(r.option == decisions::WithConstant ? number(r.arg2) : variableText(r.arg2));
    if (r.subtype <= decisions::LastError)
        return sentence(QT_TRANSLATE_NOOP("core", "Decision: %1?")).arg(condition);
    if (r.subtype == decisions::Repeat)
        return sentence(QT_TRANSLATE_NOOP("core", "Repetir Tanta Veces Como Indique %1")).arg(variableText(r.arg1));
    return Text::layout("%1 %2", { condition, variableText(r.arg1) });
}

Text describeStructure(const InstructionRecord& r)
{
    switch (r.subtype) {
    case structure::Jump: return sentence(QT_TRANSLATE_NOOP("core", "Saltar a la Etiqueta %1")).arg(r.name);
    case structure::Call: return sentence(QT_TRANSLATE_NOOP("core", "Llamar a la Subrutina %1")).arg(r.name);
    case structure::ProgramEnd:
        if (endWords().count(r.option))
            return sentence(QT_TRANSLATE_NOOP("core", "Terminar el Programa  (%1)")).arg(word(endWords(), r.option));
        return Text::layout("%1  ", { word(structureWords(), r.subtype) });
    default: return Text::layout("%1 ", { word(structureWords(), r.subtype) });
    }
}

} // namespace

Text variableText(int number)
{
    static const WordTable t { { 1, QT_TRANSLATE_NOOP("phrase", "Var. Roja") },
        { 2, QT_TRANSLATE_NOOP("phrase", "Var. Azul") }, { 3, QT_TRANSLATE_NOOP("phrase", "Var. Verde") },
        { 4, QT_TRANSLATE_NOOP("phrase", "Var. Rosa") }, { 5, QT_TRANSLATE_NOOP("phrase", "Var. Naranja") },
        { 6, QT_TRANSLATE_NOOP("phrase", "Constante") }, { 7, QT_TRANSLATE_NOOP("phrase", "Valor Al Azar") } };
    return word(t, number);
}

std::string variableWord(int number)
{
    return variableText(number).spanish();
}

Text elementDescription(const InstructionRecord& r, const ProgramStore& store)
{
    Text d;
    switch (r.family) {
    case family::Motors:
        if (r.subtype == motors::Path)
            return sentence(QT_TRANSLATE_NOOP("core", "Ejecutar Recorrido (%1)")).arg(trimBlanks(r.name));
        d = word(motorWords(), r.subtype);
        break;
    case family::Outputs: d = describeOutput(r); break;
    case family::Inputs:
        d = Text::layout("%1 %2", { word(inActionWords(), r.option), word(inSourceWords(), r.subtype) });
        break;
    case family::Waits: d = describeWait(r); break;
    case family::Calculations: d = describeCalculation(r, Text::literal(r.description)); break;
    case family::Decisions:
    case family::DecisionsInverted: d = describeDecision(r); break;
    case family::Structure: d = describeStructure(r); break;
    case family::Separator: return Text("phrase", QT_TRANSLATE_NOOP("phrase", "Separador"));
    default: d = Text("phrase", QT_TRANSLATE_NOOP("phrase", "Elemento Sin Ayuda")); break;
    }
    if (auto cost = store.elementCost(r))
        return Text::layout("%1 [%2]", { d, number(*cost) });
    return d;
}

void describeElement(InstructionRecord& r, const ProgramStore& store)
{
    r.description = elementDescription(r, store).spanish();
}

Text shownDescription(const InstructionRecord& r, const ProgramStore& store)
{
    if (r.is(family::Structure, structure::ProgramStart)) {
        Text mode = startModeText(r.option);
        if (mode.spanish() == r.description)
            return mode;
    }
    Text described = elementDescription(r, store);
    if (described.spanish() == r.description)
        return described;
    return Text::literal(r.description);
}

std::optional<UserMessage> checkStructure(
    const InstructionRecord& previous, const InstructionRecord& next, StructureCheckFlags flags)
{
    if (flags.syntaxAssistantOff || flags.structureCheckOff)
        return std::nullopt;
    const char* title = QT_TRANSLATE_NOOP("core", "Error: Uso Invalido de Estructura");
    const bool nextIsLabel = next.is(family::Structure, structure::Label);
    if (previous.is(family::Structure, structure::SubroutineEnd))
        return UserMessage { QT_TRANSLATE_NOOP("core", "No se pueden Agregar Comandos Despues del Fin de Subrutina"), title,
            MessageIcon::Information };
    if (previous.is(family::Structure, structure::Jump) && !nextIsLabel)
        return UserMessage { Text::lines({ QT_TRANSLATE_NOOP("core", "Despues de un Salto DEBE seguir con una etiqueta para no dejar"),
                                 QT_TRANSLATE_NOOP("core", "Codigo huerfano que nunca se puede acceder") }),
            title, MessageIcon::Information };
    if (previous.is(family::Structure, structure::ProgramEnd) && !nextIsLabel)
        return UserMessage { Text::lines({ QT_TRANSLATE_NOOP("core", "Despues de un Fin de Programa DEBE seguir con una etiqueta para no dejar"),
                                 QT_TRANSLATE_NOOP("core", "Codigo huerfano que nunca se puede acceder") }),
            title, MessageIcon::Information };
    return std::nullopt;
}

Text startModeText(int option)
{
    return option == structure::StartWithTouch
        ? sentence(QT_TRANSLATE_NOOP("core", "Inicio de programa (Habilita el sensor tactil) [2]"))
        : sentence(QT_TRANSLATE_NOOP("core", "Inicio de programa [1]"));
}

std::string cleanName(std::string& text)
{
    for (char& c : text)
        if (c == ' ' || c == ':' || c == ',')
            c = '_';
    return text;
}

} // namespace tarvel

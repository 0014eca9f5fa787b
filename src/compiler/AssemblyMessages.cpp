#include "compiler/AssemblyMessages.h"

#include "model/NumberText.h"

namespace tarvel {

namespace {

using C = AssemblyCode;
constexpr bool kWarning = true, kError = false;
constexpr bool kStops = true, kGoesOn = false;

// The one table of the codes: kind, effect and sentence.
const AssemblyCodeInfo kTable[] = {
    {C::InvalidArgument, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error: Argumento Invalido")},
    {C::LabelInUse, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error: Etiqueta ya utilizada")},
    {C::ConstantInUse, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error: Constante ya utilizada")},
    {C::VariableInUse, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error: Variable ya utilizada")},
    {C::EepromVariableInUse, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error: Variable EEPROM ya utilizada")},
    {C::UnknownInstruction, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error: Instruccion Inexistente")},
    {C::UnknownOperator, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error: Operador Inexistente")},
    {C::MissingArgument, kError, kStops,
     QT_TRANSLATE_NOOP("core", "Error: Falta un Argumento para la instruccion invocada")},
    {C::JumpOutOfMemory, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error: Salto fuera de memoria")},
    {C::OrgOutOfMemory, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error: ORG definido fuera de la memoria existente")},
    {C::CodeOutOfImage, kError, kStops, QT_TRANSLATE_NOOP("core", "Error: Codigo fuera de la memoria de programa")},
    {C::ValueTruncated, kWarning, kGoesOn, QT_TRANSLATE_NOOP("core", "Aviso: Valor Truncado")},
    {C::RamVariableOutOfRange, kWarning, kGoesOn,
     QT_TRANSLATE_NOOP("core", "Aviso: Variable RAM fuera del memoria (Truncado)")},
    {C::EepromVariableOutOfRange, kWarning, kGoesOn,
     QT_TRANSLATE_NOOP("core", "Aviso: Variable EEPROM fuera de memoria (Truncado)")},
    {C::CpuRamOutOfRange, kWarning, kGoesOn,
     QT_TRANSLATE_NOOP("core", "Aviso: Acceso a RAM del CPU fuera de memoria (Truncado)")},
    {C::LabelTooLong, kWarning, kGoesOn, QT_TRANSLATE_NOOP("core", "Aviso: Etiqueta demasiado larga (Truncado)")},
    {C::NameTooLong, kWarning, kGoesOn, QT_TRANSLATE_NOOP("core", "Aviso: Nombre demasiado largo (Truncado)")},
    {C::ArgumentTooLong, kWarning, kGoesOn, QT_TRANSLATE_NOOP("core", "Aviso: Argumento demasiado largo (Truncado)")},
    {C::BitOutOfRange, kWarning, kGoesOn,
     QT_TRANSLATE_NOOP("core", "Aviso: Numero de bit fuera de rango (0 a 7) (Truncado)")},
    {C::ArgumentOutOfRange, kWarning, kGoesOn, QT_TRANSLATE_NOOP("core", "Aviso: Argumento fuera de rango (truncado)")},
    {C::TooManyLabels, kError, kStops, QT_TRANSLATE_NOOP("core", "Error: Demasiadas Etiquetas en uso!")},
    {C::TooManyVariables, kError, kStops, QT_TRANSLATE_NOOP("core", "Error: Demasiadas Variables en uso!")},
    {C::TooManyConstants, kError, kStops, QT_TRANSLATE_NOOP("core", "Error: Demasiadas Constantes o EQUs en uso!")},
    {C::TooManyEepromVariables, kError, kStops,
     QT_TRANSLATE_NOOP("core", "Error: Demasiadas Variables EEPROM (EEP) en uso!")},
};

const AssemblyCodeInfo kUnknown{C::InvalidArgument, kError, kGoesOn, QT_TRANSLATE_NOOP("core", "Error Desconocido")};

} // namespace

const AssemblyCodeInfo& assemblyCodeInfo(AssemblyCode code)
{
    for (const AssemblyCodeInfo& row : kTable)
        if (row.code == code)
            return row;
    return kUnknown;
}

Text assemblyMessageText(const AssemblyMessage& m)
{
    return Text::layout("%1 - %2 [%3] : %4", {Text::literal(signedNumber(m.line)),
                                               Text("core", assemblyCodeInfo(m.code).sentence),
                                               Text::number(static_cast<int>(m.code)), Text::literal(m.operand)});
}

Text assemblyCancelledText()
{
    return Text("core", QT_TRANSLATE_NOOP("core", "Compilacion cancelada por exceso de errores!"));
}

std::vector<Text> assemblyListTexts(const std::vector<AssemblyMessage>& messages, int cancelledAt)
{
    std::vector<Text> lines;
    lines.reserve(messages.size() + 1);
    for (std::size_t i = 0; i <= messages.size(); ++i) {
        if (int(i) == cancelledAt)
            lines.push_back(assemblyCancelledText());
        if (i < messages.size())
            lines.push_back(assemblyMessageText(messages[i]));
    }
    return lines;
}

std::string assemblyListSpanish(const std::vector<AssemblyMessage>& messages, int cancelledAt)
{
    std::string text;
    for (const Text& line : assemblyListTexts(messages, cancelledAt))
        text += line.spanish() + "\r\n";
    return text;
}

} // namespace tarvel

#include "compiler/BuildPlan.h"

#include "model/NumberText.h"
#include "model/Text.h"

namespace tarvel {

std::vector<BuildStep> buildSteps(int mode, bool autoConnect)
{
    std::vector<BuildStep> steps;
    if (mode & buildBits::Translate) {
        steps.push_back(BuildStep::OpenLibrary);
        steps.push_back(BuildStep::Translate);
    }
    if (mode & buildBits::Assemble)
        steps.push_back(BuildStep::Assemble);
    if ((mode & buildBits::Download) && autoConnect)
        steps.push_back(BuildStep::Connect);
    if (mode & buildBits::Download)
        steps.push_back(BuildStep::Download);
    if (mode & buildBits::Run)
        steps.push_back(BuildStep::Run);
    steps.push_back(BuildStep::MemoryCheck);
    steps.push_back(BuildStep::SubroutineCheck);
    steps.push_back(BuildStep::Finish);
    return steps;
}

Text buildCaption(int mode)
{
    std::vector<Text> steps;
    if (mode & buildBits::Translate)
        steps.push_back(QT_TRANSLATE_NOOP("core", "Compilar Grafos"));
    if (mode & buildBits::Assemble)
        steps.push_back(QT_TRANSLATE_NOOP("core", "Generar Codigo"));
    if (mode & buildBits::Download)
        steps.push_back(steps.empty() ? QT_TRANSLATE_NOOP("core", "Enviar Codigo al Ladrillo") : QT_TRANSLATE_NOOP("core", "Enviar Codigo"));
    const Text caption = Text::joined(steps, ", ");
    if (!(mode & buildBits::Run))
        return caption;
    return steps.empty() ? Text(QT_TRANSLATE_NOOP("core", "Correr Programa"))
                         : Text(QT_TRANSLATE_NOOP("core", "%1 y Correr Programa")).arg(caption);
}

int buildStepCount(int mode)
{
    int n = (mode & buildBits::Translate) ? 2 : 0;
    for (int bit : {buildBits::Assemble, buildBits::Download, buildBits::Run})
        n += (mode & bit) ? 1 : 0;
    return n;
}

int stepProgress(int k, int n)
{
    if (n <= 0)
        return 0;
    return k >= n ? 100 : k * 100 / n;
}

FailureText buildFailureText(BuildFailure failure, int imageLength)
{
    switch (failure) {
    case BuildFailure::None: return {};
    case BuildFailure::Integrity: return {QT_TRANSLATE_NOOP("core", "Falla en la Libreria de Datos de Compilacion!"), QT_TRANSLATE_NOOP("core", "Error de Libreria")};
    case BuildFailure::SourceFile: return {QT_TRANSLATE_NOOP("core", "No se Pudo Escribir el Codigo Fuente!"), QT_TRANSLATE_NOOP("core", "Error de Archivo")};
    case BuildFailure::Assembly: return {QT_TRANSLATE_NOOP("core", "Compilando Fuente..."), {}};
    case BuildFailure::NoCode: return {QT_TRANSLATE_NOOP("core", "El Programa No Genera Codigo para el Ladrillo!"), QT_TRANSLATE_NOOP("core", "Error de Compilacion")};
    case BuildFailure::Send:
        return {QT_TRANSLATE_NOOP("core", "Error al Enviar Programa!"), Text(QT_TRANSLATE_NOOP("core", "Error de Conexion! (%1)")).arg(2)};
    case BuildFailure::Run:
        return {QT_TRANSLATE_NOOP("core", "Error al ejecutar!"), Text(QT_TRANSLATE_NOOP("core", "Error de Conexion! (%1)")).arg(1)};
    case BuildFailure::Memory:
        return {Text(QT_TRANSLATE_NOOP("core", "El Programa Excede la Memoria Disponible! (%1)")).arg(plainNumber(imageLength)),
                QT_TRANSLATE_NOOP("core", "Error de Espacio de Memoria")};
    case BuildFailure::Subroutines:
        return {QT_TRANSLATE_NOOP("core", "Una o Varias Subrutinas No Tienen Final!"), QT_TRANSLATE_NOOP("core", "Error de Programacion")};
    case BuildFailure::NothingToSend: return {QT_TRANSLATE_NOOP("core", "No Hay un Programa para Enviar!"), QT_TRANSLATE_NOOP("core", "Error de Programacion")};
    }
    return {};
}

UserMessage compilationErrorMessage()
{
    return {Text::lines({QT_TRANSLATE_NOOP("core", "Se ha generado un error de sintaxis interna, Las Posibles Causas Pueden ser:"),
                         QT_TRANSLATE_NOOP("core", "- Saltos a Etiquetas Inexistentes: Revise que todos los Saltos vayan a Etiquetas Definidas"),
                         QT_TRANSLATE_NOOP("core", "- El Programa Excede el Espacio de Memoria del Ladrillo : Puede Verificarlo en la parte Inferior (Memoria: xxx/Espacio)"),
                         QT_TRANSLATE_NOOP("core", "- Libreria Incorrecta: La Libreria que esta Utilizando No Coincide con el Modelo de Ladrillo Conectado")}),
            QT_TRANSLATE_NOOP("core", "Error de Compilacion!"), MessageIcon::Warning};
}

Text memoryPanelText(int memoryUsed, int brickMemorySize, int libraryCapacity)
{
    if (brickMemorySize != 0)
        return Text(QT_TRANSLATE_NOOP("core", "Memoria: %1/%2")).arg(plainNumber(memoryUsed)).arg(plainNumber(brickMemorySize));
    return Text(QT_TRANSLATE_NOOP("core", "Memoria: %1/(%2)")).arg(plainNumber(memoryUsed)).arg(plainNumber(libraryCapacity));
}

std::string editorAssemblyInput(const std::string& text)
{
    return text + "\r\n    END\r\n";
}

BuildVerdict buildVerdict(const BuildOutcome& o)
{
    if (o.subroutineBalance != 0)
        return BuildVerdict::Unbalanced;
    if (o.messages && !o.messages->empty()) {
        for (const AssemblyMessage& m : *o.messages)
            if (!assemblyCodeInfo(m.code).warning)
                return BuildVerdict::Errors;
        return o.cancelledAt >= 0 ? BuildVerdict::Errors : BuildVerdict::WarningsOnly;
    }
    if (o.imageLength <= 0)
        return BuildVerdict::EmptyImage;
    if (o.imageLength > o.libraryCapacity)
        return BuildVerdict::TooBig;
    return BuildVerdict::Clean;
}

BuildFailure verdictFailure(BuildVerdict verdict)
{
    switch (verdict) {
    case BuildVerdict::Clean: return BuildFailure::None;
    case BuildVerdict::WarningsOnly:
    case BuildVerdict::Errors: return BuildFailure::Assembly;
    case BuildVerdict::Unbalanced: return BuildFailure::Subroutines;
    case BuildVerdict::EmptyImage: return BuildFailure::NoCode;
    case BuildVerdict::TooBig: return BuildFailure::Memory;
    }
    return BuildFailure::None;
}

const char* verdictName(BuildVerdict verdict)
{
    switch (verdict) {
    case BuildVerdict::Clean: return "clean";
    case BuildVerdict::WarningsOnly: return "warnings";
    case BuildVerdict::Errors: return "errors";
    case BuildVerdict::Unbalanced: return "unbalanced";
    case BuildVerdict::EmptyImage: return "empty";
    case BuildVerdict::TooBig: return "too-big";
    }
    return "clean";
}

bool imageCanBeSent(int imageLength, int libraryCapacity)
{
    return imageLength > 1 && imageLength <= libraryCapacity;
}

Text errorCountText(int assemblyErrorCount)
{
    return Text(QT_TRANSLATE_NOOP("core", "Errores : (%1)")).arg(plainNumber(assemblyErrorCount));
}

Text programSizeText(int imageLength)
{
    return Text(QT_TRANSLATE_NOOP("core", "Memoria: %1")).arg(plainNumber(imageLength));
}

std::string editorTextFromSource(const std::string& source)
{
    std::string text;
    text.reserve(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] != '\r')
            text += source[i];
        else if (i + 1 >= source.size() || source[i + 1] != '\n')
            text += '\n';
    }
    return text;
}

std::string sourceFromEditorText(const std::string& text)
{
    std::string source;
    source.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            source += '\r';
        source += c;
    }
    return source;
}

std::string editorTextOfFile(const std::string& bytes)
{
    std::string text = editorTextFromSource(bytes);
    if (text.empty() || text.back() != '\n')
        text += '\n';
    return text;
}

int assemblyMessageLine(const std::string& line)
{
    // The entry starts with the line number in signed form, then " - ".
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ')
        ++i;
    const std::size_t digits = i;
    long long number = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9' && number < 1000000)
        number = number * 10 + (line[i++] - '0');
    if (i == digits || line.compare(i, 3, " - ") != 0)
        return 0;
    return int(number);
}

} // namespace tarvel

#include "compiler/BuildPlan.h"

#include "model/NumberText.h"

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

std::string buildCaption(int mode)
{
    std::string caption;
    if (mode & buildBits::Translate)
        caption += "Compilar Grafos";
    if (mode & buildBits::Assemble)
        caption += caption.empty() ? "Generar Codigo" : ", Generar Codigo";
    if (mode & buildBits::Download)
        caption += caption.empty() ? "Enviar Codigo al Ladrillo" : ", Enviar Codigo";
    if (mode & buildBits::Run)
        caption += caption.empty() ? "Correr Programa" : " y Correr Programa";
    return caption;
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
    case BuildFailure::Integrity: return {"Falla en la Libreria de Datos de Compilacion!", "Error de Libreria"};
    case BuildFailure::SourceFile: return {"No se Pudo Escribir el Codigo Fuente!", "Error de Archivo"};
    case BuildFailure::Assembly: return {"Compilando Fuente...", ""};
    case BuildFailure::NoCode: return {"El Programa No Genera Codigo para el Ladrillo!", "Error de Compilacion"};
    case BuildFailure::Send: return {"Error al Enviar Programa!", "Error de Conexion! (2)"};
    case BuildFailure::Run: return {"Error al ejecutar!", "Error de Conexion! (1)"};
    case BuildFailure::Memory:
        return {"El Programa Excede la Memoria Disponible! (" + plainNumber(imageLength) + ")",
                "Error de Espacio de Memoria"};
    case BuildFailure::Subroutines: return {"Una o Varias Subrutinas No Tienen Final!", "Error de Programacion"};
    case BuildFailure::NothingToSend: return {"No Hay un Programa para Enviar!", "Error de Programacion"};
    }
    return {};
}

UserMessage compilationErrorMessage()
{
    return {"Se ha generado un error de sintaxis interna, Las Posibles Causas Pueden ser:\r\n"
            "- Saltos a Etiquetas Inexistentes: Revise que todos los Saltos vayan a Etiquetas Definidas\r\n"
            "- El Programa Excede el Espacio de Memoria del Ladrillo : Puede Verificarlo en la parte Inferior "
            "(Memoria: xxx/Espacio)\r\n"
            "- Libreria Incorrecta: La Libreria que esta Utilizando No Coincide con el Modelo de Ladrillo Conectado",
            "Error de Compilacion!", MessageIcon::Warning};
}

std::string memoryPanelText(int memoryUsed, int brickMemorySize, int libraryCapacity)
{
    if (brickMemorySize != 0)
        return "Memoria: " + plainNumber(memoryUsed) + "/" + plainNumber(brickMemorySize);
    return "Memoria: " + plainNumber(memoryUsed) + "/(" + plainNumber(libraryCapacity) + ")";
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

std::string errorCountText(int assemblyErrorCount)
{
    return "Errores : (" + plainNumber(assemblyErrorCount) + ")";
}

std::string programSizeText(int imageLength)
{
    return "Memoria: " + plainNumber(imageLength);
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

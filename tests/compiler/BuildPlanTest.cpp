// What a build runs for each buildMode and what it shows; the source editor's line rules.
#include "BuildTestSupport.h"

#include "compiler/BuildPlan.h"
#include "compiler/SourceHighlight.h"

#include <gtest/gtest.h>

using namespace tarvel;
using S = BuildStep;

TEST(BuildPlan, CaptionsOfEveryCallerAndOfSingleBits)
{
    EXPECT_EQ(buildCaption(buildModes::Compile), "Compilar Grafos, Generar Codigo");
    EXPECT_EQ(
        buildCaption(buildModes::CompileSendRun), "Compilar Grafos, Generar Codigo, Enviar Codigo y Correr Programa");
    EXPECT_EQ(buildCaption(buildModes::Send), "Enviar Codigo al Ladrillo");
    EXPECT_EQ(buildCaption(buildModes::EditorCompile), "Generar Codigo");
    EXPECT_EQ(buildCaption(buildModes::EditorCompileSendRun), "Generar Codigo, Enviar Codigo y Correr Programa");
    EXPECT_EQ(buildCaption(1), "Compilar Grafos");
    EXPECT_EQ(buildCaption(8), "Correr Programa");
    EXPECT_EQ(buildCaption(12), "Enviar Codigo al Ladrillo y Correr Programa");
    EXPECT_EQ(buildCaption(16), "");
}

TEST(BuildPlan, StepsAndStepCounts)
{
    const std::vector<S> checks = {S::MemoryCheck, S::SubroutineCheck, S::Finish};
    auto with = [&](std::vector<S> first) {
        first.insert(first.end(), checks.begin(), checks.end());
        return first;
    };
    EXPECT_EQ(buildSteps(3, false), with({S::OpenLibrary, S::Translate, S::Assemble}));
    EXPECT_EQ(buildSteps(3, true), with({S::OpenLibrary, S::Translate, S::Assemble}));
    EXPECT_EQ(buildSteps(15, false), with({S::OpenLibrary, S::Translate, S::Assemble, S::Download, S::Run}));
    EXPECT_EQ(buildSteps(15, true),
              with({S::OpenLibrary, S::Translate, S::Assemble, S::Connect, S::Download, S::Run}));
    EXPECT_EQ(buildSteps(4, false), with({S::Download}));
    EXPECT_EQ(buildSteps(4, true), with({S::Connect, S::Download}));
    EXPECT_EQ(buildSteps(18, false), with({S::Assemble}));
    EXPECT_EQ(buildSteps(30, false), with({S::Assemble, S::Download, S::Run}));

    EXPECT_EQ(buildStepCount(3), 3);
    EXPECT_EQ(buildStepCount(15), 5);
    EXPECT_EQ(buildStepCount(4), 1);
    EXPECT_EQ(buildStepCount(18), 1);
    EXPECT_EQ(buildStepCount(30), 3);
    EXPECT_EQ(stepProgress(1, 3), 33);
    EXPECT_EQ(stepProgress(2, 3), 66);
    EXPECT_EQ(stepProgress(3, 3), 100);
    EXPECT_EQ(stepProgress(1, 0), 0);
}

TEST(BuildPlan, FailureTexts)
{
    auto text = [](BuildFailure f, int length = 0) {
        const auto t = buildFailureText(f, length);
        return t.status.spanish() + " / " + t.error.spanish();
    };
    EXPECT_EQ(text(BuildFailure::Subroutines), "Una o Varias Subrutinas No Tienen Final! / Error de Programacion");
    EXPECT_EQ(text(BuildFailure::Memory, 200),
        "El Programa Excede la Memoria Disponible! (200) / Error de Espacio de Memoria");
    EXPECT_EQ(text(BuildFailure::Send), "Error al Enviar Programa! / Error de Conexion! (2)");
    EXPECT_EQ(text(BuildFailure::Run), "Error al ejecutar! / Error de Conexion! (1)");
    EXPECT_EQ(text(BuildFailure::Integrity), "Falla en la Libreria de Datos de Compilacion! / Error de Libreria");
    EXPECT_EQ(text(BuildFailure::NoCode), "El Programa No Genera Codigo para el Ladrillo! / Error de Compilacion");
    EXPECT_EQ(text(BuildFailure::NothingToSend), "No Hay un Programa para Enviar! / Error de Programacion");

    const UserMessage box = compilationErrorMessage();
    EXPECT_EQ(box.title, "Error de Compilacion!");
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    const std::string boxText = box.text.spanish();
    EXPECT_EQ(std::count(boxText.begin(), boxText.end(), '\n'), 3);
    EXPECT_EQ(boxText.substr(0, 42), "Se ha generado un error de sintaxis intern");
    EXPECT_NE(
        box.text.spanish().find("\r\n- Libreria Incorrecta: La Libreria que esta Utilizando No Coincide"), std::string::npos);
}

TEST(BuildPlan, PanelAndEditorTexts)
{
    EXPECT_EQ(memoryPanelText(40, 255, 254), "Memoria: 40/255");
    EXPECT_EQ(memoryPanelText(40, 0, 254), "Memoria: 40/(254)");
    EXPECT_EQ(editorAssemblyInput(" STOP"), " STOP\r\n    END\r\n");
    EXPECT_EQ(errorCountText(1), "Errores : (1)");
    EXPECT_EQ(programSizeText(12), "Memoria: 12");

    EXPECT_FALSE(imageCanBeSent(0, 254));
    EXPECT_FALSE(imageCanBeSent(1, 254)); // a single byte is not a program
    EXPECT_TRUE(imageCanBeSent(2, 254));
    EXPECT_TRUE(imageCanBeSent(254, 254));
    EXPECT_FALSE(imageCanBeSent(255, 254));
}

TEST(BuildPlan, LineEndsBetweenFilesAndTheEditor)
{
    EXPECT_EQ(editorTextFromSource("a\r\nb\rc\n\r\n"), "a\nb\nc\n\n");
    EXPECT_EQ(sourceFromEditorText("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(sourceFromEditorText(editorTextFromSource("x\r\n\r\ny")), "x\r\n\r\ny");
    EXPECT_EQ(editorTextOfFile(" STOP"), " STOP\n");
    EXPECT_EQ(editorTextOfFile(" STOP\r\n"), " STOP\n");
    EXPECT_EQ(editorTextOfFile(""), "\n");
}

TEST(BuildPlan, LineNamedByAnAssemblerMessage)
{
    EXPECT_EQ(assemblyMessageLine(" 12 - Error: Instruccion Inexistente [1008] : FOO"), 12);
    EXPECT_EQ(assemblyMessageLine(" 1 - Aviso: Valor Truncado [2001] : 300"), 1);
    EXPECT_EQ(assemblyMessageLine("Compilacion cancelada por exceso de errores!"), 0);
    EXPECT_EQ(assemblyMessageLine(""), 0);
    EXPECT_EQ(assemblyMessageLine(" 12"), 0);
    EXPECT_EQ(assemblyMessageLine(" 99999999999999999999 - x"), 0); // no number of a source line
}

namespace {
struct Part {
    std::string text;
    SourceTokenKind kind;
    bool operator==(const Part&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Part& p)
{
    return out << p.text << ":" << int(p.kind);
}
std::vector<Part> parts(const std::string& line, const std::vector<std::string>& mnemonics)
{
    std::vector<Part> list;
    for (const auto& t : sourceLineTokens(line, mnemonics))
        list.push_back({line.substr(std::size_t(t.start), std::size_t(t.length)), t.kind});
    return list;
}
} // namespace

TEST(SourceHighlight, TheAssemblersViewOfALine)
{
    using K = SourceTokenKind;
    const auto mnemonics = libraryMnemonics(testsupport::shippedLibrary());
    EXPECT_TRUE(std::binary_search(mnemonics.begin(), mnemonics.end(), "LDI"));

    EXPECT_EQ(parts(" ldi VRoja, $1F ; tres", mnemonics),
              (std::vector<Part>{{"ldi", K::Mnemonic}, {"$1F", K::Number}, {"; tres", K::Comment}}));
    EXPECT_EQ(parts("otra:", mnemonics), (std::vector<Part>{{"otra:", K::Label}}));
    EXPECT_EQ(parts("VRoja VAR 1", mnemonics),
        (std::vector<Part> { { "VRoja", K::Label }, { "VAR", K::Directive }, { "1", K::Number } }));
    EXPECT_EQ(parts(" DS \"a;b, c\"", mnemonics),
        (std::vector<Part> { { "DS", K::Directive }, { "\"a", K::String }, { ";b, c\"", K::Comment } }));
    EXPECT_EQ(parts(" DS 'hola mundo'", mnemonics),
        (std::vector<Part> { { "DS", K::Directive }, { "'hola mundo'", K::String } }));
    EXPECT_EQ(parts(" LDK 'A', %101", mnemonics),
              (std::vector<Part>{{"LDK", K::Mnemonic}, {"'A'", K::Number}, {"%101", K::Number}}));
    EXPECT_EQ(parts("            END", mnemonics), (std::vector<Part>{{"END", K::Directive}}));
    // A word that is no mnemonic of the library is left plain, as is a mnemonic after a label.
    EXPECT_EQ(parts(" FOO 1", mnemonics), (std::vector<Part>{{"1", K::Number}}));
    EXPECT_EQ(parts("x LDI", mnemonics), (std::vector<Part>{{"x", K::Label}}));
    EXPECT_TRUE(parts("", mnemonics).empty());
    EXPECT_EQ(parts(";", mnemonics), (std::vector<Part>{{";", K::Comment}}));
}

// One verdict for the window and the command line: unbalanced first, then the list (an error, or
// the cancel line, outweighs warnings), then the image against the capacity.
TEST(BuildPlan, Verdicts)
{
    const std::vector<AssemblyMessage> warning{{AssemblyCode::ValueTruncated, 2, "300"}};
    const std::vector<AssemblyMessage> error{{AssemblyCode::ValueTruncated, 2, "300"},
                                             {AssemblyCode::UnknownInstruction, 3, "X"}};
    const std::vector<AssemblyMessage> none;
    auto verdict = [](int balance, const std::vector<AssemblyMessage>* list, int cancelledAt, int length) {
        return buildVerdict({balance, list, cancelledAt, length, 255});
    };
    EXPECT_EQ(verdict(0, &none, -1, 10), BuildVerdict::Clean);
    EXPECT_EQ(verdict(0, nullptr, -1, 255), BuildVerdict::Clean);
    EXPECT_EQ(verdict(1, &error, -1, 300), BuildVerdict::Unbalanced);
    EXPECT_EQ(verdict(0, &error, -1, 300), BuildVerdict::Errors);
    EXPECT_EQ(verdict(0, &warning, -1, 10), BuildVerdict::WarningsOnly);
    EXPECT_EQ(verdict(0, &warning, 0, 10), BuildVerdict::Errors);
    EXPECT_EQ(verdict(0, &none, -1, 0), BuildVerdict::EmptyImage);
    EXPECT_EQ(verdict(0, &none, -1, 256), BuildVerdict::TooBig);

    EXPECT_EQ(verdictFailure(BuildVerdict::Clean), BuildFailure::None);
    EXPECT_EQ(verdictFailure(BuildVerdict::WarningsOnly), BuildFailure::Assembly);
    EXPECT_EQ(verdictFailure(BuildVerdict::Errors), BuildFailure::Assembly);
    EXPECT_EQ(verdictFailure(BuildVerdict::Unbalanced), BuildFailure::Subroutines);
    EXPECT_EQ(verdictFailure(BuildVerdict::EmptyImage), BuildFailure::NoCode);
    EXPECT_EQ(verdictFailure(BuildVerdict::TooBig), BuildFailure::Memory);
}

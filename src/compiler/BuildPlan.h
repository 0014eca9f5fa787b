#pragma once
// The rules of one build, without the brick or a window: which steps a buildMode runs, the caption,
// the progress, and every text the build window shows for an outcome.
#include "model/Text.h"
#include "compiler/AssemblyMessages.h"
#include "model/UserMessage.h"

#include <string>
#include <vector>

namespace tarvel {

// buildMode is a bit set; 255 means no build is running.
namespace buildBits {
constexpr int Translate = 1;
constexpr int Assemble = 2;
constexpr int Download = 4;
constexpr int Run = 8;
constexpr int EditorText = 16; // assemble the source editor's text instead of the translation
constexpr int Idle = 255;
} // namespace buildBits

// The modes the callers use.
namespace buildModes {
constexpr int Compile = 3;
constexpr int Send = 4;
constexpr int CompileSendRun = 15;
constexpr int EditorCompile = 18;
constexpr int EditorCompileSendRun = 30;
} // namespace buildModes

enum class BuildStep {
    OpenLibrary,
    Translate,
    Assemble,
    Connect, // automatic connection, only in automatic mode
    Download,
    Run,
    MemoryCheck,
    SubroutineCheck,
    Finish,
};

// The steps of a build in their order; the checks and the end belong to every build.
std::vector<BuildStep> buildSteps(int buildMode, bool autoConnect);
// "Compilar Grafos, Generar Codigo, Enviar Codigo y Correr Programa" and its shorter forms.
Text buildCaption(int buildMode);
// n: 2 for the translation, 1 for each of assembly, download and run.
int buildStepCount(int buildMode);
// The progress bar after the k-th visible step of n (0..100).
int stepProgress(int k, int n);

// Why a build stopped. Every failure leaves the window open with "Cerrar".
enum class BuildFailure {
    None,
    Integrity,     // the library failed its integrity check: it yields no code
    SourceFile,    // the source file could not be written
    Assembly,      // the assembler listed a message (an error or a warning)
    NoCode,        // nothing was assembled, or the image is empty
    Send,          // brick not ready, nothing connected, or the transfer broke off
    Run,           // the start command got no answer
    Memory,        // the image is longer than the library's capacity
    Subroutines,   // a subroutine start without its end
    NothingToSend, // a download was asked for and nothing went out
};

// What a build's outcome means, decided in one place for the build window and the command line:
// unbalanced subroutines first (nothing was assembled), then what the assembler listed, then the
// image's length against the library's capacity. Only Clean goes on to a file or a brick.
enum class BuildVerdict { Clean, WarningsOnly, Errors, Unbalanced, EmptyImage, TooBig };
struct BuildOutcome {
    int subroutineBalance = 0;
    const std::vector<AssemblyMessage>* messages = nullptr; // the assembler's list; none when null
    int cancelledAt = -1;
    int imageLength = 0;
    int libraryCapacity = 0;
};
BuildVerdict buildVerdict(const BuildOutcome& outcome);
// The failure a verdict stops the build with (None for Clean).
BuildFailure verdictFailure(BuildVerdict verdict);
// "clean", "warnings", "errors", "unbalanced", "empty", "too-big": the command line's JSON.
const char* verdictName(BuildVerdict verdict);

struct FailureText {
    Text status; // lblConectStatus
    Text error;  // lblError
};
// What the window shows for a failure; `imageLength` goes into the memory text.
FailureText buildFailureText(BuildFailure failure, int imageLength);

// The box shown after an assembly that listed messages.
UserMessage compilationErrorMessage();

// Status panel 5 after a translation: "Memoria: used/brick" or, before a brick told its size,
// "Memoria: used/(capacity)".
Text memoryPanelText(int memoryUsed, int brickMemorySize, int libraryCapacity);

// The assembler's input for the source editor's text: the text, a line end, "    END", a line end.
std::string editorAssemblyInput(const std::string& text);

// The download's conditions: an image of 2 bytes or more that fits the library's capacity.
bool imageCanBeSent(int imageLength, int libraryCapacity);

// Texts of the source editor after a build.
Text errorCountText(int assemblyErrorCount); // "Errores : (n)"
Text programSizeText(int imageLength);       // "Memoria: n"
// Line ends between the system's files (CR LF) and the editor's text (LF): a file's CR LF and lone CR
// become LF; the editor's LF become CR LF.
std::string editorTextFromSource(const std::string& source);
std::string sourceFromEditorText(const std::string& text);
// The text a source file shows in the editor: its content followed by a line end (none is added
// when it already ends with one, so that opening and saving again keeps the file as it was).
std::string editorTextOfFile(const std::string& bytes);
// The source line an assembler message names (" 12 - Error: ..."), or 0 when the line names none.
int assemblyMessageLine(const std::string& messageLine);

} // namespace tarvel

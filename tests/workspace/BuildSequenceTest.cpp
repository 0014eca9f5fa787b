// One build driven step by step against a workspace with the shipped library and the simulated
// brick; waits are skipped (the driver calls again at once), brick exchanges take real time.
#include "support/TestRecords.h"

#include "model/ElementDescription.h"
#include "model/TextFile.h"
#include "workspace/BuildSequence.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace tarvel;
using testsupport::element;
namespace fs = std::filesystem;

namespace {

// The list the build window shows, as the assembler prints it: a line each, CR LF after each.
std::string errorsText(const BuildScreen& screen)
{
    std::string text;
    for (const Text& line : screen.errors)
        text += line.spanish() + "\r\n";
    return text;
}

struct Trace {
    std::vector<std::string> statuses; // each status once, in order
    std::vector<int> progress;         // progress after each call, while the bar counts to 100
    std::vector<std::pair<int, std::string>> panels;
    std::vector<UserMessage> messages;
    bool waitedForClose = false;
    BuildScreen last;
};

class BuildSequenceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tarvel_build_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        ws = std::make_unique<Workspace>(dir);
        ws->loadLibrary(std::string(TARVEL_APPDIR) + "/Clib_J2A1_USB0.LIB");
        ASSERT_FALSE(ws->checkLibraryIntegrity());
        ws->useSimulatedBrick(true);
        ws->store.newProgram();
    }
    void TearDown() override { fs::remove_all(dir); }

    void append(const InstructionRecord& r)
    {
        ws->store.currentElement = r;
        describeElement(ws->store.currentElement, ws->store);
        ws->store.appendCurrent();
    }
    void beepProgram() { append(element(11, 12, 16)); } // 10 bytes with the start element
    void connectByHand()
    {
        ASSERT_TRUE(ws->link().IdentifyBrick());
        ws->brickReady = true;
    }

    // Runs the build to its end, pressing "Cerrar" when it waits for it.
    Trace build(int mode, const std::string& editorText = {})
    {
        BuildSequence sequence(*ws, mode, editorText);
        Trace t;
        sequence.statusPanel = [&](StatusPanel panel, const Text& text) { t.panels.emplace_back(int(panel), text.spanish()); };
        EXPECT_EQ(ws->buildMode, mode);
        for (int guard = 0; guard < 10000; ++guard) {
            BuildAction action = sequence.advance();
            const BuildScreen& s = sequence.screen();
            if (t.statuses.empty() || t.statuses.back() != s.status)
                t.statuses.push_back(s.status.spanish());
            if (s.progressMax == 100 && (t.progress.empty() || t.progress.back() != s.progress))
                t.progress.push_back(s.progress);
            if (action.message)
                t.messages.push_back(*action.message);
            if (action.kind == BuildAction::WaitForClose) {
                t.waitedForClose = true;
                EXPECT_TRUE(s.exitVisible);
                EXPECT_EQ(ws->buildMode, mode); // the editor waits until the user closes
                EXPECT_EQ(sequence.advance().kind, BuildAction::WaitForClose);
                action = sequence.close();
            }
            if (action.kind == BuildAction::Done)
                break;
        }
        t.last = sequence.screen();
        result = sequence.result();
        EXPECT_EQ(ws->buildMode, 255);
        return t;
    }

    std::string fileText(const std::string& name)
    {
        std::string bytes;
        readWholeFile(dir / name, bytes);
        return bytes;
    }

    fs::path dir;
    std::unique_ptr<Workspace> ws;
    BuildResult result;
};

} // namespace

TEST_F(BuildSequenceTest, CompileAGoodProgram)
{
    beepProgram();
    const Trace t = build(buildModes::Compile);
    EXPECT_EQ(t.statuses, (std::vector<std::string>{"Abriendo Libreria...", "Compilando Grafos...",
                                                    "Compilando Fuente...", "Terminado!"}));
    EXPECT_EQ(t.progress, (std::vector<int>{33, 66, 100}));
    EXPECT_EQ(t.last.caption, "Compilar Grafos, Generar Codigo");
    EXPECT_FALSE(t.waitedForClose);
    EXPECT_FALSE(t.last.errorVisible);
    EXPECT_TRUE(result.assembled);
    EXPECT_FALSE(result.sent);
    EXPECT_EQ(ws->assembly.imageLength, 10);
    EXPECT_TRUE(ws->simulatedBrick()->receivedReports().empty());
    EXPECT_EQ(t.panels, (std::vector<std::pair<int, std::string>>{{5, "Memoria: 10/(255)"}}));
    // The source file is the translation, with its trailer.
    EXPECT_EQ(fileText("SysTemp.src"), ws->translation.source);
    EXPECT_EQ(
        ws->translation.source.substr(ws->translation.source.size() - 19), "\r\n            END\r\n");
}

TEST_F(BuildSequenceTest, SourceFileNamedAfterTheProgram)
{
    beepProgram();
    ws->settings.storeSourceFiles = true;
    ws->programName = "Robot.GTF";
    build(buildModes::Compile);
    EXPECT_FALSE(fileText("Robot.src").empty());
    EXPECT_FALSE(fs::exists(dir / "SysTemp.src"));
}

TEST_F(BuildSequenceTest, CompileSendAndRun)
{
    beepProgram();
    connectByHand();
    const Trace t = build(buildModes::CompileSendRun);
    EXPECT_FALSE(t.waitedForClose);
    EXPECT_EQ(t.statuses.back(), "Terminado!");
    EXPECT_NE(std::find(t.statuses.begin(), t.statuses.end(), "Enviando..."), t.statuses.end());
    EXPECT_NE(std::find(t.statuses.begin(), t.statuses.end(), "Listo!"), t.statuses.end());
    EXPECT_TRUE(result.sent && result.ran);
    const SimulatedBrick& brick = *ws->simulatedBrick();
    EXPECT_TRUE(brick.running());
    EXPECT_EQ(brick.downloadsFinished(), 1);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(brick.programMemory()[std::size_t(i)], ws->assembly.image[std::size_t(i)]) << i;
    EXPECT_EQ(t.panels.back(), (std::pair<int, std::string>{5, "Memoria: 10/255"})); // the brick told its size
    EXPECT_FALSE(ws->link().brickConnected()); // the run closes the link

    // A download-only build sends the image of the previous assembly.
    connectByHand();
    const auto before = brick.receivedReports().size();
    build(buildModes::Send);
    EXPECT_TRUE(result.sent);
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(brick.receivedReports().size() - before, 4u); // three blocks and the end of the download
    EXPECT_EQ(brick.downloadsFinished(), 2);
}

TEST_F(BuildSequenceTest, TooBigForTheLibrary)
{
    beepProgram();
    connectByHand();
    ws->library.libraryCapacity = 5;
    const Trace t = build(buildModes::CompileSendRun);
    EXPECT_TRUE(t.waitedForClose);
    EXPECT_EQ(t.last.status, "El Programa Excede la Memoria Disponible! (10)");
    EXPECT_EQ(t.last.errorSummary, "Error de Espacio de Memoria");
    EXPECT_TRUE(t.last.errorVisible);
    EXPECT_TRUE(ws->simulatedBrick()->receivedReports().size() == 1u); // the identify of connectByHand
    EXPECT_EQ(ws->assembly.imageLength, 10); // the image is kept
}

TEST_F(BuildSequenceTest, UnbalancedSubroutinesWithAndWithoutTheAssistant)
{
    ws->store.activeSequence = 1;
    ws->store.subroutineCount = 1;
    append(element(17, 13, 10, 0, 0, 0, "sub"));
    ws->store.activeSequence = 0;
    Trace t = build(buildModes::Compile);
    EXPECT_EQ(t.last.status, "Una o Varias Subrutinas No Tienen Final!");
    EXPECT_EQ(t.last.errorSummary, "Error de Programacion");
    EXPECT_EQ(std::find(t.statuses.begin(), t.statuses.end(), "Compilando Fuente..."), t.statuses.end());
    EXPECT_FALSE(fileText("SysTemp.src").empty()); // the translated source exists
    EXPECT_EQ(ws->assembly.imageLength, 0);

    // With the assistant off nothing is assembled either: the build says so instead of "Terminado!".
    ws->settings.syntaxAssistantOff = true;
    t = build(buildModes::Compile);
    EXPECT_EQ(result.failure, BuildFailure::NoCode);
    EXPECT_EQ(std::find(t.statuses.begin(), t.statuses.end(), "Terminado!"), t.statuses.end());
}

TEST_F(BuildSequenceTest, AssemblyMessagesStopTheBuild)
{
    connectByHand();
    // A warning alone stops it too, with the box and the list.
    Trace t = build(buildModes::EditorCompileSendRun, " DB 300, 2");
    EXPECT_EQ(result.failure, BuildFailure::Assembly);
    ASSERT_EQ(t.messages.size(), 1u);
    EXPECT_EQ(t.messages[0].title, "Error de Compilacion!");
    EXPECT_TRUE(t.last.errorsVisible);
    EXPECT_FALSE(t.last.errorVisible);
    EXPECT_EQ(errorsText(t.last), " 1 - Aviso: Valor Truncado [2001] : 300\r\n");
    EXPECT_EQ(ws->assembly.errorCount, 0);
    EXPECT_EQ(ws->simulatedBrick()->receivedReports().size(), 1u);
}

TEST_F(BuildSequenceTest, AJumpToAMissingLabelIsNamedAsTheUserDrewIt)
{
    append(element(17, 11, 10, 0, 0, 0, "arriba"));
    append(element(17, 12, 10, 1, 0, 0, "noexiste"));
    const Trace t = build(buildModes::Compile);
    EXPECT_EQ(result.failure, BuildFailure::Assembly);
    // The user's words first, then the assembler's own list with its numbers, as it was.
    EXPECT_EQ(errorsText(t.last),
        "El salto a la etiqueta \"noexiste\" no tiene su etiqueta en el programa (Mi_Prog, fila 1, columna 3)\r\n"
            + ws->assembly.errorsText);
    EXPECT_NE(ws->assembly.errorsText.find("[1001] : C0_noexiste"), std::string::npos);

    // The source editor's text is the user's own: its list is the assembler's alone.
    const Trace editor = build(buildModes::EditorCompile, " JMP C0_noexiste");
    EXPECT_EQ(errorsText(editor.last), ws->assembly.errorsText);
}

TEST_F(BuildSequenceTest, EditorTextWithAndWithoutEnd)
{
    build(buildModes::EditorCompile, " BEEPOK\r\n LDK 5");
    EXPECT_FALSE(result.failure != BuildFailure::None);
    EXPECT_EQ(ws->assembly.imageLength, 3);
    // END in the text ends the assembly there: the line after it is never read.
    build(buildModes::EditorCompile, " BEEPOK\r\n END\r\n NOEXISTE");
    EXPECT_EQ(result.failure, BuildFailure::None);
    EXPECT_EQ(ws->assembly.imageLength, 1);
    build(buildModes::EditorCompile, " BEEPOK\r\n NOEXISTE");
    EXPECT_EQ(ws->assembly.errorCount, 1);
    EXPECT_EQ(ws->assembly.errorsText, " 2 - Error: Instruccion Inexistente [1008] : NOEXISTE\r\n");
    // An empty text assembles to nothing, which is no program.
    build(buildModes::EditorCompile, "");
    EXPECT_EQ(result.failure, BuildFailure::NoCode);
}

TEST_F(BuildSequenceTest, NothingToSendIsNotASentProgram)
{
    // No assembly yet: a download-only build has nothing to send.
    ws->brickReady = true;
    Trace t = build(buildModes::Send);
    EXPECT_EQ(result.failure, BuildFailure::NothingToSend);
    EXPECT_TRUE(t.waitedForClose);

    // A one-byte image is not sent either.
    build(buildModes::EditorCompileSendRun, " BEEPOK");
    EXPECT_EQ(result.failure, BuildFailure::NothingToSend);
    EXPECT_FALSE(result.sent);

    // A brick that is ready but not connected takes nothing: the build says so.
    beepProgram();
    t = build(buildModes::CompileSendRun);
    EXPECT_EQ(result.failure, BuildFailure::Send);
    EXPECT_EQ(t.last.status, "Error al Enviar Programa!");
    EXPECT_EQ(t.last.errorSummary, "Error de Conexion! (2)");
    EXPECT_TRUE(ws->simulatedBrick()->receivedReports().empty());

    // Nor does one that is not ready.
    ws->brickReady = false;
    build(buildModes::Send);
    EXPECT_EQ(result.failure, BuildFailure::Send);
}

TEST_F(BuildSequenceTest, AutomaticConnectionWithoutABrick)
{
    beepProgram();
    ws->settings.autoConnect = true;
    ws->brickReady = true;
    ws->simulatedBrick()->plug(false);
    const Trace t = build(buildModes::CompileSendRun);
    EXPECT_NE(
        std::find(t.statuses.begin(), t.statuses.end(), "Iniciando Conexion con el Ladrillo..."), t.statuses.end());
    EXPECT_NE(std::find(t.panels.begin(), t.panels.end(), std::pair<int, std::string> { 2, "Ladrillo: Conectando..." }),
        t.panels.end());
    EXPECT_EQ(t.panels.back(), (std::pair<int, std::string>{2, "Ladrillo: Ninguno"}));
    EXPECT_EQ(result.failure, BuildFailure::Send);
}

TEST_F(BuildSequenceTest, UnpluggedDuringTheDownload)
{
    for (int i = 0; i < 6; ++i)
        beepProgram();
    connectByHand();
    ws->simulatedBrick()->config().unplugAtBlock = 3;
    const Trace t = build(buildModes::CompileSendRun);
    EXPECT_EQ(result.failure, BuildFailure::Send);
    EXPECT_FALSE(result.sent || result.ran);
    EXPECT_EQ(t.last.status, "Error al Enviar Programa!");
    EXPECT_EQ(t.last.errorSummary, "Error de Conexion! (2)");
    EXPECT_FALSE(ws->link().brickConnected());
    EXPECT_EQ(ws->store.sequenceLength(0), 7); // the program is as it was
    EXPECT_EQ(ws->simulatedBrick()->downloadsFinished(), 0);
}

TEST_F(BuildSequenceTest, LibraryThatFailedItsIntegrityCheck)
{
    beepProgram();
    ws->loadLibrary(std::string(TARVEL_TEST_DATA) + "/every_kind.LIB");
    ASSERT_TRUE(ws->checkLibraryIntegrity());
    ws->assembly.imageLength = 40; // an earlier program
    const Trace t = build(buildModes::CompileSendRun);
    EXPECT_EQ(result.failure, BuildFailure::Integrity);
    EXPECT_EQ(t.last.status, "Falla en la Libreria de Datos de Compilacion!");
    EXPECT_EQ(ws->assembly.imageLength, 0);
    EXPECT_FALSE(fs::exists(dir / "SysTemp.src"));

    // The source editor's text still assembles with the library's instruction set.
    ws->loadLibrary(std::string(TARVEL_APPDIR) + "/Clib_J2A1_USB0.LIB");
    EXPECT_FALSE(ws->libraryIntegrityFailed);
}

TEST_F(BuildSequenceTest, ASourceFileThatCannotBeWritten)
{
    beepProgram();
    fs::create_directory(dir / "SysTemp.src"); // a folder in the way
    const Trace t = build(buildModes::Compile);
    EXPECT_EQ(result.failure, BuildFailure::SourceFile);
    EXPECT_TRUE(t.last.errorsVisible);
    EXPECT_FALSE(errorsText(t.last).empty());
}

TEST_F(BuildSequenceTest, DroppedMidwayLeavesTheBuildModeIdle)
{
    beepProgram();
    {
        BuildSequence sequence(*ws, buildModes::Compile);
        sequence.advance();
        EXPECT_EQ(sequence.close().kind, BuildAction::Continue); // not waiting: "Cerrar" does nothing
        EXPECT_EQ(ws->buildMode, 3);
    }
    EXPECT_EQ(ws->buildMode, 255);
}

TEST_F(BuildSequenceTest, TheBrickCannotBeSwitchedUnderARunningWaitOrBuild)
{
    bool switched = true;
    bool tried = false;
    ws->setLinkObservers({}, [&] {
        if (!tried) {
            tried = true;
            switched = ws->useSimulatedBrick(false); // a menu click while the link waits
        }
    });
    ws->link().WaitMs(3);
    EXPECT_TRUE(tried);
    EXPECT_FALSE(switched);
    EXPECT_TRUE(ws->usingSimulatedBrick());
    ws->buildMode = 15;
    EXPECT_FALSE(ws->useSimulatedBrick(false));
    ws->buildMode = 255;
    EXPECT_TRUE(ws->useSimulatedBrick(false));
    EXPECT_FALSE(ws->usingSimulatedBrick());
}

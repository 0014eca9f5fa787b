#include "workspace/BuildSequence.h"

#include "compiler/Compile.h"
#include "compiler/Translator.h"
#include "model/Text.h"
#include "model/TextFile.h"
#include "workspace/Workspace.h"

namespace tarvel {

namespace {
constexpr int kBusyRetryMs = 1;
constexpr int kConnectPauseMs = 300;
constexpr int kOutOfMemoryPauseMs = 700;
constexpr int kFinishPauseMs = 700;

BuildAction pause()
{
    return BuildAction::of(BuildAction::Continue);
}

BuildAction waitMs(int ms)
{
    return BuildAction::of(BuildAction::Wait, ms);
}
} // namespace

BuildSequence::BuildSequence(Workspace& workspace, int buildMode, std::string editorText)
    : ws_(workspace)
    , mode_(buildMode)
    , editorText_(std::move(editorText))
    , steps_(buildSteps(buildMode, workspace.settings.autoConnect))
{
    ws_.buildMode = buildMode;
    screen_.caption = buildCaption(buildMode);
}

BuildSequence::~BuildSequence()
{
    if (!result_.over)
        ws_.buildMode = buildBits::Idle;
}

BuildAction BuildSequence::advance()
{
    if (result_.over)
        return BuildAction::of(BuildAction::Done);
    if (waitingForClose_)
        return BuildAction::of(BuildAction::WaitForClose);
    while (step_ < steps_.size())
        if (auto action = runStep(steps_[step_]))
            return *action;
    return BuildAction::of(BuildAction::Done); // not reached: Finish, the last step, always answers
}

BuildAction BuildSequence::close()
{
    if (!waitingForClose_)
        return pause();
    waitingForClose_ = false;
    result_.over = true;
    ws_.buildMode = buildBits::Idle;
    return BuildAction::of(BuildAction::Done);
}

std::optional<BuildAction> BuildSequence::runStep(BuildStep step)
{
    switch (step) {
    case BuildStep::OpenLibrary: return openLibrary();
    case BuildStep::Translate: return translate();
    case BuildStep::Assemble: return assemble();
    case BuildStep::Connect: return connect();
    case BuildStep::Download: return download();
    case BuildStep::Run: return run();
    case BuildStep::MemoryCheck:
        if (buildVerdict({0, nullptr, -1, imageLength(), ws_.library.libraryCapacity}) == BuildVerdict::TooBig)
            return fail(BuildFailure::Memory);
        return endStep();
    case BuildStep::SubroutineCheck:
        if (balance_ != 0)
            return fail(ws_.settings.syntaxAssistantOff ? BuildFailure::NoCode : BuildFailure::Subroutines);
        return endStep();
    case BuildStep::Finish: return finish();
    }
    return endStep();
}

std::optional<BuildAction> BuildSequence::endStep()
{
    ++step_;
    phase_ = 0;
    return std::nullopt;
}

std::optional<BuildAction> BuildSequence::openLibrary()
{
    if (phase_ == 0) {
        showStep(QT_TRANSLATE_NOOP("core", "Abriendo Libreria..."));
        phase_ = 1;
        return pause();
    }
    // The image is cleared for the new program; its length goes with it, so that a later download
    // cannot send a cleared image under the old program's length.
    ws_.assembly.image.fill(0);
    ws_.assembly.imageLength = 0;
    if (ws_.libraryIntegrityFailed)
        return fail(BuildFailure::Integrity);
    return endStep();
}

std::optional<BuildAction> BuildSequence::translate()
{
    if (phase_ == 0) {
        showStep(QT_TRANSLATE_NOOP("core", "Compilando Grafos..."));
        ws_.translation.source.clear();
        phase_ = 1;
        return pause();
    }
    ws_.translation = translateProgram(ws_.store, ws_.library, ws_.templateMemory);
    const std::string& text = ws_.translation.source;
    balance_ = ws_.translation.subroutineBalance;
    result_.translated = true;
    panel(StatusPanel::Memory, memoryPanelText(ws_.translation.memoryUsed, ws_.link().brickMemorySize, ws_.library.libraryCapacity));
    const std::string path = ws_.appFile(sourceFileName(ws_.programName, ws_.settings.storeSourceFiles));
    if (Text error = writeFileReplacing(path, text); !error.empty()) {
        screen_.errors = {std::move(error)};
        screen_.errorsVisible = true;
        return fail(BuildFailure::SourceFile);
    }
    return endStep();
}

std::optional<BuildAction> BuildSequence::assemble()
{
    if (balance_ != 0)
        return endStep();
    if (phase_ == 0) {
        // The last list and length go; the image stays, for the bytes an ORG skips.
        Assembly fresh;
        fresh.image = ws_.assembly.image;
        ws_.assembly = std::move(fresh);
        showStep(QT_TRANSLATE_NOOP("core", "Compilando Fuente..."));
        phase_ = 1;
        return pause();
    }
    const std::string input =
        (mode_ & buildBits::EditorText) ? editorAssemblyInput(editorText_) : ws_.translation.source;
    ws_.assembly = tarvel::assemble(splitSourceLines(input), ws_.library, &ws_.assembly.image);
    const Assembly& assembly = ws_.assembly;
    // The capacity is the memory check's, a step of its own.
    const BuildVerdict verdict = buildVerdict(
        {0, &assembly.messages, assembly.cancelledAt, assembly.imageLength, ws_.library.libraryCapacity});
    if (verdictFailure(verdict) == BuildFailure::Assembly) {
        // A jump to a label never drawn shows in the list as the label's generated name: the
        // elements that cause it are named first, as the user drew them.
        const bool flowchart = !(mode_ & buildBits::EditorText);
        screen_.errors = flowchart ? missingLabelLines(ws_.store) : std::vector<Text>();
        for (Text& line : assemblyListTexts(assembly.messages, assembly.cancelledAt))
            screen_.errors.push_back(std::move(line));
        screen_.errorsVisible = true;
        return fail(BuildFailure::Assembly, compilationErrorMessage());
    }
    if (verdict == BuildVerdict::EmptyImage)
        return fail(BuildFailure::NoCode);
    result_.assembled = true;
    if (!(mode_ & buildBits::EditorText))
        ws_.rememberBuild();
    return endStep();
}

std::optional<BuildAction> BuildSequence::connect()
{
    if (!imageCanBeSent(imageLength(), ws_.library.libraryCapacity) || balance_ != 0)
        return endStep();
    if (phase_ == 0) {
        panel(StatusPanel::Brick, QT_TRANSLATE_NOOP("core", "Ladrillo: Conectando..."));
        screen_.status = QT_TRANSLATE_NOOP("core", "Iniciando Conexion con el Ladrillo...");
        phase_ = 1;
        return waitMs(kConnectPauseMs);
    }
    BrickLink& link = ws_.link();
    if (link.busy())
        return waitMs(kBusyRetryMs); // another command's exchange is under way
    if (link.IdentifyBrick()) {
        panel(StatusPanel::Port, Text::literal(ws_.usingSimulatedBrick() ? "SIM" : "USB"));
        panel(StatusPanel::Brick, Text(QT_TRANSLATE_NOOP("core", "Ladrillo: %1")).arg(link.brickName));
    } else {
        panel(StatusPanel::Brick, QT_TRANSLATE_NOOP("core", "Ladrillo: Ninguno"));
    }
    return endStep();
}

std::optional<BuildAction> BuildSequence::download()
{
    if (!imageCanBeSent(imageLength(), ws_.library.libraryCapacity) || balance_ != 0)
        return endStep();
    BrickLink& link = ws_.link();
    switch (phase_) {
    case 0:
        screen_.progress = 0;
        screen_.progressMax = imageLength();
        screen_.status = QT_TRANSLATE_NOOP("core", "Enviando...");
        phase_ = 1;
        return pause();
    case 1:
        if (!ws_.brickReady)
            return fail(BuildFailure::Send);
        sendSize_ = imageLength() & 0xFF; // the address field is one byte
        if (sendSize_ == 0) {
            screen_.status = QT_TRANSLATE_NOOP("core", "Programa Fuera de Memoria!");
            phase_ = 4;
            return waitMs(kOutOfMemoryPauseMs);
        }
        if (!link.brickConnected())
            return fail(BuildFailure::Send); // nothing would go out
        address_ = 0;
        screen_.progress = 1;
        screen_.progressMax = (sendSize_ + 3) / 4 + 2;
        phase_ = 2;
        return pause();
    case 2: return sendBlock();
    case 3:
        if (link.busy())
            return waitMs(kBusyRetryMs);
        link.FinishDownload();
        if (!link.brickConnected())
            return fail(BuildFailure::Send);
        screen_.progress = screen_.progressMax;
        result_.sent = true;
        return endStep();
    default: return fail(BuildFailure::Send);
    }
}

// One program block per call: 01 00 A 00 and four image bytes.
std::optional<BuildAction> BuildSequence::sendBlock()
{
    BrickLink& link = ws_.link();
    if (link.busy())
        return waitMs(kBusyRetryMs);
    if (!link.SendProgramBlock(address_, ws_.assembly.image))
        return fail(BuildFailure::Send); // unplugged or no reply: the link closed itself
    address_ += 4;
    ++screen_.progress;
    if (address_ >= sendSize_)
        phase_ = 3;
    return pause();
}

std::optional<BuildAction> BuildSequence::run()
{
    if (!result_.sent)
        return endStep();
    BrickLink& link = ws_.link();
    if (link.busy())
        return waitMs(kBusyRetryMs);
    const bool started = link.RunBrickProgram() && !link.usb().lastReadTimedOut;
    screen_.progress = screen_.progressMax;
    if (!started)
        return fail(BuildFailure::Run);
    screen_.status = QT_TRANSLATE_NOOP("core", "Listo!");
    result_.ran = true;
    endStep();
    return pause(); // "Listo!" shows before "Terminado!"
}

std::optional<BuildAction> BuildSequence::finish()
{
    if (phase_ == 0) {
        // A download that was asked for and did not happen is not a finished build.
        if ((mode_ & buildBits::Download) && !result_.sent)
            return fail(BuildFailure::NothingToSend);
        screen_.status = QT_TRANSLATE_NOOP("core", "Terminado!");
        phase_ = 1;
        return waitMs(kFinishPauseMs);
    }
    result_.over = true;
    ws_.buildMode = buildBits::Idle;
    return BuildAction::of(BuildAction::Done);
}

BuildAction BuildSequence::fail(BuildFailure failure, std::optional<UserMessage> message)
{
    result_.failure = failure;
    if (failure != BuildFailure::Assembly) { // the assembler's list and the box say it all
        const FailureText text = buildFailureText(failure, imageLength());
        screen_.status = text.status;
        screen_.errorSummary = text.error;
        screen_.errorVisible = true;
    }
    screen_.exitVisible = true;
    waitingForClose_ = true;
    BuildAction action = BuildAction::of(BuildAction::WaitForClose);
    action.message = std::move(message);
    return action;
}

void BuildSequence::showStep(Text status)
{
    ++visibleSteps_;
    screen_.progressMax = 100;
    screen_.progress = stepProgress(visibleSteps_, buildStepCount(mode_));
    screen_.status = std::move(status);
}

void BuildSequence::panel(StatusPanel which, const Text& text)
{
    if (statusPanel)
        statusPanel(which, text);
}

int BuildSequence::imageLength() const
{
    return ws_.assembly.imageLength;
}

} // namespace tarvel

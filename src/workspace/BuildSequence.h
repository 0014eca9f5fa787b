#pragma once
// One build as a state machine: translate, assemble, connect, download and run, as the buildMode
// asks. Each call to advance() does one short piece of work (one step, or one download block) and
// says when to call again, so that whoever drives it keeps its window responsive.
#include "model/StatusPanel.h"
#include "compiler/BuildPlan.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {

class Workspace;

// What the build window shows.
struct BuildScreen {
    Text caption;
    Text status;       // lblConectStatus
    Text errorSummary; // lblError
    bool errorVisible = false;
    std::vector<Text> errors; // txtErrors: the assembler's messages, a line each
    bool errorsVisible = false;
    bool exitVisible = false; // cmdExit, "Cerrar"
    int progress = 0;
    int progressMax = 100;
};

// What the driver does before the next advance().
struct BuildAction {
    enum Kind {
        Continue,     // call again once pending events have run
        Wait,         // call again after `ms` milliseconds
        WaitForClose, // the build stopped on a failure; call close() when the user presses "Cerrar"
        Done,         // the build is over: hide the window
    };
    Kind kind = Continue;
    int ms = 0;
    std::optional<UserMessage> message; // shown before waiting (the compilation error box)

    static BuildAction of(Kind kind, int ms = 0)
    {
        BuildAction action;
        action.kind = kind;
        action.ms = ms;
        return action;
    }
};

struct BuildResult {
    BuildFailure failure = BuildFailure::None;
    bool translated = false;
    bool assembled = false; // the assembly ended without a message
    bool sent = false;      // the image went out and the brick took the end of the download
    bool ran = false;       // the brick was told to start the program
    bool over = false;
};

class BuildSequence {
public:
    // Sets the workspace's buildMode; `editorText` is the source editor's text (bit 16).
    BuildSequence(Workspace& workspace, int buildMode, std::string editorText = {});
    // A sequence dropped before its end still leaves buildMode idle.
    ~BuildSequence();
    BuildSequence(const BuildSequence&) = delete;
    BuildSequence& operator=(const BuildSequence&) = delete;

    BuildAction advance();
    // "Cerrar": ends a build that waits for it (Done); ignored otherwise (Continue).
    BuildAction close();

    const BuildScreen& screen() const { return screen_; }
    const BuildResult& result() const { return result_; }
    bool waitingForClose() const { return waitingForClose_; }
    int mode() const { return mode_; }

    // Texts for the main window's status panels (the port, the brick, the memory).
    std::function<void(StatusPanel panel, const Text& text)> statusPanel;

private:
    // A step answers with what to do next, or with nothing when it is over and the next one can
    // start at once.
    std::optional<BuildAction> runStep(BuildStep step);
    std::optional<BuildAction> openLibrary();
    std::optional<BuildAction> translate();
    std::optional<BuildAction> assemble();
    std::optional<BuildAction> connect();
    std::optional<BuildAction> download();
    std::optional<BuildAction> sendBlock();
    std::optional<BuildAction> run();
    std::optional<BuildAction> finish();
    std::optional<BuildAction> endStep();
    BuildAction fail(BuildFailure failure, std::optional<UserMessage> message = std::nullopt);
    void showStep(Text status);
    void panel(StatusPanel which, const Text& text);
    int imageLength() const;

    Workspace& ws_;
    int mode_;
    std::string editorText_;
    std::vector<BuildStep> steps_;
    std::size_t step_ = 0;
    int phase_ = 0; // the piece of the current step to do next
    int visibleSteps_ = 0;
    int balance_ = 0; // subroutineBalance of this build's translation
    int sendSize_ = 0;
    int address_ = 0;
    bool waitingForClose_ = false;
    BuildScreen screen_;
    BuildResult result_;
};

} // namespace tarvel

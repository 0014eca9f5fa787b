// The main window's build commands and the source editor.
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/build/FormEditSource.h"
#include "gui/build/FormScreenCompi.h"
#include "gui/editor/Canvas.h"
#include "gui/editor/MainWindow.h"
#include "workspace/Workspace.h"

#include <QAction>

namespace tarvel {

bool MainWindow::runBuild(int buildMode, const std::string& editorText, std::function<void(const BuildResult&)> done)
{
    if (ws_.buildMode != buildBits::Idle)
        return false; // one build at a time
    auto* window = new FormScreenCompi(ws_, this, buildMode, editorText);
    window->sequence().statusPanel = [this](StatusPanel panel, const Text& text) { setPanel(panel, uiText(text)); };
    if (dialogs_.takesOtherWindowsMessages())
        window->messageBox = [this, window](const UserMessage& m) { dialogs_.ask(window, m, OkButton); };
    window->finished = [this, done = std::move(done)](const BuildResult& result) {
        if (result.translated && sourceEditor_)
            sourceEditor_->translationChanged();
        if (done)
            done(result);
    };
    window->start();
    return true;
}

void MainWindow::compileCommand(bool fromToolbar)
{
    // The menu compiles always; the toolbar's "Compi" only while the brick tools are on.
    if (fromToolbar && !ws_.brickReady)
        return;
    runBuild(buildModes::Compile);
}

void MainWindow::sendCommand()
{
    if (ws_.brickReady)
        runBuild(buildModes::Send);
}

void MainWindow::compileSendCommand()
{
    if (!ws_.brickReady)
        return;
    runBuild(buildModes::CompileSendRun, {}, [this](const BuildResult& result) {
        // Only a program that was sent and started leaves the brick running on its own.
        if (result.ran) {
            ConnectTool(false);
            setPanel(StatusPanel::Brick, tr("Ladrillo: Conectado?"));
        }
    });
}

FormEditSource* MainWindow::sourceEditor() const
{
    return sourceEditor_;
}

void MainWindow::openSourceEditor()
{
    if (!sourceEditor_) {
        sourceEditor_ = new FormEditSource(ws_, this);
        sourceEditor_->runBuild
            = [this](int mode, const std::string& text, std::function<void(const BuildResult&)> done) {
                  return runBuild(mode, text, std::move(done));
              };
        sourceEditor_->runBrickProgram = [this] { RunBrickProgramCommand(); };
        sourceEditor_->programRan = [this] {
            ConnectTool(false);
            setPanel(StatusPanel::Brick, tr("Ladrillo: Conectado?"));
        };
        if (dialogs_.takesOtherWindowsMessages())
            sourceEditor_->messageBox = [this](const UserMessage& m) { dialogs_.ask(sourceEditor_, m, OkButton); };
        connect(canvas_, &Canvas::elementSelected, sourceEditor_, &FormEditSource::highlightElement);
    }
    if (sourceEditor_->isVisible()) {
        sourceEditor_->raise();
        sourceEditor_->activateWindow();
        return;
    }
    sourceEditor_->openEditor();
}

} // namespace tarvel

#pragma once
// The application frame (MDIForm1): menus, toolbar, status bar, the canvas, start-up and commands.
#include "gui/app/MessageBoxes.h"
#include "gui/app/UserDialogs.h"
#include "gui/editor/MainCommands.h"
#include "model/StatusPanel.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <string_view>

class QAction;
class QIcon;
class QLabel;
class QMenu;
class QToolButton;

namespace tarvel {

class BrickToolsController;
class Canvas;
class FormEditSource;
class RecoverySession;
class SimulatorController;
class ToursController;
struct RecoveryCopy;
class SimulatorWindow;
class Workspace;
struct BuildResult;
struct DialogAccept;
struct EditOutcome;
struct UserMessage;
enum class DialogId;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Its questions and messages go through `dialogs`, which outlives the window.
    explicit MainWindow(Workspace& workspace, UserDialogs& dialogs = messageBoxDialogs(), QWidget* parent = nullptr);

    // The one-time start-up steps (settings file, library, example lists, welcome, new program).
    // `programToOpen` (from the command line) is opened at the end when not empty.
    void startUp(const QString& programToOpen = {}, bool forceSimulated = false);
    // The same with the program's path as the system's bytes (absolute), which need not be UTF-8.
    void startUpWith(const std::string& programToOpen, bool forceSimulated);

    bool SaveProgram(bool saveAs);
    bool OpenProgram(const QString& exampleFileName = {});
    // Reads the program at `path` (the system's bytes) into the store; on success it becomes the
    // open program (named `name`, or its file name) and, when `remember`, a recent file.
    bool openProgramPath(const std::string& path, bool remember, std::string name = {});
    bool NewProgram();
    // An empty program store and canvas: not even the program start.
    void ClearWorkSpace();
    void OpenHelp(const QString& helpName);
    void InterfaceMode(bool fullMode);
    void ConnectTool(bool connected);
    void FullComConnect();
    void StoreConfig();
    void RefreshPanelObjects();
    void RunBrickProgramCommand();
    void setSimulatedBrick(bool simulated);

    // Build, download and run, and the source editor (MainWindowBuild.cpp).
    void compileCommand(bool fromToolbar = false);
    void sendCommand();
    void compileSendCommand();
    void openSourceEditor();
    // Starts a build in the build window unless one is running (false then); `done` gets its result.
    bool runBuild(int buildMode, const std::string& editorText = {},
                  std::function<void(const BuildResult&)> done = {});
    FormEditSource* sourceEditor() const;

private:
    QPointer<FormEditSource> sourceEditor_;

public:

    // The brick tools (BrickToolsController).
    void openMonitor(bool fromToolbar = false);
    void openConsole();
    void openTester();

    // The simulator window (SimulatorController).
    void openSimulator();
    // The simulator with a challenge of retos/ chosen in it.
    void openChallenge(const QString& path);
    // Moves a window that opens over the main window to the right of the flowchart's cells.
    void placeBesideFlowchart(QWidget* window);
    SimulatorWindow* simulator() const;

    // Drawing and editing (MainWindowEditing.cpp).
    void openPalette(int palette);
    void choosePaletteItem(int palette, int item);
    void openElementDialog(DialogId id, const QString& title);
    void applyEdit(const EditOutcome& outcome);
    void modifyCommand();
    void deleteCommand();
    void insertCommand();
    void replaceCommand();
    void separatorCommand();
    void cancelPendingCommand();
    void undoCommand();
    void redoCommand();
    // The palette or parameter dialog open now, if any.
    QWidget* toolWindow() const;

    // The path and melody editors (ToursController).
    void openTourEditor(DialogId id);

    // The file menu's extras and the services that run beside it (MainWindowFile.cpp): recent files,
    // picture export and printing, the recovery copy and the watch for the brick being plugged in.
    void openRecentFile(const std::string& path);
    void exportImageCommand();
    // The active sequence as a PNG or SVG picture, without a dialog: the reason when it failed.
    QString exportImage(const QString& path);
    void printCommand();
    void offerRecovery();
    bool recoverProgram(const RecoveryCopy& copy);
    void pollBrick();
    RecoverySession* recoverySession() const { return recovery_; }

    void setPanel(StatusPanel panel, const QString& text);
    QString panelText(StatusPanel panel) const;
    Canvas& canvas() { return *canvas_; }
    const Canvas& canvas() const { return *canvas_; }
    const MainCommands& commands() const { return commands_; }
    QMenu* exampleMenu(int list) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCommands();
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void fitToScreen();
    void openManual(const char* spanishFile);
    void fillExampleMenus();
    void openExample(int list, int index);
    void setCaption();
    void showWelcome();
    void showAbout();
    void showSettings();
    void showProgramHelp();
    void showStartDialog();
    void showQuickHelp(int cell);
    void openWebPage();
    // Asks whether to save unsaved changes: false when the user cancels or the save fails, so the
    // command that would discard the program stops.
    bool askToSaveChanges();
    void openProgramCommand();
    int message(const UserMessage& m, MessageButtons buttons = OkButton);
    QAction* action(const char* name, const QString& caption, std::function<void()> run);
    void toolbarPicture(std::string_view key, int picture);
    void enableBrickCommands();
    // After a program was read into the store: caption, editor state, canvas and counts.
    void showLoadedProgram();
    void setUpEditing();
    int selectedIndex() const;
    void closeToolWindow();
    bool acceptDialog(const DialogAccept& accept);
    void endModify();
    void showEditorMode();
    void updateUndoActions();
    void startFileServices();
    void rememberRecentFile(const std::string& path);
    void fillRecentMenu();

    Workspace& ws_;
    UserDialogs& dialogs_;
    Canvas* canvas_ = nullptr;
    std::array<QLabel*, 7> panels_{};
    QLabel* panel(StatusPanel which) const { return panels_[std::size_t(int(which) - 1)]; }
    MainCommands commands_;
    std::map<int, QMenu*> exampleMenus_;
    QMenu* grafoMenu_ = nullptr;
    QPointer<QWidget> toolWindow_;
    bool started_ = false;
    bool fullMode_ = true;
    bool integrityFailed_ = false;
    QMenu* recentMenu_ = nullptr;
    RecoverySession* recovery_ = nullptr;
    BrickToolsController* brickTools_ = nullptr;
    ToursController* tours_ = nullptr;
    SimulatorController* simulator_ = nullptr;
};

} // namespace tarvel

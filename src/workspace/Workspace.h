#pragma once
// The one program, library, settings set, brick link and build state of a running Tarvel Lab,
// created in main and passed by reference to every window.
#include "compiler/Assembler.h"
#include "compiler/CompilationLibrary.h"
#include "compiler/Translator.h"
#include "link/BrickLink.h"
#include "link/BrickWatch.h"
#include "link/SimulatedBrick.h"
#include "model/ProgramStore.h"
#include "settings/AppSettings.h"
#include "settings/ExampleList.h"
#include "settings/RecentFiles.h"
#include "editing/EditorState.h"
#include "editing/ProgramEditor.h"
#include "editing/UndoHistory.h"
#include "emulator/ElementMap.h"
#include "emulator/Simulation.h"

#include "model/Cp1252.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvel {


class Workspace {
public:
    explicit Workspace(std::filesystem::path appFolder);
    ~Workspace();

    const std::filesystem::path& appFolder() const { return appFolder_; }
    // A file of the application folder by its name as the lists and programs give it (Windows-1252);
    // the path is the system's own bytes.
    std::string appFile(const std::string& name) const { return (appFolder_ / cp1252ToUtf8(name)).string(); }
    std::string defaultLibraryPath() const { return appFile("Clib_J2A1_USB0.LIB"); }
    std::string configPath() const { return appFile("Config.txt"); }
    std::string recentFilesPath() const { return appFile(kRecentFilesName); }

    // Loads `path` (or the default) as the library; its sizes go to the store. Messages to show.
    std::vector<UserMessage> loadLibrary(const std::string& path);
    // The start-up integrity check: the message when it fails (the element tables are emptied).
    std::optional<UserMessage> checkLibraryIntegrity();

    // The brick: the simulated one or the real one, chosen by the settings.
    BrickLink& link() { return *link_; }
    SimulatedBrick* simulatedBrick() { return simulated_.get(); }
    // Switches between the simulated and the real brick; false (nothing changes) while the link
    // is in use or a build runs.
    bool useSimulatedBrick(bool simulated);
    bool usingSimulatedBrick() const { return simulated_ != nullptr; }
    // The emulator behind the simulated brick and the world its robot drives in.
    Simulation simulation;
    std::string worldPath; // empty: the built-in empty table
    std::string worldsFolder() const { return appFile("worlds"); }
    // Loads a world for the simulation; the message when the file is bad (the world stays).
    std::optional<UserMessage> loadWorld(const std::string& path);
    // Called when the simulated brick starts a program (the simulator window opens itself).
    std::function<void()> simulatedProgramStarted;
    // Who shows the link's state, and how waits let events run (set by the main window).
    void setLinkObservers(LinkEvents events, std::function<void()> pump);
    // One look at whether the brick was plugged in or pulled out (the main window's timer).
    PresenceChange pollBrickPresence();

    ProgramStore store;
    CompilationLibrary library;
    AppSettings settings;
    EditorState editor;
    UndoHistory history;
    ProgramEditor programEditor{store, editor, history, settings.syntaxAssistantOff, settings.warnUncodedIcons};
    // The template state that lives as long as the session, the last translation (its source until
    // the source editor replaces it) and the last assembly (its image is what a download sends).
    TemplateMemory templateMemory;
    Translation translation;
    Assembly assembly;

    // What the last build of the flowchart made, kept so that the simulator can show the running
    // element without building again: the image, the program it was built from (as it saves) and
    // which element each address came from.
    struct LastBuild {
        std::vector<std::uint8_t> image;
        std::vector<std::uint8_t> program;
        ElementMap elements;
    };
    std::optional<LastBuild> lastBuild;
    // Keeps what `translation` and `assembly` hold after a flowchart build that assembled.
    void rememberBuild();
    std::string programName = "Mi Programa.gtf";
    std::string programPath;
    bool brickReady = false;
    ExampleListResult examples;
    RecentFiles recentFiles;
    bool hasHelp = false;
    std::string programHelpText;
    // The running build's bit set (255: none runs); the start-up check emptied the element tables.
    int buildMode = 255;
    bool libraryIntegrityFailed = false;

private:
    void rebuildLink();
    void simulationStarted();

    std::filesystem::path appFolder_;
    SteadyClock clock_;
    std::unique_ptr<BrickTransport> real_;
    std::unique_ptr<SimulatedBrick> simulated_;
    std::unique_ptr<BrickLink> link_;
    LinkEvents events_;
    std::function<void()> pump_;
    BrickWatch brickWatch_;
};

// The element that a sequence shows at a canvas cell.
inline int elementIndex(const ProgramStore& store, int sequence, int cell)
{
    return store.views[std::size_t(sequence)].viewTop + cell;
}

} // namespace tarvel

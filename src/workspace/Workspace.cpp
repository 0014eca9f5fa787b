#include "workspace/Workspace.h"

#include "compiler/Compile.h"
#include "compiler/LibraryLoader.h"
#include "emulator/WorldFile.h"
#include "link/HidTransport.h"
#include "model/ProgramFile.h"
#include "model/Text.h"

namespace tarvel {

Workspace::Workspace(std::filesystem::path appFolder)
    : appFolder_(std::move(appFolder))
{
    programPath = appFile(programName);
    settings = defaultAppSettings(defaultLibraryPath());
    simulation.programStarted = [this] { simulationStarted(); };
    if (const std::string table = (std::filesystem::path(worldsFolder()) / "mesa.json").string();
        std::filesystem::exists(table))
        loadWorld(table);
    rebuildLink();
}

Workspace::~Workspace() = default;

std::vector<UserMessage> Workspace::loadLibrary(const std::string& path)
{
    LibraryLoadResult result = LoadLibrary(library, path, defaultLibraryPath());
    library = std::move(result.library);
    libraryIntegrityFailed = false;
    if (result.usedDefault)
        settings.libraryPath = library.libraryPath;
    store.setElementSizes(library.elementSizeTable);
    return result.messages;
}

std::optional<UserMessage> Workspace::checkLibraryIntegrity()
{
    auto message = CheckLibraryIntegrity(library);
    libraryIntegrityFailed = message.has_value();
    store.setElementSizes(library.elementSizeTable);
    return message;
}

bool Workspace::useSimulatedBrick(bool simulated)
{
    if (simulated == usingSimulatedBrick())
        return true;
    if ((link_ && link_->inUse()) || buildMode != 255)
        return false;
    if (link_ && link_->brickConnected())
        link_->usb().CloseBrick();
    if (simulated) {
        simulated_ = std::make_unique<SimulatedBrick>(clock_);
        simulated_->attachEmulator(&simulation);
    } else {
        simulated_.reset();
    }
    rebuildLink();
    return true;
}

std::optional<UserMessage> Workspace::loadWorld(const std::string& path)
{
    WorldLoad load = loadWorldFile(path);
    if (!load.world)
        return UserMessage{Text::literal(load.error), QT_TRANSLATE_NOOP("core", "Simulador"), MessageIcon::Warning};
    simulation.setWorld(std::move(*load.world));
    worldPath = path;
    return std::nullopt;
}

namespace {

std::vector<std::uint8_t> programBytes(const ProgramStore& store)
{
    auto copy = std::make_unique<ProgramStore>(store); // saving stamps the header
    return serializeProgram(*copy);
}

} // namespace

void Workspace::rememberBuild()
{
    const auto bytes = assembly.bytes();
    lastBuild = LastBuild{{bytes.begin(), bytes.end()}, programBytes(store), ElementMap::fromBuild(translation, assembly)};
}

// The running element can be shown when the image in the brick is the one the last build made of
// the program as it stands now.
void Workspace::simulationStarted()
{
    const auto& memory = simulation.cpu().memory();
    const bool same = lastBuild && !lastBuild->image.empty() && lastBuild->image.size() <= memory.size() &&
                      std::equal(lastBuild->image.begin(), lastBuild->image.end(), memory.begin()) &&
                      lastBuild->program == programBytes(store);
    simulation.setElementMap(same ? lastBuild->elements : ElementMap{});
    if (same)
        simulation.setSteering(store.programSettings.directionMode == 1 ? Steering::Car : Steering::Differential);
    if (simulatedProgramStarted)
        simulatedProgramStarted();
}

void Workspace::setLinkObservers(LinkEvents events, std::function<void()> pump)
{
    events_ = std::move(events);
    pump_ = std::move(pump);
    rebuildLink();
}

PresenceChange Workspace::pollBrickPresence()
{
    BrickTransport& transport = simulated_ ? static_cast<BrickTransport&>(*simulated_) : *real_;
    return brickWatch_.poll(transport, *link_);
}

void Workspace::rebuildLink()
{
    brickWatch_.reset();
    const BrickLink* old = link_.get();
    std::string name = old ? old->brickName : std::string();
    int memory = old ? old->brickMemorySize : 0;
    if (!simulated_ && !real_)
        real_ = std::make_unique<HidTransport>();
    BrickTransport& transport = simulated_ ? static_cast<BrickTransport&>(*simulated_) : *real_;
    link_ = std::make_unique<BrickLink>(transport, clock_, events_, pump_);
    link_->brickName = name;
    link_->brickMemorySize = memory;
}

} // namespace tarvel

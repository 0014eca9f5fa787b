#include "workspace/Workspace.h"

#include "compiler/LibraryLoader.h"
#include "link/HidTransport.h"

namespace tarvel {

Workspace::Workspace(std::filesystem::path appFolder)
    : appFolder_(std::move(appFolder))
{
    programPath = appFile(programName);
    settings = defaultAppSettings(defaultLibraryPath());
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

void Workspace::useSimulatedBrick(bool simulated)
{
    if (simulated == usingSimulatedBrick())
        return;
    if (link_ && link_->brickConnected())
        link_->usb().CloseBrick();
    if (simulated) {
        simulated_ = std::make_unique<SimulatedBrick>(clock_);
    } else {
        simulated_.reset();
    }
    rebuildLink();
}

void Workspace::setLinkObservers(LinkEvents events, std::function<void()> pump)
{
    events_ = std::move(events);
    pump_ = std::move(pump);
    rebuildLink();
}

void Workspace::rebuildLink()
{
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

#pragma once
// The brick tools of the main window: whether they are on, the caption of "Conect" and the toolbar
// pictures of the five brick buttons (numbers of the toolbar's picture list).
#include <array>
#include <string>

namespace tarvel {

struct ToolPicture {
    const char* key; // toolbar key
    int picture;
};

struct BrickTools {
    bool brickReady = false;
    std::string conectCaption;
    std::array<ToolPicture, 5> pictures{};
};

// In automatic mode the tools are always on.
BrickTools brickToolsState(bool connected, bool autoConnect);

} // namespace tarvel

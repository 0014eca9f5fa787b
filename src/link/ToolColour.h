#pragma once
// A colour of the brick tools' shapes: an RGB value, or one of the desktop's own colours.
#include <cstdint>

namespace tarvel {

struct ToolColour {
    enum class System { None, Desktop, ScrollBar };
    std::uint32_t rgb = 0; // 0xRRGGBB
    System system = System::None;
    bool operator==(const ToolColour&) const = default;
};

constexpr ToolColour rgbColour(std::uint32_t rgb)
{
    return {rgb, ToolColour::System::None};
}

} // namespace tarvel

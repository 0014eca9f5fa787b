#pragma once
// The work array of the path and melody editors: int16 items 0..1000.
#include <array>
#include <cstdint>

namespace tarvel {

constexpr int kTourItemSlots = 1001;
using TourItems = std::array<std::int16_t, kTourItemSlots>;

} // namespace tarvel

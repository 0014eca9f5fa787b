#include "link/ReportDescriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace tarvel {

ReportLengths reportLengthsFromDescriptor(std::span<const std::uint8_t> d)
{
    struct Globals {
        std::uint32_t reportSize = 0, reportCount = 0, reportId = 0;
    };
    Globals g;
    std::vector<Globals> stack;
    std::map<std::uint32_t, std::uint64_t> inputBits, outputBits;
    std::size_t i = 0;
    while (i < d.size()) {
        const std::uint8_t prefix = d[i];
        if (prefix == 0xFE) { // long item: skip its data
            if (i + 1 >= d.size())
                break;
            i += 3 + d[i + 1];
            continue;
        }
        static const std::size_t sizes[] = {0, 1, 2, 4};
        const std::size_t size = sizes[prefix & 3];
        if (i + 1 + size > d.size())
            break;
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < size; ++k)
            value |= std::uint32_t(d[i + 1 + k]) << (8 * k);
        switch (prefix & 0xFC) {
        case 0x74: g.reportSize = value; break;
        case 0x94: g.reportCount = value; break;
        case 0x84: g.reportId = value; break;
        case 0xA4: stack.push_back(g); break;
        case 0xB4:
            if (!stack.empty()) {
                g = stack.back();
                stack.pop_back();
            }
            break;
        case 0x80: inputBits[g.reportId] += std::uint64_t(g.reportSize) * g.reportCount; break;
        case 0x90: outputBits[g.reportId] += std::uint64_t(g.reportSize) * g.reportCount; break;
        default: break;
        }
        i += 1 + size;
    }
    auto longest = [](const std::map<std::uint32_t, std::uint64_t>& bits) {
        std::uint64_t most = 0;
        for (const auto& [id, n] : bits)
            most = std::max(most, n);
        return most == 0 ? 0 : int(std::min<std::uint64_t>((most + 7) / 8, 4096)) + 1;
    };
    return {longest(inputBits), longest(outputBits)};
}

} // namespace tarvel

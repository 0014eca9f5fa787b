#include "emulator/ElementMap.h"

#include "compiler/Assembler.h"
#include "compiler/Translator.h"

#include <algorithm>

namespace tarvel {

ElementMap ElementMap::fromBuild(const Translation& translation, const Assembly& assembly)
{
    ElementMap map;
    const auto& address = assembly.lineAddress;
    if (translation.elementSpans.empty() || address.empty())
        return map;
    const auto& last = translation.elementSpans.back();
    if (std::size_t(last.firstLine + last.lineCount) >= address.size())
        return map; // another text was assembled after this translation
    map.lineAddress_ = address;
    // An element's code runs from its first line's address to the next element's first address.
    for (const auto& span : translation.elementSpans) {
        const int first = address[std::size_t(span.firstLine)];
        const int end = address[std::size_t(span.firstLine + span.lineCount)];
        if (first >= 0 && end > first)
            map.ranges_.push_back({first, end, {span.sequence, span.index}});
    }
    std::stable_sort(map.ranges_.begin(), map.ranges_.end(),
                     [](const Range& a, const Range& b) { return a.first < b.first; });
    return map;
}

std::optional<ElementAt> ElementMap::elementAt(int address) const
{
    auto it = std::upper_bound(ranges_.begin(), ranges_.end(), address,
                               [](int a, const Range& r) { return a < r.first; });
    if (it == ranges_.begin())
        return std::nullopt;
    --it;
    if (address >= it->end)
        return std::nullopt;
    return it->element;
}

int ElementMap::sourceLineAt(int address) const
{
    // The last line starting at or before the address that emitted bytes up to past it.
    for (std::size_t line = lineAddress_.size(); line-- > 1;) {
        const int start = lineAddress_[line];
        if (start < 0 || start > address)
            continue;
        const int next = line + 1 < lineAddress_.size() ? lineAddress_[line + 1] : start;
        if (next > address)
            return int(line);
    }
    return 0;
}

} // namespace tarvel

#pragma once
// Which flowchart element (and which source line) produced each image address, so that the
// running element can be shown while the emulator runs.
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvel {

struct Assembly;
struct Translation;

struct ElementAt {
    int sequence = 0;
    int index = 0;
    bool operator==(const ElementAt&) const = default;
};

class ElementMap {
public:
    // From a translation's element spans and the line addresses of the assembly of its source. Empty
    // when the two do not belong together (the assembly did not reach the translated lines).
    static ElementMap fromBuild(const Translation& translation, const Assembly& assembly);

    std::optional<ElementAt> elementAt(int address) const;
    // The source line (1-based) whose instruction holds the address; 0 when none.
    int sourceLineAt(int address) const;
    bool empty() const { return ranges_.empty(); }

    struct Range {
        int first = 0, end = 0; // addresses [first, end)
        ElementAt element;
    };
    const std::vector<Range>& ranges() const { return ranges_; }

private:
    std::vector<Range> ranges_;
    std::vector<int> lineAddress_; // index = line number
};

} // namespace tarvel

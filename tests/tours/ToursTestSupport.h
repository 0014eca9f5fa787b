#pragma once
#include "model/InstructionRecord.h"
#include "tours/PathEditor.h"

#include <string>
#include <vector>

namespace testsupport {

// The first `count` bytes of a record's text.
inline std::vector<int> textBytes(const tarvel::RecordText& text, std::size_t count)
{
    return {text.begin(), text.begin() + std::ptrdiff_t(count)};
}

// Clicks at offsets (in twips) from where the next segment starts.
inline void drawBy(tarvel::PathEditor& editor, double dx, double dy)
{
    const tarvel::TwipPoint s = editor.segmentStart();
    editor.leftClick({s.x + dx, s.y + dy});
}

} // namespace testsupport

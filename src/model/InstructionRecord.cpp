#include "model/InstructionRecord.h"

#include <algorithm>

namespace tarvel {

void clearElement(InstructionRecord& record)
{
    RecordText keep = record.text;
    record = InstructionRecord{};
    record.text = keep;
}

std::string textAsString(const RecordText& text)
{
    return std::string(text.begin(), text.end());
}

void setText(RecordText& text, std::string_view bytes)
{
    text.fill(' ');
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), kTextBytes), text.begin());
}

} // namespace tarvel

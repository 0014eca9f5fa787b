#pragma once
// What must hold in a program store after any edit: dense sequences, label lists that match the
// label elements, subroutine names that match their start elements. Empty when all hold.
#include "model/ProgramStore.h"

#include <algorithm>
#include <string>
#include <vector>

namespace testsupport {

inline std::string storeInvariantFault(const tarvel::ProgramStore& store)
{
    using namespace tarvel;
    if (store.subroutineCount < 0 || store.subroutineCount > kSubroutines)
        return "subroutine count";
    for (int s = 0; s < kSequences; ++s) {
        const int length = store.sequenceLength(s);
        const bool used = s == 0 || s <= store.subroutineCount;
        if (!used) {
            if (length != 0 || store.labelCount[std::size_t(s)] != 0 || !store.subroutineNames[std::size_t(s)].empty())
                return "unused subroutine place " + std::to_string(s) + " not empty";
            continue;
        }
        for (int i = 0; i < ProgramStore::sequenceSlots(s); ++i)
            if (store.recordAt(s, i).empty() != (i >= length))
                return "sequence " + std::to_string(s) + " not dense at " + std::to_string(i);
        const InstructionRecord& start = store.recordAt(s, 0);
        if (s == 0 ? !start.is(17, 10) : !start.is(17, 13))
            return "sequence " + std::to_string(s) + " does not begin with its start";
        if (s > 0 && (start.name != store.subroutineNames[std::size_t(s)] ||
                      store.labelTable[std::size_t(s)][0] != start.name))
            return "subroutine " + std::to_string(s) + " name tables";
        std::vector<std::string> labels, elements;
        const int count = store.labelCount[std::size_t(s)];
        if (count < 1 || count > kLabelEntries)
            return "label count of " + std::to_string(s);
        for (int e = 1; e < count; ++e)
            labels.push_back(store.labelTable[std::size_t(s)][std::size_t(e)]);
        for (int i = 0; i < length; ++i)
            if (store.recordAt(s, i).is(17, 11))
                elements.push_back(store.recordAt(s, i).name);
        std::sort(labels.begin(), labels.end());
        std::sort(elements.begin(), elements.end());
        if (labels != elements)
            return "labels of sequence " + std::to_string(s) + " do not match its label elements";
    }
    return {};
}

} // namespace testsupport

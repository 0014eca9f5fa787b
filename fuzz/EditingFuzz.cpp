// Random edit sequences: after every step the store keeps its invariants and saves and loads back
// to the same bytes; undoing every step gives back the first program.
#include "editing/EditScript.h"
#include "model/ProgramFile.h"
#include "support/StoreInvariants.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace tarvel;

namespace {

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    int next(int modulo) { return at < size ? data[at++] % modulo : 0; }
};

// Elements the palettes make, and a few they do not.
InstructionRecord someElement(Input& in)
{
    static const int kinds[][3] = {{10, 10, 10}, {10, 12, 13}, {11, 10, 12}, {11, 12, 11}, {12, 10, 11}, {13, 10, 10},
                                   {13, 12, 13}, {14, 10, 11}, {14, 15, 13}, {15, 12, 10}, {15, 21, 10}, {17, 11, 10},
                                   {17, 12, 10}, {17, 14, 10}, {17, 15, 10}, {17, 16, 10}, {17, 13, 10}, {9, 9, 9}};
    const auto& k = kinds[in.next(std::size(kinds))];
    static const char* names[] = {"a", "b", "uno", "dos", "x y", "Inicio"};
    return makeElement(k[0], k[1], k[2], in.next(8), in.next(256), in.next(8), names[in.next(std::size(names))]);
}

void fail(const std::string& what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto store = std::make_unique<ProgramStore>();
    EditorState state;
    UndoHistory history;
    bool assistantOff = size > 0 && (data[0] & 1);
    ProgramEditor editor(*store, state, history, assistantOff);
    editor.newProgram();
    const auto first = serializeProgram(*store);
    Input in{data, size, 1};
    int steps = 0;
    while (in.at < in.size && steps < 60) {
        ++steps;
        EditOperation op;
        op.kind = EditOperation::Kind(in.next(7)); // every kind but New
        op.sequence = in.next(store->subroutineCount + 2);
        op.index = in.next(12);
        op.element = someElement(in);
        if (in.next(16) == 0) {
            editor.undo();
        } else if (in.next(16) == 0) {
            editor.redo();
        } else {
            applyEditOperation(editor, *store, state, op);
        }
        if (state.pending())
            fail("an operation left a pending insertion");
        if (auto fault = testsupport::storeInvariantFault(*store); !fault.empty())
            fail(fault);
        const auto saved = serializeProgram(*store);
        auto again = std::make_unique<ProgramStore>();
        if (!loadProgram(*again, saved).ok || serializeProgram(*again) != saved)
            fail("save and open give other bytes");
    }
    while (editor.canUndo())
        editor.undo();
    if (serializeProgram(*store) != first)
        fail("undoing everything does not give the first program back");
    return 0;
}

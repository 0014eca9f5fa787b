#pragma once

namespace tarvel {

// The program's own top-level windows that are plain widgets (the simulator, the source editor,
// the palettes) say they are windows to assistive technologies, as dialogs and the main window do.
void installWindowAccessibility();

} // namespace tarvel

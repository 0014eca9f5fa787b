#pragma once

namespace tarvel {

// What assistive technologies (screen readers, desktop test tools) need beyond Qt's own support:
// - the program's own top-level windows that are plain widgets (the simulator, the source editor,
//   the palettes) say they are windows, as dialogs and the main window do;
// - an entry selected in a combo box's open list through them is chosen, as a click would choose it
//   (Qt only selects it in the list, and the combo keeps its old value);
// - a menu closes when one of its items is pressed through them, as it does for a click;
// - a toolbar's arrow for the buttons that do not fit is named.
// Call once, after the application object is made.
void installAssistiveSupport();

} // namespace tarvel

#pragma once
// Dialogs opened the way the windows open them: from a palette item, or on an element to modify.
#include "EditingSupport.h"

#include "editing/DialogRules.h"

namespace testsupport {

struct Dialogs : Editing {
    // Item `item` of palette `palette` chosen; the dialog it opens, loaded.
    tarvel::DialogRules& fromPalette(int palette, int item)
    {
        editor.openPalette();
        const tarvel::PaletteChoice choice = editor.choosePaletteItem(palette, item);
        rules = tarvel::makeDialogRules(choice.open);
        rules->open(store, state, choice.title);
        return *rules;
    }
    // The dialog of `r` opened to modify it, as the element menu does.
    // `dialog` for elements that no dialog serves (from a foreign file).
    tarvel::DialogRules& modifying(const tarvel::InstructionRecord& r, tarvel::DialogId dialog = tarvel::DialogId::None)
    {
        store.currentElement = r;
        state.insertMode = false;
        state.dialogActionText = tarvel::modifyActionText(r);
        rules = tarvel::makeDialogRules(dialog == tarvel::DialogId::None ? tarvel::dialogFor(r) : dialog);
        rules->open(store, state);
        return *rules;
    }
    const tarvel::ControlState& shown(const std::string& control) const
    {
        return rules->view.controls[std::size_t(rules->controlIndex(control))];
    }
    tarvel::DialogAccept::Action ok() { return rules->accept().action; }
    const tarvel::InstructionRecord& current() const { return store.currentElement; }

    std::unique_ptr<tarvel::DialogRules> rules;
};

} // namespace testsupport

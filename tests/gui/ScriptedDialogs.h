#pragma once
// The main window's questions answered by a test: `answer` gives the button (a QMessageBox
// button); without one the real message box is shown, for a test that answers it by a timer.
#include "gui/app/UserDialogs.h"

#include <functional>

namespace testsupport {

struct ScriptedDialogs : tarvel::UserDialogs {
    std::function<int(const tarvel::UserMessage&, tarvel::MessageButtons)> answer;
    bool waitsForWelcome = true;
    bool keepsRecoveryCopies = true;

    int ask(QWidget* over, const tarvel::UserMessage& m, tarvel::MessageButtons buttons) override
    {
        return answer ? answer(m, buttons) : tarvel::showMessageBox(over, m, buttons);
    }
    // Answered here, the build window's and the source editor's messages are answered here too.
    bool takesOtherWindowsMessages() const override { return bool(answer); }
    bool waitForWelcome() const override { return waitsForWelcome; }
    bool keepRecoveryCopies() const override { return keepsRecoveryCopies; }
};

} // namespace testsupport

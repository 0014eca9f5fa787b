#pragma once
// What the main window asks the person at the screen: its questions and messages, whether start-up
// waits for the welcome window to be closed, and whether the run keeps a recovery copy. The window
// is given one at construction; the real one shows message boxes, an unattended run prints them,
// and the tests answer from a script.
#include "gui/app/MessageBoxes.h"
#include "model/UserMessage.h"

class QWidget;

namespace tarvel {

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // Shows `m` over `over` and returns the QMessageBox::StandardButton that answered it.
    virtual int ask(QWidget* over, const UserMessage& m, MessageButtons buttons) = 0;
    // Whether the build window and the source editor give their messages here as well, instead of
    // showing their own boxes.
    virtual bool takesOtherWindowsMessages() const { return false; }
    // Whether start-up waits for the welcome window to be closed.
    virtual bool waitForWelcome() const { return true; }
    // Whether the run keeps a recovery copy and offers the ones left behind.
    virtual bool keepRecoveryCopies() const { return true; }
};

// The message boxes of a person at the screen (showMessageBox).
class MessageBoxDialogs : public UserDialogs {
public:
    int ask(QWidget* over, const UserMessage& m, MessageButtons buttons) override;
};

// A run nobody watches (a picture, a measurement): messages are printed and answered 0, start-up
// does not wait and the user's recovery copies are left alone.
class PrintedDialogs : public UserDialogs {
public:
    int ask(QWidget* over, const UserMessage& m, MessageButtons buttons) override;
    bool takesOtherWindowsMessages() const override { return true; }
    bool waitForWelcome() const override { return false; }
    bool keepRecoveryCopies() const override { return false; }
};

// The message boxes, one for the whole program.
UserDialogs& messageBoxDialogs();

} // namespace tarvel

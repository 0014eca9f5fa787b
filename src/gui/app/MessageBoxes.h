#pragma once
// The one way a window asks a question or shows a message and waits for the answer.
#include "model/UserMessage.h"

class QWidget;

namespace tarvel {

// The buttons of a message. Unscoped on purpose: a handler written for "is it a question" still
// takes it as a flag.
enum MessageButtons { OkButton = 0, YesNoButtons = 1, YesNoCancelButtons = 2, OkCancelButtons = 3 };

// Shows `m` modally over `over` and returns the QMessageBox::StandardButton pressed. Escape and the
// window's close button answer Cancel where there is one (No for yes/no). The box is not a child on
// the stack: when `over` is closed and deleted while the box is open (the program quits under it),
// the box goes with it and the answer is Cancel.
int showMessageBox(QWidget* over, const UserMessage& m, MessageButtons buttons);

// For a run nobody watches (a picture, a measurement): the message is printed on standard error
// as "title: text" in UTF-8 and answered 0 (no button).
int printMessage(const UserMessage& m, MessageButtons buttons);

// Whether an answer given to a question with Aceptar and Cancelar accepts (test handlers may answer Yes).
bool acceptsOk(int answer);

} // namespace tarvel

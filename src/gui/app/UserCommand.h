#pragma once

#include <QAccessible>
#include <QObject>
#include <QTimer>

#include <utility>

namespace tarvel {

// Runs a command given by a menu item, a tool button or a palette item. While an assistive
// technology drives the program, the command runs on the next turn of the event loop instead: the
// assistive call that pressed the control returns first, so a command that opens a modal window (a
// question, a file dialog) does not keep that call waiting until the window is closed. The context
// object ends the wait if it goes first.
template <typename Command>
void runUserCommand(QObject* context, Command&& command)
{
    if (QAccessible::isActive())
        QTimer::singleShot(0, context, std::forward<Command>(command));
    else
        command();
}

} // namespace tarvel

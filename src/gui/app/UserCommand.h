#pragma once

#include <QAccessible>
#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <utility>

namespace tarvel {

// Runs `command` once no message box or file dialog is open: a command pressed through an
// assistive technology reaches the program past a modal window, and running it there would act
// under the command that asked the question (closing the dialog whose OK is still at work).
inline void runWhenNotModal(QObject* context, std::function<void()> command)
{
    QTimer::singleShot(0, context, [context = QPointer<QObject>(context), command = std::move(command)]() mutable {
        if (!context)
            return;
        if (QApplication::activeModalWidget()) {
            QTimer::singleShot(50, context, [context, command = std::move(command)]() mutable {
                if (context)
                    runWhenNotModal(context, std::move(command));
            });
            return;
        }
        command();
    });
}

// Runs a command given by a menu item, a tool button or a palette item. While an assistive
// technology drives the program, the command runs on the next turn of the event loop instead: the
// assistive call that pressed the control returns first, so a command that opens a modal window (a
// question, a file dialog) does not keep that call waiting until the window is closed. A command
// given while a modal window is open waits for it to close. The context object ends the wait if it
// goes first.
template <typename Command>
void runUserCommand(QObject* context, Command&& command)
{
    if (QApplication::activeModalWidget())
        runWhenNotModal(context, std::function<void()>(std::forward<Command>(command)));
    else if (QAccessible::isActive())
        QTimer::singleShot(0, context, std::forward<Command>(command));
    else
        command();
}

} // namespace tarvel

#include "gui/app/UserDialogs.h"

namespace tarvel {

int MessageBoxDialogs::ask(QWidget* over, const UserMessage& m, MessageButtons buttons)
{
    return showMessageBox(over, m, buttons);
}

int PrintedDialogs::ask(QWidget*, const UserMessage& m, MessageButtons buttons)
{
    return printMessage(m, buttons);
}

UserDialogs& messageBoxDialogs()
{
    static MessageBoxDialogs dialogs;
    return dialogs;
}

} // namespace tarvel

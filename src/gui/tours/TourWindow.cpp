#include "gui/tours/TourWindow.h"

#include "gui/app/MessageBoxes.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace tarvel {

TourWindow::TourWindow(Workspace& workspace, QWidget* parent)
    : TransientWindow(parent)
    , ws_(workspace)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void TourWindow::deactivated()
{
    for (QWidget* w = QApplication::activeWindow(); w; w = w->parentWidget())
        if (w == this)
            return; // our own message box
    close();
}

void TourWindow::reject()
{
    stopActivity();
    QPointer<TourWindow> self(this);
    if (!done_) {
        done_ = true;
        // A copy runs: the window may be deleted while its owner answers (a message's own loop).
        if (const auto run = cancelled)
            run();
    }
    if (self)
        TransientWindow::reject();
}

void TourWindow::finish()
{
    stopActivity();
    done_ = true;
    // Hidden first: a message the commit shows must not find this window still waiting.
    QPointer<TourWindow> self(this);
    hide();
    if (const auto run = commit)
        run();
    if (self)
        accept();
}

bool TourWindow::ask(const UserMessage& m)
{
    // The program may quit while the question is open: then nothing more is done here.
    QPointer<TourWindow> self(this);
    const bool ok = askOkCancel ? askOkCancel(m) : acceptsOk(showMessageBox(this, m, OkCancelButtons));
    return self && ok;
}

} // namespace tarvel

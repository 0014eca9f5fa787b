#include "gui/dialogs/ClosesOnDeactivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace tarvel {

ClosesOnDeactivation::ClosesOnDeactivation(QWidget* window, std::function<void()> cancel)
    : QObject(window)
    , window_(window)
    , cancel_(std::move(cancel))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ClosesOnDeactivation::focusMoved);
    if (window->isActiveWindow())
        armed_ = true;
}

bool ClosesOnDeactivation::ownWindow(QWindow* w) const
{
    for (; w; w = w->transientParent())
        if (w == window_->windowHandle())
            return true;
    return false;
}

void ClosesOnDeactivation::focusMoved(QWindow* now)
{
    if (!now || !window_->isVisible())
        return; // another application, or already closed
    if (ownWindow(now)) {
        armed_ = true;
        return;
    }
    if (now->type() == Qt::Popup || now->type() == Qt::ToolTip)
        return;
    if (armed_ && cancel_)
        cancel_();
}

} // namespace tarvel

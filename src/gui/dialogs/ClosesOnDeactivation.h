#pragma once
// Palettes and parameter dialogs cancel themselves as soon as another window of the program becomes
// active. Switching to another application does not count, nor do the window's own pop-ups and
// message boxes. The watch starts once the window itself has been active.
#include <QObject>
#include <functional>

class QWidget;
class QWindow;

namespace tarvel {

class ClosesOnDeactivation : public QObject {
    Q_OBJECT
public:
    ClosesOnDeactivation(QWidget* window, std::function<void()> cancel);

private:
    void focusMoved(QWindow* now);
    bool ownWindow(QWindow* window) const;

    QWidget* window_;
    std::function<void()> cancel_;
    bool armed_ = false;
};

} // namespace tarvel

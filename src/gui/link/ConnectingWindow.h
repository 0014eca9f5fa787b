#pragma once
// The small "connecting" window (formConnecting) shown while the link connects or disconnects.
#include "link/BrickLink.h"

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;

namespace tarvel {

class ConnectingWindow : public QDialog {
    Q_OBJECT
public:
    explicit ConnectingWindow(QWidget* parent);
    ConnectProgress progress();
    // A connection that failed: the window stays until it is closed, and names the way on without a
    // brick. `useSimulated` switches to the simulated brick (no button when it is empty).
    void showFailure(std::function<void()> useSimulated);

private:
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

} // namespace tarvel

#pragma once
// The small "connecting" window (formConnecting) shown while the link connects or disconnects.
#include "link/BrickLink.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace tarvel {

class ConnectingWindow : public QDialog {
    Q_OBJECT
public:
    explicit ConnectingWindow(QWidget* parent);
    ConnectProgress progress();

private:
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

} // namespace tarvel

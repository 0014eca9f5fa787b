#pragma once
// The communication monitor (formScreenMonitor, "Monitor para Aplicacion del Ladrillo"): five
// buttons, or a mouse-stick pad, that send motor bytes to a program running on the brick.
#include "gui/link/ToolWindow.h"
#include "link/MonitorSteering.h"

#include <QTimer>

class QCheckBox;
class QFrame;
class QLabel;

namespace tarvel {

class LinkRunner;
class Workspace;

class MonitorWindow : public ToolWindow {
    Q_OBJECT
public:
    MonitorWindow(Workspace& workspace, QWidget* parent);

    void load();
    const MonitorPad& pad() const { return pad_; }
    bool linkIdle() const;
    // One beat of the pad's timer (the timer calls it every 200 ms in mouse-stick mode).
    void padTick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void send(std::optional<std::uint8_t> motorByte);
    void setMouseStick(bool on);
    void showPad();
    void showLinkState();

    Workspace& ws_;
    LinkRunner* runner_ = nullptr;
    MonitorPad pad_;
    QTimer timer_;
    QTimer status_;
    QFrame* buttons_ = nullptr;
    QFrame* mouse_ = nullptr;
    QCheckBox* mouseStick_ = nullptr;
    QCheckBox* quenvar_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* pause_ = nullptr;
    QLabel* connect_ = nullptr;
};

} // namespace tarvel

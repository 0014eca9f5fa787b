#pragma once
// The warning shown before the monitor opens (formMonitorWarning, "Aviso!"): load a communication
// program into the brick first. Closing it in any way lets the monitor open.
#include "gui/link/ToolWindow.h"

class QCheckBox;

namespace tarvel {

class Workspace;

class MonitorWarning : public ToolWindow {
    Q_OBJECT
public:
    MonitorWarning(Workspace& workspace, QWidget* parent);

    void load();
    std::function<void()> storeConfig;
    std::function<void()> closed; // the monitor opens now

protected:
    void hideEvent(QHideEvent* event) override;

private:
    Workspace& ws_;
    QCheckBox* dontShow_ = nullptr;
    bool open_ = false;
};

} // namespace tarvel

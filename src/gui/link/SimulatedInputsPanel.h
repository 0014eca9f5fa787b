#pragma once
// "Entradas del Ladrillo Simulado": the simulated brick's light level, front-light reflection,
// touch sensor, remote-control signal and sound level, set by hand.
#include <QGroupBox>

class QCheckBox;
class QSlider;

namespace tarvel {

class Workspace;

class SimulatedInputsPanel : public QGroupBox {
    Q_OBJECT
public:
    SimulatedInputsPanel(Workspace& workspace, QWidget* parent);
    // Shows the inputs of the simulated brick in use; hidden when the real brick is in use.
    void refresh();

private:
    QSlider* slider(const char* name, const QString& text, int row, void (*apply)(Workspace&, int));

    Workspace& ws_;
    QSlider* light_ = nullptr;
    QSlider* reflection_ = nullptr;
    QSlider* sound_ = nullptr;
    QCheckBox* touch_ = nullptr;
    QCheckBox* remote_ = nullptr;
};

} // namespace tarvel

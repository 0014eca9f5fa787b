#include "gui/link/SimulatedInputsPanel.h"

#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

namespace tarvel {

SimulatedInputsPanel::SimulatedInputsPanel(Workspace& workspace, QWidget* parent)
    : QGroupBox(tr("Entradas del Ladrillo Simulado"), parent)
    , ws_(workspace)
{
    setObjectName("frmSimulado");
    auto* grid = new QGridLayout(this);
    light_ = slider("sldSimLuz", tr("Nivel de Luz"), 0, [](Workspace& ws, int v) {
        if (SimulatedBrick* b = ws.simulatedBrick())
            b->setLightLevel(std::uint8_t(v));
    });
    reflection_ = slider("sldSimReflejo", tr("Luz Frontal Reflejada"), 1, [](Workspace& ws, int v) {
        if (SimulatedBrick* b = ws.simulatedBrick())
            b->setFrontLightReflection(std::uint8_t(v));
    });
    sound_ = slider("sldSimSonido", tr("Nivel de Sonido"), 2, [](Workspace& ws, int v) {
        if (SimulatedBrick* b = ws.simulatedBrick())
            b->setSoundLevel(std::uint8_t(v));
    });
    touch_ = new QCheckBox(tr("Sensor de Tacto Presionado"), this);
    touch_->setObjectName("chkSimTacto");
    connect(touch_, &QCheckBox::toggled, this, [this](bool on) {
        if (SimulatedBrick* b = ws_.simulatedBrick())
            b->setTouch(on);
    });
    grid->addWidget(touch_, 3, 0, 1, 3);
    remote_ = new QCheckBox(tr("Señal del Control Remoto"), this);
    remote_->setObjectName("chkSimIr");
    connect(remote_, &QCheckBox::toggled, this, [this](bool on) {
        if (SimulatedBrick* b = ws_.simulatedBrick())
            b->setInfrared(!on); // the receiver's line reads 0 while a signal arrives
    });
    grid->addWidget(remote_, 4, 0, 1, 3);
}

QSlider* SimulatedInputsPanel::slider(const char* name, const QString& text, int row, void (*apply)(Workspace&, int))
{
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* label = new QLabel(text, this);
    grid->addWidget(label, row, 0);
    auto* s = new QSlider(Qt::Horizontal, this);
    s->setObjectName(name);
    s->setRange(0, 255);
    s->setAccessibleName(text);
    label->setBuddy(s);
    grid->addWidget(s, row, 1);
    auto* value = new QLabel("0", this);
    value->setMinimumWidth(28);
    grid->addWidget(value, row, 2);
    connect(s, &QSlider::valueChanged, this, [this, value, apply](int v) {
        value->setText(QString::number(v));
        apply(ws_, v);
    });
    return s;
}

void SimulatedInputsPanel::refresh()
{
    const SimulatedBrick* b = ws_.simulatedBrick();
    setVisible(b != nullptr);
    if (!b)
        return;
    // Setting the controls applies the same values to the brick again, which changes nothing.
    light_->setValue(b->lightLevel());
    reflection_->setValue(b->frontLightReflection());
    sound_->setValue(b->soundLevel());
    touch_->setChecked(b->touch());
    remote_->setChecked(!b->infrared());
}

} // namespace tarvel

#include "gui/link/ConsoleWindow.h"

#include "gui/app/NamedWidgets.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/link/LightPlot.h"
#include "gui/link/LinkRunner.h"
#include "gui/link/SimulatedInputsPanel.h"
#include "gui/link/UpDownBox.h"
#include "workspace/Workspace.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QToolBar>
#include <QVBoxLayout>

namespace tarvel {

ConsoleWindow::ConsoleWindow(Workspace& workspace, QWidget* parent)
    : ToolWindow(parent, "formScreenControl", tr("Consola del Ladrillo"), true)
    , ws_(workspace)
{
    runner_ = new LinkRunner(ws_, this);
    runner_->done = [this](const LinkStep& step, const StepOutcome& outcome) { stepDone(step, outcome); };
    clock_.start();
    live_.setInterval(kLiveReadingIntervalMs);
    connect(&live_, &QTimer::timeout, this, &ConsoleWindow::liveTick);

    auto* layout = new QVBoxLayout(this);

    auto* motors = new QHBoxLayout;
    motors->addWidget(motorColumn(tr("Izquierdo"), "cmdAdvL", "cmdStopL", "cmdRevL", ConsoleMotor::AdvLeft,
                                  ConsoleMotor::StopLeft, ConsoleMotor::RevLeft));
    motors->addWidget(motorColumn(tr("Ambos"), "cmdAdv", "cmdStop", "cmdRev", ConsoleMotor::AdvBoth,
                                  ConsoleMotor::StopBoth, ConsoleMotor::RevBoth));
    motors->addWidget(motorColumn(tr("Derecho"), "cmdAdvR", "cmdStopR", "cmdRevR", ConsoleMotor::AdvRight,
                                  ConsoleMotor::StopRight, ConsoleMotor::RevRight));
    layout->addLayout(motors);

    auto* lights = new QGroupBox(tr("Luces"), this);
    auto* lightRow = new QHBoxLayout(lights);
    for (int i = 0; i < 3; ++i) {
        const QString letter = QString(QChar('A' + i));
        auto* b = namedButton(lights, qPrintable(QStringLiteral("LedID_%1").arg(i)), letter, tr("LED %1").arg(letter));
        connect(b, &QPushButton::clicked, this, [this, i] {
            send(consoleLed(state_, i));
            paintShape(leds_[i], consoleLedColour(i, state_.leds[std::size_t(i)]),
                       state_.leds[std::size_t(i)] ? tr("Encendido") : tr("Apagado"));
        });
        lightRow->addWidget(b);
        leds_[i]
            = makeShape(lights, qPrintable(QStringLiteral("shpLeds_%1").arg(i)), tr("Estado del LED %1").arg(letter));
        lightRow->addWidget(leds_[i]);
    }
    lightRow->addSpacing(16);
    auto* frontLight = namedButton(lights, "cmdFLed", tr("Luz Frontal"));
    connect(frontLight, &QPushButton::clicked, this, [this] { send(consoleFrontLight(state_)); });
    lightRow->addWidget(frontLight);
    lightRow->addStretch();
    layout->addWidget(lights);

    auto* tone = new QGroupBox(tr("Sonido"), this);
    auto* toneGrid = new QGridLayout(tone);
    toneGrid->addWidget(new QLabel(tr("Frecuencia (Hz)"), tone), 0, 0);
    frequency_ = new UpDownBox("txtFreq", "UpDownFreq", kFrequencySpin, tr("Frecuencia (Hz)"), tone);
    toneGrid->addWidget(frequency_, 1, 0);
    toneGrid->addWidget(new QLabel(tr("Duracion (mS)"), tone), 0, 1);
    duration_ = new UpDownBox("txtTime", "UpDownTime", kDurationSpin, tr("Duracion (mS)"), tone);
    toneGrid->addWidget(duration_, 1, 1);
    toneGrid->addWidget(new QLabel(tr("Volumen"), tone), 0, 2);
    volume_ = new QSlider(Qt::Horizontal, tone);
    volume_->setObjectName("slideVol");
    volume_->setAccessibleName(tr("Volumen"));
    volume_->setRange(0, kVolumeMaximum);
    volume_->setMinimumWidth(120);
    toneGrid->addWidget(volume_, 1, 2);
    volumeText_ = new QLabel(tone);
    volumeText_->setObjectName("lblVol");
    volumeText_->setMinimumWidth(40);
    toneGrid->addWidget(volumeText_, 1, 3);
    // The percentage follows the slider when it is let go (or moved with the keyboard).
    connect(volume_, &QSlider::sliderReleased, this,
        [this] { volumeText_->setText(uiText(volumeText(volume_->value()))); });
    connect(volume_, &QSlider::valueChanged, this, [this](int v) {
        if (!volume_->isSliderDown())
            volumeText_->setText(uiText(volumeText(v)));
    });
    auto* beep = namedButton(tone, "cmdBeep", tr("Hacer Beep"));
    connect(beep, &QPushButton::clicked, this, [this] {
        send(consoleBeep(cp(frequency_->box()->text()), cp(duration_->box()->text()), volume_->value()));
    });
    toneGrid->addWidget(beep, 1, 4);
    layout->addWidget(tone);

    auto* sensors = new QGroupBox(tr("Sensores"), this);
    auto* sensorGrid = new QGridLayout(sensors);
    auto* readLight = namedButton(sensors, "cmdLeerLuz", tr("Leer Sensor de Luz"));
    connect(readLight, &QPushButton::clicked, this, [this] { send(consoleReadLight()); });
    sensorGrid->addWidget(readLight, 0, 0);
    sensorGrid->addWidget(new QLabel(tr("Nivel de Luz"), sensors), 0, 1);
    lightBar_ = new QProgressBar(sensors);
    lightBar_->setObjectName("pBarLuz");
    lightBar_->setAccessibleName(tr("Nivel de Luz"));
    lightBar_->setRange(0, 256);
    lightBar_->setTextVisible(false);
    sensorGrid->addWidget(lightBar_, 0, 2);
    lightText_ = new QLabel(sensors);
    lightText_->setObjectName("LblLuz");
    lightText_->setAccessibleName(tr("Valor del Nivel de Luz"));
    lightText_->setMinimumWidth(30);
    sensorGrid->addWidget(lightText_, 0, 3);
    auto* readInfrared = namedButton(sensors, "lblButton_1", "IR", tr("Leer Receptor Infrarrojo"));
    connect(readInfrared, &QPushButton::clicked, this, [this] { send(consoleReadInfrared()); });
    sensorGrid->addWidget(readInfrared, 1, 0);
    infrared_ = makeShape(sensors, "ShpIr", tr("Receptor Infrarrojo"));
    sensorGrid->addWidget(infrared_, 1, 1);
    plot_ = new LightPlot(history_, [this] { return clock_.elapsed(); }, sensors);
    sensorGrid->addWidget(plot_, 1, 2, 1, 2);
    layout->addWidget(sensors);

    auto* brickRow = new QHBoxLayout;
    brickShape_ = makeShape(this, "ShapeBrick", tr("Color del Ladrillo"), 28);
    brickRow->addWidget(brickShape_);
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName("Toolbar1");
    QAction* run = toolbar->addAction(tr("  Ejecutar  "));
    run->setObjectName("Run");
    run->setToolTip(tr("Ejecutar el Programa Guardado en el Ladrillo"));
    connect(run, &QAction::triggered, this, [this] { send(consoleRun()); });
    QAction* turnOff = toolbar->addAction(tr("Apagar"));
    turnOff->setObjectName("TurnOff");
    turnOff->setToolTip(tr("Apagar el Ladrillo"));
    connect(turnOff, &QAction::triggered, this, [this] { send(consoleTurnOff()); });
    for (QAction* a : {run, turnOff})
        if (QWidget* b = toolbar->widgetForAction(a))
            b->setAccessibleName(a->text().trimmed());
    brickRow->addWidget(toolbar);
    auto* off = namedButton(this, "lblButton_0", "OFF", tr("Apagar el Ladrillo (OFF)"));
    connect(off, &QPushButton::clicked, this, [this] { send(consoleTurnOff()); });
    brickRow->addWidget(off);
    brickRow->addStretch();
    layout->addLayout(brickRow);

    simulated_ = new SimulatedInputsPanel(ws_, this);
    layout->addWidget(simulated_);

    auto* bottom = new QHBoxLayout;
    linkText_ = new QLabel(this);
    linkText_->setObjectName("lblEstado");
    linkText_->setWordWrap(true);
    bottom->addWidget(linkText_, 1);
    auto* exit = namedButton(this, "cmdExit", tr("Cerrar"));
    connect(exit, &QPushButton::clicked, this, &QDialog::close);
    bottom->addWidget(exit);
    layout->addLayout(bottom);
}

QWidget* ConsoleWindow::motorColumn(const QString& title, const char* adv, const char* stop, const char* rev,
                                    ConsoleMotor a, ConsoleMotor s, ConsoleMotor r)
{
    auto* box = new QGroupBox(title, this);
    auto* column = new QVBoxLayout(box);
    for (auto [name, caption, control] : {std::tuple {adv, QT_TR_NOOP("Avanzar"), a}, {stop, QT_TR_NOOP("Detener"), s},
             {rev, QT_TR_NOOP("Retroceder"), r}}) {
        // The caption says what, the accessible name also which motor: three "Avanzar" would be one.
        auto* b = namedButton(box, name, tr(caption), tr("%1 %2").arg(tr(caption), title));
        b->setAccessibleDescription(tr("Motor %1").arg(title));
        connect(b, &QPushButton::clicked, this, [this, control] { send(consoleMotor(state_, control)); });
        column->addWidget(b);
    }
    return box;
}

void ConsoleWindow::load()
{
    send(consoleLoad(state_));
    for (int i = 0; i < 3; ++i)
        paintShape(leds_[i], consoleLedColour(i, false), tr("Apagado"));
    frequency_->setValue(kFrequencySpin.initial);
    duration_->setValue(kDurationSpin.initial);
    volume_->setValue(kVolumeMaximum);
    volumeText_->setText(uiText(volumeText(kVolumeMaximum)));
    lightBar_->setValue(0);
    showValue(lightText_, QStringLiteral("00"));
    paintShape(infrared_, rgbColour(0xC0C0C0), tr("Sin leer"));
    history_.clear();
    plot_->update();
    wasConnected_ = false;
    paintShape(brickShape_, brickShapeColour(ws_.link().brickModelCode, ws_.link().brickVariantCode),
               qs(ws_.link().brickName));
    simulated_->refresh();
    showLinkState();
    live_.start();
}

bool ConsoleWindow::linkIdle() const
{
    return runner_->idle();
}

void ConsoleWindow::hideEvent(QHideEvent* event)
{
    // Commands already clicked still go out (a "Detener" just before closing must stop the
    // motors); only the live readings end with the window.
    live_.stop();
    ToolWindow::hideEvent(event);
}

void ConsoleWindow::send(const std::vector<LinkStep>& steps)
{
    runner_->enqueue(steps);
}

void ConsoleWindow::stepDone(const LinkStep& step, const StepOutcome& outcome)
{
    using Kind = LinkStep::Kind;
    switch (step.kind) {
    case Kind::ReadLight: showLight(outcome.light); break;
    case Kind::ReadIr: showInfrared(outcome.infrared); break;
    case Kind::ReadInputs:
        if (outcome.attempted && !outcome.linkLost) {
            showLight(outcome.light);
            showInfrared(outcome.infrared);
            history_.add(clock_.elapsed(), outcome.light);
            plot_->update();
        }
        break;
    case Kind::Run:
        if (outcome.attempted) {
            wasConnected_ = false; // the brick left the link on purpose
            if (setPanel)
                setPanel(StatusPanel::Brick, tr("Ladrillo: %1").arg(qs(ws_.link().brickName)));
        }
        break;
    case Kind::TurnOff:
        if (outcome.attempted) {
            wasConnected_ = false;
            if (setPanel)
                setPanel(StatusPanel::Brick, tr("Ladrillo: Ninguno"));
            if (connectTool)
                connectTool(false);
        }
        break;
    default: break;
    }
    showLinkState();
}

void ConsoleWindow::liveTick()
{
    showLinkState();
    simulated_->refresh();
    plot_->update();
    // One reading per beat while connected, never on top of queued commands or another exchange.
    if (ws_.link().brickConnected() && runner_->idle() && !ws_.link().busy())
        send({LinkStep::of(LinkStep::Kind::ReadInputs)});
}

void ConsoleWindow::showLinkState()
{
    const bool connected = ws_.link().brickConnected();
    if (connected && !wasConnected_)
        paintShape(brickShape_, brickShapeColour(ws_.link().brickModelCode, ws_.link().brickVariantCode),
                   qs(ws_.link().brickName));
    linkText_->setText(uiText(consoleLinkText(connected, wasConnected_ && !connected, ws_.link().brickName)));
    if (connected)
        wasConnected_ = true;
}

void ConsoleWindow::showLight(int level)
{
    lightBar_->setValue(level);
    showValue(lightText_, QString::number(lightBar_->value()));
}

void ConsoleWindow::showInfrared(int state)
{
    paintShape(infrared_, infraredColour(state), state ? tr("Sin Señal") : tr("Señal Recibida"));
}

} // namespace tarvel

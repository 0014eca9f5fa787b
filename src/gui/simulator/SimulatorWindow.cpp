#include "gui/simulator/SimulatorWindow.h"

#include "emulator/SimulatorControls.h"
#include "model/ElementDescription.h"
#include "challenges/ExampleWorlds.h"
#include "emulator/WorldFile.h"
#include "gui/app/NamedWidgets.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/app/UserCommand.h"
#include "gui/audio/TonePlayer.h"
#include "gui/simulator/ChallengePanel.h"
#include "gui/simulator/WorldView.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvel {

namespace {

constexpr int kFrameMs = 16;
const char* const kVariableColours[5] = {"#E53935", "#1E88E5", "#43A047", "#EC407A", "#FB8C00"};

QPushButton* button(const QString& name, const QString& text, const QString& tip, QWidget* parent)
{
    auto* b = namedButton(parent, name, text, tip);
    b->setToolTip(tip);
    return b;
}

QLabel* lamp(const QString& name, const QString& accessible, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAccessibleName(accessible);
    l->setFixedSize(22, 22);
    return l;
}

void setLit(QLabel* label, bool on, const char* colour)
{
    const QString style = QStringLiteral("border-radius: 11px; border: 1px solid #37474F; background: %1;")
                              .arg(on ? colour : "#455A64");
    if (label->styleSheet() != style) {
        label->setStyleSheet(style);
        label->setAccessibleDescription(on ? QCoreApplication::translate("tarvel::SimulatorWindow", "encendido")
                                           : QCoreApplication::translate("tarvel::SimulatorWindow", "apagado"));
    }
}

} // namespace

SimulatorWindow::SimulatorWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ws_(workspace)
{
    setObjectName("formSimulador");
    setWindowTitle(tr("Simulador"));
    resize(1000, 640);
    tones_ = new TonePlayer(this);
    buildControls();
    timer_ = new QTimer(this);
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(kFrameMs);
    connect(timer_, &QTimer::timeout, this, &SimulatorWindow::frame);
    clock_.start();
    refreshPanel();
}

void SimulatorWindow::buildControls()
{
    auto* outer = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    outer->addLayout(left, 1);

    auto* bar = new QHBoxLayout;
    auto* runButton = button("cmdEjecutar", tr("Ejecutar"), tr("Ejecutar o continuar el programa (F5)"), this);
    auto* pauseButton = button("cmdPausa", tr("Pausa"), tr("Detener el tiempo (F6)"), this);
    auto* stepButton = button("cmdPaso", tr("Paso"), tr("Ejecutar una instruccion (F10)"), this);
    auto* elementButton
        = button("cmdPasoBloque", tr("Paso Bloque"), tr("Ejecutar hasta el bloque siguiente (F11)"), this);
    auto* resetButton =
        button("cmdReiniciarPosicion", tr("Reiniciar Posicion"), tr("Volver el robot a su lugar de partida"), this);
    connect(runButton, &QPushButton::clicked, this, [this] { run(); });
    connect(pauseButton, &QPushButton::clicked, this, [this] { pause(); });
    connect(stepButton, &QPushButton::clicked, this, [this] { step(false); });
    connect(elementButton, &QPushButton::clicked, this, [this] { step(true); });
    connect(resetButton, &QPushButton::clicked, this, [this] {
        ws_.simulation.resetRobot();
        view_->update();
    });
    for (auto [key, slot] : {std::pair{Qt::Key_F5, 0}, {Qt::Key_F6, 1}, {Qt::Key_F10, 2}, {Qt::Key_F11, 3}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this, slot = slot] {
            if (slot == 0)
                run();
            else if (slot == 1)
                pause();
            else
                step(slot == 3);
        });
    }
    speeds_ = new QComboBox(this);
    speeds_->setObjectName("cmbVelocidad");
    speeds_->setAccessibleName(tr("Velocidad"));
    speeds_->setToolTip(tr("Velocidad de la simulacion"));
    for (const auto& s : kSimulatorSpeeds)
        speeds_->addItem(s.label);
    speeds_->setCurrentIndex(kNormalSpeed);
    worlds_ = new QComboBox(this);
    worlds_->setObjectName("cmbMundo");
    worlds_->setAccessibleName(tr("Mundo"));
    worlds_->setToolTip(tr("Mundo donde anda el robot"));
    worlds_->setMinimumContentsLength(12);
    fillWorlds();
    // "Abrir otro mundo..." asks for a file: a choice made through an assistive technology returns first.
    connect(worlds_, &QComboBox::activated, this,
            [this](int index) { runUserCommand(this, [this, index] { chooseWorld(index); }); });
    // Two rows, so that the window fits beside the flowchart on a small screen.
    for (QWidget* w : std::initializer_list<QWidget*>{runButton, pauseButton, stepButton, elementButton})
        bar->addWidget(w);
    bar->addStretch();
    left->addLayout(bar);
    auto* challenges = button("cmdRetos", tr("Retos"), tr("Elegir un reto: un mundo y objetivos que el programa debe cumplir"), this);
    challengeMenu_ = new QMenu(challenges);
    challengeMenu_->setObjectName("mnuRetosSimulador");
    challengeMenu_->setAccessibleName(tr("Retos"));
    connect(challengeMenu_, &QMenu::aboutToShow, this, [this] { fillChallengeMenu(); });
    // Opened with popup(), not as a button menu (whose press waits in the menu's own loop): a press
    // through an assistive technology returns at once, and the menu is a child of its button.
    connect(challenges, &QAbstractButton::clicked, this, [this, challenges] {
        challengeMenu_->popup(challenges->mapToGlobal(QPoint(0, challenges->height())));
    });
    auto* worldBar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{speeds_, resetButton, worlds_})
        worldBar->addWidget(w);
    worldBar->addStretch();
    left->addLayout(worldBar);
    view_ = new WorldView(ws_.simulation, this);
    left->addWidget(view_, 1);
    challenge_ = new ChallengePanel(ws_, this);
    challenge_->showMessage = [this](const UserMessage& m) {
        if (showMessage)
            showMessage(m);
    };
    challenge_->worldChanged = [this] {
        view_->worldChanged();
        fillWorlds();
        refreshPanel();
    };
    challenge_->runJudged = [this] { showJudgedRun(); };
    view_->paintOver = [this](QPainter& painter) { challenge_->paintOverWorld(painter); };
    left->addWidget(challenge_);
    status_ = new QLabel(this);
    status_->setObjectName("lblEstado");
    left->addWidget(status_);

    auto* panel = new QWidget(this);
    panel->setFixedWidth(260);
    auto* side = new QVBoxLayout(panel);
    side->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    // At the top of the panel, where it takes no width from the world.
    challenges->setParent(panel);
    side->addWidget(challenges);
    auto* brick = new QGroupBox(tr("Ladrillo"), panel);
    brick->setObjectName("fraLadrillo");
    auto* grid = new QGridLayout(brick);
    grid->addWidget(new QLabel(tr("Leds"), brick), 0, 0);
    auto* ledRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        const QString name = QString(QChar('A' + i));
        leds_[std::size_t(i)] = lamp("shpLed" + name, tr("Led %1").arg(name), brick);
        ledRow->addWidget(new QLabel(name, brick));
        ledRow->addWidget(leds_[std::size_t(i)]);
    }
    grid->addLayout(ledRow, 0, 1);
    grid->addWidget(new QLabel(tr("Luz"), brick), 1, 0);
    lamp_ = lamp("shpLuz", tr("Luz del Ladrillo"), brick);
    grid->addWidget(lamp_, 1, 1);
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(new QLabel(i == 0 ? tr("Motor A") : tr("Motor B"), brick), 2 + i, 0);
        motors_[std::size_t(i)] = new QLabel(brick);
        motors_[std::size_t(i)]->setObjectName(i == 0 ? "lblMotorA" : "lblMotorB");
        grid->addWidget(motors_[std::size_t(i)], 2 + i, 1);
    }
    for (int i = 0; i < 5; ++i) {
        auto* name = new QLabel(uiText(kVariableNames[std::size_t(i)]), brick);
        name->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(kVariableColours[i]));
        grid->addWidget(name, 4 + i, 0);
        variables_[std::size_t(i)] = new QLabel("0", brick);
        variables_[std::size_t(i)]->setObjectName(QStringLiteral("lblVariable_%1").arg(i + 1));
        variables_[std::size_t(i)]->setAccessibleName(uiText(kVariableNames[std::size_t(i)]));
        grid->addWidget(variables_[std::size_t(i)], 4 + i, 1);
    }
    element_ = new QLabel(brick);
    element_->setObjectName("lblBloque");
    element_->setWordWrap(true);
    element_->setMinimumHeight(element_->fontMetrics().lineSpacing() * 3);
    element_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(element_, 9, 0, 1, 2);
    side->addWidget(brick);

    auto* talk = new QGroupBox(tr("Mensajes a la PC"), panel);
    auto* talkLayout = new QVBoxLayout(talk);
    messages_ = new QPlainTextEdit(talk);
    messages_->setObjectName("txtMensajes");
    messages_->setAccessibleName(tr("Mensajes del programa"));
    messages_->setReadOnly(true);
    messages_->setMaximumBlockCount(500);
    messages_->setMinimumHeight(90);
    talkLayout->addWidget(messages_);
    auto* sendRow = new QHBoxLayout;
    pcByte_ = new QSpinBox(talk);
    pcByte_->setObjectName("txtMensajePC");
    pcByte_->setAccessibleName(tr("Byte para enviar desde la PC"));
    pcByte_->setRange(0, 255);
    auto* send = button("cmdEnviar", tr("Enviar"), tr("Enviar el byte al programa como mensaje de la PC"), talk);
    connect(send, &QPushButton::clicked, this, [this] { ws_.simulation.sendMessage(std::uint8_t(pcByte_->value())); });
    sendRow->addWidget(pcByte_);
    sendRow->addWidget(send);
    talkLayout->addLayout(sendRow);
    side->addWidget(talk);

    auto* inputs = new QGroupBox(tr("Entradas"), panel);
    auto* inputLayout = new QVBoxLayout(inputs);
    auto* remote = new QGridLayout;
    for (std::size_t i = 0; i < kRemoteKeys.size(); ++i) {
        const auto& key = kRemoteKeys[i];
        auto* b = button(QStringLiteral("cmdControl_%1").arg(i), qs(key.label),
                         tr("Tecla del control remoto (dato %1)").arg(key.data), inputs);
        b->setMaximumWidth(44);
        connect(b, &QPushButton::clicked, this, [this, data = key.data] { ws_.simulation.pressRemoteKey(data); });
        remote->addWidget(b, int(i / 3), int(i % 3));
    }
    inputLayout->addLayout(remote);
    auto* clap = button("cmdAplauso", tr("Aplaudir"), tr("Un aplauso frente al microfono"), inputs);
    connect(clap, &QPushButton::clicked, this, [this] { ws_.simulation.clap(); });
    auto* touch
        = button("cmdTocar", tr("Tocar"), tr("Apretar el sensor de tacto mientras se mantiene el boton"), inputs);
    connect(touch, &QPushButton::pressed, this, [this] { ws_.simulation.holdTouch(true); });
    connect(touch, &QPushButton::released, this, [this] { ws_.simulation.holdTouch(false); });
    inputLayout->addWidget(clap);
    inputLayout->addWidget(touch);
    side->addWidget(inputs);
    side->addStretch();
}

void SimulatorWindow::fillWorlds()
{
    worlds_->clear();
    for (const auto& file : worldFiles(ws_.worldsFolder())) {
        const WorldLoad load = loadWorldFile(file);
        const QString name = load.world ? qs(load.world->name) : QString::fromStdString(file.stem().string());
        worlds_->addItem(name, QString::fromStdString(file.string()));
        if (file.string() == ws_.worldPath)
            worlds_->setCurrentIndex(worlds_->count() - 1);
    }
    worlds_->addItem(tr("Abrir otro mundo..."));
    if (ws_.worldPath.empty())
        worlds_->setCurrentIndex(-1); // the plain table the simulation starts with
}

void SimulatorWindow::chooseWorld(int index)
{
    QString path = worlds_->itemData(index).toString();
    if (path.isEmpty()) {
        path = QFileDialog::getOpenFileName(this, tr("Abrir Mundo"), QString::fromStdString(ws_.worldsFolder()),
                                            tr("Mundos (*.json)"));
        if (path.isEmpty()) {
            fillWorlds();
            return;
        }
    }
    if (auto error = ws_.loadWorld(path.toStdString()); error && showMessage)
        showMessage(*error);
    view_->worldChanged();
    fillWorlds();
}

void SimulatorWindow::fillChallengeMenu()
{
    challengeMenu_->clear();
    const auto listed = ChallengePanel::listed(ws_);
    if (listed.empty()) {
        QAction* none = challengeMenu_->addAction(tr("No hay retos en %1").arg(ChallengePanel::folder(ws_)));
        none->setEnabled(false);
        return;
    }
    int n = 0;
    for (const auto& entry : listed) {
        QAction* a = challengeMenu_->addAction(entry.title);
        a->setObjectName(QStringLiteral("mnuReto_%1").arg(n++));
        if (!entry.problem.isEmpty()) {
            // A bad file stays in the list with what is wrong in it, for the teacher who wrote it.
            a->setEnabled(false);
            a->setToolTip(entry.problem);
            a->setStatusTip(entry.problem);
            continue;
        }
        connect(a, &QAction::triggered, this, [this, path = entry.path] {
            runUserCommand(this, [this, path] { chooseChallenge(path); });
        });
    }
}

bool SimulatorWindow::chooseChallenge(const QString& path)
{
    paused_ = true;
    const bool chosen = challenge_->choose(path);
    eventsSeen_ = 0;
    screen_.clear();
    messages_->clear();
    refreshPanel();
    return chosen;
}

void SimulatorWindow::showExampleWorld()
{
    if (challenge_->challenge())
        return;
    const auto world = loadExampleWorlds(ws_.appFolder()).worldFor(ws_.programPath);
    if (!world)
        return;
    const std::string path = (std::filesystem::path(ws_.worldsFolder()) / cp1252ToUtf8(*world)).string();
    if (path == ws_.worldPath)
        return;
    // The program's steering, set as it started, stays: the world only brings its table.
    const Steering steering = ws_.simulation.steering();
    if (auto error = ws_.loadWorld(path)) {
        if (showMessage)
            showMessage(*error);
        return;
    }
    ws_.simulation.setSteering(steering);
    view_->worldChanged();
    fillWorlds();
}

void SimulatorWindow::showJudgedRun()
{
    // The judged run, finished: its robot, outputs and messages, paused where it ended.
    paused_ = true;
    eventsSeen_ = 0;
    screen_.clear();
    messages_->clear();
    takeEvents();
    refreshPanel();
    view_->update();
}

double SimulatorWindow::speed() const
{
    const int index = std::clamp(speeds_->currentIndex(), 0, int(kSimulatorSpeeds.size()) - 1);
    return kSimulatorSpeeds[std::size_t(index)].factor;
}

void SimulatorWindow::showEvent(QShowEvent*)
{
    clock_.restart();
    timer_->start();
}

void SimulatorWindow::programStarted()
{
    eventsSeen_ = 0;
    screen_.clear();
    messages_->clear();
    paused_ = false;
    clock_.restart();
    timer_->start();
}

void SimulatorWindow::run()
{
    if (!ws_.simulation.cpu().running())
        ws_.simulation.start(); // the program in the brick, from its first instruction
    paused_ = false;
    clock_.restart();
    timer_->start();
}

void SimulatorWindow::pause()
{
    paused_ = true;
    refreshPanel();
}

void SimulatorWindow::step(bool element)
{
    paused_ = true;
    if (!ws_.simulation.cpu().running())
        ws_.simulation.start();
    else if (element)
        ws_.simulation.stepElement();
    else
        ws_.simulation.stepInstruction();
    takeEvents();
    refreshPanel();
    view_->update();
}

void SimulatorWindow::frame()
{
    const std::int64_t elapsed = clock_.nsecsElapsed() / 1000;
    clock_.restart();
    if (!paused_)
        ws_.simulation.advanceTo(ws_.simulation.timeUs() + frameAdvanceUs(elapsed, speed()));
    takeEvents();
    refreshPanel();
    if (isVisible())
        view_->update();
    else if (!ws_.simulation.cpu().running())
        timer_->stop();
}

void SimulatorWindow::takeEvents()
{
    const auto& events = ws_.simulation.events();
    if (events.size() < eventsSeen_)
        eventsSeen_ = 0;
    bool wrote = false;
    std::vector<ToneNote> notes;
    for (; eventsSeen_ < events.size(); ++eventsSeen_) {
        const SimEvent& e = events[eventsSeen_];
        if (e.kind == SimEvent::Kind::Send) {
            screen_.receive(std::uint8_t(e.value), std::uint8_t(e.format));
            wrote = true;
        } else if (e.kind == SimEvent::Kind::Tone && !paused_ && speed() <= 1) {
            notes.push_back({e.frequency, double(e.durationUs) / 1000 / speed(), e.duty});
        }
    }
    if (!notes.empty())
        tones_->play(notes);
    if (wrote) {
        messages_->setPlainText(qs(screen_.text()));
        messages_->verticalScrollBar()->setValue(messages_->verticalScrollBar()->maximum());
    }
}

void SimulatorWindow::refreshPanel()
{
    const Simulation& sim = ws_.simulation;
    const BrickCpu& cpu = sim.cpu();
    showValue(status_, uiText(simulatorStatus(sim, paused_)));
    for (int i = 0; i < 3; ++i)
        setLit(leds_[std::size_t(i)], cpu.leds() & (4 >> i), "#FF1744");
    setLit(lamp_, cpu.lamp(), "#FFEB3B");
    showValue(motors_[0], uiText(motorDirection(cpu.motors(), true)));
    showValue(motors_[1], uiText(motorDirection(cpu.motors(), false)));
    for (int i = 0; i < 5; ++i)
        showValue(variables_[std::size_t(i)], QString::number(cpu.v()[std::size_t(i + 1)]));
    const auto running = sim.runningElement();
    const int sequence = running ? running->sequence : -1, index = running ? running->index : -1;
    if (running) {
        const InstructionRecord& r = ws_.store.recordAt(sequence, index);
        showValue(element_, tr("Bloque: %1").arg(uiText(shownDescription(r, ws_.store)).trimmed()));
    } else {
        const QString address = tr("Direccion %1").arg(cpu.currentInstruction());
        showValue(element_, cpu.running() ? address : QString());
    }
    if (showRunningElement && (sequence != lastSequence_ || index != lastIndex_ || running))
        showRunningElement(sequence, index);
    lastSequence_ = sequence;
    lastIndex_ = index;
}

} // namespace tarvel

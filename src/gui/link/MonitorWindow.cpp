#include "gui/link/MonitorWindow.h"

#include "gui/app/NamedWidgets.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/editor/IconStore.h"
#include "gui/link/LinkRunner.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvel {

namespace {
constexpr int kStatusIntervalMs = 500;
constexpr double kTwipsPerPixel = 15;
} // namespace

MonitorWindow::MonitorWindow(Workspace& workspace, QWidget* parent)
    : ToolWindow(parent, "formScreenMonitor", tr("Monitor para Aplicacion del Ladrillo"), true)
    , ws_(workspace)
{
    runner_ = new LinkRunner(ws_, this);
    timer_.setObjectName("TimerMouse");
    timer_.setInterval(kMonitorTimerMs);
    connect(&timer_, &QTimer::timeout, this, &MonitorWindow::padTick);
    status_.setInterval(kStatusIntervalMs);
    connect(&status_, &QTimer::timeout, this, &MonitorWindow::showLinkState);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setObjectName("imgGrafo");
    picture->setPixmap(IconStore::pixmap("toolbar", "10", QSize(48, 48)));
    picture->setAccessibleName(tr("Monitor de Comunicacion"));
    top->addWidget(picture);
    auto* labels = new QVBoxLayout;
    description_ = new QLabel(this);
    description_->setObjectName("lblDescript");
    description_->setAccessibleName(tr("Direccion"));
    labels->addWidget(description_);
    pause_ = new QLabel(this);
    pause_->setObjectName("lblPause");
    pause_->setAccessibleName(tr("Estado"));
    labels->addWidget(pause_);
    top->addLayout(labels, 1);
    layout->addLayout(top);

    // The two modes share one place: the button frame or the pad.
    auto* modes = new QGridLayout;
    buttons_ = new QFrame(this);
    buttons_->setObjectName("frmMonitor");
    buttons_->setFrameShape(QFrame::StyledPanel);
    buttons_->setMouseTracking(true);
    buttons_->installEventFilter(this);
    auto* cross = new QGridLayout(buttons_);
    struct Place {
        MonitorButton button;
        int row, column;
        Qt::ArrowType arrow;
    };
    for (const Place& p : {Place{MonitorButton::Up, 0, 1, Qt::UpArrow}, Place{MonitorButton::Left, 1, 0, Qt::LeftArrow},
                           Place{MonitorButton::Stop, 1, 1, Qt::NoArrow}, Place{MonitorButton::Right, 1, 2, Qt::RightArrow},
                           Place{MonitorButton::Down, 2, 1, Qt::DownArrow}}) {
        const MonitorButtonText* text = nullptr;
        for (const auto& b : monitorButtons())
            if (b.button == p.button)
                text = &b;
        auto* b = new QToolButton(buttons_);
        b->setObjectName(text->name);
        b->setToolTip(text->tooltip);
        b->setAccessibleName(text->tooltip);
        b->setFixedSize(48, 48);
        if (p.arrow == Qt::NoArrow)
            b->setText(QStringLiteral("■"));
        else
            b->setArrowType(p.arrow);
        connect(b, &QToolButton::clicked, this, [this, motorByte = text->motorByte] { send(motorByte); });
        cross->addWidget(b, p.row, p.column);
    }
    modes->addWidget(buttons_, 0, 0);
    mouse_ = new QFrame(this);
    mouse_->setObjectName("frmMouse");
    mouse_->setFrameShape(QFrame::Box);
    mouse_->setMinimumSize(180, 170);
    mouse_->setMouseTracking(true);
    mouse_->setCursor(Qt::CrossCursor);
    mouse_->setAccessibleName(tr("Area del MouseStick"));
    mouse_->setToolTip(tr("Mueva el mouse para conducir; doble clic para pausar"));
    mouse_->installEventFilter(this);
    modes->addWidget(mouse_, 0, 0);
    layout->addLayout(modes);

    mouseStick_ = new QCheckBox(tr("Funcionar Como MouseStick"), this);
    mouseStick_->setObjectName("chkMouseStick");
    connect(mouseStick_, &QCheckBox::toggled, this, &MonitorWindow::setMouseStick);
    layout->addWidget(mouseStick_);
    quenvar_ = new QCheckBox(tr("Funcionar con el Control Quenvar"), this);
    quenvar_->setObjectName("chkQuenvar");
    layout->addWidget(quenvar_);

    auto* bottom = new QHBoxLayout;
    connect_ = new QLabel(this);
    connect_->setObjectName("lblConnect");
    connect_->setWordWrap(true);
    bottom->addWidget(connect_, 1);
    auto* exit = new QPushButton(tr("Salir"), this);
    exit->setObjectName("cmdSalir");
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QDialog::close);
    bottom->addWidget(exit);
    layout->addLayout(bottom);
}

void MonitorWindow::load()
{
    pad_ = MonitorPad{};
    mouseStick_->setChecked(false);
    setMouseStick(false);
    showPad();
    connect_->clear();
    runner_->enqueue({LinkStep::wait(50)});
    showLinkState();
    status_.start();
}

bool MonitorWindow::linkIdle() const
{
    return runner_->idle();
}

void MonitorWindow::hideEvent(QHideEvent* event)
{
    timer_.stop();
    status_.stop();
    ToolWindow::hideEvent(event);
}

void MonitorWindow::setMouseStick(bool on)
{
    mouse_->setVisible(on);
    mouse_->setEnabled(on);
    buttons_->setVisible(!on);
    buttons_->setEnabled(!on);
    (on ? mouse_ : buttons_)->raise();
    if (on)
        timer_.start();
    else
        timer_.stop();
}

bool MonitorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mouse_) {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const QPointF at = static_cast<QMouseEvent*>(event)->position();
            pad_.moved(at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel);
            break;
        }
        case QEvent::MouseButtonRelease:
            pad_.clicked();
            showPad();
            break;
        case QEvent::MouseButtonDblClick:
            send(pad_.doubleClicked());
            showPad();
            break;
        case QEvent::Leave: send(pad_.left(quenvar_->isChecked())); break;
        default: break;
        }
    } else if (watched == buttons_ && event->type() == QEvent::MouseMove) {
        send(pad_.left(quenvar_->isChecked()));
    }
    return ToolWindow::eventFilter(watched, event);
}

void MonitorWindow::padTick()
{
    send(pad_.tick());
    showPad();
}

void MonitorWindow::send(std::optional<std::uint8_t> motorByte)
{
    // At once, without the console's wait; nothing at all while no brick is connected.
    if (motorByte && ws_.link().brickConnected())
        runner_->enqueue({LinkStep::motors(*motorByte)});
    showLinkState();
}

void MonitorWindow::showPad()
{
    showValue(description_, uiText(pad_.description));
    showValue(pause_, uiText(pad_.pause));
}

void MonitorWindow::showLinkState()
{
    connect_->setText(ws_.link().brickConnected() ? QString()
                                                   : tr("Ladrillo no conectado: use \"Conectar\""));
}

} // namespace tarvel

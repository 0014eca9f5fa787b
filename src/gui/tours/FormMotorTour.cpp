#include "gui/tours/FormMotorTour.h"

#include "gui/app/NamedWidgets.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/tours/TourArea.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvel {

namespace {
constexpr int kFrameMs = 40;

} // namespace

FormMotorTour* FormMotorTour::openNew(Workspace& workspace, QWidget* parent)
{
    workspace.editor.insertMode = true;
    clearElement(workspace.store.currentElement);
    auto* window = new FormMotorTour(workspace, parent);
    window->show();
    return window;
}

FormMotorTour::FormMotorTour(Workspace& workspace, QWidget* parent)
    : TourWindow(workspace, parent)
    , editor_(!workspace.editor.insertMode)
{
    setObjectName("formMotorTour");
    editor_.startElement(ws_.store.currentElement, ws_.editor.insertMode);
    setWindowTitle(uiText(editor_.caption()));

    auto* layout = new QVBoxLayout(this);
    area_ = new TourArea(editor_, this);
    layout->addWidget(area_);
    auto* hint = namedLabel(this, "lblAyuda",
                            tr("Clic izquierdo: agregar un tramo.  Clic derecho: Terminar Recorrido, Encender Luz, "
                            "Apagar Luz."));
    layout->addWidget(hint);

    auto* bottom = new QHBoxLayout;
    auto* properties = new QGroupBox(tr("Propiedades"), this);
    auto* pl = new QVBoxLayout(properties);
    auto* titleLabel = namedLabel(properties, "lblTitulo", tr("Titulo del Recorrido"));
    title_ = new QLineEdit(qs(editor_.title()), properties);
    title_->setObjectName("txtTitle");
    title_->setMaxLength(PathEditor::kTitleLength);
    title_->setFont(QFont("Courier"));
    title_->setAccessibleName(tr("Titulo del Recorrido"));
    titleLabel->setBuddy(title_);
    auto* zoomLabel = namedLabel(properties, "lblZoom", tr("Zoom"));
    zoom_ = new QComboBox(properties);
    zoom_->setObjectName("cmbZoom");
    zoom_->addItems({"          1.0 X", "          1.5 X", "          2.0 X"});
    zoom_->setAccessibleName(tr("Zoom"));
    zoomLabel->setBuddy(zoom_);
    pl->addWidget(titleLabel);
    pl->addWidget(title_);
    pl->addWidget(zoomLabel);
    pl->addWidget(zoom_);
    bottom->addWidget(properties);

    auto* data = new QGroupBox(tr("Datos del Recorrido"), this);
    auto* dl = new QVBoxLayout(data);
    counter_ = namedLabel(data, "lblMemMonitor", {});
    time_ = namedLabel(data, "lblDistancia", {});
    auto* lightRow = new QHBoxLayout;
    light_ = namedLabel(data, "LblLuz", {});
    colour_ = namedLabel(data, "shpColorRef", {});
    colour_->setFixedSize(24, 16);
    colour_->setAutoFillBackground(true);
    lightRow->addWidget(light_);
    lightRow->addWidget(colour_);
    lightRow->addStretch();
    dl->addWidget(counter_);
    dl->addWidget(time_);
    dl->addLayout(lightRow);
    bottom->addWidget(data, 1);

    auto* buttons = new QVBoxLayout;
    auto* ok = namedButton(this, "cmdGuardar", tr("Aceptar"));
    ok->setDefault(true);
    auto* clear = namedButton(this, "cmdBorrar", tr("Borrar Recorrido"));
    animate_ = namedButton(this, "cmdAnimar", tr("Ver Recorrido"));
    animate_->setToolTip(tr("Muestra al robot recorriendo el camino con los tiempos que se guardan"));
    auto* cancel = namedButton(this, "cmdCancel", tr("Cancelar"));
    for (QPushButton* b : {ok, clear, animate_, cancel})
        buttons->addWidget(b);
    buttons->addStretch();
    bottom->addLayout(buttons);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize); // the drawing area keeps its size in twips

    menu_ = new QMenu("OpcionesTour", this);
    menu_->setObjectName("mnuTourOptions");
    const struct {
        const char* name;
        const char* text;
        std::function<void()> action;
    } items[] = {
        {"mnuEndTour", QT_TR_NOOP("Terminar Recorrido"), [this] { editor_.endPath(); refresh(); }},
        {"mnuLuzOn", QT_TR_NOOP("Encender Luz"), [this] { setLight(true); }},
        {"mnuLuzOff", QT_TR_NOOP("Apagar Luz"), [this] { setLight(false); }},
        {"mnuCont", QT_TR_NOOP("Continuar"), [] {}},
    };
    for (const auto& item : items) {
        QAction* a = menu_->addAction(tr(item.text));
        a->setObjectName(item.name);
        connect(a, &QAction::triggered, this, item.action);
    }

    timer_ = new QTimer(this);
    timer_->setInterval(kFrameMs);
    connect(timer_, &QTimer::timeout, this, &FormMotorTour::animationTick);

    connect(area_, &TourArea::changed, this, [this] {
        if (animating() && editor_.itemCount() != animatedItems_)
            stopActivity(); // the path changed under the robot
        refresh();
    });
    area_->setOptionsMenu(menu_);
    connect(area_, &TourArea::optionsRequested, this, [this](QPoint at) { menu_->popup(at); });
    connect(title_, &QLineEdit::textChanged, this, [this](const QString& t) { editor_.setTitle(cp(t)); });
    connect(zoom_, &QComboBox::currentIndexChanged, this, [this](int i) {
        editor_.setZoom(i);
        refresh(); // the steps stored depend on the zoom
    });
    connect(ok, &QPushButton::clicked, this, &FormMotorTour::accepted);
    connect(clear, &QPushButton::clicked, this, &FormMotorTour::clearPath);
    connect(animate_, &QPushButton::clicked, this, &FormMotorTour::toggleAnimation);
    connect(cancel, &QPushButton::clicked, this, &FormMotorTour::reject);
    refresh();
    area_->setFocus();
}

void FormMotorTour::refresh()
{
    counter_->setText(uiText(editor_.counterText()));
    time_->setText(uiText(editor_.timeText()));
    light_->setText(uiText(editor_.lightText()));
    QPalette palette = colour_->palette();
    palette.setColor(QPalette::Window, editor_.lightOn() ? QColor(0, 0, 255) : QColor(0, 0, 0));
    colour_->setPalette(palette);
    colour_->setAccessibleName(uiText(editor_.lightText()));
    animate_->setEnabled(editor_.itemCount() > 0);
    area_->update();
}

void FormMotorTour::setLight(bool on)
{
    if (!editor_.setLight(on))
        QApplication::beep(); // the work array is full
    refresh();
}

void FormMotorTour::clearPath()
{
    stopActivity();
    editor_.clear();
    area_->resetCursor();
    refresh();
}

void FormMotorTour::accepted()
{
    switch (editor_.acceptance()) {
    case PathAcceptance::Close: reject(); return;
    case PathAcceptance::AskToTruncate:
        if (!ask(PathEditor::tooLongMessage()))
            return;
        break;
    case PathAcceptance::Store: break;
    }
    editor_.fillElement(ws_.store.currentElement, ws_.store);
    finish();
}

bool FormMotorTour::animating() const
{
    return timer_->isActive();
}

void FormMotorTour::toggleAnimation()
{
    if (animating()) {
        stopActivity();
        return;
    }
    PathData path = editor_.storedPath();
    if (path.steps.size() > std::size_t(kMaxStoredPathSteps))
        path.steps.resize(std::size_t(kMaxStoredPathSteps)); // what the brick will drive
    animation_ = std::make_unique<PathAnimation>(path, ws_.store.programSettings.motorSpin);
    animatedItems_ = editor_.itemCount();
    clock_.start();
    timer_->start();
    animate_->setText(tr("Detener"));
    animationTick();
}

void FormMotorTour::animationTick()
{
    if (!animation_)
        return;
    const double t = double(clock_.elapsed());
    area_->setRobot(animation_->poseAt(t));
    if (t >= animation_->durationMs() + 1000) // the robot rests a moment at the end
        stopActivity();
}

void FormMotorTour::stopActivity()
{
    timer_->stop();
    animation_.reset();
    area_->setRobot(std::nullopt);
    animate_->setText(tr("Ver Recorrido"));
}

} // namespace tarvel

#include "gui/link/FactoryWindow.h"

#include "gui/app/MessageBoxes.h"

#include "gui/app/NamedWidgets.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "model/TextFile.h"
#include "workspace/Workspace.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tarvel {

namespace {

constexpr int kBusyRetryMs = 2;

// The key code the test sees: 13 for Enter, the character for printable keys, some other code
// for the rest; 0 for keys that only modify others.
int keyCode(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnterKey;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock: return 0;
    default: return e->key() > 0 && e->key() < 0x10000 ? e->key() : 0xFFFF;
    }
}

} // namespace

FactoryWindow::FactoryWindow(Workspace& workspace, QWidget* parent)
    : ToolWindow(parent, "formFactory", tr("Probador de Ladrillos J2-USB"), false)
    , ws_(workspace)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FactoryWindow::advance);

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* reportLabel = new QLabel(tr("Reporte de prueba"), this);
    left->addWidget(reportLabel);
    report_ = new QTextEdit(this);
    report_->setObjectName("txtHelp");
    report_->setReadOnly(true);
    report_->setAccessibleName(tr("Reporte de prueba"));
    report_->setFocusPolicy(Qt::StrongFocus);
    report_->setMinimumSize(380, 300);
    report_->setFontFamily("monospace");
    report_->installEventFilter(this);
    reportLabel->setBuddy(report_);
    left->addWidget(report_, 1);
    help_ = new QLabel(this);
    help_->setObjectName("lblHelp");
    help_->setWordWrap(true);
    help_->setMinimumHeight(40);
    left->addWidget(help_);
    auto* answers = new QHBoxLayout;
    yes_ = namedButton(this, "cmdSi", tr("Si (ENTER)"));
    yes_->setToolTip(tr("Lo mismo que presionar ENTER en el reporte"));
    connect(yes_, &QPushButton::clicked, this, [this] { answer(kEnterKey); });
    answers->addWidget(yes_);
    no_ = namedButton(this, "cmdNo", tr("No (otra tecla)"));
    no_->setToolTip(tr("Lo mismo que presionar otra tecla en el reporte"));
    connect(no_, &QPushButton::clicked, this, [this] { answer('N'); });
    answers->addWidget(no_);
    answers->addStretch();
    left->addLayout(answers);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    begin_ = namedButton(this, "cmdBegin", tr("Iniciar Prueba"));
    connect(begin_, &QPushButton::clicked, this, &FactoryWindow::begin);
    right->addWidget(begin_);
    auto* clear = namedButton(this, "cmdClear", tr("Limpiar Listado"));
    connect(clear, &QPushButton::clicked, this, [this] {
        test_.clearReport();
        showView();
    });
    right->addWidget(clear);
    auto* counter = new QGridLayout;
    counter->addWidget(new QLabel(tr("Ensayos"), this), 0, 0);
    count_ = new QLabel(this);
    count_->setObjectName("lblCount");
    count_->setAccessibleName(tr("Ensayos"));
    counter->addWidget(count_, 0, 1);
    right->addLayout(counter);
    auto* clearCount = namedButton(this, "cmdClearCnt", tr("Limpiar Contador"));
    connect(clearCount, &QPushButton::clicked, this, [this] {
        test_.clearCounter();
        showView();
    });
    right->addWidget(clearCount);

    auto* state = new QGridLayout;
    state->addWidget(new QLabel(tr("LEDS"), this), 0, 0);
    auto* ledRow = new QHBoxLayout;
    const char* ledNames[2] = {"shpLeds_0", "shpLeds_1"};
    for (int i = 0; i < 2; ++i) {
        leds_[i] = makeShape(this, ledNames[i], tr("LED %1").arg(i + 1));
        ledRow->addWidget(leds_[i]);
    }
    ledRow->addStretch();
    state->addLayout(ledRow, 0, 1);
    frontLight_ = makeShape(this, "shpFLed", tr("Luz Frontal"));
    state->addWidget(new QLabel(tr("Luz Frontal"), this), 1, 0);
    state->addWidget(frontLight_, 1, 1);
    state->addWidget(new QLabel(tr("Motor Izquierdo"), this), 2, 0);
    left_ = new QLabel(this);
    left_->setObjectName("lblMotIzq");
    left_->setAccessibleName(tr("Motor Izquierdo"));
    state->addWidget(left_, 2, 1);
    state->addWidget(new QLabel(tr("Motor Derecho"), this), 3, 0);
    right_ = new QLabel(this);
    right_->setObjectName("lblMotDer");
    right_->setAccessibleName(tr("Motor Derecho"));
    state->addWidget(right_, 3, 1);
    right->addLayout(state);

    right->addStretch();
    right->addWidget(new QLabel(tr("Nombre del Listado de Reporte"), this));
    reportName_ = new QLineEdit("Reporte_1", this);
    reportName_->setObjectName("txtRptName");
    reportName_->setAccessibleName(tr("Nombre del Listado de Reporte"));
    right->addWidget(reportName_);
    auto* save = namedButton(this, "cmdSaveReport", tr("Guardar Reportes"));
    connect(save, &QPushButton::clicked, this, &FactoryWindow::saveReport);
    right->addWidget(save);
    saved_ = new QLabel(this);
    saved_->setObjectName("lblGuardado");
    saved_->setWordWrap(true);
    saved_->setMaximumWidth(220);
    right->addWidget(saved_);
    layout->addLayout(right);

    chooseReportFile = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(this, tr("Guardar Reportes"), QDir::home().filePath(proposed),
                                            tr("Reportes de prueba (*.txt)"));
    };
    showError = [this](const QString& text) {
        showMessageBox(this, {asShown(text), "Error", MessageIcon::Critical}, OkButton);
    };
}

void FactoryWindow::load()
{
    if (test_.running()) {
        loadWhenDone_ = true;
        return;
    }
    test_.load();
    saved_->clear();
    showView();
}

void FactoryWindow::hideEvent(QHideEvent* event)
{
    ToolWindow::hideEvent(event);
    if (event->spontaneous()) // minimised, not closed
        return;
    // Closed: the run goes to its end at once, stops the motors and closes the link by itself.
    if (test_.running()) {
        test_.abort();
        timer_.start(0);
    }
}

void FactoryWindow::begin()
{
    if (test_.running())
        return;
    report_->setFocus();
    test_.begin(cp(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)));
    saved_->clear();
    showView();
    timer_.start(0);
}

void FactoryWindow::advance()
{
    if (advancing_) // called again from a wait inside this very step
        return;
    if (ws_.link().busy()) { // another window's exchange: this step goes right after it
        timer_.start(kBusyRetryMs);
        return;
    }
    advancing_ = true;
    const LinkEvents mainWindow{[this](StatusPanel panel, const Text& text) {
                                    if (!setPanel)
                                        return;
                                    setPanel(panel, panel == StatusPanel::Port && ws_.usingSimulatedBrick() ? "SIM"
                                                                                                      : uiText(text));
                                },
                                [this](bool on) {
                                    if (connectTool)
                                        connectTool(on);
                                }};
    const FactoryWait wait = test_.advance(ws_.link(), mainWindow);
    advancing_ = false;
    showView();
    switch (wait.kind) {
    case FactoryWait::Kind::Time: timer_.start(wait.ms); break;
    case FactoryWait::Kind::Key:
        if (isVisible())
            report_->setFocus();
        break;
    case FactoryWait::Kind::Finished:
        if (loadWhenDone_) {
            loadWhenDone_ = false;
            load();
        }
        break;
    }
}

void FactoryWindow::answer(int key)
{
    if (key == 0)
        return;
    test_.keyDown(key);
    if (test_.waitingForKey()) {
        // Answered: the buttons wait for the next question.
        yes_->setEnabled(false);
        no_->setEnabled(false);
        timer_.start(0);
    }
    report_->setFocus();
}

bool FactoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == report_ && event->type() == QEvent::KeyPress && test_.running()) {
        answer(keyCode(static_cast<QKeyEvent*>(event)));
        return true; // during a run every key is an answer, not a movement in the report
    }
    return ToolWindow::eventFilter(watched, event);
}

void FactoryWindow::saveReport()
{
    const QString name = qs(factoryReportFileName(cp(reportName_->text())));
    const QString path = chooseReportFile ? chooseReportFile(name) : QString();
    if (path.isEmpty())
        return;
    const Text error = writeFileReplacing(QFile::encodeName(path).toStdString(), test_.reportFileText());
    if (!error.empty()) {
        if (showError)
            showError(uiText(error));
        return;
    }
    saved_->setText(tr("Reporte guardado en %1").arg(QDir::toNativeSeparators(path)));
}

void FactoryWindow::showView()
{
    const FactoryView& v = test_.view();
    // The report is saved in Spanish; the window shows it in the interface's language.
    const QString report = uiText(v.report).replace("\r\n", "\n");
    if (report_->toPlainText() != report) {
        report_->setPlainText(report);
        report_->moveCursor(QTextCursor::End);
    }
    help_->setText(uiText(v.help));
    showValue(count_, QString::number(v.tested));
    left_->setText(uiText(v.leftMotor));
    right_->setText(uiText(v.rightMotor));
    const bool ledsOn = v.leds.rgb == 0xFF0000;
    for (QLabel* led : leds_)
        paintShape(led, v.leds, ledsOn ? tr("Encendido") : tr("Apagado"));
    paintShape(frontLight_, v.frontLight, v.frontLight.rgb == 0x00FF00 ? tr("Encendida") : tr("Apagada"));
    begin_->setEnabled(!test_.running());
    yes_->setEnabled(test_.waitingForKey());
    no_->setEnabled(test_.waitingForKey());
}

} // namespace tarvel

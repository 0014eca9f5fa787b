#include "gui/settings/SettingsDialog.h"

#include "gui/app/EntryGuard.h"
#include "gui/app/MessageBoxes.h"
#include "gui/app/QtText.h"
#include "gui/link/UpDownBox.h"
#include "model/NumberText.h"
#include "settings/SettingsForm.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace tarvel {

namespace {

int boxValue(const QLineEdit* box)
{
    return dialogNumber(cp(box->text()));
}

QWidget* row(QWidget* parent, QWidget* a, QWidget* b = nullptr, const QString& unit = {})
{
    auto* w = new QWidget(parent);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(a);
    if (b)
        l->addWidget(b);
    if (!unit.isEmpty())
        l->addWidget(new QLabel(unit, w));
    l->addStretch();
    return w;
}

// A form row of a number box with its up-down, both named after the row's caption.
void addNumberRow(QFormLayout* form, const QString& caption, QWidget* parent, QLineEdit* box, UpDown* upDown,
                  const QString& unit)
{
    upDown->describe(caption);
    form->addRow(caption, row(parent, box, upDown, unit));
}

} // namespace

UpDown::UpDown(const char* name, int minimum, int maximum, int step, QLineEdit* buddy, QWidget* parent)
    : QWidget(parent)
    , minimum_(minimum)
    , maximum_(maximum)
    , step_(step)
    , buddy_(buddy)
{
    setObjectName(name);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    for (int direction : {1, -1}) {
        auto* b = new QToolButton(this);
        b->setObjectName(direction > 0 ? QStringLiteral("%1_up").arg(name) : QStringLiteral("%1_down").arg(name));
        b->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        b->setFixedSize(18, 11);
        b->setAutoRepeat(true);
        connect(b, &QToolButton::clicked, this, [this, direction] { this->step(direction); });
        l->addWidget(b);
    }
}

void UpDown::describe(const QString& what)
{
    // The arrows carry no text: their names say what they step, as every up-down of the program does.
    buddy_->setAccessibleName(what);
    for (QToolButton* b : findChildren<QToolButton*>())
        b->setAccessibleName(UpDownBox::arrowName(b->arrowType() == Qt::UpArrow, what));
}

void UpDown::setValue(int value)
{
    value_ = std::clamp(value, minimum_, maximum_);
}

void UpDown::step(int direction)
{
    setValue(value_ + direction * step_);
    buddy_->setText(qs(signedNumber(value_)));
}

QLineEdit* SettingsDialog::numberBox(const char* name, const std::string& value)
{
    auto* box = new QLineEdit(qs(value), this);
    box->setObjectName(name);
    box->setMaximumWidth(80);
    return box;
}

SettingsDialog::SettingsDialog(Workspace& workspace, QWidget* parent)
    : TransientWindow(parent)
    , ws_(workspace)
{
    setUpWindow(this, "formScreenGlobalCfg", tr("Configuracion Global"));
    const ProgramSettings& p = ws_.store.programSettings;
    const SettingsForm form = loadSettingsForm(p, ws_.settings);
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabConfig");
    layout->addWidget(tabs_);

    // Motores
    auto* motores = new QWidget;
    motores->setObjectName("picConfig_0");
    auto* ml = new QVBoxLayout(motores);
    auto* direction = new QGroupBox(tr("Configuracion del Sistema de Direccion"), motores);
    auto* dl = new QVBoxLayout(direction);
    dirRobot_ = new QRadioButton(tr("Motores Independientes para sentido de giro (Tipo Robot)"), direction);
    dirRobot_->setObjectName("optDirRobot");
    dirAuto_ = new QRadioButton(tr("Direccion controlada por un motor (Tipo Auto)"), direction);
    dirAuto_->setObjectName("optDirAuto");
    dl->addWidget(dirRobot_);
    dl->addWidget(dirAuto_);
    ml->addWidget(direction);
    auto* names = new QGroupBox(tr("Identificacion de los Motores"), motores);
    auto* nl = new QFormLayout(names);
    nameLeft_ = new QLineEdit(qs(form.leftName), names);
    nameLeft_->setObjectName("txtMotNameLF");
    nameLeft_->setMaxLength(10);
    nameRight_ = new QLineEdit(qs(form.rightName), names);
    nameRight_->setObjectName("txtMotNameRG");
    nameRight_->setMaxLength(10);
    for (QLineEdit* name : { nameLeft_, nameRight_ })
        new EntryGuard(name, [](const QString& text) {
            auto refusal = motorNameRefusal(text.toStdString());
            return EntryVerdict { refusal ? EntryCheck::Refused : EntryCheck::Acceptable, std::move(refusal) };
        });
    nl->addRow(tr("Motor Izquierdo (A)"), nameLeft_);
    nl->addRow(tr("Motor Derecho (B)"), nameRight_);
    ml->addWidget(names);
    auto* timing = new QFormLayout;
    motorSpin_ = numberBox("txtMotorSpin", form.motorSpin);
    upMotorSpin_ = new UpDown("UpDnMotorSpin", kMotorSpinRange.minimum, kMotorSpinRange.maximum, 100, motorSpin_, this);
    upMotorSpin_->setValue(p.motorSpin);
    motorTime_ = numberBox("txtMotorTime", form.motorTime);
    upMotorTime_ = new UpDown("UpDnMotorTime", kMotorTimeRange.minimum, kMotorTimeRange.maximum, 100, motorTime_, this);
    upMotorTime_->setValue(p.motorTime);
    addNumberRow(timing, tr("Tiempo de Giro de 45\xC2\xB0 para Direccion de Motores Independientes"), motores,
                 motorSpin_, upMotorSpin_, tr("mSegs"));
    addNumberRow(timing, tr("Tiempo de activacion para direccion controlada por un motor"), motores, motorTime_,
                 upMotorTime_, tr("mSegs"));
    ml->addLayout(timing);
    tabs_->addTab(motores, tr("Motores"));

    // Sensores
    auto* sensores = new QWidget;
    sensores->setObjectName("picConfig_1");
    auto* sl = new QFormLayout(sensores);
    lightSource_ = new QComboBox(sensores);
    lightSource_->setObjectName("cmbSetLuz");
    lightSource_->addItems({tr("Constante"), tr("Contenedor Rojo"), tr("Contenedor Azul"), tr("Contenedor Verde"),
                            tr("Contenedor Rosa"), tr("Contenedor Naranja")});
    lightLevel_ = numberBox("txtSetLuz", form.lightLevel);
    // The arrows stop where the label's range does: from 246 on the level would name a variable.
    upLight_ = new UpDown("UpDownLuz", kLightLevelRange.minimum, kLightLevelRange.maximum, 1, lightLevel_, this);
    lightSource_->setCurrentIndex(form.lightSource);
    lightLevel_->setEnabled(form.lightLevelEnabled);
    upLight_->setEnabled(form.lightLevelEnabled);
    upLight_->setValue(p.lightThreshold);
    senseTimeout_ = numberBox("txtSenseTO", form.senseTimeout);
    auto* upSense = new UpDown("UpDownSenseTO", kTimeoutRange.minimum, kTimeoutRange.maximum, 100, senseTimeout_, this);
    upSense->setValue(p.senseTimeout);
    countTimeout_ = numberBox("txtCountTO", form.countTimeout);
    auto* upCount = new UpDown("UpDownCountTO", kTimeoutRange.minimum, kTimeoutRange.maximum, 100, countTimeout_, this);
    upCount->setValue(p.countTimeout);
    sl->addRow(tr("Fuente de Referencia de estado Iluminado"), lightSource_);
    addNumberRow(sl, tr("Nivel de Luz para Reportar Estado Iluminado"), sensores, lightLevel_, upLight_,
                 tr("(0 a 245)"));
    addNumberRow(sl, tr("Tiempo de TimeOut para Esperas de Sensores (0 es Infinito)"), sensores, senseTimeout_,
                 upSense, tr("mSegs"));
    addNumberRow(sl, tr("Tiempo de TimeOut para Conteo de Pulsos (Entradas)"), sensores, countTimeout_, upCount,
                 tr("mSegs"));
    tabs_->addTab(sensores, tr("Sensores"));

    // Comunicaciones
    auto* com = new QWidget;
    com->setObjectName("picConfig_2");
    auto* cl = new QFormLayout(com);
    comPort_ = new QComboBox(com);
    comPort_->setObjectName("cmbComInUse");
    comPort_->addItems({"Com 1", "Com 2", "Com 3", "Com 4"});
    comPort_->setCurrentIndex(form.comPortItem);
    autoConnect_ = new QCheckBox(tr("Conectar automaticamente antes de la accion \"CompiGrabar\""), com);
    autoConnect_->setObjectName("chkAutoConnect");
    autoConnect_->setChecked(form.autoConnect);
    simulated_ = new QCheckBox(tr("Usar Ladrillo Simulado"), com);
    simulated_->setObjectName("chkSimulatedBrick");
    simulated_->setChecked(form.useSimulatedBrick);
    auto* clear = new QPushButton(tr("Restear \"No volver a mostrar\""), com);
    clear->setObjectName("ClearDontShows");
    cl->addRow(tr("Puerto Serie para Conectar el Ladrillo"), comPort_);
    cl->addRow(autoConnect_);
    cl->addRow(simulated_);
    cl->addRow(clear);
    tabs_->addTab(com, tr("Comunicaciones"));

    // Compilador
    auto* compi = new QWidget;
    compi->setObjectName("picConfig_3");
    auto* kl = new QVBoxLayout(compi);
    noSyntax_ = new QCheckBox(tr("Desactivar Errores en Tiempo Programacion (Asistente de Sintaxis)"), compi);
    noSyntax_->setObjectName("chkNoSintaxis");
    noSyntax_->setChecked(ws_.settings.syntaxAssistantOff);
    kl->addWidget(noSyntax_);
    auto* id = new QGroupBox(tr("Numero de ID del Programa (0 a 31)"), compi);
    auto* il = new QHBoxLayout(id);
    appId_ = numberBox("txtAppID", form.appId);
    upAppId_ = new UpDown("UpDnAppID", kAppIdRange.minimum, kAppIdRange.maximum, 1, appId_, this);
    upAppId_->setValue(p.appId);
    upAppId_->describe(id->title());
    il->addWidget(appId_);
    il->addWidget(upAppId_);
    il->addWidget(new QLabel(tr("Identificacion por omision"), id));
    il->addStretch();
    kl->addWidget(id);
    storeSources_ = new QCheckBox(tr("Guardar los Archivos Fuentes Generados por Todos Programas Graficos"), compi);
    storeSources_->setObjectName("chkStoreScrFile");
    storeSources_->setChecked(form.storeSourceFiles);
    kl->addWidget(storeSources_);
    showEmptyIcons_
        = new QCheckBox(tr("Avisar si se usan Iconos de Programacion (Grafos) sin Codigo Relacionado"), compi);
    showEmptyIcons_->setObjectName("chkShowEmptyIcons");
    showEmptyIcons_->setChecked(ws_.settings.warnUncodedIcons);
    kl->addWidget(showEmptyIcons_);
    kl->addWidget(new QLabel(tr("Libreria para Generacion de Codigo"), compi));
    libraryPath_ = new QLineEdit(fromNativePath(form.libraryPath), compi);
    libraryPath_->setObjectName("txtClibs");
    auto* pick = new QPushButton(tr("..."), compi);
    pick->setObjectName("cmdOpenCLibs");
    pick->setMaximumWidth(32);
    kl->addWidget(row(compi, libraryPath_, pick));
    libraryPath_->setMinimumWidth(360);
    kl->addStretch();
    tabs_->addTab(compi, tr("Compilador"));

    // Idioma: the language's own name for each language, whatever the interface's language.
    auto* idioma = new QWidget;
    idioma->setObjectName("picConfig_4");
    auto* languageLayout = new QFormLayout(idioma);
    language_ = new QComboBox(idioma);
    language_->setObjectName("cmbIdioma");
    language_->addItems({QStringLiteral("Español"), QStringLiteral("English")});
    language_->setCurrentIndex(form.languageItem);
    languageLayout->addRow(tr("Idioma de la Interfaz"), language_);
    auto* restart = new QLabel(tr("El cambio de idioma se aplica al volver a iniciar Tarvel Lab."), idioma);
    restart->setObjectName("lblIdiomaNota");
    restart->setWordWrap(true);
    languageLayout->addRow(restart);
    tabs_->addTab(idioma, tr("Idioma"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(tr("Aceptar"), this);
    ok->setObjectName("cmdOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancelar"), this);
    cancel->setObjectName("cmdCancel");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    (form.steering ? dirAuto_ : dirRobot_)->setChecked(true);

    // Immediate effects, which "Cancelar" does not undo.
    // Toggled, not clicked: an assistive technology checks an option without clicking it.
    connect(dirAuto_, &QRadioButton::toggled, this, [this](bool on) { if (on) setDirection(true); });
    connect(dirRobot_, &QRadioButton::toggled, this, [this](bool on) { if (on) setDirection(false); });
    connect(showEmptyIcons_, &QCheckBox::toggled, this, [this](bool on) { ws_.settings.warnUncodedIcons = on; });
    connect(noSyntax_, &QCheckBox::toggled, this, [this](bool on) { ws_.settings.syntaxAssistantOff = on; });
    connect(clear, &QPushButton::clicked, this, [this] { ws_.settings.dontShowFlags = 0; });
    connect(lightSource_, &QComboBox::currentIndexChanged, this, [this](int item) {
        lightLevel_->setEnabled(item == 0);
        upLight_->setEnabled(item == 0);
    });
    connect(comPort_, &QComboBox::activated, this, [this] { communicationChanged_ = true; });
    connect(simulated_, &QCheckBox::toggled, this, [this] { communicationChanged_ = true; });
    connect(libraryPath_, &QLineEdit::textEdited, this, [this](const QString& t) { ws_.settings.libraryPath = nativePath(t); });
    connect(pick, &QPushButton::clicked, this, [this] {
        covered_ = true;
        const QString file = QFileDialog::getOpenFileName(this, tr("Seleccionar Nueva Libreria de Codigo"),
                                                          QString::fromStdString(ws_.appFolder().string()),
                                                          tr("Librerias de Compilacion (*.lib *.LIB)"));
        covered_ = false;
        if (file.isEmpty())
            return;
        libraryPath_->setText(file);
        ws_.settings.libraryPath = nativePath(file);
        libraryChanged_ = true;
    });

    // Limits while typing: each box takes digits within its range, and says its range when a key is refused.
    for (auto [box, range] : { std::pair { motorSpin_, kMotorSpinRange }, std::pair { motorTime_, kMotorTimeRange },
             std::pair { lightLevel_, kLightLevelRange }, std::pair { senseTimeout_, kTimeoutRange },
             std::pair { countTimeout_, kTimeoutRange }, std::pair { appId_, kAppIdRange } })
        guardNumber(box, range);
    for (auto [box, up] : {std::pair{motorSpin_, upMotorSpin_}, std::pair{motorTime_, upMotorTime_}})
        connect(box, &QLineEdit::textEdited, this, [box, up] {
            const int v = boxValue(box);
            up->setValue(v >= 9999 ? 9999 : (std::abs(v) & 16383));
        });

    connect(ok, &QPushButton::clicked, this, &SettingsDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    if (parent)
        move(parent->geometry().center().x() - sizeHint().width() / 2,
             int(parent->geometry().top() + parent->height() / 2.0 - sizeHint().height() / 1.6));
}

void SettingsDialog::deactivated()
{
    if (!covered_)
        close();
}

void SettingsDialog::setDirection(bool steering)
{
    ws_.store.programSettings.directionMode = steering ? 1 : 0;
    const auto [left, right] = steeringNames(steering);
    nameLeft_->setText(qs(left));
    nameRight_->setText(qs(right));
    (steering ? dirAuto_ : dirRobot_)->setChecked(true);
}

void SettingsDialog::confirm()
{
    AppSettings& a = ws_.settings;
    SettingsForm form;
    form.leftName = cp(nameLeft_->text());
    form.rightName = cp(nameRight_->text());
    form.lightSource = lightSource_->currentIndex();
    form.lightLevel = cp(lightLevel_->text());
    form.senseTimeout = cp(senseTimeout_->text());
    form.countTimeout = cp(countTimeout_->text());
    form.motorTime = cp(motorTime_->text());
    form.motorSpin = cp(motorSpin_->text());
    form.appId = cp(appId_->text());
    form.comPortItem = comPort_->currentIndex();
    form.storeSourceFiles = storeSources_->isChecked();
    form.autoConnect = autoConnect_->isChecked();
    form.languageItem = language_->currentIndex();
    const InterfaceLanguage languageBefore = a.language;
    const std::vector<UserMessage> notes = applySettingsForm(form, ws_.store.programSettings, a);
    for (const UserMessage& m : notes) {
        if (showMessage) {
            showMessage(m);
            continue;
        }
        covered_ = true;
        showMessageBox(this, m, OkButton);
        covered_ = false;
    }
    const bool simulated = simulated_->isChecked();
    if (simulated != a.useSimulatedBrick) {
        a.useSimulatedBrick = simulated;
        if (simulatedBrickChanged)
            simulatedBrickChanged(simulated);
    }
    if ((libraryChanged_ || communicationChanged_ || a.language != languageBefore) && storeConfig)
        storeConfig();
    if (libraryChanged_) {
        const auto messages = ws_.loadLibrary(a.libraryPath);
        if (libraryLoaded)
            libraryLoaded(messages);
    }
    applyDirectionMode(ws_.store);
    if (a.autoConnect && connectTool)
        connectTool(true);
    close();
}

} // namespace tarvel

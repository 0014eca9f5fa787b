#include "gui/editor/MainWindow.h"

#include "gui/app/AppFolder.h"
#include "gui/app/InfoWindows.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/app/UserCommand.h"
#include "gui/dialogs/ElementDialog.h"
#include "gui/dialogs/PaletteWindow.h"
#include "workspace/Workspace.h"
#include "compiler/LibraryLoader.h"
#include "editing/ProgramEditor.h"
#include "gui/editor/Canvas.h"
#include "gui/editor/ClickLabel.h"
#include "gui/editor/IconStore.h"
#include "gui/editor/RecoverySession.h"
#include "workspace/ProgramRecovery.h"
#include "gui/editor/StartDialog.h"
#include "link/BrickTools.h"
#include "gui/link/ConnectingWindow.h"
#include "model/ElementDescription.h"
#include "model/ProgramFile.h"
#include "model/TextFile.h"
#include "gui/settings/SettingsDialog.h"

#include <QApplication>
#include <filesystem>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QUrl>

#include <set>

namespace tarvel {

namespace {

// Opens `path` with the desktop's viewer. The desktop's opener is run directly when there is one,
// so that a desktop with no viewer for the file says so through `failed`, not by doing nothing.
void openWithDesktop(QObject* context, const QString& path, const std::function<void()>& failed)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        const QUrl url = path.startsWith("https://") ? QUrl(path) : QUrl::fromLocalFile(path);
        if (!QDesktopServices::openUrl(url))
            failed();
        return;
    }
    // Not owned by the window: a viewer run in the foreground by the opener outlives the program.
    // Openers still running are listed (in a list that is never destroyed), not lost: each goes
    // when it ends, whether the window that started it is still there or not.
    static auto* running = new std::set<QProcess*>;
    auto* process = new QProcess;
    running->insert(process);
    auto done = [process] {
        running->erase(process);
        process->deleteLater();
    };
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, done);
    QObject::connect(process, &QProcess::errorOccurred, process, [done](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            done();
    });
    QObject::connect(process, &QProcess::finished, context, [failed](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            failed();
    });
    QObject::connect(process, &QProcess::errorOccurred, context, [failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failed();
    });
    process->start(opener, {path});
}

const char* const kWebAddress = "https://www.tarvel-lab.org/ladrillo";

struct PanelText {
    const char* text;
    int widthTwips;
    const char* tooltip;
};
const PanelText kPanels[7] = {
    {"USB", 800, QT_TRANSLATE_NOOP("tarvel::MainWindow", "Numero de Puerto de Conexion con el Ladrillo")},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Ladrillo: Ninguno"), 3700,
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Modelo del Ladrillo Conectado")},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Libreria: J2A1"), 2000,
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Modelo de Ladrillo de la Libreria de Compilacion Activa")},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Objetos: 0/0"), 2000,
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Objetos Contenidos en el Programa: Visibles/Totales")},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Memoria: 0/255"), 2000,
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Memoria Usada/Disponible")},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Editor: Normal"), 2600,
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Estado del Editor de Grafos")},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Cancelar Insertar"), 2500, ""},
};

struct ToolButtonText {
    const char* caption;
    const char* key;
    const char* tooltip;
    int picture;
};
const ToolButtonText kTools[] = {
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Nuevo"), "New",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Comenzar un Nuevo Programa"), 1},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Abrir"), "Open",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Abrir un Programa Existente"), 2},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Guardar"), "Save",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Guardar el Programa Actual"), 3},
    {nullptr, nullptr, nullptr, 0},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Ejecutar"), "Run",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Ejecutar el Programa Guardado en el Ladrillo"), 11},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Compilar"), "Compi",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Covertir el Programa de Grafos en Codigo-Ladrillo"), 4},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Grabar"), "Send",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Envia el Programa al Ladrillo"), 5},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "CompiGraba"), "CompiSend",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Compila, Envia Programa al Ladrillo y lo Ejecuta"), 6},
    {nullptr, nullptr, nullptr, 0},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Conectar"), "Conect",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Iniciar Conexion con el Ladrillo"), 9},
    {nullptr, nullptr, nullptr, 0},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Monitor"), "Monitor",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Monitor de Comunicacion para Aplicacion"), 10},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Tester"), "Consola",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Consola de prueba desde PC"), 12},
};

// Example lists with a menu: list number, menu name, caption, item array name.
struct ExampleMenuText {
    int list;
    const char* name;
    const char* caption;
    const char* items;
};
const ExampleMenuText kExampleMenus[] = {
    {0, "mnuProgTesmo", "ProgsTesmo", "mnuProgTesmoList"},
    {1, "mnuProgArandel", "ProgsArandel", "mnuProgArandelList"},
    {2, "mnuProgRobot", "ProgsRobot", "mnuProgRobotList"},
    {9, "mnuProgEjemplos", "ProgsEjemplos", "mnuProgEjemplosList"},
};

} // namespace

MainWindow::MainWindow(Workspace& workspace, QWidget* parent)
    : QMainWindow(parent)
    , ws_(workspace)
{
    setObjectName("MDIForm1");
    setWindowTitle(tr("Tarvel Lab 1.0"));
    setWindowIcon(IconStore::picture("robotcenter", "3"));
    // The canvas loads with the window: the store is reset and the start element created.
    ws_.store.programSettings = ProgramSettings{};
    ws_.store.resetStore();
    canvas_ = new Canvas(ws_, this);
    setCentralWidget(canvas_);
    canvas_->refreshPanelObjects = [this] { RefreshPanelObjects(); };
    canvas_->showMessage = [this](const UserMessage& m) { message(m); };
    canvas_->startDialog = [this] { showStartDialog(); };
    canvas_->elementMenu = [this](int) { return grafoMenu_; };
    canvas_->exampleMenu = [this](int i) {
        static const int lists[] = {0, 1, 2, 9};
        return exampleMenu(lists[i]);
    };
    canvas_->programHelp = [this] { showProgramHelp(); };
    canvas_->interfaceModeChosen = [this](bool full) {
        InterfaceMode(full);
        ws_.settings.interfaceMode = full;
        StoreConfig();
    };
    buildMenus();
    buildToolbar();
    buildStatusBar();
    setUpEditing();
    buildSimulatorCommands();
    ws_.setLinkObservers({[this](int panel, const Text& text) { setPanel(panel, uiText(text)); },
                          [this](bool connected) { ConnectTool(connected); }},
                         [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
    setCaption();
    ConnectTool(false);
    fitToScreen();
}

void MainWindow::fitToScreen()
{
    // The design size where it fits with the window's frame; maximised on a smaller screen (a
    // 1366 x 768 laptop), so that the status bar and the examples column stay on it.
    const QSize design(1180, 760);
    const QSize frame(16, 48); // the window manager's borders and title, before the window is shown
    const QScreen* shown = screen();
    if (!shown) {
        resize(design);
        return;
    }
    const QRect available = shown->availableGeometry();
    if (available.width() >= design.width() + frame.width() && available.height() >= design.height() + frame.height()) {
        resize(design);
        return;
    }
    resize((available.size() - frame).boundedTo(design).expandedTo(minimumSizeHint()));
    setWindowState(windowState() | Qt::WindowMaximized);
}

QAction* MainWindow::action(const char* name, const QString& caption, std::function<void()> run)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, run = std::move(run)] { runUserCommand(this, run); });
    actions_[name] = a;
    return a;
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(tr("Archivo"));
    file->setObjectName("mnuFile");
    file->addAction(action("mnuFileNuevo", tr("Nuevo"), [this] { NewProgram(); }));
    actions_["mnuFileNuevo"]->setShortcut(QKeySequence::New);
    file->addAction(action("mnuFileAbrir", tr("Abrir"), [this] {
        openProgramCommand();
        RefreshPanelObjects();
        ws_.store.pendingDraw = false;
    }));
    actions_["mnuFileAbrir"]->setShortcut(QKeySequence::Open);
    file->addAction(action("mnuFileGuardar", tr("Guardar"), [this] {
        SaveProgram(false);
        ws_.store.pendingDraw = false;
    }));
    actions_["mnuFileGuardar"]->setShortcut(QKeySequence::Save);
    file->addAction(action("mnuFileGuardarComo", tr("Guardar Como"), [this] {
        SaveProgram(true);
        ws_.store.pendingDraw = false;
    }));
    actions_["mnuFileGuardarComo"]->setShortcut(QKeySequence::SaveAs);
    buildFileExtras(file);
    file->addAction(action("mnuTester", tr("Tester"), [this] { openTester(); }));
    file->addSeparator()->setObjectName("mnuFileSep1");
    file->addAction(action("mnuFileSalir", tr("Salir"), [this] { close(); }));
    actions_["mnuFileSalir"]->setShortcut(QKeySequence::Quit);
    // Quitting does not wait for an open question to be answered, as other commands do: the close
    // answers it Cancel and comes again once the command that asked has ended.
    connect(actions_["mnuFileSalir"], &QAction::triggered, this, [this] {
        if (QApplication::activeModalWidget())
            close();
    });

    buildEditMenu(bar->addMenu(tr("Edicion")));

    QMenu* compi = bar->addMenu(tr("Compilacion"));
    compi->setObjectName("mnuCompi");
    compi->addAction(action("mnuTextCompilar", tr("Compilar Programa"), [this] { compileCommand(); }));
    actions_["mnuTextCompilar"]->setShortcut(Qt::Key_F5);
    compi->addAction(action("mnuTextCompiGrabar", tr("Compilar, Grabar y Ejecutar"), [this] { compileSendCommand(); }));
    compi->addAction(action("mnuEditSource", tr("Ver y Editar Codigo Fuente"), [this] { openSourceEditor(); }));

    QMenu* conexion = bar->addMenu(tr("Conexion"));
    conexion->setObjectName("mnuConexion");
    conexion->addAction(action("mnuTextConect", tr("Conectarse con el Ladrillo"), [this] { FullComConnect(); }));
    conexion->addAction(action("mnuTextGrabar", tr("Grabar en el Ladrillo"), [this] { sendCommand(); }));
    conexion->addAction(action("mnuTextExe", tr("Ejecutar Programa Ladrillo"), [this] { RunBrickProgramCommand(); }));
    conexion->addAction(action("mnuTextTurnOff", tr("Apagar Ladrillo"), [this] { ws_.link().TurnOffBrick(); }));
    conexion->addAction(action("mnuTextMonitor", tr("Iniciar Monitor"), [this] { openMonitor(); }));
    conexion->addAction(action("mnuTextConsola", tr("Iniciar Consola"), [this] { openConsole(); }));
    conexion->addSeparator();
    QAction* simulated = action("mnuSimulatedBrick", tr("Usar Ladrillo Simulado"), [] {});
    simulated->setCheckable(true);
    connect(simulated, &QAction::toggled, this, [this](bool on) {
        if (on != ws_.settings.useSimulatedBrick) {
            setSimulatedBrick(on);
            StoreConfig();
        }
    });
    conexion->addAction(simulated);

    QMenu* ayuda = bar->addMenu(tr("Ayuda"));
    ayuda->setObjectName("mnuAyuda");
    ayuda->addAction(action("mnuTextGoWeb", tr("Ir a Brenquil en la Web"), [this] { openWebPage(); }));
    // The manuals are read from the shipped files first, so that an update's manual wins over an
    // older copy left in the user's application folder. The manual is the one of the interface's
    // language: its file name is translated with the interface, and a translation whose manual is
    // missing falls back to the Spanish one.
    auto openManual = [this](const char* spanishFile) {
        auto existing = [this](const QString& file) {
            QString path = QDir(shippedFolder()).filePath(file);
            if (!QFileInfo::exists(path))
                path = fromNativePath(ws_.appFile(nativePath(file)));
            return QFileInfo::exists(path) ? path : QString();
        };
        const QString file = tr(spanishFile);
        QString path = existing(file);
        if (path.isEmpty() && file != QLatin1String(spanishFile))
            path = existing(QString::fromLatin1(spanishFile));
        if (path.isEmpty())
            message({asShown(tr("No se encuentra el manual \"%1\" en la carpeta de la aplicacion:\r\n%2")
                            .arg(file, fromNativePath(ws_.appFolder().string()))),
                     "Aviso", MessageIcon::Warning});
        else
            openWithDesktop(this, path, [this, path] {
                message({asShown(tr("No hay un programa para ver archivos PDF que abra el manual:\r\n%1").arg(path)),
                         "Aviso", MessageIcon::Warning});
            });
    };
    ayuda->addAction(action("mnuTextAyuda", tr("Ayuda General"),
                            [openManual] { openManual(QT_TR_NOOP("manual tarvel lab 2.pdf")); }));
    actions_["mnuTextAyuda"]->setShortcut(QKeySequence::HelpContents);
    ayuda->addAction(action("mnuTextAyudaAdvance", tr("Ayuda Avanzada"),
                            [openManual] { openManual(QT_TR_NOOP("manual tarvel lab 2 avanzado.pdf")); }));
    ayuda->addSeparator()->setObjectName("mnutextSepAyuda");
    ayuda->addAction(action("mnuTextAcercaDe", tr("Acerca de...."), [this] { showAbout(); }));

    QAction* config = action("mnuConfig", tr("Configuracion"), [this] { showSettings(); });
    bar->addAction(config);

    // Hidden pop-up menus.
    grafoMenu_ = new QMenu("GrafoPopUp", this);
    grafoMenu_->setObjectName("mnuGrafo");
    for (auto [name, caption] : {std::pair {"mnuGrafoEliminar", QT_TR_NOOP("Eliminar")},
             {"mnuGrafoModificar", QT_TR_NOOP("Modificar")}, {"mnuGrafoReemplazar", QT_TR_NOOP("Reemplazar")},
             {"mnuGrafoInsert", QT_TR_NOOP("Insertar")}, {"mnuGrafoInsEsp", QT_TR_NOOP("Insertar Espacio")}})
        grafoMenu_->addAction(action(name, tr(caption), [this] { notYetAvailable(); }));
    grafoMenu_->addSeparator()->setObjectName("mnuSep2");
    grafoMenu_->addAction(action("mnuGrafoAyuda", tr("Ayuda"), [this] { showQuickHelp(canvas_->selectedCell()); }));
    auto* subs = new QMenu("SubsPopUp", this);
    subs->setObjectName("mnuSubs");
    subs->addAction(action("mnuSubsEliminar", tr("Eliminar"), [] {}));
    subs->addAction(action("mnuSubsModificar", tr("Cambiar Nombre"), [] {}));
    auto* tour = new QMenu("OpcionesTour", this);
    tour->setObjectName("mnuTourOptions");
    for (auto [name, caption] :
        {std::pair {"mnuEndTour", QT_TR_NOOP("Terminar Recorrido")}, {"mnuLuzOn", QT_TR_NOOP("Encender Luz")},
            {"mnuLuzOff", QT_TR_NOOP("Apagar Luz")}, {"mnuCont", QT_TR_NOOP("Continuar")}})
        tour->addAction(action(name, tr(caption), [] {}));
    for (const auto& menuText : kExampleMenus) {
        auto* menu = new QMenu(menuText.caption, this);
        menu->setObjectName(menuText.name);
        exampleMenus_[menuText.list] = menu;
    }
    auto* varbo = new QMenu("ProgsVarbo", this);
    varbo->setObjectName("mnuProgVarbo");
    for (int i = 0; i < 8; ++i)
        varbo->addAction(action(QStringLiteral("mnuProgVarboList_%1").arg(i).toLatin1().constData(),
                                QStringLiteral("PVarbo_%1").arg(i), [] {}));
}

void MainWindow::openWebPage()
{
    // Like the manuals: a desktop without a browser says so instead of doing nothing.
    openWithDesktop(this, kWebAddress, [this] {
        message({asShown(tr("No hay un navegador que abra la pagina web:\r\n%1").arg(kWebAddress)), "Aviso",
                 MessageIcon::Warning});
    });
}

QMenu* MainWindow::exampleMenu(int list) const
{
    auto it = exampleMenus_.find(list);
    return it == exampleMenus_.end() ? nullptr : it->second;
}

void MainWindow::buildToolbar()
{
    QToolBar* bar = addToolBar("Toolbar1");
    bar->setObjectName("Toolbar1");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(32, 32));
    std::map<std::string, std::function<void()>> run = {
        {"New", [this] {
             if (!NewProgram())
                 return;
             ws_.hasHelp = false;
             canvas_->setHelpPicture(false);
         }},
        {"Open", [this] { openProgramCommand(); }},
        {"Save", [this] { SaveProgram(true); }},
        {"Run", [this] { RunBrickProgramCommand(); }},
        {"Compi", [this] { compileCommand(true); }},
        {"Send", [this] { actions_["mnuTextGrabar"]->trigger(); }},
        {"CompiSend", [this] { actions_["mnuTextCompiGrabar"]->trigger(); }},
        {"Conect", [this] { FullComConnect(); }},
        {"Monitor", [this] { openMonitor(true); }},
        {"Consola", [this] { openConsole(); }},
    };
    for (const auto& t : kTools) {
        if (!t.key) {
            bar->addSeparator();
            continue;
        }
        QAction* a = action(t.key, tr(t.caption), run[t.key]);
        a->setToolTip(tr(t.tooltip));
        a->setIcon(IconStore::picture("toolbar", QString::number(t.picture)));
        bar->addAction(a);
        if (QWidget* button = bar->widgetForAction(a))
            button->setObjectName(QStringLiteral("Toolbar1_%1").arg(t.key));
    }
    auto* web = new ClickLabel(this);
    web->setObjectName("imgWeb");
    web->setToolTip(tr("Ir a la pagina web de Brenquil"));
    web->setPixmap(IconStore::pixmapWithCaption("misc", "1", QSize(347, 32), tr("Tarvel Lab en la Web")));
    web->setCursor(Qt::PointingHandCursor);
    connect(web, &ClickLabel::clicked, this, [this] { runUserCommand(this, [this] { openWebPage(); }); });
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    bar->addWidget(web)->setObjectName("picWeb");
}

void MainWindow::toolbarPicture(const char* key, int picture)
{
    if (auto it = actions_.find(key); it != actions_.end())
        it->second->setIcon(IconStore::picture("toolbar", QString::number(picture)));
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("sbarMain");
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 7; ++i) {
        QLabel* panel = i == 6 ? new ClickLabel(tr(kPanels[i].text), this) : new QLabel(tr(kPanels[i].text), this);
        panel->setObjectName(QStringLiteral("sbarMain_%1").arg(i + 1));
        panel->setMinimumWidth(px(kPanels[i].widthTwips));
        panel->setToolTip(kPanels[i].tooltip[0] ? tr(kPanels[i].tooltip) : QString());
        panel->setFrameStyle(QFrame::Panel | (i == 6 ? QFrame::Raised : QFrame::Sunken));
        panel->setAlignment(i == 6 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
        bar->addWidget(panel);
        panels_[std::size_t(i)] = panel;
    }
    panels_[6]->hide();
}

void MainWindow::setPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 7)
        panels_[std::size_t(panel - 1)]->setText(text);
}

QString MainWindow::panelText(int panel) const
{
    return panel >= 1 && panel <= 7 ? panels_[std::size_t(panel - 1)]->text() : QString();
}

int MainWindow::message(const UserMessage& m, MessageButtons buttons)
{
    if (messageBox)
        return messageBox(m, buttons);
    // Over an open parameter dialog or editor, so that it does not take the message for another
    // window of the program and cancel itself (its OK may still be at work).
    QWidget* over = qobject_cast<PaletteWindow*>(toolWindow()) || !toolWindow() ? static_cast<QWidget*>(this)
                                                                               : toolWindow();
    return showMessageBox(over, m, buttons);
}

void MainWindow::notYetAvailable()
{
    message({asShown(tr("Esta herramienta todavia no esta disponible en esta version de Tarvel Lab.")), "Aviso",
             MessageIcon::Information});
}

void MainWindow::setCaption()
{
    setWindowTitle(tr("Tarvel Lab 2.0 : %1").arg(qs(ws_.programName)));
}

void MainWindow::startUp(const QString& programToOpen, bool forceSimulated)
{
    startUpWith(programToOpen.isEmpty() ? std::string() : nativePath(QFileInfo(programToOpen).absoluteFilePath()),
                forceSimulated);
}

void MainWindow::startUpWith(const std::string& programToOpen, bool forceSimulated)
{
    ws_.settings.comPort = 1;
    ws_.settings.warnUncodedIcons = true;
    ws_.library.codeFormatName.clear();
    ws_.settings.interfaceMode = false;
    // What saves killed half way left behind (ours are named so that nothing else is touched).
    removeStaleTemporaries(ws_.appFolder());
    removeStaleTemporaries(ws_.appFolder() / kRecoveryFolderName);
    const ConfigLoad config = loadOrCreateConfig(ws_.configPath(), ws_.defaultLibraryPath());
    ws_.settings = config.settings;
    if (!config.error.empty())
        message({config.error, "Error", MessageIcon::Critical});
    if (config.created) {
        // A first start shows the full interface, and the settings keep what was shown: a student
        // who drew yesterday finds the palettes again today.
        ws_.settings.interfaceMode = true;
        // Also over a damaged file just replaced; a write that failed was told about already.
        if (const Text error = storeConfig(ws_.configPath(), ws_.settings); !error.empty() && config.error.empty())
            message({error, "Error", MessageIcon::Critical});
    }
    InterfaceMode(ws_.settings.interfaceMode);
    if (forceSimulated)
        ws_.settings.useSimulatedBrick = true;
    setSimulatedBrick(ws_.settings.useSimulatedBrick);
    for (const auto& m : ws_.loadLibrary(ws_.settings.libraryPath))
        message(m);
    setPanel(3, uiText(libraryStatusText(ws_.library)));
    setPanel(5, uiText(memoryStatusText(ws_.library)));
    fillExampleMenus();
    canvas_->layoutCanvas();
    if (auto failure = ws_.checkLibraryIntegrity()) {
        integrityFailed_ = true;
        message(*failure);
    }
    if (!(ws_.settings.dontShowFlags & kDontShowWelcome))
        showWelcome();
    started_ = true;
    NewProgram();
    if (!programToOpen.empty())
        openProgramPath(programToOpen, true); // a refused file leaves "Mi Programa.gtf" in place
    startFileServices();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!started_)
        return;
    // Later resizes repeat the integrity check; its message is shown once, not on every resize.
    if (auto failure = ws_.checkLibraryIntegrity(); failure && !integrityFailed_) {
        integrityFailed_ = true;
        message(*failure);
    }
}

void MainWindow::fillExampleMenus()
{
    ws_.examples = loadExampleList(ws_.appFile("qp_list.txt"));
    for (const auto& menuText : kExampleMenus) {
        QMenu* menu = exampleMenus_[menuText.list];
        menu->clear();
        const int items = exampleMenuItems(menuText.list);
        for (int i = 0; i < items; ++i) {
            QAction* a = menu->addAction(i == 0 ? QStringLiteral("P%1_0").arg(menuText.caption + 5)
                                                : tr("No Hay Programas Disponibles"));
            a->setObjectName(QStringLiteral("%1_%2").arg(menuText.items).arg(i));
            a->setVisible(i == 0);
            connect(a, &QAction::triggered, this,
                    [this, list = menuText.list, i] { runUserCommand(this, [this, list, i] { openExample(list, i); }); });
        }
    }
    for (const auto& e : ws_.examples.entries) {
        QMenu* menu = exampleMenu(e.list);
        if (!menu || e.index >= menu->actions().size())
            continue;
        QAction* a = menu->actions()[e.index];
        a->setText(uiText(e.caption));
        a->setVisible(true);
    }
    if (!ws_.examples.problems.empty()) {
        std::string text = cp(tr("Algunas lineas de la lista de ejemplos no se pudieron usar:"));
        for (const auto& p : ws_.examples.problems)
            text += "\r\n" + p;
        message({Text::sentences(text), "Aviso", MessageIcon::Warning});
    }
}

void MainWindow::openExample(int list, int index)
{
    for (const auto& e : ws_.examples.entries) {
        if (e.list != list || e.index != index)
            continue;
        if (e.programFile.size() <= 5)
            return;
        // Asked before the example's help replaces the open program's.
        closeToolWindow();
        if (!askToSaveChanges())
            return;
        OpenHelp(qs(e.helpFile));
        openProgramPath(ws_.appFile(e.programFile), false, e.programFile);
        RefreshPanelObjects();
        return;
    }
}

void MainWindow::OpenHelp(const QString& helpName)
{
    const auto text = exampleHelpText(ws_.appFolder().string(), cp(helpName));
    ws_.hasHelp = text.has_value();
    ws_.programHelpText = text.value_or(std::string());
    canvas_->setHelpPicture(ws_.hasHelp);
}

void MainWindow::InterfaceMode(bool fullMode)
{
    fullMode_ = fullMode;
    canvas_->setInterfaceMode(fullMode);
    for (const char* key : {"Run", "Compi", "Send", "Consola", "Monitor"})
        actions_[key]->setVisible(fullMode);
    enableBrickCommands();
}

void MainWindow::enableBrickCommands()
{
    // The commands that need the brick stay inert without it, and say so instead of looking ready.
    const QString how = tr("Para usarlo, conecte el Ladrillo con \"Conectar\", o elija \"Conexion\" > "
                           "\"Usar Ladrillo Simulado\".");
    struct Gated {
        const char* key;
        bool byMode; // also hidden in the reduced interface
    };
    static const Gated gated[] = {
        {"Run", true}, {"Compi", true}, {"Send", true}, {"CompiSend", false},
        {"mnuTextCompiGrabar", false}, {"mnuTextGrabar", false}, {"mnuTextExe", false},
    };
    for (const Gated& g : gated) {
        QAction* a = actions_[g.key];
        a->setEnabled(ws_.brickReady && (!g.byMode || fullMode_));
        const char* toolTip = nullptr;
        for (const auto& t : kTools)
            if (t.key && std::string_view(t.key) == g.key)
                toolTip = t.tooltip;
        const QString tip = toolTip ? tr(toolTip) : a->text();
        a->setToolTip(ws_.brickReady ? tip : tip + "\n" + how);
        a->setStatusTip(ws_.brickReady ? QString() : how);
    }
    for (const char* key : {"Consola", "Monitor"})
        actions_[key]->setEnabled(fullMode_);
}

void MainWindow::RefreshPanelObjects()
{
    setPanel(4, uiText(objectsStatusText(ws_.store)));
}

bool MainWindow::askToSaveChanges()
{
    if (!ws_.editor.programDirty)
        return true;
    const int answer = message(
        {asShown(tr("Desea Guardar los Cambios Realizados en el Programa?")), "Aviso", MessageIcon::Question},
        YesNoCancelButtons);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer != QMessageBox::Yes || SaveProgram(true);
}

void MainWindow::ClearWorkSpace()
{
    closeToolWindow();
    ws_.store.resetStore();
    ws_.programEditor.resetEditing();
    canvas_->resetCanvas();
    showEditorMode();
    updateUndoActions();
}

bool MainWindow::NewProgram()
{
    closeToolWindow();
    if (!askToSaveChanges())
        return false;
    setPanel(3, uiText(libraryStatusText(ws_.library)));
    setPanel(5, uiText(memoryStatusText(ws_.library)));
    ws_.programName = "Mi Programa.gtf";
    ws_.programPath = ws_.appFile(ws_.programName);
    ws_.programEditor.newProgram();
    canvas_->resetCanvas();
    setCaption();
    canvas_->renderLastElement();
    showEditorMode();
    updateUndoActions();
    RefreshPanelObjects();
    ConnectTool(ws_.link().brickConnected());
    return true;
}

bool MainWindow::SaveProgram(bool saveAs)
{
    if (ws_.programName.empty())
        ws_.programName = "Mi Programa.gtf";
    ws_.programName = withGtfExtension(ws_.programName);
    if (ws_.programPath.size() > 3)
        ws_.programPath = withGtfExtension(ws_.programPath);
    if (saveAs) {
        const QString proposed = ws_.programPath.size() > 3 ? fromNativePath(ws_.programPath) : qs(ws_.programName);
        const QString start = QDir::home().filePath(QFileInfo(proposed).fileName());
        const QString chosen = QFileDialog::getSaveFileName(this, tr("Guardar Programa Grafico"), start,
                                                            tr("Archivos de Lenguaje Grafico (*.gtf)"));
        if (chosen.isEmpty())
            return false;
        ws_.programPath = nativePath(chosen);
    }
    ws_.programPath = withGtfExtension(ws_.programPath);
    if (saveAs)
        setWindowTitle(tr("Tarvel Lab 2.0 : %1").arg(QFileInfo(fromNativePath(ws_.programPath)).fileName()));
    const FileOutcome outcome = saveProgramFile(ws_.store, ws_.programPath);
    if (!outcome.ok) {
        message({outcome.error, "Error", MessageIcon::Critical});
        return false;
    }
    removeStaleTemporaries(std::filesystem::path(ws_.programPath).parent_path());
    ws_.editor.programDirty = false;
    if (recovery_)
        recovery_->discard();
    rememberRecentFile(ws_.programPath);
    return true;
}

void MainWindow::showLoadedProgram()
{
    setCaption();
    setPanel(5, uiText(memoryStatusText(ws_.library))); // the last build's count was another program's
    ws_.programEditor.resetEditing();
    showEditorMode();
    updateUndoActions();
    canvas_->resetCanvas();
    canvas_->showLoadedProgram();
    RefreshPanelObjects();
}

bool MainWindow::OpenProgram(const QString& exampleFileName)
{
    closeToolWindow();
    if (!askToSaveChanges())
        return false;
    if (!exampleFileName.isEmpty()) {
        const QFileInfo info(exampleFileName);
        if (info.isAbsolute())
            return openProgramPath(nativePath(exampleFileName), true);
        // A shipped example, named relative to the application folder: not a recent file.
        return openProgramPath(ws_.appFile(cp(exampleFileName)), false, cp(exampleFileName));
    }
    ws_.programName = withGtfExtension(ws_.programName);
    if (ws_.programPath.size() > 3)
        ws_.programPath = withGtfExtension(ws_.programPath);
    const QString proposed = QFileInfo(fromNativePath(ws_.programPath)).fileName();
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Abrir Programa Grafico"),
        QDir::home().filePath(proposed), tr("Archivos de Lenguaje Grafico (*.gtf)"));
    if (chosen.isEmpty())
        return false;
    return openProgramPath(nativePath(chosen), true);
}

void MainWindow::openProgramCommand()
{
    if (!OpenProgram())
        return;
    ws_.hasHelp = false;
    canvas_->setHelpPicture(false);
}

bool MainWindow::openProgramPath(const std::string& path, bool remember, std::string name)
{
    if (name.empty())
        name = cp(QFileInfo(fromNativePath(path)).fileName());
    // The file is read whole before the program in memory is replaced: a file that cannot be read
    // leaves the current program, its name and the file "Guardar" writes as they were.
    const FileOutcome outcome = openProgramFile(ws_.store, path);
    if (!outcome.ok) {
        message({outcome.error, "Error", MessageIcon::Critical});
        return false;
    }
    canvas_->icons().clear(); // the numbers start again at 1 with the new program
    removeStaleTemporaries(std::filesystem::path(path).parent_path());
    ws_.programPath = path;
    ws_.programName = name;
    if (remember)
        rememberRecentFile(path);
    showLoadedProgram();
    if (!outcome.notes.empty()) {
        std::vector<Text> lines{asShown(tr("El archivo esta danado; se abrio lo que se pudo leer:"))};
        lines.insert(lines.end(), outcome.notes.begin(), outcome.notes.end());
        message({Text::lines(lines), "Aviso", MessageIcon::Warning});
    }
    return true;
}

void MainWindow::ConnectTool(bool connected)
{
    const BrickTools tools = brickToolsState(connected, ws_.settings.autoConnect);
    ws_.brickReady = tools.brickReady;
    for (const auto& [key, picture] : tools.pictures)
        toolbarPicture(key, picture);
    actions_["Conect"]->setText(uiText(tools.conectCaption));
    enableBrickCommands();
    if (tools.brickReady)
        ws_.link().SetBrickLeds(0); // refused without effect while the link is closed
}

void MainWindow::FullComConnect()
{
    auto* window = new ConnectingWindow(this);
    window->adjustSize();
    window->move(geometry().left() + width() / 2 - window->width() / 2,
                 geometry().top() + int(height() / 2.3) - window->height() / 2);
    window->show();
    const bool wasConnected = ws_.link().brickConnected();
    const bool connected = ws_.link().ToggleBrickConnection(4, window->progress());
    if (connected) {
        setPanel(1, "USB");
        setPanel(2, tr("Ladrillo: %1").arg(qs(ws_.link().brickName)));
        ConnectTool(true);
    } else {
        setPanel(2, tr("Ladrillo: Ninguno"));
        ConnectTool(false);
    }
    if (ws_.usingSimulatedBrick())
        setPanel(1, "SIM");
    if (!wasConnected && !connected) {
        window->showFailure(ws_.usingSimulatedBrick() ? std::function<void()>() : [this] {
            setSimulatedBrick(true);
            StoreConfig();
        });
        return;
    }
    window->close();
    window->deleteLater();
}

void MainWindow::RunBrickProgramCommand()
{
    if (!ws_.brickReady)
        return;
    if (ws_.link().RunBrickProgram()) {
        setPanel(2, tr("Ladrillo: %1").arg(qs(ws_.link().brickName)));
        ConnectTool(false);
        setPanel(2, tr("Ladrillo: Conectado?"));
    }
}

void MainWindow::setSimulatedBrick(bool simulated)
{
    if (!ws_.useSimulatedBrick(simulated)) {
        // The link is talking to the brick: it cannot be replaced under the running command.
        const QSignalBlocker block(actions_["mnuSimulatedBrick"]);
        actions_["mnuSimulatedBrick"]->setChecked(ws_.usingSimulatedBrick());
        message({asShown(tr("No se Puede Cambiar de Ladrillo Mientras hay una Comunicacion en Curso.")), "Aviso",
                 MessageIcon::Information});
        return;
    }
    ws_.settings.useSimulatedBrick = simulated;
    actions_["mnuSimulatedBrick"]->setChecked(simulated);
    setPanel(1, simulated ? "SIM" : "USB");
    setPanel(2, tr("Ladrillo: Ninguno"));
    ConnectTool(false);
}

void MainWindow::StoreConfig()
{
    const Text error = storeConfig(ws_.configPath(), ws_.settings);
    if (!error.empty())
        message({error, "Error", MessageIcon::Critical});
}

void MainWindow::showWelcome()
{
    // The window frees itself when it is closed: the wait asks a guarded pointer.
    QPointer<WelcomeWindow> welcome = new WelcomeWindow(ws_, this);
    welcome->storeConfig = [this] { StoreConfig(); };
    welcome->move(geometry().center() - welcome->rect().center());
    welcome->show();
    while (waitForWelcome && welcome && welcome->isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 50);
}

void MainWindow::showAbout()
{
    auto* about = new AboutWindow(ws_, this);
    about->show();
}

void MainWindow::showProgramHelp()
{
    auto* help = new AppHelpWindow(ws_, this);
    help->show();
}

void MainWindow::showSettings()
{
    auto* dialog = new SettingsDialog(ws_, this);
    dialog->connectTool = [this](bool on) { ConnectTool(on); };
    dialog->storeConfig = [this] { StoreConfig(); };
    dialog->simulatedBrickChanged = [this](bool on) { setSimulatedBrick(on); };
    dialog->libraryLoaded = [this](const std::vector<UserMessage>& messages) {
        for (const auto& m : messages)
            message(m);
        setPanel(3, uiText(libraryStatusText(ws_.library)));
        setPanel(5, uiText(memoryStatusText(ws_.library)));
    };
    dialog->show();
}

void MainWindow::grabSettings(const QString& file)
{
    showSettings();
    QCoreApplication::processEvents();
    if (auto* dialog = findChild<SettingsDialog*>())
        dialog->grab().save(file);
}

void MainWindow::showStartDialog()
{
    auto* dialog = new StartDialog(ws_, this);
    dialog->descriptionChanged = [this](const QString&) { canvas_->redrawView(); };
    dialog->show();
}

void MainWindow::showQuickHelp(int cell)
{
    const ProgramStore& store = ws_.store;
    const int s = store.activeSequence;
    const int index = elementIndex(store, s, cell);
    if (index < 0 || index >= store.sequenceLength(s))
        return;
    const InstructionRecord& r = store.recordAt(s, index);
    const QString shown = uiText(shownDescription(r, store)).trimmed();
    auto* help = new QuickHelpWindow(uiText(elementHelpText(ws_.library, r.family, r.subtype, r.option)),
                                     canvas_->icons().compose(storedIconLayers(r)), shown, this);
    // The element explained keeps its border while the help is open.
    canvas_->setCellBorder(cell, true);
    connect(help, &QDialog::finished, canvas_, [this, cell] { canvas_->setCellBorder(cell, false); });
    help->adjustSize();
    const QPoint centre = canvas_->mapToGlobal(canvas_->rect().center());
    help->move(centre - QPoint(help->width() / 2, help->height() / 2));
    help->show();
    help->activateWindow();
}

} // namespace tarvel

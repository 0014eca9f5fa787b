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
#include "gui/editor/BrickToolsController.h"
#include "gui/editor/ToursController.h"
#include "gui/editor/SimulatorController.h"
#include "gui/build/FormEditSource.h"
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
    QAction* MainCommands::*command;
};
const ToolButtonText kTools[] = {
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Nuevo"), "New",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Comenzar un Nuevo Programa"), 1, &MainCommands::toolNew},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Abrir"), "Open",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Abrir un Programa Existente"), 2, &MainCommands::toolOpen},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Guardar"), "Save",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Guardar el Programa Actual"), 3, &MainCommands::toolSave},
    {nullptr, nullptr, nullptr, 0, nullptr},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Ejecutar"), "Run",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Ejecutar el Programa Guardado en el Ladrillo"), 11, &MainCommands::toolRun},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Compilar"), "Compi",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Covertir el Programa de Grafos en Codigo-Ladrillo"), 4, &MainCommands::toolCompile},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Grabar"), "Send",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Envia el Programa al Ladrillo"), 5, &MainCommands::toolSend},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "CompiGraba"), "CompiSend",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Compila, Envia Programa al Ladrillo y lo Ejecuta"), 6, &MainCommands::toolCompileSend},
    {nullptr, nullptr, nullptr, 0, nullptr},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Conectar"), "Conect",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Iniciar Conexion con el Ladrillo"), 9, &MainCommands::toolConnect},
    {nullptr, nullptr, nullptr, 0, nullptr},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Monitor"), "Monitor",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Monitor de Comunicacion para Aplicacion"), 10, &MainCommands::toolMonitor},
    {QT_TRANSLATE_NOOP("tarvel::MainWindow", "Tester"), "Consola",
     QT_TRANSLATE_NOOP("tarvel::MainWindow", "Consola de prueba desde PC"), 12, &MainCommands::toolConsole},
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

MainWindow::MainWindow(Workspace& workspace, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , ws_(workspace)
    , dialogs_(dialogs)
{
    setObjectName("MDIForm1");
    setWindowTitle(tr("Tarvel Lab 1.0"));
    setWindowIcon(IconStore::picture("robotcenter", "3"));
    // The canvas loads with the window: the store is reset and the start element created.
    ws_.store.programSettings = ProgramSettings{};
    ws_.store.resetStore();
    canvas_ = new Canvas(ws_, this);
    setCentralWidget(canvas_);
    connect(canvas_, &Canvas::objectsChanged, this, [this] { RefreshPanelObjects(); });
    connect(canvas_, &Canvas::messageRaised, this, [this](const UserMessage& m) { message(m); });
    connect(canvas_, &Canvas::startDialogRequested, this, [this] { showStartDialog(); });
    connect(canvas_, &Canvas::programHelpRequested, this, [this] { showProgramHelp(); });
    connect(canvas_, &Canvas::interfaceModeChosen, this, [this](bool full) {
        InterfaceMode(full);
        ws_.settings.interfaceMode = full;
        StoreConfig();
    });
    brickTools_ = new BrickToolsController(
        ws_, *this,
        {[this](StatusPanel panel, const QString& text) { setPanel(panel, text); },
         [this](bool on) { ConnectTool(on); }, [this] { StoreConfig(); }});
    tours_ = new ToursController(ws_, *canvas_, *this,
                                 {[this](const EditOutcome& outcome) { applyEdit(outcome); }, [this] { endModify(); },
                                  [this](const UserMessage& m, MessageButtons buttons) { return message(m, buttons); },
                                  [this](QWidget* window) { toolWindow_ = window; }});
    simulator_ = new SimulatorController(ws_, *canvas_, *this,
                                         {[this](const UserMessage& m) { message(m); },
                                          [this](int sequence, int index) {
                                              if (sourceEditor_) // the source lines of the element that runs
                                                  sourceEditor_->highlightElement(sequence, index);
                                          }});
    buildCommands();
    buildMenus();
    canvas_->setElementMenu(grafoMenu_);
    canvas_->setExampleMenus({exampleMenu(0), exampleMenu(1), exampleMenu(2), exampleMenu(9)});
    buildToolbar();
    buildStatusBar();
    setUpEditing();
    ws_.setLinkObservers({[this](StatusPanel panel, const Text& text) { setPanel(panel, uiText(text)); },
                          [this](bool connected) { ConnectTool(connected); }},
                         [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
    setCaption();
    ConnectTool(false);
    fitToScreen();
}

void MainWindow::openMonitor(bool fromToolbar)
{
    brickTools_->openMonitor(fromToolbar);
}

void MainWindow::openConsole()
{
    brickTools_->openConsole();
}

void MainWindow::openTester()
{
    brickTools_->openTester();
}

void MainWindow::openTourEditor(DialogId id)
{
    tours_->openTourEditor(id);
}

void MainWindow::openSimulator()
{
    simulator_->openSimulator();
}

void MainWindow::openChallenge(const QString& path)
{
    simulator_->openChallenge(path);
}

void MainWindow::placeBesideFlowchart(QWidget* window)
{
    simulator_->placeBesideFlowchart(window);
}

SimulatorWindow* MainWindow::simulator() const
{
    return simulator_->simulator();
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
    if (run)
        connect(a, &QAction::triggered, this, [this, run = std::move(run)] { runUserCommand(this, run); });
    return a;
}

static const ToolButtonText* toolText(QAction* MainCommands::*command)
{
    for (const ToolButtonText& t : kTools)
        if (t.command == command)
            return &t;
    return nullptr;
}

void MainWindow::buildCommands()
{
    MainCommands& c = commands_;
    c.newProgram = action("mnuFileNuevo", tr("Nuevo"), [this] { NewProgram(); });
    c.newProgram->setShortcut(QKeySequence::New);
    c.open = action("mnuFileAbrir", tr("Abrir"), [this] {
        openProgramCommand();
        RefreshPanelObjects();
    });
    c.open->setShortcut(QKeySequence::Open);
    c.save = action("mnuFileGuardar", tr("Guardar"), [this] { SaveProgram(false); });
    c.save->setShortcut(QKeySequence::Save);
    c.saveAs = action("mnuFileGuardarComo", tr("Guardar Como"), [this] { SaveProgram(true); });
    c.saveAs->setShortcut(QKeySequence::SaveAs);
    c.exportImage = action("mnuFileExportar", tr("Exportar Imagen"), [this] { exportImageCommand(); });
    c.exportImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    c.print = action("mnuFileImprimir", tr("Imprimir"), [this] { printCommand(); });
    c.print->setShortcut(QKeySequence::Print);
    c.tester = action("mnuTester", tr("Tester"), [this] { brickTools_->openTester(); });
    c.quit = action("mnuFileSalir", tr("Salir"), [this] { close(); });
    c.quit->setShortcut(QKeySequence::Quit);
    // Quitting does not wait for an open question to be answered, as other commands do: the close
    // answers it Cancel and comes again once the command that asked has ended.
    connect(c.quit, &QAction::triggered, this, [this] {
        if (QApplication::activeModalWidget())
            close();
    });

    c.undo = action("mnuEditDeshacer", tr("Deshacer"), [this] { undoCommand(); });
    c.undo->setShortcuts({QKeySequence::Undo});
    c.redo = action("mnuEditRehacer", tr("Rehacer"), [this] { redoCommand(); });
    c.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    c.remove = action("mnuEditEliminar", tr("Eliminar"), [this] { deleteCommand(); });
    c.remove->setShortcut(QKeySequence::Delete);

    c.compile = action("mnuTextCompilar", tr("Compilar Programa"), [this] { compileCommand(); });
    c.compile->setShortcut(Qt::Key_F5);
    c.compileSendRun = action("mnuTextCompiGrabar", tr("Compilar, Grabar y Ejecutar"), [this] { compileSendCommand(); });
    c.editSource = action("mnuEditSource", tr("Ver y Editar Codigo Fuente"), [this] { openSourceEditor(); });

    c.connectBrick = action("mnuTextConect", tr("Conectarse con el Ladrillo"), [this] { FullComConnect(); });
    c.send = action("mnuTextGrabar", tr("Grabar en el Ladrillo"), [this] { sendCommand(); });
    c.runProgram = action("mnuTextExe", tr("Ejecutar Programa Ladrillo"), [this] { RunBrickProgramCommand(); });
    c.turnOff = action("mnuTextTurnOff", tr("Apagar Ladrillo"), [this] { ws_.link().TurnOffBrick(); });
    c.monitor = action("mnuTextMonitor", tr("Iniciar Monitor"), [this] { brickTools_->openMonitor(); });
    c.console = action("mnuTextConsola", tr("Iniciar Consola"), [this] { brickTools_->openConsole(); });
    c.simulator = action("mnuTextSimulador", tr("Ver Simulador"), [this] { simulator_->openSimulator(); });
    c.simulator->setToolTip(tr("Ver el robot simulado y su mundo"));
    c.simulator->setIcon(SimulatorController::icon());
    c.simulatedBrick = action("mnuSimulatedBrick", tr("Usar Ladrillo Simulado"), {});
    c.simulatedBrick->setCheckable(true);
    connect(c.simulatedBrick, &QAction::toggled, this, [this](bool on) {
        if (on != ws_.settings.useSimulatedBrick) {
            setSimulatedBrick(on);
            StoreConfig();
        }
    });

    c.webPage = action("mnuTextGoWeb", tr("Ir a Brenquil en la Web"), [this] { openWebPage(); });
    c.help = action("mnuTextAyuda", tr("Ayuda General"), [this] { openManual(QT_TR_NOOP("manual tarvel lab 2.pdf")); });
    c.help->setShortcut(QKeySequence::HelpContents);
    c.advancedHelp = action("mnuTextAyudaAdvance", tr("Ayuda Avanzada"),
                            [this] { openManual(QT_TR_NOOP("manual tarvel lab 2 avanzado.pdf")); });
    c.about = action("mnuTextAcercaDe", tr("Acerca de...."), [this] { showAbout(); });
    c.settings = action("mnuConfig", tr("Configuracion"), [this] { showSettings(); });

    c.elementDelete = action("mnuGrafoEliminar", tr("Eliminar"), [this] { deleteCommand(); });
    c.elementModify = action("mnuGrafoModificar", tr("Modificar"), [this] { modifyCommand(); });
    c.elementReplace = action("mnuGrafoReemplazar", tr("Reemplazar"), [this] { replaceCommand(); });
    c.elementInsert = action("mnuGrafoInsert", tr("Insertar"), [this] { insertCommand(); });
    c.elementInsertSpace = action("mnuGrafoInsEsp", tr("Insertar Espacio"), [this] { separatorCommand(); });
    c.elementHelp = action("mnuGrafoAyuda", tr("Ayuda"), [this] { showQuickHelp(canvas_->selectedCell()); });

    const std::pair<QAction* MainCommands::*, std::function<void()>> tools[] = {
        {&MainCommands::toolNew,
         [this] {
             if (!NewProgram())
                 return;
             ws_.hasHelp = false;
             canvas_->setHelpPicture(false);
         }},
        {&MainCommands::toolOpen, [this] { openProgramCommand(); }},
        {&MainCommands::toolSave, [this] { SaveProgram(true); }},
        {&MainCommands::toolRun, [this] { RunBrickProgramCommand(); }},
        {&MainCommands::toolCompile, [this] { compileCommand(true); }},
        {&MainCommands::toolSend, [this] { sendCommand(); }},
        {&MainCommands::toolCompileSend, [this] { compileSendCommand(); }},
        {&MainCommands::toolConnect, [this] { FullComConnect(); }},
        {&MainCommands::toolMonitor, [this] { brickTools_->openMonitor(true); }},
        {&MainCommands::toolConsole, [this] { brickTools_->openConsole(); }},
    };
    for (const auto& [member, run] : tools) {
        const ToolButtonText& t = *toolText(member);
        QAction* a = action(t.key, tr(t.caption), run);
        a->setToolTip(tr(t.tooltip));
        a->setIcon(IconStore::picture("toolbar", QString::number(t.picture)));
        c.*member = a;
    }
    c.toolSimulator = action("Simulador", tr("Simulador"), [this] { simulator_->openSimulator(); });
    c.toolSimulator->setToolTip(tr("Ver el robot simulado y su mundo"));
    c.toolSimulator->setIcon(SimulatorController::icon());
}

// The manuals are read from the shipped files first, so that an update's manual wins over an older
// copy left in the user's application folder. The manual is the one of the interface's language:
// its file name is translated with the interface, and a translation whose manual is missing falls
// back to the Spanish one.
void MainWindow::openManual(const char* spanishFile)
{
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
}

void MainWindow::buildMenus()
{
    const MainCommands& c = commands_;
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(tr("Archivo"));
    file->setObjectName("mnuFile");
    file->addActions({c.newProgram, c.open, c.save, c.saveAs, c.exportImage, c.print});
    recentMenu_ = file->addMenu(tr("Archivos Recientes"));
    recentMenu_->setObjectName("mnuFileRecientes");
    fillRecentMenu();
    file->addAction(c.tester);
    file->addSeparator()->setObjectName("mnuFileSep1");
    file->addAction(c.quit);

    QMenu* edit = bar->addMenu(tr("Edicion"));
    edit->setObjectName("mnuEdit");
    edit->addActions({c.undo, c.redo});
    edit->addSeparator();
    edit->addAction(c.remove);
    addActions({c.undo, c.redo, c.remove}); // their shortcuts work wherever the focus is in the window
    updateUndoActions();

    QMenu* compi = bar->addMenu(tr("Compilacion"));
    compi->setObjectName("mnuCompi");
    compi->addActions({c.compile, c.compileSendRun, c.editSource});

    QMenu* conexion = bar->addMenu(tr("Conexion"));
    conexion->setObjectName("mnuConexion");
    conexion->addActions({c.connectBrick, c.send, c.runProgram, c.turnOff, c.monitor, c.console, c.simulator});
    simulator_->addChallengeMenu(conexion);
    conexion->addSeparator();
    conexion->addAction(c.simulatedBrick);

    QMenu* ayuda = bar->addMenu(tr("Ayuda"));
    ayuda->setObjectName("mnuAyuda");
    ayuda->addActions({c.webPage, c.help, c.advancedHelp});
    ayuda->addSeparator()->setObjectName("mnutextSepAyuda");
    ayuda->addAction(c.about);

    bar->addAction(c.settings);

    // Pop-up menus: the element menu of a cell and the example lists.
    grafoMenu_ = new QMenu("GrafoPopUp", this);
    grafoMenu_->setObjectName("mnuGrafo");
    grafoMenu_->addActions({c.elementDelete, c.elementModify, c.elementReplace, c.elementInsert, c.elementInsertSpace});
    grafoMenu_->addSeparator()->setObjectName("mnuSep2");
    grafoMenu_->addAction(c.elementHelp);
    for (const auto& menuText : kExampleMenus) {
        auto* menu = new QMenu(menuText.caption, this);
        menu->setObjectName(menuText.name);
        exampleMenus_[menuText.list] = menu;
    }
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
    auto place = [bar](QAction* a) {
        bar->addAction(a);
        if (QWidget* button = bar->widgetForAction(a))
            button->setObjectName(QStringLiteral("Toolbar1_%1").arg(a->objectName()));
    };
    for (const auto& t : kTools) {
        if (t.command)
            place(commands_.*t.command);
        else
            bar->addSeparator();
    }
    place(commands_.toolSimulator);
    if (QWidget* button = bar->widgetForAction(commands_.toolSimulator))
        button->setAccessibleName(tr("Ver Simulador"));
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

void MainWindow::toolbarPicture(std::string_view key, int picture)
{
    for (const auto& t : kTools)
        if (t.key && key == t.key)
            (commands_.*t.command)->setIcon(IconStore::picture("toolbar", QString::number(picture)));
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("sbarMain");
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 7; ++i) {
        const bool cancel = i + 1 == int(StatusPanel::CancelPending); // a button
        QLabel* label = cancel ? new ClickLabel(tr(kPanels[i].text), this) : new QLabel(tr(kPanels[i].text), this);
        label->setObjectName(QStringLiteral("sbarMain_%1").arg(i + 1));
        label->setMinimumWidth(px(kPanels[i].widthTwips));
        label->setToolTip(kPanels[i].tooltip[0] ? tr(kPanels[i].tooltip) : QString());
        label->setFrameStyle(QFrame::Panel | (cancel ? QFrame::Raised : QFrame::Sunken));
        label->setAlignment(cancel ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
        bar->addWidget(label);
        panels_[std::size_t(i)] = label;
    }
    panel(StatusPanel::CancelPending)->hide();
}

void MainWindow::setPanel(StatusPanel which, const QString& text)
{
    panel(which)->setText(text);
}

QString MainWindow::panelText(StatusPanel which) const
{
    return panel(which)->text();
}

int MainWindow::message(const UserMessage& m, MessageButtons buttons)
{
    // Over an open parameter dialog or editor, so that it does not take the message for another
    // window of the program and cancel itself (its OK may still be at work).
    QWidget* over = qobject_cast<PaletteWindow*>(toolWindow()) || !toolWindow() ? static_cast<QWidget*>(this)
                                                                               : toolWindow();
    return dialogs_.ask(over, m, buttons);
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
    setPanel(StatusPanel::Library, uiText(libraryStatusText(ws_.library)));
    setPanel(StatusPanel::Memory, uiText(memoryStatusText(ws_.library)));
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
    for (QAction* a : {commands_.toolRun, commands_.toolCompile, commands_.toolSend, commands_.toolConsole,
                       commands_.toolMonitor})
        a->setVisible(fullMode);
    enableBrickCommands();
}

void MainWindow::enableBrickCommands()
{
    // The commands that need the brick stay inert without it, and say so instead of looking ready.
    const QString how = tr("Para usarlo, conecte el Ladrillo con \"Conectar\", o elija \"Conexion\" > "
                           "\"Usar Ladrillo Simulado\".");
    static const std::map<BrickCommand, QAction* MainCommands::*> members = {
        {BrickCommand::ToolRun, &MainCommands::toolRun},
        {BrickCommand::ToolCompile, &MainCommands::toolCompile},
        {BrickCommand::ToolSend, &MainCommands::toolSend},
        {BrickCommand::ToolCompileSend, &MainCommands::toolCompileSend},
        {BrickCommand::CompileSendRun, &MainCommands::compileSendRun},
        {BrickCommand::Send, &MainCommands::send},
        {BrickCommand::RunProgram, &MainCommands::runProgram},
        {BrickCommand::ToolConsole, &MainCommands::toolConsole},
        {BrickCommand::ToolMonitor, &MainCommands::toolMonitor},
    };
    for (const BrickCommandState& state : brickCommandStates(ws_.brickReady, fullMode_)) {
        QAction* MainCommands::*member = members.at(state.command);
        QAction* a = commands_.*member;
        a->setEnabled(state.enabled);
        if (!state.needsBrick)
            continue;
        const ToolButtonText* tool = toolText(member);
        const QString tip = tool ? tr(tool->tooltip) : a->text();
        a->setToolTip(ws_.brickReady ? tip : tip + "\n" + how);
        a->setStatusTip(ws_.brickReady ? QString() : how);
    }
}

void MainWindow::RefreshPanelObjects()
{
    setPanel(StatusPanel::Objects, uiText(objectsStatusText(ws_.store)));
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
    setPanel(StatusPanel::Library, uiText(libraryStatusText(ws_.library)));
    setPanel(StatusPanel::Memory, uiText(memoryStatusText(ws_.library)));
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
    setPanel(StatusPanel::Memory, uiText(memoryStatusText(ws_.library))); // the last build's count was another program's
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
    commands_.toolConnect->setText(uiText(tools.conectCaption));
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
        setPanel(StatusPanel::Port, "USB");
        setPanel(StatusPanel::Brick, tr("Ladrillo: %1").arg(qs(ws_.link().brickName)));
        ConnectTool(true);
    } else {
        setPanel(StatusPanel::Brick, tr("Ladrillo: Ninguno"));
        ConnectTool(false);
    }
    if (ws_.usingSimulatedBrick())
        setPanel(StatusPanel::Port, "SIM");
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
        setPanel(StatusPanel::Brick, tr("Ladrillo: %1").arg(qs(ws_.link().brickName)));
        ConnectTool(false);
        setPanel(StatusPanel::Brick, tr("Ladrillo: Conectado?"));
    }
}

void MainWindow::setSimulatedBrick(bool simulated)
{
    if (!ws_.useSimulatedBrick(simulated)) {
        // The link is talking to the brick: it cannot be replaced under the running command.
        const QSignalBlocker block(commands_.simulatedBrick);
        commands_.simulatedBrick->setChecked(ws_.usingSimulatedBrick());
        message({asShown(tr("No se Puede Cambiar de Ladrillo Mientras hay una Comunicacion en Curso.")), "Aviso",
                 MessageIcon::Information});
        return;
    }
    ws_.settings.useSimulatedBrick = simulated;
    commands_.simulatedBrick->setChecked(simulated);
    setPanel(StatusPanel::Port, simulated ? "SIM" : "USB");
    setPanel(StatusPanel::Brick, tr("Ladrillo: Ninguno"));
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
    while (dialogs_.waitForWelcome() && welcome && welcome->isVisible())
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
        setPanel(StatusPanel::Library, uiText(libraryStatusText(ws_.library)));
        setPanel(StatusPanel::Memory, uiText(memoryStatusText(ws_.library)));
    };
    dialog->show();
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

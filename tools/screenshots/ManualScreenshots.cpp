#include "ManualScreenshots.h"

#include "compiler/BuildPlan.h"
#include "editing/ElementKinds.h"
#include "gui/app/InfoWindows.h"
#include "gui/app/QtText.h"
#include "gui/build/FormEditSource.h"
#include "gui/dialogs/PaletteWindow.h"
#include "gui/editor/Canvas.h"
#include "gui/editor/MainWindow.h"
#include "gui/editor/StartDialog.h"
#include "gui/link/ConnectingWindow.h"
#include "gui/settings/SettingsDialog.h"
#include "gui/simulator/SimulatorWindow.h"
#include "gui/tours/TourArea.h"
#include "gui/tours/TourWindow.h"
#include "settings/AppSettings.h"
#include "workspace/Workspace.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTabWidget>

#include <algorithm>
#include <functional>
#include <set>

namespace tarvel {

namespace {

// Lets the windows lay themselves out and the timers they start run for `ms` of real time.
void settle(int ms = 80)
{
    QElapsedTimer clock;
    clock.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    while (clock.elapsed() < ms);
}

// Runs events until `done` holds or `ms` passed; answers whether it held.
bool waitFor(const std::function<bool()>& done, int ms = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

template <typename T>
T* child(QObject* parent, const QString& name)
{
    return parent ? parent->findChild<T*>(name) : nullptr;
}

void click(QObject* parent, const QString& name)
{
    if (auto* b = child<QAbstractButton>(parent, name))
        b->click();
}

// The window that opened last among the main window's children of type T.
template <typename T>
T* newest(MainWindow& main)
{
    const auto all = main.findChildren<T*>(QString(), Qt::FindDirectChildrenOnly);
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if ((*it)->isVisible())
            return *it;
    return nullptr;
}

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton)
{
    const QPointF local(at);
    QMouseEvent e(type, local, w->mapToGlobal(local), button,
                  type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons(), Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

class Camera {
public:
    Camera(MainWindow& main, Workspace& ws, QString folder)
        : main_(main)
        , ws_(ws)
        , folder_(std::move(folder))
    {
    }

    // Saves `w` as NAME.png, or notes the picture as missing. A window gets a plain title bar with
    // its caption (there is no window manager under Xvfb to draw one), so readers can match it.
    void take(QWidget* w, const QString& name)
    {
        if (!w) {
            missing_ << name;
            return;
        }
        settle();
        const QPixmap inside = w->grab();
        if (!w->isWindow() || qobject_cast<QMenu*>(w) || w->windowTitle().isEmpty()) {
            inside.save(QDir(folder_).filePath(name + ".png"));
            return;
        }
        const int bar = 26;
        QFont font = w->font();
        font.setBold(true);
        const int titleWidth = QFontMetrics(font).horizontalAdvance(w->windowTitle()) + 20;
        QPixmap framed(std::max(inside.width(), titleWidth) + 2, inside.height() + bar + 1);
        framed.fill(QColor(96, 110, 128));
        QPainter p(&framed);
        p.fillRect(QRect(1, bar, framed.width() - 2, inside.height()), w->palette().window());
        p.drawPixmap(1, bar, inside);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(10, 0, framed.width() - 20, bar), Qt::AlignVCenter | Qt::AlignLeft, w->windowTitle());
        p.end();
        framed.save(QDir(folder_).filePath(name + ".png"));
    }
    void takeMenu(QMenu* menu, const QString& name)
    {
        if (menu)
            menu->adjustSize();
        take(menu, name);
    }
    void close(QWidget* w)
    {
        if (w)
            w->close();
        settle(30);
    }

    void openExample(const QString& program, const QString& help)
    {
        main_.OpenHelp(help);
        main_.OpenProgram(program);
        main_.RefreshPanelObjects();
        settle();
    }

    void mainWindow();
    void menus();
    void palettesAndDialogs();
    void pathEditor();
    void melodyEditor();
    void informationWindows();
    void settings();
    void buildWindows();
    void brickTools();
    void simulator();

    QStringList missing() const { return missing_; }

private:
    MainWindow& main_;
    Workspace& ws_;
    QString folder_;
    QStringList missing_;
};

void Camera::mainWindow()
{
    openExample("Sigue la Luz.gtf", "Sigue la Luz.txt");
    take(&main_, "principal");
}

void Camera::menus()
{
    takeMenu(main_.exampleMenu(9), "menu-ejemplos");
    takeMenu(main_.findChild<QMenu*>("mnuGrafo"), "menu-elemento");
    for (auto [menu, name] : {std::pair{"mnuFile", "archivo"}, {"mnuCompi", "compilacion"},
                              {"mnuConexion", "conexion"}, {"mnuAyuda", "ayuda"}})
        takeMenu(main_.findChild<QMenu*>(menu), QString("menu-") + name);
}

// Every palette, and the dialog of every palette item that has one (once per dialog).
void Camera::palettesAndDialogs()
{
    main_.NewProgram(); // nothing in the program refuses an element
    std::set<DialogId> seen{DialogId::None, DialogId::MotorTour, DialogId::SalidaSonidoTour};
    const auto& all = palettes();
    for (int p = 0; p < int(all.size()); ++p) {
        main_.openPalette(p);
        take(main_.toolWindow(), "paleta-" + qs(all[std::size_t(p)].name).toLower());
        close(main_.toolWindow());
        for (int i = 0; i < int(all[std::size_t(p)].entries.size()); ++i) {
            const DialogId id = all[std::size_t(p)].entries[std::size_t(i)].dialog;
            if (!seen.insert(id).second)
                continue;
            main_.openPalette(p);
            main_.choosePaletteItem(p, i);
            settle();
            QWidget* dialog = main_.toolWindow();
            take(qobject_cast<PaletteWindow*>(dialog) ? nullptr : dialog, dialogFormName(id));
            close(main_.toolWindow());
        }
    }
}

// A square path with the light switched off on its last side.
void Camera::pathEditor()
{
    main_.openPalette(0);
    main_.choosePaletteItem(0, 6);
    settle();
    QWidget* window = main_.toolWindow();
    auto* area = child<TourArea>(window, "shpLimits");
    if (area) {
        const TwipPoint corners[] = {{5287.5, 2000}, {7600, 2000}, {7600, 5200}, {5287.5, 5200}};
        for (std::size_t i = 0; i < std::size(corners); ++i) {
            const QPoint at = TourArea::toPixels(corners[i]).toPoint();
            mouse(area, QEvent::MouseMove, at);
            mouse(area, QEvent::MouseButtonPress, at, Qt::LeftButton);
            mouse(area, QEvent::MouseButtonRelease, at, Qt::LeftButton);
            if (i == 2)
                if (auto* menu = child<QMenu>(window, "mnuTourOptions"))
                    for (QAction* a : menu->actions())
                        if (a->objectName() == "mnuLuzOff")
                            a->trigger();
        }
        mouse(area, QEvent::MouseMove, TourArea::toPixels({4200, 4300}).toPoint());
    }
    take(area ? window : nullptr, "formMotorTour");
    close(window);
}

// The first five notes of a scale.
void Camera::melodyEditor()
{
    main_.openPalette(1);
    main_.choosePaletteItem(1, 3);
    settle();
    QWidget* window = main_.toolWindow();
    for (int note : {0, 1, 2, 3, 4}) {
        click(window, QStringLiteral("optTonos_%1").arg(note));
        click(window, "cmdAdd");
    }
    take(child<QWidget>(window, "ListMelodia") ? window : nullptr, "formSalidaSonidoTour");
    close(window);
}

void Camera::informationWindows()
{
    auto* about = new AboutWindow(ws_, &main_);
    about->show();
    take(about, "formAbout");
    close(about);
    auto* welcome = new WelcomeWindow(ws_, &main_);
    welcome->show();
    take(welcome, "formWelcome");
    close(welcome);
    auto* help = new AppHelpWindow(ws_, &main_);
    help->show();
    take(help, "formAppHelp");
    close(help);
    auto* start = new StartDialog(ws_, &main_);
    start->show();
    take(start, "formSaltoInicioProg");
    close(start);
    // The quick help of the decision by light, the third element of the example, as its element
    // menu opens it.
    main_.canvas().selectCell(2);
    if (auto* menu = main_.findChild<QMenu*>("mnuGrafo"))
        menu->hide();
    main_.findChild<QAction*>("mnuGrafoAyuda")->trigger();
    auto* quick = newest<QuickHelpWindow>(main_);
    take(quick, "formMenuQuickHelp");
    close(quick);
    auto* connecting = new ConnectingWindow(&main_);
    connecting->show();
    take(connecting, "formConnecting");
    close(connecting);
}

void Camera::settings()
{
    // The library as an installed program shows it, not the folder this picture was taken in.
    const std::string library = ws_.settings.libraryPath;
    ws_.settings.libraryPath = "/home/alumno/.local/share/tarvel-lab/tarvel-lab/Clib_J2A1_USB0.LIB";
    const QStringList tabs = {"motores", "sensores", "comunicaciones", "compilador", "idioma"};
    for (int tab = 0; tab < tabs.size(); ++tab) {
        main_.findChild<QAction*>("mnuConfig")->trigger();
        settle();
        auto* dialog = newest<SettingsDialog>(main_);
        auto* strip = child<QTabWidget>(dialog, "tabConfig");
        if (!strip || tab >= strip->count()) {
            take(nullptr, "formScreenGlobalCfg-" + tabs[tab]);
            close(dialog);
            continue;
        }
        strip->setCurrentIndex(tab);
        take(dialog, "formScreenGlobalCfg-" + tabs[tab]);
        click(dialog, "cmdCancel");
        close(dialog);
    }
    ws_.settings.libraryPath = library;
}

void Camera::buildWindows()
{
    // A compilation, caught at its last step.
    main_.compileCommand();
    auto* build = main_.findChild<QWidget*>("formScreenCompi");
    // In the interface's language; the window may be gone before the text is seen.
    const QString finished = QCoreApplication::translate("core", "Terminado!");
    QPointer<QLabel> status = child<QLabel>(build, "lblConectStatus");
    if (status && waitFor([&] { return !status || status->text() == finished; }) && status)
        take(build, "formScreenCompi");
    else
        take(nullptr, "formScreenCompi");
    waitFor([this] { return ws_.buildMode == buildBits::Idle; });

    // The source editor with what that compilation made, the decision's lines marked.
    main_.openSourceEditor();
    settle();
    emit main_.canvas().elementSelected(0, 2);
    take(main_.sourceEditor(), "formEditSource");

    // A source with a mistake: the build stops and lists the message.
    const std::string wrong = "inicio\r\n LEDK 7\r\n PARPADEAR 3\r\n LEDK 99\r\ninicio\r\n";
    main_.runBuild(buildModes::EditorCompile, wrong);
    build = main_.findChild<QWidget*>("formScreenCompi");
    auto* exit = child<QWidget>(build, "cmdExit");
    if (exit && waitFor([exit] { return exit->isVisible(); }))
        take(build, "formScreenCompi-error");
    else
        take(nullptr, "formScreenCompi-error");
    click(build, "cmdExit");
    waitFor([this] { return ws_.buildMode == buildBits::Idle; });
    close(main_.sourceEditor());
}

void Camera::brickTools()
{
    main_.openConsole();
    settle(300);
    take(main_.findChild<QWidget*>("formScreenControl"), "formScreenControl");
    close(main_.findChild<QWidget*>("formScreenControl"));

    const int flags = ws_.settings.dontShowFlags;
    ws_.settings.dontShowFlags &= ~kDontShowMonitorWarning;
    main_.openMonitor();
    QWidget* warning = main_.findChild<QWidget*>("formMonitorWarning");
    take(warning, "formMonitorWarning");
    click(warning, "cmdClose");
    settle(200);
    take(main_.findChild<QWidget*>("formScreenMonitor"), "formScreenMonitor");
    close(main_.findChild<QWidget*>("formScreenMonitor"));
    ws_.settings.dontShowFlags = flags;

    main_.openTester();
    take(main_.findChild<QWidget*>("formFactory"), "formFactory");
    close(main_.findChild<QWidget*>("formFactory"));
}

// The line follower on its track, twelve seconds after its start: the simulation is paused and run
// on its virtual clock, so the picture is the same on every machine.
void Camera::simulator()
{
    ws_.loadWorld(ws_.appFile("worlds/pista.json"));
    openExample("Seguir la Linea.gtf", "Seguir la Linea.txt");
    main_.FullComConnect();
    main_.compileSendCommand();
    waitFor([this] { return ws_.buildMode == buildBits::Idle; });
    SimulatorWindow* window = main_.simulator();
    if (!window) {
        take(nullptr, "simulador");
        return;
    }
    window->resize(1000, 640);
    // The same program in the same world from time 0, whatever real time has passed meanwhile.
    Simulation fresh;
    fresh.setWorld(ws_.simulation.world());
    fresh.setSteering(ws_.simulation.steering());
    fresh.setElementMap(ws_.simulation.elementMap());
    const auto& memory = ws_.simulation.cpu().memory();
    fresh.load({memory.data(), memory.size()});
    fresh.programStarted = ws_.simulation.programStarted;
    ws_.simulation = fresh;
    ws_.simulation.start();
    click(window, "cmdPausa");
    ws_.simulation.advanceTo(12'000'000);
    window->frame();
    take(window, "simulador");
    close(window);
}

} // namespace

QStringList takeScreenshots(MainWindow& main, Workspace& ws, const QString& folder)
{
    QDir().mkpath(folder);
    Camera camera(main, ws, folder);
    camera.mainWindow(); // an example stays open for the help windows and the builds
    camera.menus();
    camera.informationWindows();
    camera.buildWindows();
    camera.palettesAndDialogs(); // from a new program on
    camera.pathEditor();
    camera.melodyEditor();
    camera.settings();
    camera.brickTools();
    camera.simulator();
    return camera.missing();
}

void grabSettings(MainWindow& main, const QString& file)
{
    main.commands().settings->trigger();
    QCoreApplication::processEvents();
    if (auto* dialog = main.findChild<SettingsDialog*>())
        dialog->grab().save(file);
}

} // namespace tarvel

// A seeded random walk through the whole program: random sequences of the commands a user gives,
// through the real widgets, menus and dialogs found by name, with the simulated brick. After every
// step: no crash, the program store's invariants, the canvas showing what the store holds, and the
// program saving and opening to the same bytes.
//
//   TARVEL_WALK_SECONDS  how long the test walks, one seed after another (60 by default)
//   TARVEL_WALK_SEED     walk this seed only (decimal or 0x...), to replay a failure
//   TARVEL_WALK_STEPS    steps of each walk (400 by default); a failure names the step to stop at
//   TARVEL_WALK_LOG=1    print every step as it is taken
#include "CanvasCells.h"
#include "ScriptedDialogs.h"
#include "WalkChecks.h"
#include "WalkRandom.h"

#include "compiler/BuildPlan.h"
#include "editing/ElementKinds.h"
#include "gui/app/QtText.h"
#include "gui/build/FormScreenCompi.h"
#include "gui/dialogs/ElementDialog.h"
#include "gui/dialogs/PaletteWindow.h"
#include "gui/editor/Canvas.h"
#include "gui/editor/MainWindow.h"
#include "gui/tours/FormMotorTour.h"
#include "gui/tours/FormSalidaSonidoTour.h"
#include "gui/tours/TourArea.h"
#include "model/ProgramFile.h"
#include "model/TextFile.h"
#include "workspace/Workspace.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <csignal>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using namespace tarvel;
using walk::Random;

namespace {

// What went wrong, with what the program showed.
struct WalkFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::uint64_t envNumber(const char* name, std::uint64_t fallback)
{
    const QByteArray value = qgetenv(name);
    if (value.isEmpty())
        return fallback;
    bool ok = false;
    const std::uint64_t n = value.startsWith("0x") ? value.mid(2).toULongLong(&ok, 16) : value.toULongLong(&ok);
    return ok ? n : fallback;
}

std::string firstLine(const std::string& text)
{
    const auto end = text.find_first_of("\r\n");
    return text.substr(0, end == std::string::npos ? text.size() : std::min<std::size_t>(end, 80));
}

std::string utf8(const QString& s)
{
    return s.toStdString();
}

// The element menu's commands, by their action names.
const char* const kCellCommands[] = {"mnuGrafoModificar", "mnuGrafoInsert",   "mnuGrafoReemplazar",
                                     "mnuGrafoEliminar",  "mnuGrafoInsEsp",   "mnuGrafoAyuda"};

// Commands given while a message box or question is open. A click on the main window does not
// reach it then; these are pressed the way assistive technologies press them.
const char* const kNestedCommands[] = {"mnuEditDeshacer", "mnuEditRehacer",   "mnuEditEliminar",    "mnuGrafoEliminar",
                                       "mnuGrafoModificar", "mnuGrafoInsert", "mnuGrafoReemplazar", "mnuGrafoInsEsp",
                                       "mnuFileNuevo",    "mnuFileGuardar",   "mnuTextCompilar",    "mnuTextCompiGrabar",
                                       "Conect",          "mnuTextConsola",   "mnuTextSimulador",   "mnuEditSource",
                                       "mnuConfig",       "mnuTextAcercaDe",  "mnuTester",          "mnuTextMonitor",
                                       "palette",         "quit"};

// The windows the program opens beside the main window, and the button that closes each.
struct ToolWindowCommand {
    const char* action;
    const char* window;
    const char* exit;
};
const ToolWindowCommand kToolWindows[] = {
    {"mnuTextConsola", "formScreenControl", "cmdExit"}, {"mnuTextMonitor", "formScreenMonitor", "cmdSalir"},
    {"Monitor", "formScreenMonitor", "cmdSalir"},        {"mnuTester", "formFactory", ""},
    {"mnuTextSimulador", "formSimulador", ""},           {"Simulador", "formSimulador", ""},
    {"mnuEditSource", "formEditSource", ""},             {"mnuConfig", "formScreenGlobalCfg", "cmdOk"},
    {"mnuTextAcercaDe", "formAbout", "cmdOk"},           {"Consola", "formScreenControl", "cmdExit"},
};

class Walk;
Walk* g_walk = nullptr; // the walk that reports a crash
QtMessageHandler g_qtHandler = nullptr;
void walkMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);

class Walk {
public:
    Walk(std::uint64_t seed, int maxSteps, QDeadlineTimer deadline, bool printSteps)
        : seed_(seed)
        , rng_(seed)
        , maxSteps_(maxSteps)
        , deadline_(deadline)
        , printSteps_(printSteps)
    {
        g_walk = this;
    }
    ~Walk()
    {
        endSession();
        g_walk = nullptr;
    }

    // Walks until the last step or the deadline; false, with the report printed, on a fault.
    bool run()
    {
        try {
            watchModals();
            startSession(true);
            for (step_ = 1; step_ <= maxSteps_ && !deadline_.hasExpired(); ++step_) {
                modalCount_ = 0;
                takeStep();
                settle(rng_.below(15));
                if (!win_->isVisible())
                    restart(); // the program was closed: it starts again, as the next run would
                check();
            }
            std::printf("random walk seed 0x%llx: %d steps, %d messages, %d restarts\n", (unsigned long long)seed_,
                        step_ - 1, messages_, restarts_);
            return true;
        } catch (const WalkFault& fault) {
            report(fault.what());
            return false;
        }
    }

    // The report of a fault or a crash: the seed and step that replay it and the last steps.
    void report(const char* what) const
    {
        std::fprintf(stderr, "\nrandom walk failed at step %d: %s\n", step_, what);
        std::fprintf(stderr, "replay: TARVEL_WALK_SEED=0x%llx TARVEL_WALK_STEPS=%d random_walk_tests\n",
                     (unsigned long long)seed_, step_);
        std::fprintf(stderr, "last steps:\n");
        for (const std::string& line : log_)
            std::fprintf(stderr, "  %s\n", line.c_str());
        std::fflush(stderr);
    }

private:
    // Sessions ------------------------------------------------------------------------------------

    void startSession(bool first)
    {
        if (first) {
            QDir shipped(TARVEL_APPDIR);
            for (const QString& f : shipped.entryList(QDir::Files))
                if (f != "Config.txt" && !f.endsWith(".src"))
                    QFile::copy(shipped.filePath(f), appDir_.filePath(f));
            QDir().mkpath(appDir_.filePath("worlds"));
            QDir worlds(shipped.filePath("worlds"));
            for (const QString& f : worlds.entryList(QDir::Files))
                QFile::copy(worlds.filePath(f), appDir_.filePath("worlds/" + f));
            // Full interface, the simulated brick; the welcome window and the source files by chance.
            const std::string config = "1\r\n1\r\n" + std::string(rng_.chance(70) ? "1" : "0") + "\r\n" +
                                       (rng_.chance(30) ? "1" : "0") + "\r\n1\r\n" +
                                       std::to_string(rng_.chance(60) ? 1 : rng_.below(4)) + "\r\n" +
                                       appDir_.filePath("Clib_J2A1_USB0.LIB").toStdString() + "\r\n1\r\n0\r\n";
            writeFileReplacing(appDir_.filePath("Config.txt").toStdString(), config);
            // The file dialogs start in the home folder: this walk's own.
            qputenv("HOME", saveDir_.path().toLocal8Bit());
        }
        note(first ? "start" : "start again");
        ws_ = std::make_unique<Workspace>(appDir_.path().toStdString());
        installMessageHook();
        dialogs_.waitsForWelcome = true;
        win_ = std::make_unique<MainWindow>(*ws_, dialogs_);
        win_->show();
        starting_ = true;
        win_->startUp({}, true);
        starting_ = false;
        settle(5);
    }

    void endSession()
    {
        win_.reset();
        ws_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void restart()
    {
        note("the main window closed: quit");
        quitting_ = false;
        endSession();
        ++restarts_;
        startSession(false);
    }

    bool live() const { return win_ && win_->isVisible() && !quitting_; }

public:
    // What the toolkit says goes into the step log, not to the test's output.
    void qtMessage(const QString& text)
    {
        if (!text.startsWith("This plugin does not support"))
            note("qt: " + text.toStdString());
    }

private:

    void installMessageHook()
    {
        if (realBoxes_)
            dialogs_.answer = nullptr;
        else
            dialogs_.answer = [this](const UserMessage& m, int buttons) { return answerHook(m, buttons); };
    }

    // Logging ---------------------------------------------------------------------------------

    void note(const std::string& line)
    {
        std::string text = "[" + std::to_string(step_) + "] " + std::string(std::size_t(depth_) * 2, ' ') + line;
        if (printSteps_)
            std::printf("%s\n", text.c_str());
        log_.push_back(std::move(text));
        if (log_.size() > 400)
            log_.pop_front();
    }

    [[noreturn]] void fail(const std::string& what) { throw WalkFault(what); }

    // Letting the program work ----------------------------------------------------------------

    // Lets the program work a while. What it shows meanwhile comes when its timers say, so no
    // command is given from those messages: the walk stays the same for a seed.
    void settle(int ms)
    {
        const bool wasWaiting = waiting_;
        waiting_ = true;
        QCoreApplication::processEvents();
        if (ms > 0)
            QTest::qWait(ms);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        waiting_ = wasWaiting;
    }

    template <typename T = QWidget>
    T* named(const QString& name) const
    {
        return win_ ? win_->findChild<T*>(name) : nullptr;
    }

    // A top-level window of the program by its name, when it is shown.
    QWidget* shownWindow(const char* name) const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible())
                return w;
        return nullptr;
    }

    bool trigger(const char* name)
    {
        QAction* a = named<QAction>(name);
        if (!a || !a->isEnabled() || !a->isVisible())
            return false;
        a->trigger();
        return true;
    }

    // A click where the cell is painted.
    void clickCell(int cell)
    {
        if (win_ && win_->isVisible() && win_->isEnabled())
            testsupport::CanvasCells{*win_}.click(cell);
    }
    void click(QWidget* w)
    {
        if (!w || !w->isVisible() || !w->isEnabled())
            return;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        else
            QTest::mouseClick(w, Qt::LeftButton);
    }

    // Chooses `action` of a shown popup menu with the mouse.
    void clickMenuItem(QMenu* menu, QAction* action)
    {
        if (!menu || !action || !menu->isVisible())
            return;
        const QRect r = menu->actionGeometry(action);
        if (r.isEmpty() || !action->isVisible() || !action->isEnabled()) {
            menu->hide();
            return;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, r.center());
        if (menu->isVisible())
            menu->hide();
    }

    void closePopups()
    {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            QTest::keyClick(popup, Qt::Key_Escape);
            if (QApplication::activePopupWidget() == popup)
                popup->close();
        }
    }

    // Types `text` key by key (the test library's typing knows only ASCII).
    static void typeText(QWidget* w, const QString& text)
    {
        QPointer<QWidget> target(w);
        for (const QChar c : text) {
            if (!target)
                return;
            if (c == '\n') {
                QTest::keyClick(target, Qt::Key_Return);
                continue;
            }
            if (c.unicode() >= 32 && c.unicode() < 127) {
                QTest::keyClick(target, char(c.unicode()));
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            if (target)
                QApplication::sendEvent(target, &release);
        }
    }

    void typeInto(QLineEdit* edit, const QString& text)
    {
        if (!edit || !edit->isVisible() || !edit->isEnabled())
            return;
        QPointer<QLineEdit> target(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        if (target)
            typeText(target, text);
    }

    // Some text a user might type: words, numbers, names already used, too long a text, letters the
    // program's code page has and one it has not.
    QString someText(Random& r)
    {
        static const char* const words[] = {"a", "giro", "Inicio", "Mi_Prog", "LOOP", "x1", "señal", "ñandú",
                                            "12", "-5", "300", "65536", "", " ", "nombre largo de más", "Ω",
                                            "A B", "ab\"c", "éÉ"};
        const int k = r.below(100);
        if (k < 15) {
            // A name the program already has: a label or a subroutine.
            const ProgramStore& store = ws_->store;
            const int s = r.below(store.subroutineCount + 1);
            const int count = store.labelCount[std::size_t(s)];
            if (count > 0)
                return qs(store.labelTable[std::size_t(s)][std::size_t(r.below(count))]);
        }
        if (k < 85)
            return QString::fromUtf8(r.pick(words));
        QString made;
        const int n = r.between(1, 24);
        for (int i = 0; i < n; ++i)
            made += QChar(u"abcxyzABC0123456789 _-.!ñé"[r.below(26)]);
        return made;
    }

    QString someNumber(Random& r)
    {
        static const char* const numbers[] = {"0", "1", "5", "10", "99", "100", "255", "256", "-1", "1000", "abc", ""};
        return r.chance(60) ? QString::number(r.below(300)) : QString::fromUtf8(r.pick(numbers));
    }

    // Message boxes ---------------------------------------------------------------------------

    Random modalRandom() { return Random(walk::mix(seed_, std::uint64_t(step_), std::uint64_t(++modalCount_))); }

    bool mayNest() const { return depth_ < 2 && !quietly_ && !quitting_ && !waiting_; }

    bool elementDialogOpen() const { return win_ && qobject_cast<ElementDialog*>(win_->toolWindow()); }

    int answerHook(const UserMessage& m, int buttons)
    {
        ++messages_;
        note("message \"" + m.title.spanish() + "\": " + firstLine(m.text.spanish()) + (buttons ? " (question)" : ""));
        Random r = modalRandom();
        if (!quitting_ && mayNest() && r.chance(12))
            nestedCommand(r);
        const int answer = hookAnswer(buttons, r);
        if (buttons)
            note("  answer " + std::string(answer == QMessageBox::Yes  ? "Yes"
                                           : answer == QMessageBox::No ? "No"
                                           : answer == QMessageBox::Ok ? "OK"
                                                                       : "Cancel"));
        return answer;
    }

    int hookAnswer(int buttons, Random& r)
    {
        if (quitting_) // the program is going: every box closes unanswered
            return buttons == 0 ? QMessageBox::Ok : buttons == 1 ? QMessageBox::No : QMessageBox::Cancel;
        switch (buttons) {
        case 0: return QMessageBox::Ok;
        case 1: return r.chance(50) ? QMessageBox::Yes : QMessageBox::No;
        case 2: return r.pick({QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel});
        default: return r.chance(60) ? QMessageBox::Ok : QMessageBox::Cancel;
        }
    }

    // Real boxes and file dialogs are answered from a timer while their own loop runs. Each look
    // arms the next one first, so that a box opened by the answer is looked at too.
    void watchModals()
    {
        QTimer::singleShot(15, watch_.get(), [this] { watchModals(); });
        if (QWidget* welcome = shownWindow("formWelcome"); welcome && starting_) {
            note("welcome: CmdAccept"); // start-up waits for it
            click(welcome->findChild<QWidget*>("CmdAccept"));
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->property("walkInHand").toBool() || !win_)
            return;
        const int seen = modal->property("walkSeen").toInt();
        modal->setProperty("walkSeen", seen + 1);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            answerBox(box, seen);
        else if (auto* files = qobject_cast<QFileDialog*>(modal))
            answerFileDialog(files, seen);
        else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            note("closing modal " + utf8(dialog->objectName()) + " " + dialog->metaObject()->className());
            dialog->reject();
        }
    }

    void answerBox(QMessageBox* box, int seen)
    {
        QPointer<QMessageBox> open(box);
        if (seen == 0) {
            ++messages_;
            note("box \"" + utf8(box->windowTitle()) + "\": " + firstLine(utf8(box->text())));
        }
        if (quitting_) {
            box->done(0);
            return;
        }
        Random r = modalRandom();
        if (seen == 0 && mayNest() && r.chance(15)) {
            box->setProperty("walkInHand", true);
            nestedCommand(r);
            if (!open)
                return;
            open->setProperty("walkInHand", false);
            if (quitting_) {
                open->done(0);
                return;
            }
        }
        if (seen == 0 && r.chance(25))
            return; // open a while: the builds, the simulator and the brick watch go on under it
        QList<QAbstractButton*> buttons = open->buttons();
        if (buttons.isEmpty()) {
            open->done(0);
            return;
        }
        QAbstractButton* chosen = buttons[r.below(int(buttons.size()))];
        note("  answer " + utf8(chosen->text()));
        chosen->click();
    }

    void answerFileDialog(QFileDialog* dialog, int seen)
    {
        Random r = modalRandom();
        if (quitting_ || seen >= 3 || r.chance(20)) {
            note("file dialog \"" + utf8(dialog->windowTitle()) + "\": cancelled");
            dialog->reject();
            return;
        }
        const QString filters = dialog->nameFilters().join(';');
        QString file;
        if (dialog->acceptMode() == QFileDialog::AcceptSave) {
            QString name = QStringLiteral("walk %1").arg(r.below(6));
            if (filters.contains("png"))
                name += r.chance(50) ? ".png" : ".svg";
            else if (filters.contains("gtf"))
                name += r.chance(80) ? ".gtf" : "";
            else
                name += r.chance(50) ? ".src" : ".txt";
            file = QDir(saveDir_.path()).filePath(name);
        } else {
            QStringList candidates;
            for (const QString& f : QDir(saveDir_.path()).entryList({"*.gtf"}, QDir::Files))
                candidates << QDir(saveDir_.path()).filePath(f);
            for (const QString& f : QDir(appDir_.path()).entryList({"*.gtf"}, QDir::Files))
                candidates << QDir(appDir_.path()).filePath(f);
            candidates << QDir(appDir_.path()).filePath("qp_list.txt") << QDir(saveDir_.path()).filePath("no.gtf");
            if (filters.contains("gtf"))
                file = candidates[r.below(int(candidates.size()))];
            else if (r.chance(70)) { // a library, a world or a source: rarely anything but the shipped library
                dialog->reject();
                note("file dialog \"" + utf8(dialog->windowTitle()) + "\": cancelled");
                return;
            } else
                file = filters.contains("LIB", Qt::CaseInsensitive) ? QDir(appDir_.path()).filePath("Clib_J2A1_USB0.LIB")
                                                                   : candidates[r.below(int(candidates.size()))];
        }
        note("file dialog \"" + utf8(dialog->windowTitle()) + "\": " + utf8(QFileInfo(file).fileName()));
        // Typed whole into the name box: selecting it would wait for the folder to be read.
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            name->setText(file);
        else
            dialog->selectFile(file);
        QMetaObject::invokeMethod(dialog, "accept"); // the Open or Save button
    }

    void nestedCommand(Random& r)
    {
        ++depth_;
        const std::string command = r.pick(kNestedCommands);
        note("while the message is open: " + command);
        if (command == "palette") {
            auto* tool = named<QToolButton>(QStringLiteral("imgTools_%1").arg(r.below(7)));
            if (tool && tool->isVisible()) {
                tool->click();
                if (auto* palette = qobject_cast<PaletteWindow*>(win_->toolWindow()))
                    palette->choose(r.below(int(palette->findChildren<QToolButton*>().size())));
            }
        } else if (command == "quit") {
            trigger("mnuFileSalir");
            if (win_ && !win_->isVisible()) {
                note("the program quits under the message");
                quitting_ = true;
            }
        } else {
            trigger(command.c_str());
        }
        --depth_;
    }

    // Steps -------------------------------------------------------------------------------------

    void takeStep()
    {
        struct Kind {
            int weight;
            void (Walk::*run)();
        };
        static const Kind kinds[] = {
            {22, &Walk::paletteItem},   {18, &Walk::cellCommand},    {8, &Walk::editCommand},
            {4, &Walk::switchTab},      {3, &Walk::scroll},          {2, &Walk::cancelPending},
            {3, &Walk::openExample},    {2, &Walk::newProgram},      {4, &Walk::saveAndOpen},
            {2, &Walk::saveAs},         {2, &Walk::openWithDialog},  {5, &Walk::build},
            {8, &Walk::toolWindow},     {1, &Walk::interfaceMode},   {2, &Walk::activateOther},
            {1, &Walk::jumpToLabel},    {2, &Walk::switchMessages},  {3, &Walk::wait},
            {1, &Walk::quit},           {1, &Walk::programHelp},     {3, &Walk::finishOpenWindow},
            {3, &Walk::subroutine},     {1, &Walk::deleteSubroutine}, {3, &Walk::pathEditor},
            {2, &Walk::melodyEditor},
        };
        int total = 0;
        for (const Kind& k : kinds)
            total += k.weight;
        int pick = rng_.below(total);
        for (const Kind& k : kinds) {
            if (pick < k.weight) {
                (this->*k.run)();
                break;
            }
            pick -= k.weight;
        }
        if (live() && rng_.chance(90))
            closePopups();
        noteWindows();
    }

    // The windows that came and went during the step, for the log.
    void noteWindows()
    {
        QStringList shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty() && !qobject_cast<QMenu*>(w))
                shown << w->objectName();
        shown.sort();
        QStringList opened, closed;
        for (const QString& name : shown)
            if (!windows_.contains(name))
                opened << name;
        for (const QString& name : windows_)
            if (!shown.contains(name))
                closed << name;
        if (!opened.isEmpty())
            note("  windows opened: " + utf8(opened.join(' ')));
        if (!closed.isEmpty())
            note("  windows closed: " + utf8(closed.join(' ')));
        windows_ = shown;
    }

    void paletteItem()
    {
        const int p = rng_.below(7);
        const int item = rng_.below(int(palettes()[std::size_t(p)].entries.size()));
        note("palette " + std::to_string(p) + " item " + std::to_string(item) + " (" +
             palettes()[std::size_t(p)].entries[std::size_t(item)].tooltip + ")");
        auto* tool = named<QToolButton>(QStringLiteral("imgTools_%1").arg(p));
        if (!tool || !tool->isVisible()) {
            note("  the toolbox is hidden");
            return;
        }
        click(tool);
        auto* palette = qobject_cast<PaletteWindow*>(win_->toolWindow());
        if (!palette) {
            note("  no palette");
            return;
        }
        if (rng_.chance(5)) {
            note("  left open");
            return;
        }
        click(palette->findChild<QToolButton*>(
            QStringLiteral("%1_%2").arg(qs(palettes()[std::size_t(p)].items)).arg(item)));
        playOpenWindow();
    }

    // A new subroutine by its palette item, named as a user might.
    void subroutine()
    {
        note("new subroutine");
        auto* tool = named<QToolButton>("imgTools_6");
        if (!tool || !tool->isVisible())
            return;
        click(tool);
        auto* palette = qobject_cast<PaletteWindow*>(win_->toolWindow());
        if (!palette)
            return;
        click(palette->findChild<QToolButton*>("imgSubToolSaltos_2"));
        auto* dialog = qobject_cast<ElementDialog*>(win_->toolWindow());
        if (!dialog)
            return;
        const QString name = rng_.chance(70) ? QStringLiteral("sub%1").arg(rng_.below(12)) : someText(rng_);
        note("  txtEtiqueta \"" + utf8(name) + "\"");
        typeInto(dialog->findChild<QLineEdit*>("txtEtiqueta"), name);
        playDialog(dialog);
    }

    // The path and melody editors, from their palette items ("Crear Recorrido", "Crear Melodias").
    void openEditor(int palette, const char* item)
    {
        auto* tool = named<QToolButton>(QStringLiteral("imgTools_%1").arg(palette));
        if (!tool || !tool->isVisible())
            return;
        click(tool);
        if (auto* p = qobject_cast<PaletteWindow*>(win_->toolWindow()))
            click(p->findChild<QToolButton*>(item));
        playOpenWindow();
    }
    void pathEditor()
    {
        note("Crear Recorrido");
        openEditor(0, "imgSubToolMotores_6");
    }
    void melodyEditor()
    {
        note("Crear Melodias");
        openEditor(1, "imgSubToolSalidas_3");
    }

    // A subroutine's start deleted from its element menu: the question says all of it goes.
    void deleteSubroutine()
    {
        if (ws_->store.subroutineCount == 0)
            return;
        const int n = rng_.between(1, ws_->store.subroutineCount);
        note("delete subroutine " + std::to_string(n));
        click(named(QStringLiteral("lblSubTags_%1").arg(n)));
        auto* bar = named<QScrollBar>("scrbarGrafo");
        if (bar)
            bar->setValue(0);
        clickCell(0);
        auto* menu = named<QMenu>("mnuGrafo");
        if (menu && menu->isVisible())
            clickMenuItem(menu, named<QAction>("mnuGrafoEliminar"));
    }

    // Works the dialog or editor that a command opened, if any.
    void playOpenWindow()
    {
        if (!live())
            return;
        QWidget* open = win_->toolWindow();
        if (auto* dialog = qobject_cast<ElementDialog*>(open))
            playDialog(dialog);
        else if (auto* path = qobject_cast<FormMotorTour*>(open))
            playPath(path);
        else if (auto* melody = qobject_cast<FormSalidaSonidoTour*>(open))
            playMelody(melody);
        else if (QWidget* start = shownWindow("formSaltoInicioProg"))
            playStartDialog(start);
    }

    // A window left open by an earlier step is finished now.
    void finishOpenWindow()
    {
        note("back to the open window");
        playOpenWindow();
    }

    // Ends a dialog as a user would: OK, cancel, Escape, its close button, or leaving it open.
    void finish(QWidget* window, const char* ok, const char* cancel)
    {
        QPointer<QWidget> w(window);
        const int k = rng_.below(100);
        if (k < 65) {
            note("  " + std::string(ok));
            click(w->findChild<QWidget*>(ok));
        } else if (k < 80) {
            note("  " + std::string(cancel));
            click(w->findChild<QWidget*>(cancel));
        } else if (k < 87) {
            note("  Escape");
            QTest::keyClick(w, Qt::Key_Escape);
        } else if (k < 93) {
            note("  closed");
            w->close();
        } else {
            note("  left open");
        }
    }

    void playDialog(ElementDialog* dialog)
    {
        QPointer<ElementDialog> d(dialog);
        note("  dialog " + utf8(d->objectName()) + " \"" + utf8(d->windowTitle()) + "\"");
        for (int round = 0; round < 3 && d && d->isVisible() && live(); ++round) {
            const int gestures = rng_.below(7);
            for (int g = 0; g < gestures && d && d->isVisible() && live(); ++g)
                dialogGesture(d);
            if (!d || !d->isVisible() || !live())
                return;
            finish(d, "cmdOk", "cmdCancel");
            settle(0);
            if (d && d->isVisible())
                note("  still open");
            if (rng_.chance(30))
                return;
        }
    }

    void dialogGesture(ElementDialog* d)
    {
        const auto& controls = d->rules().controls();
        const bool constant = d->findChild<QLineEdit*>("txtConst") != nullptr;
        const int choice = rng_.below(int(controls.size()) + (constant ? 2 : 0));
        if (choice >= int(controls.size())) {
            if (choice == int(controls.size())) {
                const QString n = someNumber(rng_);
                note("  txtConst \"" + utf8(n) + "\"");
                typeInto(d->findChild<QLineEdit*>("txtConst"), n);
            } else if (auto* arrows = d->findChild<QWidget*>("UDConst"); arrows && arrows->isVisible()) {
                const bool up = rng_.chance(50);
                const int times = rng_.between(1, 4);
                note(std::string("  UDConst ") + (up ? "up x" : "down x") + std::to_string(times));
                for (QToolButton* b : arrows->findChildren<QToolButton*>())
                    if ((b->arrowType() == Qt::UpArrow) == up)
                        for (int i = 0; i < times; ++i)
                            click(b);
            }
            return;
        }
        const ControlDesign& design = controls[std::size_t(choice)];
        QWidget* w = d->findChild<QWidget*>(qs(design.name));
        if (!w || !w->isVisible() || !w->isEnabled())
            return;
        const std::string name = design.name;
        switch (design.kind) {
        case ControlKind::Picker: {
            auto* combo = qobject_cast<QComboBox*>(w);
            if (combo && combo->count() > 0) {
                const int i = rng_.below(combo->count());
                note("  " + name + " item " + std::to_string(i + 1));
                combo->setCurrentIndex(i);
            }
            break;
        }
        case ControlKind::Options:
        case ControlKind::Check: {
            const auto buttons = w->findChildren<QAbstractButton*>();
            if (!buttons.isEmpty()) {
                QAbstractButton* b = buttons[rng_.below(int(buttons.size()))];
                note("  " + utf8(b->objectName()));
                click(b);
            }
            break;
        }
        case ControlKind::Text: {
            const QString text = someText(rng_);
            note("  " + name + " \"" + utf8(text) + "\"");
            typeInto(qobject_cast<QLineEdit*>(w), text);
            break;
        }
        case ControlKind::Combo: {
            auto* combo = qobject_cast<QComboBox*>(w);
            if (!combo)
                break;
            if (combo->count() > 0 && rng_.chance(50)) {
                const int i = rng_.below(combo->count());
                note("  " + name + " item " + std::to_string(i));
                combo->setCurrentIndex(i);
                emit combo->activated(i);
            } else {
                const QString text = someText(rng_);
                note("  " + name + " \"" + utf8(text) + "\"");
                typeInto(combo->lineEdit(), text);
            }
            break;
        }
        case ControlKind::Slider: {
            auto* slider = qobject_cast<QSlider*>(w);
            if (slider) {
                const int v = rng_.between(slider->minimum(), slider->maximum());
                note("  " + name + " " + std::to_string(v));
                slider->setValue(v);
            }
            break;
        }
        case ControlKind::Button:
            note("  " + name);
            click(w);
            break;
        case ControlKind::UpDown: {
            const auto arrows = w->findChildren<QToolButton*>();
            if (!arrows.isEmpty()) {
                QToolButton* b = arrows[rng_.below(int(arrows.size()))];
                note("  " + name + " " + utf8(b->objectName()));
                click(b);
            }
            break;
        }
        case ControlKind::Note: break;
        }
    }

    void playStartDialog(QWidget* start)
    {
        QPointer<QWidget> w(start);
        note("  start dialog");
        if (rng_.chance(60))
            click(w->findChild<QRadioButton*>(rng_.chance(50) ? "optNormal" : "optTouchEna"));
        if (w && w->isVisible())
            finish(w, "cmdOk", "cmdCancel");
    }

    void playPath(FormMotorTour* tour)
    {
        QPointer<FormMotorTour> w(tour);
        note("  path editor");
        // Timers may close the editor between two gestures (a window that opens by itself).
        QPointer<TourArea> area = w->findChild<TourArea*>("shpLimits");
        const bool longPath = rng_.chance(30);
        const int gestures = longPath ? rng_.between(30, 60) : rng_.below(12);
        for (int g = 0; g < gestures && w && area && w->isVisible() && live(); ++g) {
            const int k = rng_.below(100);
            if (k < 62) {
                QPoint p(rng_.below(area->width()), rng_.below(area->height()));
                if (longPath && rng_.chance(80)) // back and forth across the area: a segment each
                    p = QPoint(g % 2 ? area->width() / 4 : area->width() * 3 / 4,
                               area->height() / 2 + rng_.between(-20, 20));
                QTest::mouseMove(area, p);
                if (area)
                    QTest::mouseClick(area, Qt::LeftButton, {}, p);
            } else if (k < 72) {
                const QPoint p(rng_.below(area->width()), rng_.below(area->height()));
                note("  right click");
                QTest::mouseMove(area, p);
                if (area)
                    QTest::mouseClick(area, Qt::RightButton, {}, p);
                QMenu* menu = w ? w->optionsMenu() : nullptr;
                if (menu && menu->isVisible()) {
                    const auto actions = menu->actions();
                    if (rng_.chance(85)) {
                        QAction* a = actions[rng_.below(int(actions.size()))];
                        note("  " + utf8(a->objectName()));
                        clickMenuItem(menu, a);
                    } else {
                        menu->hide();
                    }
                }
            } else if (k < 82) {
                static const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return};
                const Qt::Key key = rng_.pick(keys);
                const int times = key == Qt::Key_Return ? 1 : rng_.between(1, 8);
                for (int i = 0; i < times && area; ++i)
                    QTest::keyClick(area, key);
            } else if (k < 86) {
                note("  cmdBorrar");
                click(w->findChild<QWidget*>("cmdBorrar"));
            } else if (k < 91) {
                note("  cmdAnimar");
                click(w->findChild<QWidget*>("cmdAnimar"));
                settle(rng_.below(60));
            } else if (k < 96) {
                const QString t = someText(rng_);
                note("  txtTitle \"" + utf8(t) + "\"");
                typeInto(w->findChild<QLineEdit*>("txtTitle"), t);
            } else {
                if (auto* zoom = w->findChild<QComboBox*>("cmbZoom"))
                    zoom->setCurrentIndex(rng_.below(zoom->count()));
            }
        }
        if (!w || !w->isVisible() || !live())
            return;
        note("  " + std::to_string(w->editor().segmentCount()) + " segments");
        finish(w, "cmdGuardar", "cmdCancel");
    }

    void playMelody(FormSalidaSonidoTour* tour)
    {
        QPointer<FormSalidaSonidoTour> w(tour);
        note("  melody editor");
        const int gestures = rng_.below(20);
        for (int g = 0; g < gestures && w && w->isVisible() && live(); ++g) {
            const int k = rng_.below(100);
            if (k < 25) {
                const auto tones = w->findChildren<QRadioButton*>(QRegularExpression("^optTonos_"));
                if (!tones.isEmpty())
                    click(tones[rng_.below(int(tones.size()))]);
            } else if (k < 50) {
                note("  cmdAdd");
                click(w->findChild<QWidget*>("cmdAdd"));
            } else if (k < 57) {
                typeInto(w->findChild<QLineEdit*>("txtFreq"), someNumber(rng_));
            } else if (k < 64) {
                typeInto(w->findChild<QLineEdit*>("txtTime"), someNumber(rng_));
            } else if (k < 70) {
                click(w->findChild<QWidget*>(rng_.chance(50) ? "UpDownTime_up" : "UpDownTime_down"));
            } else if (k < 75) {
                if (auto* volume = w->findChild<QSlider*>("SliderVol"))
                    volume->setValue(rng_.between(volume->minimum(), volume->maximum()));
            } else if (k < 82) {
                auto* list = w->findChild<QTreeWidget*>("ListMelodia");
                if (list && list->topLevelItemCount() > 0 && rng_.chance(60))
                    list->setCurrentItem(list->topLevelItem(rng_.below(list->topLevelItemCount())));
                note("  cmdDelete");
                click(w->findChild<QWidget*>("cmdDelete"));
            } else if (k < 85) {
                note("  cmdClear");
                click(w->findChild<QWidget*>("cmdClear"));
            } else if (k < 91) {
                note("  cmdPlay");
                click(w->findChild<QWidget*>("cmdPlay"));
                settle(rng_.below(40));
            } else {
                const QString t = someText(rng_);
                note("  txtTitle \"" + utf8(t) + "\"");
                typeInto(w->findChild<QLineEdit*>("txtTitle"), t);
            }
        }
        if (w && w->isVisible() && live())
            finish(w, "cmdOk", "cmdCancel");
    }

    // A cell, mostly one that holds an element.
    int someCell()
    {
        const ProgramStore& store = ws_->store;
        const int s = store.activeSequence;
        const int filled = store.sequenceLength(s) - store.views[std::size_t(s)].viewTop;
        if (filled > 0 && rng_.chance(85))
            return rng_.below(std::min(filled, kGridCells));
        return rng_.below(kGridCells);
    }

    void cellCommand()
    {
        const int cell = someCell();
        const std::string command = rng_.pick(kCellCommands);
        note("cell " + std::to_string(cell) + ": " + command);
        clickCell(cell);
        if (!live())
            return;
        auto* menu = named<QMenu>("mnuGrafo");
        if (menu && menu->isVisible()) {
            if (rng_.chance(8)) {
                note("  menu closed");
                menu->hide();
                return;
            }
            clickMenuItem(menu, named<QAction>(command.c_str()));
        }
        if (!live())
            return;
        if (QWidget* help = shownWindow("formMenuQuickHelp"); help && rng_.chance(80)) {
            note("  quick help closed");
            click(help->findChild<QWidget*>("cmdOk"));
        }
        playOpenWindow();
    }

    void editCommand()
    {
        static const char* const actions[] = {"mnuEditDeshacer", "mnuEditRehacer", "mnuEditEliminar"};
        static const QKeySequence keys[] = {QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Delete};
        const int i = rng_.below(3);
        if (rng_.chance(70)) {
            note(actions[i]);
            trigger(actions[i]);
        } else {
            note(std::string("keys ") + utf8(keys[i].toString()));
            QTest::keySequence(win_.get(), keys[i]);
        }
    }

    void switchTab()
    {
        const int n = rng_.below(ws_->store.subroutineCount + 1);
        note("tab " + std::to_string(n));
        click(named(QStringLiteral("lblSubTags_%1").arg(n)));
    }

    void scroll()
    {
        auto* bar = named<QScrollBar>("scrbarGrafo");
        if (!bar)
            return;
        if (rng_.chance(50)) {
            const int v = rng_.between(0, bar->maximum());
            note("scroll to " + std::to_string(v));
            bar->setValue(v);
        } else {
            const bool down = rng_.chance(50);
            note(down ? "scroll a row down" : "scroll a row up");
            bar->triggerAction(down ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        }
    }

    void cancelPending()
    {
        note("status panel 7");
        click(named("sbarMain_7"));
    }

    void openExample()
    {
        const int list = rng_.below(4);
        note("example list " + std::to_string(list));
        click(named(QStringLiteral("imgRobotCenter_%1").arg(list)));
        QMenu* menu = nullptr;
        for (const char* name : {"mnuProgTesmo", "mnuProgArandel", "mnuProgRobot", "mnuProgEjemplos"})
            if (auto* m = named<QMenu>(name); m && m->isVisible())
                menu = m;
        if (!menu)
            return;
        QList<QAction*> shown;
        for (QAction* a : menu->actions())
            if (a->isVisible())
                shown << a;
        if (shown.isEmpty() || rng_.chance(5)) {
            menu->hide();
            return;
        }
        QAction* a = shown[rng_.below(int(shown.size()))];
        note("  " + utf8(a->text()));
        clickMenuItem(menu, a);
    }

    void newProgram()
    {
        if (rng_.chance(60)) {
            note("mnuFileNuevo");
            trigger("mnuFileNuevo");
        } else {
            note("Toolbar1_New");
            click(named("Toolbar1_New"));
        }
    }

    static std::vector<std::uint8_t> readBytes(const std::string& path)
    {
        std::string bytes;
        readWholeFile(path, bytes);
        return {bytes.begin(), bytes.end()};
    }

    std::vector<std::uint8_t> fileBytes(const std::string& path)
    {
        std::string bytes;
        if (!readWholeFile(path, bytes))
            fail("the saved program cannot be read back: " + path);
        return {bytes.begin(), bytes.end()};
    }

    // "Guardar", then the file opened again from the recent files: the store holds what was saved.
    void saveAndOpen()
    {
        note("mnuFileGuardar, then open it again");
        quietly_ = true; // no command may change the program between the save and the checks
        trigger("mnuFileGuardar");
        quietly_ = false;
        if (!live() || ws_->editor.programDirty) {
            note("  not saved");
            return;
        }
        const std::string path = ws_->programPath;
        const auto saved = fileBytes(path);
        if (const auto inMemory = walk::savedBytes(ws_->store); saved != inMemory)
            fail("the file saved is not the program in memory: " + path + ": " + walk::firstDifference(saved, inMemory));
        QAction* recent = nullptr;
        for (QAction* a : named<QMenu>("mnuFileRecientes")->actions())
            if (a->toolTip() == fromNativePath(path))
                recent = a;
        if (!recent)
            fail("the program saved is not among the recent files: " + path);
        quietly_ = true;
        recent->trigger();
        quietly_ = false;
        settle(0);
        if (!live())
            return;
        if (ws_->programPath != path)
            fail("opening the recent file opened another: " + ws_->programPath);
        const auto asOpened = walk::namesAsOpened(saved);
        if (const auto opened = walk::savedBytes(ws_->store); opened != asOpened && !walk::onlyLabelMarksDiffer(asOpened, opened))
            fail("the program opened again is not the program saved: " + path + ": " + walk::firstDifference(asOpened, opened));
    }

    void saveAs()
    {
        const std::string pathBefore = ws_->programPath;
        const auto bytesBefore = readBytes(pathBefore);
        if (rng_.chance(50)) {
            note("mnuFileGuardarComo");
            trigger("mnuFileGuardarComo");
        } else {
            note("Toolbar1_Save");
            click(named("Toolbar1_Save"));
        }
        if (!live() || ws_->editor.programDirty)
            return;
        const auto bytes = readBytes(ws_->programPath);
        const bool written = ws_->programPath != pathBefore || bytes != bytesBefore;
        if (written && bytes != walk::savedBytes(ws_->store))
            fail("the file saved as is not the program in memory: " + ws_->programPath);
    }

    void openWithDialog()
    {
        if (rng_.chance(50)) {
            note("mnuFileAbrir");
            trigger("mnuFileAbrir");
        } else {
            note("Toolbar1_Open");
            click(named("Toolbar1_Open"));
        }
    }

    void waitForBuild()
    {
        QDeadlineTimer limit(120000);
        while (!limit.hasExpired() && live()) {
            auto* window = named<FormScreenCompi>("formScreenCompi");
            if (!window && ws_->buildMode == buildBits::Idle)
                return;
            if (window)
                if (auto* exit = window->findChild<QWidget*>("cmdExit"); exit && exit->isVisible()) {
                    note("  build: Cerrar");
                    click(exit);
                }
            settle(10);
        }
        if (live())
            fail("the build did not end in two minutes");
    }

    void build()
    {
        static const char* const commands[] = {"mnuTextCompilar", "Compi",       "mnuTextCompiGrabar", "CompiSend",
                                               "mnuTextGrabar",   "mnuTextExe",  "Conect",             "mnuTextTurnOff"};
        const char* command = rng_.pick(commands);
        if (!ws_->brickReady && std::string(command) != "mnuTextCompilar" && rng_.chance(60)) {
            note("Conect");
            trigger("Conect");
            if (!live())
                return;
        }
        note(command);
        trigger(command);
        if (live() && rng_.chance(80))
            waitForBuild();
    }

    // Some buttons, boxes and lists of a tool window, pressed at random.
    void pokeWindow(QWidget* w, int gestures)
    {
        QPointer<QWidget> window(w);
        for (int g = 0; g < gestures && window && window->isVisible() && live(); ++g) {
            QList<QWidget*> controls;
            for (QWidget* c : window->findChildren<QWidget*>())
                if (c->isVisible() && c->isEnabled() && c->window() == window &&
                    (qobject_cast<QAbstractButton*>(c) || qobject_cast<QComboBox*>(c) || qobject_cast<QSlider*>(c) ||
                     qobject_cast<QTabWidget*>(c) || qobject_cast<QPlainTextEdit*>(c)))
                    controls << c;
            if (controls.isEmpty())
                return;
            QWidget* c = controls[rng_.below(int(controls.size()))];
            const std::string name = utf8(c->objectName());
            if (auto* combo = qobject_cast<QComboBox*>(c)) {
                if (combo->count() == 0)
                    continue;
                const int i = rng_.below(combo->count());
                note("  " + name + " item " + std::to_string(i));
                combo->setCurrentIndex(i);
                emit combo->activated(i);
            } else if (auto* slider = qobject_cast<QSlider*>(c)) {
                note("  " + name + " slider");
                slider->setValue(rng_.between(slider->minimum(), slider->maximum()));
            } else if (auto* tabs = qobject_cast<QTabWidget*>(c)) {
                tabs->setCurrentIndex(rng_.below(tabs->count()));
            } else if (auto* text = qobject_cast<QPlainTextEdit*>(c)) {
                if (text->isReadOnly())
                    continue;
                const QString typed = rng_.chance(50) ? someText(rng_) : QStringLiteral("\nMOV A,%1\n").arg(rng_.below(300));
                note("  " + name + " typed \"" + utf8(typed) + "\"");
                text->setFocus();
                typeText(text, typed);
            } else {
                note("  " + name + " \"" + utf8(static_cast<QAbstractButton*>(c)->text()) + "\"");
                click(c);
            }
            settle(rng_.below(20));
        }
    }

    void toolWindow()
    {
        const ToolWindowCommand& tool = rng_.pick(kToolWindows);
        note(std::string("open ") + tool.action);
        const bool menu = std::string(tool.action).rfind("mnu", 0) == 0;
        if (menu)
            trigger(tool.action);
        else
            click(named(QStringLiteral("Toolbar1_%1").arg(tool.action)));
        settle(5);
        if (!live())
            return;
        if (QWidget* warning = shownWindow("formMonitorWarning")) {
            if (rng_.chance(30))
                click(warning->findChild<QWidget*>("chkDontShow"));
            click(warning->findChild<QWidget*>("cmdClose"));
            settle(5);
        }
        QPointer<QWidget> open(shownWindow(tool.window));
        if (!open || !live())
            return;
        pokeWindow(open, rng_.below(8));
        if (!open || !open->isVisible() || !live())
            return;
        const int k = rng_.below(100);
        if (k < 45 && tool.exit[0]) {
            note(std::string("  ") + tool.exit);
            click(open->findChild<QWidget*>(tool.exit));
        } else if (k < 80) {
            note("  closed");
            open->close();
        } else {
            note("  left open");
        }
    }

    void interfaceMode()
    {
        const int i = rng_.chance(75) ? 0 : 1;
        note(i == 0 ? "full interface" : "reduced interface");
        click(named(QStringLiteral("optSysMode_%1").arg(i)));
    }

    // Another window of the program takes the focus: the dialogs that close on it close.
    void activateOther()
    {
        QList<QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !(w->windowFlags() & Qt::Popup) && !qobject_cast<QMenu*>(w))
                shown << w;
        if (shown.isEmpty())
            return;
        QWidget* w = shown[rng_.below(int(shown.size()))];
        note("activate " + utf8(w->objectName()));
        w->activateWindow();
        QApplication::setActiveWindow(w);
    }

    void jumpToLabel()
    {
        const int cell = someCell();
        note("double click on the name of cell " + std::to_string(cell));
        if (win_ && win_->isVisible() && testsupport::CanvasCells{*win_}.label(cell, 1).shown)
            testsupport::CanvasCells{*win_}.doubleClickTarget(cell);
    }

    void programHelp()
    {
        note("imgHelp");
        click(named("imgHelp"));
        if (QWidget* help = shownWindow("formAppHelp"); help && rng_.chance(80))
            help->close();
    }

    void switchMessages()
    {
        realBoxes_ = !realBoxes_;
        note(realBoxes_ ? "real message boxes from now on" : "answered message boxes from now on");
        installMessageHook();
    }

    void wait()
    {
        const int ms = rng_.between(20, 400);
        note("wait " + std::to_string(ms) + " ms");
        settle(ms);
    }

    void quit()
    {
        if (rng_.chance(50)) {
            note("mnuFileSalir");
            trigger("mnuFileSalir");
        } else {
            note("close the main window");
            win_->close();
        }
        if (win_->isVisible())
            note("  the program stays open");
    }

    // Checks after every step ------------------------------------------------------------------

    void check()
    {
        if (!win_)
            return;
        if (const std::string fault = walk::storeFault(*ws_); !fault.empty())
            fail("store: " + fault);
        if (const std::string fault = walk::canvasFault(*ws_, *win_); !fault.empty())
            fail("canvas: " + fault);
        if (const std::string fault = walk::roundTripFault(ws_->store); !fault.empty())
            fail("save and open: " + fault);
    }

    std::uint64_t seed_;
    Random rng_;
    int maxSteps_;
    QDeadlineTimer deadline_;
    bool printSteps_;
    int step_ = 0;
    int depth_ = 0;
    int modalCount_ = 0;
    int messages_ = 0;
    int restarts_ = 0;
    bool realBoxes_ = false;
    bool quitting_ = false;
    bool quietly_ = false;
    bool waiting_ = false;
    bool starting_ = false;
    std::deque<std::string> log_;
    QStringList windows_;
    QTemporaryDir appDir_;
    QTemporaryDir saveDir_;
    std::unique_ptr<QObject> watch_ = std::make_unique<QObject>();
    testsupport::ScriptedDialogs dialogs_;
    std::unique_ptr<Workspace> ws_;
    std::unique_ptr<MainWindow> win_;
};

void walkMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (g_walk && (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg))
        g_walk->qtMessage(text);
    else if (g_qtHandler)
        g_qtHandler(type, context, text);
}

// A crash prints the walk's report before the process goes.
void reportCrash()
{
    if (g_walk)
        g_walk->report("the program crashed (see above)");
}

#if !defined(__SANITIZE_ADDRESS__)
void crashSignal(int signal)
{
    reportCrash();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

} // namespace

class RandomWalkTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        g_qtHandler = qInstallMessageHandler(walkMessage);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(reportCrash);
#else
        for (int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
            std::signal(s, crashSignal);
#endif
    }

    // Each walk runs in a process of its own, so that nothing one walk leaves in the toolkit (the
    // file dialog's last folder, caches) changes the next, and a seed replays alone as it ran.
    void walkTheProgram()
    {
        const int steps = int(envNumber("TARVEL_WALK_STEPS", 400));
        if (!qEnvironmentVariableIsEmpty("TARVEL_WALK_SEED")) {
            const std::uint64_t seed = envNumber("TARVEL_WALK_SEED", 0);
            const auto seconds = std::chrono::seconds(envNumber("TARVEL_WALK_SECONDS", 24 * 3600));
            std::printf("random walk seed 0x%llx\n", (unsigned long long)seed);
            std::fflush(stdout);
            Walk walk(seed, steps, QDeadlineTimer(seconds), qEnvironmentVariableIntValue("TARVEL_WALK_LOG") == 1);
            if (!walk.run())
                QFAIL(qPrintable(QStringLiteral("random walk seed 0x%1 failed").arg(seed, 0, 16)));
            return;
        }
        const QDeadlineTimer deadline{std::chrono::seconds(envNumber("TARVEL_WALK_SECONDS", 60))};
        std::uint64_t seed = walk::clockSeed();
        int walks = 0;
        while (deadline.remainingTime() > 5000) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("TARVEL_WALK_SEED", QStringLiteral("0x%1").arg(seed, 0, 16));
            env.insert("TARVEL_WALK_SECONDS", QString::number(deadline.remainingTime() / 1000));
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"walkTheProgram"});
            QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
            // The walk stops at the deadline; a walk that does not is stuck.
            const bool ended = child.waitForFinished(int(deadline.remainingTime()) + 180000);
            if (!ended)
                child.kill();
            const QByteArray output = child.readAll();
            if (!ended || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
                std::fprintf(stderr, "%s\n", output.constData());
                QFAIL(qPrintable(QStringLiteral("random walk seed 0x%1 failed%2").arg(seed, 0, 16).arg(ended ? "" : " (stuck)")));
            }
            for (const QByteArray& line : output.split('\n'))
                if (line.startsWith("random walk seed") && line.contains("steps"))
                    std::printf("%s\n", line.constData());
            ++walks;
            seed = walk::mix(seed, 1);
        }
        std::printf("%d random walks\n", walks);
    }
};

QTEST_MAIN(RandomWalkTest)
#include "RandomWalkTest.moc"

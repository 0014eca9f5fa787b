// The simulator window, driven as a user would: opened from the menu, the toolbar, or by itself when
// a program runs on the simulated brick; its controls and the running element on the canvas.
#include "GuiSession.h"

#include "compiler/Compile.h"
#include "gui/simulator/SimulatorWindow.h"

#include <QAction>
#include <QScreen>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace tarvel;
using testsupport::Session;
using testsupport::compileSendRun;

namespace {

// The session's application folder gets the shipped worlds too.
void copyWorlds(Session& s)
{
    QDir source(QString(TARVEL_APPDIR) + "/worlds");
    QDir(s.dir.path()).mkpath("worlds");
    for (const QString& f : source.entryList(QDir::Files))
        QFile::copy(source.filePath(f), s.dir.filePath("worlds/" + f));
}

SimulatorWindow* simulatorWindow(Session& s)
{
    return s.window->simulator();
}

} // namespace

class SimulatorTest : public QObject {
    Q_OBJECT
private slots:
    void openedFromTheMenuAndTheToolbar()
    {
        Session s;
        auto* conexion = s.window->menuBar()->findChild<QMenu*>("mnuConexion");
        QVERIFY(conexion);
        QAction* entry = nullptr;
        for (QAction* a : conexion->actions())
            if (a->text() == "Ver Simulador")
                entry = a;
        QVERIFY(entry);
        auto* button = s.find<QToolButton>("Toolbar1_Simulador");
        QVERIFY(button);
        QCOMPARE(button->accessibleName(), QString("Ver Simulador"));
        QVERIFY(!simulatorWindow(s));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(simulatorWindow(s));
        QVERIFY(simulatorWindow(s)->isVisible());
        QCOMPARE(simulatorWindow(s)->windowTitle(), QString("Simulador"));
        // Beside the flowchart's cells, or at the screen's edge where there is no room: its left side
        // in the right half of the cells at most, and on the screen.
        const QRect grid = s.window->canvas().gridGlobalRect();
        const QRect placed = simulatorWindow(s)->geometry();
        const QRect screen = simulatorWindow(s)->screen()->availableGeometry();
        QVERIFY(placed.left() > grid.center().x() || placed.right() >= screen.right() - 32);
        QVERIFY(placed.left() >= screen.left() && placed.height() <= screen.height());
        QVERIFY(placed.left() > grid.left());
        simulatorWindow(s)->hide();
        entry->trigger();
        QVERIFY(simulatorWindow(s)->isVisible());
    }

    void opensByItselfAndShowsTheRunningElement()
    {
        Session s({}, {}, true);
        copyWorlds(s);
        s.appendElement(makeElement(11, 11, 11, 0, 0, 0, "ABC"));
        s.appendElement(makeElement(13, 11, 10, 50));
        s.appendElement(makeElement(17, 16, 11));
        compileSendRun(s);
        SimulatorWindow* sim = simulatorWindow(s);
        QVERIFY(sim);
        QVERIFY(sim->isVisible());
        // A few frames: the program lit the LEDs and waits in the element of index 2.
        QTRY_VERIFY_WITH_TIMEOUT(s.workspace->simulation.cpu().leds() == 7, 3000);
        QTRY_VERIFY_WITH_TIMEOUT(s.workspace->simulation.runningElement().has_value(), 3000);
        QCOMPARE(s.workspace->simulation.runningElement()->index, 2);
        QTRY_COMPARE(s.window->canvas().runningCell(), 2);
        QVERIFY(s.find<QLabel>("lblBloque")->text().startsWith("Bloque: "));
        if (qEnvironmentVariableIsSet("TARVEL_SCREENSHOT")) {
            s.window->grab().save(qEnvironmentVariable("TARVEL_SCREENSHOT") + ".main.png");
            sim->grab().save(qEnvironmentVariable("TARVEL_SCREENSHOT") + ".running.png");
        }

        // Pause, then one element at a time: the wait of five seconds passes in one step.
        QTest::mouseClick(sim->findChild<QPushButton*>("cmdPausa"), Qt::LeftButton);
        QVERIFY(sim->paused());
        QTest::mouseClick(sim->findChild<QPushButton*>("cmdPasoBloque"), Qt::LeftButton);
        QVERIFY(s.workspace->simulation.runningElement());
        QCOMPARE(s.workspace->simulation.runningElement()->index, 3);
        QVERIFY(s.workspace->simulation.timeUs() >= 5'000'000);
        QTest::mouseClick(sim->findChild<QPushButton*>("cmdPaso"), Qt::LeftButton);
        QCOMPARE(s.workspace->simulation.cpu().state(), BrickState::Halted);
        sim->frame();
        QCOMPARE(s.window->canvas().runningCell(), -1);
    }

    // The running element is the last build's: once the flowchart changed, the brick's program no
    // longer points at its cells (the build is not made again behind the user's back).
    void onlyTheBuiltProgramShowsItsRunningElement()
    {
        Session s({}, {}, true);
        s.appendElement(makeElement(13, 11, 10, 50));
        s.appendElement(makeElement(17, 16, 11));
        compileSendRun(s);
        QTRY_VERIFY_WITH_TIMEOUT(s.workspace->simulation.runningElement().has_value() &&
                                     s.workspace->simulation.runningElement()->index == 1,
                                 3000);
        s.appendElement(makeElement(11, 11, 11, 0, 0, 0, "ABC"));
        QVERIFY(s.workspace->link().IdentifyBrick());
        QVERIFY(s.workspace->link().RunBrickProgram());
        QVERIFY(s.workspace->simulation.elementMap().empty());
        QVERIFY(!s.workspace->simulation.runningElement());
    }

    void inputsByHandReachTheProgram()
    {
        Session s({}, {}, true);
        // Wait until touched, send VRoja (the message from the PC), then wait for the remote.
        s.appendElement(makeElement(13, 13, 13));
        s.appendElement(makeElement(12, 14, 12, 1));
        s.appendElement(makeElement(11, 13, 10, 1, 1));
        s.appendElement(makeElement(13, 14, 13));
        s.appendElement(makeElement(17, 16, 11));
        compileSendRun(s);
        SimulatorWindow* sim = simulatorWindow(s);
        QVERIFY(sim);
        sim->findChild<QSpinBox*>("txtMensajePC")->setValue(77);
        QTest::mouseClick(sim->findChild<QPushButton*>("cmdEnviar"), Qt::LeftButton);
        auto* touch = sim->findChild<QPushButton*>("cmdTocar");
        QTest::mousePress(touch, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(sim->findChild<QPlainTextEdit*>("txtMensajes")->toPlainText().contains("77"), 3000);
        QTest::mouseRelease(touch, Qt::LeftButton);
        QVERIFY(s.workspace->simulation.cpu().running());
        QTest::mouseClick(sim->findChild<QPushButton*>("cmdControl_0"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(s.workspace->simulation.cpu().state(), BrickState::Halted, 3000);
        QCOMPARE(s.find<QLabel>("lblVariable_1")->text(), QString("77"));
        QCOMPARE(s.find<QLabel>("lblVariable_1")->accessibleDescription(), QString("77"));
    }

    void worldsCanBeChosenAndTheRobotPutBack()
    {
        Session s({}, {}, true);
        copyWorlds(s);
        s.window->openSimulator();
        SimulatorWindow* sim = simulatorWindow(s);
        auto* worlds = sim->findChild<QComboBox*>("cmbMundo");
        QVERIFY(worlds->count() >= 4); // the shipped worlds and "Abrir otro mundo..."
        const int track = worlds->findText(QString::fromUtf8("Pista con línea"));
        QVERIFY(track >= 0);
        worlds->setCurrentIndex(track);
        emit worlds->activated(track);
        QCOMPARE(s.workspace->simulation.world().marks.size(), 1u);
        s.workspace->simulation.placeRobot({10, 10, 45});
        QTest::mouseClick(sim->findChild<QPushButton*>("cmdReiniciarPosicion"), Qt::LeftButton);
        QCOMPARE(s.workspace->simulation.robot().pose.x, 80.0);
        auto* speeds = sim->findChild<QComboBox*>("cmbVelocidad");
        QCOMPARE(speeds->currentText(), QString("x1"));
        speeds->setCurrentIndex(speeds->count() - 1);
        QCOMPARE(sim->speed(), 10.0);
        if (qEnvironmentVariableIsSet("TARVEL_SCREENSHOT"))
            sim->grab().save(qEnvironmentVariable("TARVEL_SCREENSHOT"));
    }
};

QTEST_MAIN(SimulatorTest)
#include "SimulatorTest.moc"

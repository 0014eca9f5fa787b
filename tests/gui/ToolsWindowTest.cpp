// The brick tool windows against the simulated brick, driven as a user would; widgets found by name.
#include "GuiSession.h"
#include "gui/app/QtText.h"
#include "gui/editor/BrickToolsController.h"
#include "gui/editor/MainWindow.h"
#include "gui/app/AssistiveSupport.h"
#include "gui/link/ConsoleWindow.h"
#include "gui/link/FactoryWindow.h"
#include "gui/link/MonitorWindow.h"
#include "link/MonitorSteering.h"
#include "model/TextFile.h"
#include "workspace/Workspace.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <memory>

using namespace tarvel;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A session with the full interface, no welcome window and the simulated brick.
struct Session : testsupport::Session {
    Session()
        : testsupport::Session("1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n{LIB}\r\n1\r\n", {}, true)
    {
    }
    void trigger(const char* action) { find<QAction>(action)->trigger(); }
    void connectBrick()
    {
        trigger("Conect");
        QVERIFY(workspace->link().brickConnected());
    }
    SimulatedBrick& brick() { return *workspace->simulatedBrick(); }
    // Data bytes of the reports the brick received from report `from` on.
    std::vector<Bytes> received(std::size_t from, std::size_t count = 3)
    {
        std::vector<Bytes> out;
        const auto& reports = brick().receivedReports();
        for (std::size_t i = from; i < reports.size(); ++i)
            out.emplace_back(reports[i].begin() + 1, reports[i].begin() + 1 + std::ptrdiff_t(count));
        return out;
    }
    std::size_t reportCount() { return brick().receivedReports().size(); }
    bool sent(std::size_t from, const Bytes& command)
    {
        const auto all = received(from, command.size());
        return std::find(all.begin(), all.end(), command) != all.end();
    }
};

void click(QWidget* w)
{
    QVERIFY(w);
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->click();
}

QString colour(QWidget* shape)
{
    return shape->property("colour").toString();
}

} // namespace

class ToolsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void brickToolsControllerOverAnyWindow()
    {
        // The controller works over the window it is given: its tool windows are that window's
        // children, made once and reused, and the monitor from the toolbar skips the warning.
        Session s;
        QWidget main;
        main.resize(800, 600);
        main.show();
        BrickToolsController tools(*s.workspace, main, {[](StatusPanel, const QString&) {}, [](bool) {}, [] {}});
        tools.openConsole();
        tools.openConsole();
        QCOMPARE(main.findChildren<ConsoleWindow*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
        QVERIFY(main.findChild<ConsoleWindow*>()->isVisible());
        tools.openTester();
        QCOMPARE(main.findChildren<FactoryWindow*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
        tools.openMonitor(true);
        QCOMPARE(main.findChildren<MonitorWindow*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
        QVERIFY(!main.findChild<QDialog*>("formMonitorWarning"));
        // Nothing of it went to the session's main window.
        QVERIFY(!s.window->findChild<ConsoleWindow*>());
        QVERIFY(!s.window->findChild<MonitorWindow*>());
    }
    void consoleControls()
    {
        installAssistiveSupport();
        Session s;
        s.connectBrick();
        s.trigger("mnuTextConsola");
        auto* console = s.find<ConsoleWindow>("formScreenControl");
        QVERIFY(console && console->isVisible());
        QCOMPARE(console->windowTitle(), QString("Consola del Ladrillo"));
        // Every button has a name of its own for assistive technologies, the motors' with their motor.
        QStringList names;
        for (QAbstractButton* b : console->findChildren<QAbstractButton*>()) {
            const QString name = QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(b->objectName()));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names << name;
        }
        QVERIFY(names.contains("Avanzar Izquierdo") && names.contains("Retroceder Derecho") &&
                names.contains("Detener Ambos"));
        QCOMPARE(s.find<QPushButton>("cmdAdvL")->text(), QString("Avanzar"));
        QTRY_VERIFY(console->linkIdle());
        QCOMPARE(s.received(s.reportCount() - 1).back(), (Bytes{0x04, 0x01, 0})); // all LEDs off at load
        QCOMPARE(s.find<QLabel>("LblLuz")->text(), QString("00"));
        QCOMPARE(s.find<QLabel>("lblVol")->text(), QString("100%"));
        QCOMPARE(s.find<QLineEdit>("txtFreq")->text(), QString("1000"));
        QCOMPARE(s.find<QLineEdit>("txtTime")->text(), QString("100"));
        QCOMPARE(colour(s.find<QLabel>("ShapeBrick")), QString("#ff8080"));
        QVERIFY(s.find<QWidget>("frmSimulado")->isVisible());

        // Left forward, right forward, stop left: 0x40, 0x08, then 0x00 and 0x08 again.
        const std::size_t from = s.reportCount();
        click(s.find<QPushButton>("cmdAdvL"));
        click(s.find<QPushButton>("cmdAdvR"));
        click(s.find<QPushButton>("cmdStopL"));
        QTRY_VERIFY(console->linkIdle() && s.reportCount() == from + 4);
        QCOMPARE(s.received(from), (std::vector<Bytes>{{4, 2, 0x40}, {4, 2, 0x08}, {4, 2, 0x00}, {4, 2, 0x08}}));
        const auto& times = s.brick().receivedTimesUs();
        QVERIFY(times[from + 1] - times[from] >= 22000); // 15 ms before each command, 7 for the exchange
        QVERIFY(times[from + 2] - times[from + 1] >= 22000);
        QCOMPARE(int(console->state().leftMotor), 0);
        QCOMPARE(int(console->state().rightMotor), 1);

        click(s.find<QPushButton>("LedID_0"));
        click(s.find<QPushButton>("LedID_1"));
        QTRY_COMPARE(int(s.brick().leds()), 3);
        QCOMPARE(colour(s.find<QLabel>("shpLeds_0")), QString("#ff0000"));
        QCOMPARE(colour(s.find<QLabel>("shpLeds_1")), QString("#00ff00"));
        QCOMPARE(colour(s.find<QLabel>("shpLeds_2")), QString("#800000"));
        click(s.find<QPushButton>("cmdFLed"));
        QTRY_VERIFY(s.brick().frontLight());

        // The frequency box takes a typed value only strictly inside its limits.
        auto* frequency = s.find<QLineEdit>("txtFreq");
        frequency->setText("5000");
        emit frequency->editingFinished();
        QCOMPARE(frequency->text(), QString("1000"));
        frequency->setText("440");
        emit frequency->editingFinished();
        click(s.find<QToolButton>("UpDownTime_up"));
        QCOMPARE(s.find<QLineEdit>("txtTime")->text(), QString("150"));
        auto* volume = s.find<QSlider>("slideVol");
        volume->setValue(5);
        QCOMPARE(s.find<QLabel>("lblVol")->text(), QString("15%"));
        click(s.find<QPushButton>("cmdBeep"));
        QTRY_VERIFY(s.brick().lastTone().has_value());
        QCOMPARE(int(s.brick().lastTone()->periodsLow), 66); // 440 Hz for 150 ms: 66 periods

        // Readings, from the buttons and live.
        s.brick().setFrontLightReflection(0);
        s.brick().setLightLevel(77);
        click(s.find<QPushButton>("cmdLeerLuz"));
        QTRY_COMPARE(s.find<QLabel>("LblLuz")->text(), QString("77"));
        // Its accessible name says what it is; assistive tools read the value from the description.
        QCOMPARE(s.find<QLabel>("LblLuz")->accessibleDescription(), QString("77"));
        QCOMPARE(s.find<QProgressBar>("pBarLuz")->value(), 77);
        s.brick().setInfrared(true);
        click(s.find<QPushButton>("lblButton_1"));
        QTRY_COMPARE(colour(s.find<QLabel>("ShpIr")), QString("#800080"));
        s.find<QSlider>("sldSimLuz")->setValue(180); // the simulated brick's own panel
        QCOMPARE(int(s.brick().lightLevel()), 180);
        QTRY_COMPARE(s.find<QLabel>("LblLuz")->text(), QString("180"));
        s.find<QCheckBox>("chkSimIr")->setChecked(true);
        QTRY_COMPARE(colour(s.find<QLabel>("ShpIr")), QString("#ff00ff"));
        QTRY_VERIFY(console->history().samples().size() >= 3);
        QCOMPARE(console->history().samples().back().level, 180);

        // Switching off: the status bar says so and the tools turn off.
        click(s.find<QPushButton>("lblButton_0"));
        QTRY_VERIFY(s.brick().switchedOff());
        QTRY_COMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno"));
        QVERIFY(!s.workspace->brickReady);
        QVERIFY(s.find<QLabel>("lblEstado")->text().startsWith("Ladrillo no conectado"));
        const std::size_t after = s.reportCount();
        QTest::qWait(500);
        QCOMPARE(s.reportCount(), after); // no live reading of a closed link
    }

    void consoleUnpluggedAndClosedDuringAWait()
    {
        Session s;
        s.connectBrick();
        s.trigger("mnuTextConsola");
        auto* console = s.find<ConsoleWindow>("formScreenControl");
        QTRY_VERIFY(console->history().samples().size() >= 2);
        s.brick().plug(false);
        QTRY_COMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno"));
        QTRY_VERIFY(s.find<QLabel>("lblEstado")->text().startsWith("Se perdio la conexion"));
        QVERIFY(!s.workspace->brickReady);
        const std::size_t written = s.workspace->link().usb().sentReports.size();
        click(s.find<QPushButton>("cmdAdv"));
        QTest::qWait(500);
        QCOMPARE(s.workspace->link().usb().sentReports.size(), written);

        // Plugged in again and reconnected; a click just before closing still goes out.
        s.brick().plug(true);
        s.connectBrick();
        s.trigger("mnuTextConsola");
        click(s.find<QPushButton>("cmdAdv"));
        click(s.find<QPushButton>("cmdExit"));
        QVERIFY(!console->isVisible());
        QTRY_COMPARE(int(s.brick().motors()), 0x48);
    }

    void monitorWarningButtonsAndPad()
    {
        Session s;
        s.connectBrick();
        s.trigger("mnuTextMonitor");
        auto* warning = s.find<QDialog>("formMonitorWarning");
        QVERIFY(warning && warning->isVisible());
        QCOMPARE(warning->windowTitle(), QString("Aviso!"));
        QCOMPARE(s.find<QLabel>("lblText")->text(), qs(monitorWarningText()).replace("\r\n", "\n"));
        QVERIFY(!s.window->findChild<QWidget*>("formScreenMonitor"));
        s.find<QCheckBox>("chkDontShow")->click();
        click(s.find<QPushButton>("cmdClose"));
        QCOMPARE(s.config().split("\r\n").at(5), QString("3")); // the welcome's bit and the monitor's
        QTRY_VERIFY(s.window->findChild<MonitorWindow*>("formScreenMonitor"));
        auto* monitor = s.window->findChild<MonitorWindow*>("formScreenMonitor");
        QTRY_VERIFY(monitor->isVisible());
        QCOMPARE(monitor->windowTitle(), QString("Monitor para Aplicacion del Ladrillo"));
        QCOMPARE(s.find<QLabel>("lblDescript")->text(), QString("Detenido"));
        QCOMPARE(s.find<QLabel>("lblPause")->text(), QString("Activo"));
        QCOMPARE(s.find<QLabel>("lblConnect")->text(), QString());

        std::size_t from = s.reportCount();
        for (const char* name : {"cmd_up", "cmd_dn", "cmd_lf", "cmd_rg", "cmd_stop"})
            click(s.find<QToolButton>(name));
        QTRY_VERIFY(monitor->linkIdle() && s.reportCount() == from + 5);
        QCOMPARE(s.received(from),
                 (std::vector<Bytes>{{4, 2, 0x48}, {4, 2, 0xA0}, {4, 2, 0x40}, {4, 2, 0x08}, {4, 2, 0x00}}));
        QCOMPARE(s.find<QToolButton>("cmd_up")->toolTip(), QString("Cursor Arriba (34d)"));

        // The pad: a movement to the right drives right; once the mouse rests, the motors stop.
        s.find<QCheckBox>("chkMouseStick")->click();
        auto* pad = s.find<QWidget>("frmMouse");
        QVERIFY(pad->isVisible());
        QVERIFY(!s.find<QWidget>("frmMonitor")->isVisible());
        auto move = [pad](int x, int y) {
            QMouseEvent e(QEvent::MouseMove, QPointF(x, y), pad->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pad, &e);
        };
        from = s.reportCount();
        move(10, 10);
        monitor->padTick();
        monitor->padTick();
        monitor->padTick();
        move(40, 12); // 450 twips to the right
        monitor->padTick();
        QCOMPARE(s.find<QLabel>("lblDescript")->text(), QString("Ir Hacia La Derecha"));
        QTRY_VERIFY(s.sent(from, {4, 2, 0x08}));
        QTRY_COMPARE(s.find<QLabel>("lblDescript")->text(), QString("Detenido")); // the timer, at rest
        QTRY_COMPARE(int(s.brick().motors()), 0);
        monitor->close();

        // The next time the menu opens the monitor directly; so does the toolbar's button always.
        s.trigger("mnuTextMonitor");
        QTRY_VERIFY(monitor->isVisible());
        QVERIFY(!warning->isVisible());
        monitor->close();
        s.workspace->settings.dontShowFlags = 0;
        s.trigger("Monitor");
        QTRY_VERIFY(monitor->isVisible());
        QVERIFY(!warning->isVisible());
        monitor->close();

        // Closing the warning by other means than "Cerrar" opens the monitor too.
        s.trigger("mnuTextMonitor");
        QVERIFY(warning->isVisible());
        warning->close();
        QTRY_VERIFY(monitor->isVisible());
        QCOMPARE(s.workspace->settings.dontShowFlags, 0);

        // Without a brick the monitor says so and sends nothing.
        s.trigger("Conect");
        QVERIFY(!s.workspace->link().brickConnected());
        s.trigger("Monitor");
        QTRY_VERIFY(s.find<QLabel>("lblConnect")->text().startsWith("Ladrillo no conectado"));
        const std::size_t written = s.workspace->link().usb().sentReports.size();
        click(s.find<QToolButton>("cmd_up"));
        QTest::qWait(100);
        QCOMPARE(s.workspace->link().usb().sentReports.size(), written);
    }

    void examplesNamedByTheWarning()
    {
        Session s;
        QMenu* menu = s.window->exampleMenu(9);
        for (const std::string& caption : monitorWarningExamples()) {
            QAction* item = nullptr;
            for (QAction* a : menu->actions())
                if (a->isVisible() && a->text() == qs(caption))
                    item = a;
            QVERIFY2(item, caption.c_str());
            item->trigger();
            QVERIFY(s.workspace->hasHelp);
            QVERIFY(s.workspace->store.sequenceLength(0) > 3);
        }
        QVERIFY(s.messages.empty());
    }

    void factoryPassesAndSavesItsReport()
    {
        Session s;
        s.trigger("mnuTester");
        auto* tester = s.find<FactoryWindow>("formFactory");
        QVERIFY(tester && tester->isVisible());
        QCOMPARE(tester->windowTitle(), QString("Probador de Ladrillos J2-USB"));
        QCOMPARE(s.find<QLabel>("lblCount")->text(), QString("0"));
        auto* report = s.find<QTextEdit>("txtHelp");
        auto* yes = s.find<QPushButton>("cmdSi");
        s.brick().setLightLevel(20);
        s.brick().setInfrared(false); // the remote control pressed: the line reads 0
        click(s.find<QPushButton>("cmdBegin"));
        QCOMPARE(s.find<QLabel>("lblCount")->text(), QString("1"));
        for (int question = 0; question < 6; ++question) {
            QTRY_VERIFY_WITH_TIMEOUT(yes->isEnabled(), 10000);
            if (question == 0) {
                QCOMPARE(colour(s.find<QLabel>("shpLeds_0")), QString("#ff0000"));
                QCOMPARE(int(s.brick().leds()), 7);
            }
            if (question == 2)
                QCOMPARE(s.find<QLabel>("lblMotIzq")->text(), QString("Avanza"));
            QTest::keyClick(report, Qt::Key_Return);
        }
        QTRY_VERIFY_WITH_TIMEOUT(s.find<QPushButton>("cmdBegin")->isEnabled(), 15000);
        const QString text = report->toPlainText();
        QVERIFY2(text.endsWith("USB: OK\nLEDS: OK\nPARLANTE: OK\nMOTORES: OK, OK, OK, OK\nFLED+LDR:  20  170 OK\n"
                               "IR: OK\nReporte Terminado\n\n"),
                 qPrintable(text));
        QVERIFY(text.startsWith("Reporte J2-USB:  1 - "));
        QCOMPARE(s.window->panelText(StatusPanel::Port), QString("SIM"));
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: J2-A1 (Rojo Cristal)"));
        QCOMPARE(s.find<QLabel>("lblHelp")->text(), QString("Fin del test: Desconecte el cable USB"));
        QVERIFY(!s.workspace->link().brickConnected());

        QString proposed;
        const QString file = s.dir.filePath("banco.txt");
        tester->chooseReportFile = [&](const QString& name) {
            proposed = name;
            return file;
        };
        s.find<QLineEdit>("txtRptName")->setText("Lote_7");
        click(s.find<QPushButton>("cmdSaveReport"));
        QCOMPARE(proposed, QString("Lote_7.txt"));
        std::string bytes;
        QVERIFY(readWholeFile(file.toStdString(), bytes));
        QCOMPARE(QString::fromStdString(bytes), QString(text).replace("\n", "\r\n") + "\r\n");

        QStringList errors;
        tester->showError = [&](const QString& e) { errors << e; };
        tester->chooseReportFile = [&](const QString&) { return s.dir.filePath("no/existe/r.txt"); };
        click(s.find<QPushButton>("cmdSaveReport"));
        QCOMPARE(errors.size(), 1);
    }

    void factoryFailsClosesAndUnplugs()
    {
        Session s;
        s.trigger("mnuTester");
        auto* tester = s.find<FactoryWindow>("formFactory");
        auto* report = s.find<QTextEdit>("txtHelp");
        auto* yes = s.find<QPushButton>("cmdSi");

        // Any other key fails the step.
        click(s.find<QPushButton>("cmdBegin"));
        QTRY_VERIFY_WITH_TIMEOUT(yes->isEnabled(), 10000);
        QTest::keyClick(report, Qt::Key_Escape);
        QTRY_VERIFY(!tester->test().running());
        QVERIFY(report->toPlainText().endsWith("USB: OK\nLEDS: FALLA\nReporte Terminado\n\n"));
        QVERIFY(tester->isVisible()); // Escape in the report answers, it does not close the window

        // Closing the window during a question ends the run: motors stopped, link closed.
        click(s.find<QPushButton>("cmdBegin"));
        QTRY_VERIFY_WITH_TIMEOUT(yes->isEnabled(), 10000);
        click(yes);
        QTRY_VERIFY_WITH_TIMEOUT(yes->isEnabled(), 10000); // the loudspeaker
        click(yes);
        QTRY_VERIFY_WITH_TIMEOUT(yes->isEnabled(), 10000); // the left motor runs
        QCOMPARE(int(s.brick().motors()), 0x40);
        tester->close();
        QTRY_VERIFY(!tester->test().running());
        QCOMPARE(int(s.brick().motors()), 0);
        QVERIFY(!s.workspace->link().brickConnected());
        s.trigger("mnuTester"); // opens afresh
        QCOMPARE(report->toPlainText(), QString());
        QCOMPARE(s.find<QLabel>("lblCount")->text(), QString("0"));

        // Unplugged during the motors: the run ends by itself with what it could see.
        click(s.find<QPushButton>("cmdBegin"));
        for (int question = 0; question < 6; ++question) {
            QTRY_VERIFY_WITH_TIMEOUT(yes->isEnabled(), 10000);
            if (question == 3)
                s.brick().plug(false);
            click(yes);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!tester->test().running(), 15000);
        QVERIFY2(report->toPlainText().endsWith("FLED+LDR:  0  0 FALLA\nReporte Terminado\n\n"),
                 qPrintable(report->toPlainText()));
        QCOMPARE(s.window->panelText(StatusPanel::Brick), QString("Ladrillo: Ninguno"));
    }

    void consoleAndTesterAtOnce()
    {
        // The tester runs its test while the console sends commands and reads live: neither reads
        // the other's replies.
        Session s;
        s.brick().setLightLevel(40);
        s.brick().setInfrared(false);
        s.trigger("mnuTester");
        auto* tester = s.find<FactoryWindow>("formFactory");
        auto* yes = s.find<QPushButton>("cmdSi");
        click(s.find<QPushButton>("cmdBegin"));
        QTRY_VERIFY_WITH_TIMEOUT(yes->isEnabled(), 10000);
        s.trigger("mnuTextConsola");
        auto* console = s.find<ConsoleWindow>("formScreenControl");
        QVERIFY(tester->isVisible());
        for (int question = 0; question < 6; ++question) {
            QTRY_VERIFY_WITH_TIMEOUT(yes->isEnabled(), 10000);
            click(s.find<QPushButton>("cmdLeerLuz"));
            click(s.find<QPushButton>("lblButton_1"));
            QTest::qWait(60);
            click(yes);
        }
        // The light step runs while the console keeps reading.
        QTRY_VERIFY_WITH_TIMEOUT(!tester->test().running(), 15000);
        const QString text = s.find<QTextEdit>("txtHelp")->toPlainText();
        QVERIFY2(text.contains("FLED+LDR:  40  190 OK\nIR: OK\n"), qPrintable(text));
        QVERIFY(console->history().samples().size() >= 3);
        for (const auto& sample : console->history().samples())
            QVERIFY(sample.level == 40 || sample.level == 190);
        QVERIFY(s.messages.empty());
    }
};

QTEST_MAIN(ToolsWindowTest)
#include "ToolsWindowTest.moc"

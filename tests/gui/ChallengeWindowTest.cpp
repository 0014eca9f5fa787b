// Challenges in the windows, as a student meets them: "Retos" in the main menu and in the simulator
// lists them, choosing one loads its world and shows its goals, "Probar Reto" builds the open
// program and judges it without holding up the window, with the same verdict as tarvel grade.
#include "GuiSession.h"

#include "compiler/Compile.h"
#include "gui/app/Translation.h"
#include "gui/simulator/ChallengePanel.h"
#include "gui/simulator/SimulatorWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>

#include <nlohmann/json.hpp>

using namespace tarvel;
using testsupport::Session;

namespace {

const QString kRetos = QString(TARVEL_APPDIR) + "/retos";
const QString kWrong = QString(TARVEL_TEST_DATA) + "/retos";

// The session's application folder gets the shipped worlds and challenges too.
void copyFolders(Session& s)
{
    for (const char* folder : {"worlds", "retos"}) {
        QDir source(QString(TARVEL_APPDIR) + "/" + folder);
        QDir(s.dir.path()).mkpath(folder);
        for (const QString& f : source.entryList(QDir::Files))
            QFile::copy(source.filePath(f), s.dir.filePath(QString(folder) + "/" + f));
    }
}

QMenu* challengeMenu(Session& s)
{
    auto* menu = s.window->menuBar()->findChild<QMenu*>("mnuRetos");
    if (menu)
        emit menu->aboutToShow();
    return menu;
}

QStringList lines(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Opens `program`, presses "Probar Reto" and waits for the verdict, the window answering meanwhile.
void tryWith(Session& s, const QString& program)
{
    QVERIFY(s.window->openProgramPath(program.toStdString(), false));
    SimulatorWindow* sim = s.window->simulator();
    auto* button = sim->findChild<QPushButton*>("cmdProbarReto");
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->isEnabled() || !sim->challengePanel()->judging());
    QTRY_VERIFY_WITH_TIMEOUT(!sim->challengePanel()->judging(), 60000);
    QVERIFY(button->isEnabled());
}

QString shown(Session& s, const char* name)
{
    return s.window->simulator()->findChild<QLabel*>(name)->text();
}

} // namespace

class ChallengeWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theMenusListTheChallengesAndOneOpensInItsWorld()
    {
        Session s;
        copyFolders(s);
        QMenu* menu = challengeMenu(s);
        QVERIFY(menu);
        QCOMPARE(menu->title(), QString("Retos"));
        QCOMPARE(menu->actions().size(), 12);
        QCOMPARE(menu->actions()[0]->text(), QString("Primer paso"));
        QCOMPARE(menu->actions()[8]->text(), QString("Encontrar la lámpara"));
        menu->actions()[8]->trigger();
        SimulatorWindow* sim = s.window->simulator();
        QVERIFY(sim && sim->isVisible());
        auto* panel = sim->findChild<ChallengePanel*>("fraReto");
        QVERIFY(panel->isVisible());
        QCOMPARE(shown(s, "lblRetoTitulo"), QString("Encontrar la lámpara"));
        QVERIFY(shown(s, "lblRetoDescripcion").startsWith("En la mesa hay una lámpara encendida."));
        QVERIFY(shown(s, "lblRetoDescripcion").endsWith("Tiempo límite: 60,0 s"));
        QCOMPARE(lines(sim->findChild<QListWidget*>("lstObjetivos")),
                 (QStringList{"\u2022 Cumplir todos estos objetivos", "    \u2022 Terminar en la lámpara",
                              "    \u2022 Tocar un tono de 2000 Hz", "    \u2022 Terminar el programa"}));
        // The world of the challenge, the robot where it starts.
        QCOMPARE(QString::fromStdString(cp1252ToUtf8(s.workspace->simulation.world().name)), QString("Mesa con lámpara"));
        QCOMPARE(sim->findChild<QComboBox*>("cmbMundo")->currentText(), QString("Mesa con lámpara"));
        QCOMPARE(s.workspace->simulation.robot().pose.x, 115.0);

        // The simulator's own "Retos" lists the same; a bad file is there, disabled, saying why.
        writeFileReplacing(s.dir.filePath("retos/13 Roto.json").toStdString(), R"({"title": "Roto"})");
        auto* own = sim->findChild<QMenu*>("mnuRetosSimulador");
        // Its button opens it and returns at once (a press through an assistive technology too).
        sim->findChild<QPushButton*>("cmdRetos")->click();
        QVERIFY(own->isVisible());
        own->close();
        emit own->aboutToShow();
        QCOMPARE(own->actions().size(), 13);
        QCOMPARE(own->actions()[0]->text(), QString("Primer paso"));
        QVERIFY(!own->actions()[12]->isEnabled());
        QCOMPARE(own->actions()[12]->toolTip(), QString("Reto 13 Roto.json: Falta el campo \"description\""));
        own->actions()[0]->trigger();
        QCOMPARE(shown(s, "lblRetoTitulo"), QString("Primer paso"));

        sim->findChild<QPushButton*>("cmdSalirReto")->click();
        QVERIFY(!panel->isVisible());
        QVERIFY(!panel->challenge());
    }

    void probarRetoJudgesTheOpenProgramAsTheCommandLineDoes()
    {
        Session s;
        copyFolders(s);
        challengeMenu(s)->actions()[0]->trigger();
        SimulatorWindow* sim = s.window->simulator();
        const QString solution = kRetos + "/01 Primer Paso.gtf";
        tryWith(s, solution);
        QCOMPARE(shown(s, "lblVeredicto"), QString("¡Reto cumplido! 3 estrellas a los 2,0 s"));
        auto* stars = sim->findChild<QLabel*>("lblEstrellas");
        QCOMPARE(stars->text(), QString("\u2605\u2605\u2605"));
        QCOMPARE(stars->accessibleDescription(), QString("3 estrellas"));
        const QStringList goals = lines(sim->findChild<QListWidget*>("lstObjetivos"));
        QCOMPARE(goals[1], QString("    \u2714 Terminar en la línea de llegada: El robot terminó en la línea de llegada"));
        for (const QString& g : goals)
            QVERIFY2(g.trimmed().startsWith("\u2714"), qPrintable(g));
        // The simulated brick holds the program and shows the run where it ended, with its trail.
        const Verdict& verdict = *sim->challengePanel()->verdict();
        QVERIFY(verdict.trail.size() > 10);
        QCOMPARE(s.workspace->simulation.robot().pose.x, double(verdict.trail.back().x));
        QVERIFY(!s.workspace->simulation.cpu().running());
        QVERIFY(sim->paused());

        // The same program through tarvel grade: the same goals, reasons, stars and time.
        QProcess grade;
        grade.start(TARVEL_CLI, {"grade", kRetos + "/01 Primer Paso.json", solution, "--json"});
        QVERIFY(grade.waitForFinished(60000));
        const auto doc = nlohmann::json::parse(grade.readAllStandardOutput().toStdString());
        const auto& judged = doc["programs"][0];
        QCOMPARE(judged["stars"].get<int>(), verdict.stars);
        QCOMPARE(judged["seconds"].get<double>(), std::round(verdict.seconds * 1000) / 1000);
        QCOMPARE(int(judged["goals"].size()), goals.size());
        for (int i = 0; i < goals.size(); ++i)
            QVERIFY2(goals[i].endsWith(QString::fromStdString(judged["goals"][i]["reason"].get<std::string>())),
                     qPrintable(goals[i]));

        // A plausible mistake: not met, the reason first.
        tryWith(s, kWrong + "/01 Primer Paso - demasiado lejos.gtf");
        QCOMPARE(shown(s, "lblVeredicto"),
                 QString("Reto no cumplido: El robot pasó por la línea de llegada pero terminó fuera"));
        QCOMPARE(sim->findChild<QLabel*>("lblEstrellas")->text(), QString("\u2606\u2606\u2606"));
        QVERIFY(lines(sim->findChild<QListWidget*>("lstObjetivos"))[1].trimmed().startsWith("\u2718"));

        // A program that does not build says why and runs nothing.
        s.window->NewProgram();
        s.appendElement(makeElement(17, 12, 10, 1, 0, 0, "nada"));
        sim->findChild<QPushButton*>("cmdProbarReto")->click();
        QVERIFY(!sim->challengePanel()->judging());
        QVERIFY2(shown(s, "lblVeredicto").startsWith("El programa no se pudo compilar: "), qPrintable(shown(s, "lblVeredicto")));
        QVERIFY(shown(s, "lblVeredicto").contains("nada"));
    }

    void theWindowAnswersWhileALongTestRunsAndEveryControlHasAName()
    {
        Session s;
        copyFolders(s);
        challengeMenu(s)->actions()[7]->trigger(); // the whole lap: up to three virtual minutes
        SimulatorWindow* sim = s.window->simulator();
        QVERIFY(s.window->openProgramPath((kRetos + "/08 La Vuelta Completa.gtf").toStdString(), false));
        sim->findChild<QPushButton*>("cmdProbarReto")->click();
        QVERIFY(sim->challengePanel()->judging());
        QCOMPARE(shown(s, "lblVeredicto"), QString("Probando el programa..."));
        // Events are handled meanwhile: another challenge can be chosen, and the test's late result
        // does not land on it.
        QTest::qWait(20);
        challengeMenu(s)->actions()[1]->trigger();
        QVERIFY(!sim->challengePanel()->judging());
        QCOMPARE(shown(s, "lblRetoTitulo"), QString("Luces en fila"));
        QVERIFY(!sim->challengePanel()->verdict());
        QTest::qWait(50);
        QVERIFY(!sim->challengePanel()->verdict());

        auto* panel = sim->findChild<ChallengePanel*>("fraReto");
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(panel) || qobject_cast<QScrollBar*>(w) || w->parent() != panel)
                continue;
            const auto* button = qobject_cast<QAbstractButton*>(w);
            QVERIFY2(!w->accessibleName().isEmpty() || (button && !button->text().isEmpty()),
                     qPrintable(w->objectName()));
        }
        QVERIFY(!sim->findChild<QPushButton*>("cmdRetos")->text().isEmpty());
    }

    void anExampleRunOnTheSimulatedBrickOpensInItsWorld()
    {
        Session s({}, {}, true);
        copyFolders(s);
        QVERIFY(s.window->openProgramPath(s.dir.filePath("Seguir la Linea.gtf").toStdString(), false));
        Workspace& ws = *s.workspace;
        const auto run = [&] { testsupport::compileSendRun(s); };
        run();
        SimulatorWindow* sim = s.window->simulator();
        QVERIFY(sim && sim->isVisible());
        QVERIFY(QString::fromStdString(ws.worldPath).endsWith("worlds/pista.json"));
        QCOMPARE(sim->findChild<QComboBox*>("cmbMundo")->currentText(), QString("Pista con línea"));
        QCOMPARE(ws.simulation.robot().pose.x, 80.0);
        QVERIFY(ws.simulation.cpu().running());

        // A challenge holds its own table: the example runs in it.
        challengeMenu(s)->actions()[0]->trigger();
        run();
        QVERIFY(QString::fromStdString(ws.worldPath).endsWith("worlds/mesa.json"));
        // A program that is no example leaves the world as it is.
        sim->findChild<QPushButton*>("cmdSalirReto")->click();
        s.window->NewProgram();
        s.appendElement(makeElement(13, 11, 10, 5));
        run();
        QVERIFY(QString::fromStdString(ws.worldPath).endsWith("worlds/mesa.json"));
    }

    void inEnglishTheChallengeAndItsVerdictAreInEnglish()
    {
        QTranslator* english = installLanguage(*qApp, InterfaceLanguage::English);
        QVERIFY(english);
        {
            // No welcome window, the default library, English on the ninth line.
            Session s("1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n\r\n0\r\n1\r\n");
            copyFolders(s);
            QMenu* menu = challengeMenu(s);
            QCOMPARE(menu->title(), QString("Challenges"));
            QCOMPARE(menu->actions()[0]->text(), QString("First step"));
            menu->actions()[0]->trigger();
            QCOMPARE(shown(s, "lblRetoTitulo"), QString("First step"));
            QVERIFY(shown(s, "lblRetoDescripcion").startsWith("Make the robot drive forward"));
            QCOMPARE(lines(s.window->simulator()->findChild<QListWidget*>("lstObjetivos"))[1],
                     QString("    \u2022 End in the finish line")); // the teacher's own English name for the place
            tryWith(s, kRetos + "/01 Primer Paso.gtf");
            QCOMPARE(shown(s, "lblVeredicto"), QString("Challenge met! 3 stars at 2.0 s"));
            QCOMPARE(s.window->simulator()->findChild<QPushButton*>("cmdProbarReto")->text(), QString("Try Challenge"));
        }
        QCoreApplication::removeTranslator(english);
        delete english;
    }
};

QTEST_MAIN(ChallengeWindowTest)
#include "ChallengeWindowTest.moc"

// The path and melody editors driven as a user would: the mouse on the drawing area, the buttons
// and boxes of the melody editor; the elements they make build with the shipped library.
#include "GuiSession.h"
#include "gui/app/AssistiveSupport.h"
#include "compiler/Compile.h"
#include "gui/app/QtText.h"
#include "gui/audio/TonePlayer.h"
#include "gui/tours/FormMotorTour.h"
#include "gui/tours/FormSalidaSonidoTour.h"
#include "gui/tours/TourArea.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace tarvel;
using testsupport::Session;

namespace {

// What the lead's commit does for a new element, enough to build the program afterwards.
struct Outcome {
    int commits = 0;
    int cancels = 0;
};

template <typename Window>
void watch(Window* w, Session& s, Outcome& o)
{
    w->commit = [&s, &o] {
        ++o.commits;
        if (s.workspace->editor.insertMode)
            s.workspace->store.appendCurrent();
    };
    w->cancelled = [&o] { ++o.cancels; };
}

std::vector<int> bytes(const RecordText& text, int n)
{
    return {text.begin(), text.begin() + n};
}

// The area's pixel for a point in twips.
QPoint at(double x, double y)
{
    return TourArea::toPixels({x, y}).toPoint();
}

void clickArea(QWidget* area, QPoint p, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseMove(area, p);
    QTest::mouseClick(area, button, {}, p);
}

void buildsCleanly(Session& s)
{
    TemplateMemory memory;
    const CompileResult result = compileProgram(s.workspace->store, s.workspace->library, memory);
    const Assembly& assembly = result.assemblyOrEmpty();
    QVERIFY(result.assembled());
    QCOMPARE(QString::fromStdString(assembly.errorsText), QString());
    QVERIFY(result.translation.source.find("No Code") == std::string::npos);
}

} // namespace

class ToursTest : public QObject {
    Q_OBJECT
private slots:
    void drawAPathAndAccept()
    {
        Session s;
        Outcome o;
        QPointer<FormMotorTour> w = FormMotorTour::openNew(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        QCOMPARE(w->windowTitle(), QString("Herramienta para Diseñar Recorridos"));
        auto* area = w->findChild<TourArea*>("shpLimits");
        QVERIFY(area);
        QCOMPARE(area->size(), QSize(721, 449)); // 10815 x 6735 twips
        QCOMPARE(w->findChild<QLabel*>("lblMemMonitor")->text(), QString("Pasos:  0"));

        // Up from the start marker's centre (5287.5, 3847.5) to y 3000 (847.5 twips, 10 units),
        // then right by as much.
        QTest::mouseMove(area, QPoint(352, 200));
        QCOMPARE(w->findChild<QLabel*>("lblDistancia")->text(), QString("Tiempo (Segs): 1"));
        clickArea(area, QPoint(352, 200));
        clickArea(area, QPoint(409, 200));
        QCOMPARE(w->findChild<QLabel*>("lblMemMonitor")->text(), QString("Pasos:  2/20"));

        // Right click: the path options; the light goes off, then the path ends.
        clickArea(area, at(6000, 5000), Qt::RightButton);
        QMenu* menu = w->optionsMenu();
        QCOMPARE(menu->objectName(), QString("mnuTourOptions"));
        QTRY_VERIFY(menu->isVisible());
        QStringList captions;
        for (QAction* a : menu->actions())
            captions << a->text();
        QCOMPARE(captions, QStringList({"Terminar Recorrido", "Encender Luz", "Apagar Luz", "Continuar"}));
        menu->findChild<QAction*>("mnuLuzOff")->trigger();
        menu->hide();
        QVERIFY(w); // the menu does not close the editor
        QCOMPARE(w->findChild<QLabel*>("LblLuz")->text(), QString("Luz: Apagada"));
        w->findChild<QAction*>("mnuEndTour")->trigger();
        clickArea(area, QPoint(466, 200)); // ended: no more segments
        QCOMPARE(w->editor().segmentCount(), 2);

        auto* title = w->findChild<QLineEdit*>("txtTitle");
        title->clear();
        QTest::keyClicks(title, "Mi Camino Largo");
        QCOMPARE(title->text(), QString("Mi Camin"));
        w->findChild<QPushButton*>("cmdGuardar")->click();
        QCOMPARE(o.commits, 1);
        QCOMPARE(o.cancels, 0);
        QTRY_VERIFY(!w);
        const InstructionRecord& r = s.workspace->store.recordAt(0, 1);
        QCOMPARE(int(r.family), 10);
        QCOMPARE(int(r.subtype), 16);
        QCOMPARE(r.arg1, std::int16_t(3));
        QCOMPARE(QString::fromStdString(r.name), QString("Mi Camin"));
        QCOMPARE(QString::fromStdString(r.description), QString("Ejecutar Recorrido (Mi Camin)"));
        QCOMPARE(bytes(r.text, 14), (std::vector<int>{0, 10, 12, 10, 10, 10, 10, 1, 18, 11, 0, 12, 10, ' '}));
        buildsCleanly(s);
    }

    void theOptionsAndTheEndMarkerThroughAssistiveTools()
    {
        installAssistiveSupport();
        Session s;
        Outcome o;
        QPointer<FormMotorTour> w = FormMotorTour::openNew(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        auto* area = w->findChild<TourArea*>("shpLimits");
        clickArea(area, QPoint(352, 200));
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(area);
        QVERIFY(access && access->actionInterface());
        QCOMPARE(access->text(QAccessible::Name), QString("Area de Dibujo del Recorrido"));
        QVERIFY(access->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
        auto choose = [&](const QString& caption) {
            access->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
            QTRY_COMPARE(access->childCount(), 1);
            QAccessibleInterface* menu = access->child(0);
            QAccessibleInterface* item = nullptr;
            for (int i = 0; i < menu->childCount(); ++i)
                if (menu->child(i)->text(QAccessible::Name) == caption)
                    item = menu->child(i);
            QVERIFY(item);
            item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_COMPARE(access->childCount(), 0); // closed with its command
        };
        choose("Terminar Recorrido");
        QVERIFY(!w->editor().open());
        QVERIFY(w->editor().endMarkerLit());
        choose("Apagar Luz");
        QCOMPARE(w->findChild<QLabel*>("LblLuz")->text(), QString("Luz: Apagada"));
        QVERIFY(w->editor().endMarkerLit()); // the marker keeps the colour of the end
        QVERIFY(w);
    }

    void keyboardDrawsToo()
    {
        Session s;
        Outcome o;
        QPointer<FormMotorTour> w = FormMotorTour::openNew(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        auto* area = w->findChild<TourArea*>("shpLimits");
        area->setFocus();
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(area, Qt::Key_Up);
        QTest::keyClick(area, Qt::Key_Return);
        QCOMPARE(w->editor().segmentCount(), 1);
        QCOMPARE(w->editor().items()[0], std::int16_t(5));
        QCOMPARE(w->editor().items()[1], std::int16_t(90));
        QTest::keyClick(area, Qt::Key_Escape);
        QCOMPARE(o.cancels, 1);
        QCOMPARE(o.commits, 0);
        QTRY_VERIFY(!w);
    }

    void tooLongAPathAsksFirst()
    {
        Session s;
        Outcome o;
        QPointer<FormMotorTour> w = FormMotorTour::openNew(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        std::vector<std::string> asked;
        bool answer = false;
        w->askOkCancel = [&](const UserMessage& m) {
            asked.push_back(m.title.spanish());
            return answer;
        };
        auto* area = w->findChild<TourArea*>("shpLimits");
        for (int i = 0; i < 21; ++i)
            clickArea(area, at(i % 2 ? 4000 : 6000, 3847.5));
        QCOMPARE(w->editor().segmentCount(), 20);
        QCOMPARE(w->findChild<QLabel*>("lblMemMonitor")->text(), QString("Pasos:  20/20"));
        auto* ok = w->findChild<QPushButton*>("cmdGuardar");
        ok->click();
        QCOMPARE(asked, std::vector<std::string>{"Error de Recorrido"});
        QVERIFY(w);
        QCOMPARE(o.commits, 0);
        answer = true;
        ok->click();
        QCOMPARE(o.commits, 1);
        QCOMPARE(s.workspace->store.recordAt(0, 1).arg1, std::int16_t(16));
        buildsCleanly(s);
    }

    void acceptingNothingAndAnimating()
    {
        Session s;
        Outcome o;
        QPointer<FormMotorTour> w = FormMotorTour::openNew(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        auto* animate = w->findChild<QPushButton*>("cmdAnimar");
        QVERIFY(!animate->isEnabled());
        clickArea(w->findChild<TourArea*>("shpLimits"), at(5287.5, 3500));
        QVERIFY(animate->isEnabled());
        animate->click();
        QVERIFY(w->animating());
        QCOMPARE(animate->text(), QString("Detener"));
        QTest::qWait(100);
        w->findChild<QPushButton*>("cmdBorrar")->click();
        QVERIFY(!w->animating());
        QCOMPARE(w->findChild<QLabel*>("lblMemMonitor")->text(), QString("Pasos:  0"));
        w->findChild<QPushButton*>("cmdGuardar")->click();
        QCOMPARE(o.commits, 0);
        QCOMPARE(o.cancels, 1);
        QTRY_VERIFY(!w);
        QCOMPARE(s.workspace->store.sequenceLength(0), 1);
    }

    void modifyAPath()
    {
        Session s;
        s.appendElement(makeElement(10, 16, 10, 1, 0, 0, "Viejo"));
        Outcome o;
        s.workspace->editor.insertMode = false;
        s.workspace->store.currentElement = s.workspace->store.recordAt(0, 1);
        QPointer<FormMotorTour> w = new FormMotorTour(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        w->show();
        QCOMPARE(w->windowTitle(), QString("Herramienta para Diseñar Recorridos [Modificar]"));
        QCOMPARE(w->findChild<QLineEdit*>("txtTitle")->text(), QString("Viejo"));
        QCOMPARE(w->editor().segmentCount(), 0); // the old path is not loaded
        clickArea(w->findChild<TourArea*>("shpLimits"), at(4000, 3847.5));
        w->findChild<QPushButton*>("cmdGuardar")->click();
        QCOMPARE(o.commits, 1);
        const InstructionRecord& r = s.workspace->store.currentElement;
        QCOMPARE(QString::fromStdString(r.name), QString("Viejo"));
        QCOMPARE(bytes(r.text, 7), (std::vector<int>{0, 15, 14, 10, 0, 16, 10}));
    }

    void closesWhenAnotherWindowIsActivated()
    {
        Session s;
        Outcome o;
        QPointer<FormMotorTour> w = FormMotorTour::openNew(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        QApplication::setActiveWindow(w);
        QApplication::setActiveWindow(s.window.get());
        QTRY_VERIFY(!w);
        QCOMPARE(o.cancels, 1);
    }

    void aCommitThatActivatesTheCanvasIsNoCancel()
    {
        Session s;
        Outcome o;
        QPointer<FormSalidaSonidoTour> w = FormSalidaSonidoTour::openNew(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        QApplication::setActiveWindow(w);
        w->commit = [&] {
            ++o.commits;
            QApplication::setActiveWindow(s.window.get());
        };
        w->findChild<QPushButton*>("cmdAdd")->click();
        w->findChild<QPushButton*>("cmdOk")->click();
        QTRY_VERIFY(!w);
        QCOMPARE(o.commits, 1);
        QCOMPARE(o.cancels, 0);
    }

    void composeAMelodyAndAccept()
    {
        Session s;
        Outcome o;
        QPointer<FormSalidaSonidoTour> w = FormSalidaSonidoTour::openNew(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        QCOMPARE(w->windowTitle(), QString("Melodia 1 : Herramienta para Crear Melodias"));
        auto* info = w->findChild<QLabel*>("lblInfo");
        QCOMPARE(info->text(), QString("Notas: 0/12"));
        auto* time = w->findChild<QLineEdit*>("txtTime");
        time->selectAll();
        QTest::keyClicks(time, "1000");
        auto* add = w->findChild<QPushButton*>("cmdAdd");
        for (int tone : {5, 0, 2}) {
            w->findChild<QRadioButton*>(QStringLiteral("optTonos_%1").arg(tone))->click();
            add->click();
        }
        QCOMPARE(info->text(), QString("Notas:  3/12"));
        auto* list = w->findChild<QTreeWidget*>("ListMelodia");
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(0)->text(0), QString("440Hz (La)   "));
        QCOMPARE(list->topLevelItem(0)->text(1), QString("1000"));
        QCOMPARE(list->topLevelItem(0)->text(2), QString(" 100%"));

        // "Eliminar Nota" removes the selected note.
        list->setCurrentItem(list->topLevelItem(1));
        w->findChild<QPushButton*>("cmdDelete")->click();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(1)->text(0), QString("328Hz (Mi)   "));
        QCOMPARE(info->text(), QString("Notas:  2/12"));

        // "Reproducir" never blocks nor fails without a sound card.
        auto* play = w->findChild<QPushButton*>("cmdPlay");
        play->click();
        QCOMPARE(w->findChild<QLabel*>("lblAudio")->isVisibleTo(w), !TonePlayer::audioAvailable());
        play->click();

        w->findChild<QPushButton*>("cmdOk")->click();
        QCOMPARE(o.commits, 1);
        QTRY_VERIFY(!w);
        const InstructionRecord& r = s.workspace->store.recordAt(0, 1);
        QVERIFY(r.is(11, 12, 14));
        QCOMPARE(r.arg1, std::int16_t(2));
        QCOMPARE(bytes(r.text, 9), (std::vector<int>{1, 184, 142, 142, 1, 72, 190, 191, ' '}));
        QCOMPARE(QString::fromStdString(r.description), QString("Reproducir Melodia (Melodia 1) [10]"));
        buildsCleanly(s);
    }

    void melodyTypingLimitsAndErrors()
    {
        Session s;
        Outcome o;
        QPointer<FormSalidaSonidoTour> w = FormSalidaSonidoTour::openNew(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        auto* freq = w->findChild<QLineEdit*>("txtFreq");
        w->findChild<QRadioButton*>("optTonos_5")->click();
        QVERIFY(!freq->isEnabled());
        w->findChild<QRadioButton*>("optTonos_8")->click();
        QVERIFY(freq->isEnabled());
        // An assistive technology checks a note without clicking it: the note is chosen all the same.
        w->findChild<QRadioButton*>("optTonos_5")->setChecked(true);
        QVERIFY(!freq->isEnabled());
        w->findChild<QRadioButton*>("optTonos_8")->setChecked(true);
        QVERIFY(freq->isEnabled());
        freq->clear();
        QTest::keyClicks(freq, "12345");
        QCOMPARE(freq->text(), QString("1234"));
        QCOMPARE(QString::fromStdString(w->editor().selectedTone()), QString("CUSTOM"));
        freq->clear();
        QTest::keyClicks(freq, "150");
        auto* time = w->findChild<QLineEdit*>("txtTime");
        QTest::keyClick(time, Qt::Key_Up);
        QCOMPARE(time->text(), QString("600"));
        w->findChild<QToolButton*>("UpDownTime_down")->click();
        QCOMPARE(time->text(), QString("500"));
        auto* error = w->findChild<QLabel*>("lblError");
        QVERIFY(!error->isVisibleTo(w));
        auto* add = w->findChild<QPushButton*>("cmdAdd");
        add->click();
        QVERIFY(error->isVisibleTo(w));
        QCOMPARE(w->findChild<QTreeWidget*>("ListMelodia")->topLevelItem(0)->text(0), QString("150Hz : Error!   "));
        for (int i = 0; i < 11; ++i)
            add->click();
        QVERIFY(!add->isEnabled());
        QCOMPARE(w->findChild<QLabel*>("lblInfo")->text(), QString("Notas:  12/12"));
        auto* title = w->findChild<QLineEdit*>("txtTitle");
        title->clear();
        QCOMPARE(w->windowTitle(), QString("Herramienta para Crear Melodias"));
        QTest::keyClicks(title, "Cancion de cuna");
        QCOMPARE(title->text(), QString("Cancion d"));
        w->findChild<QPushButton*>("cmdClear")->click();
        w->findChild<QPushButton*>("cmdOk")->click(); // nothing to store
        QCOMPARE(o.commits, 0);
        QCOMPARE(o.cancels, 1);
        QTRY_VERIFY(!w);
    }

    void modifyAMelody()
    {
        Session s;
        InstructionRecord old = makeElement(11, 12, 14, 2, 0, 0, "Tonada");
        setText(old.text, std::string("\x01\xB8\x8E\x8E\x01\xB8\x8E\x8E", 8));
        s.appendElement(old);
        s.workspace->editor.insertMode = false;
        s.workspace->store.currentElement = s.workspace->store.recordAt(0, 1);
        Outcome o;
        QPointer<FormSalidaSonidoTour> w = new FormSalidaSonidoTour(*s.workspace, s.window.get());
        watch(w.data(), s, o);
        w->show();
        QCOMPARE(w->findChild<QLineEdit*>("txtTitle")->text(), QString("Tonada"));
        QCOMPARE(w->findChild<QTreeWidget*>("ListMelodia")->topLevelItemCount(), 0); // composed anew
        w->findChild<QRadioButton*>("optTonos_6")->click();
        w->findChild<QPushButton*>("cmdAdd")->click();
        w->findChild<QPushButton*>("cmdOk")->click();
        QCOMPARE(o.commits, 1);
        const InstructionRecord& r = s.workspace->store.currentElement;
        QCOMPARE(r.arg1, std::int16_t(1));
        QCOMPARE(QString::fromStdString(r.name), QString("Tonada"));
        QCOMPARE(bytes(r.text, 5), (std::vector<int>{0, 247, 126, 127, ' '}));
    }
};

QTEST_MAIN(ToursTest)
#include "ToursTest.moc"

// Every element dialog as a window, on the offscreen platform: each palette item accepted with its
// defaults, each element kind modified through the element menu, the quick help, the names that
// assistive technologies read, and a whole program drawn with the mouse and built.
#include "DrawingSession.h"
#include "compiler/Compile.h"
#include "gui/app/QtText.h"
#include "gui/dialogs/ElementDialog.h"
#include "gui/dialogs/PaletteWindow.h"
#include "model/ProgramFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

using namespace tarvel;
using testsupport::Session;

namespace {

struct Drawing : testsupport::DrawingSession {
    Drawing() { answer = QMessageBox::No; }
    template <typename T> T* control(const char* name) const
    {
        T* w = dialog() ? dialog()->findChild<T*>(name) : nullptr;
        if (!w)
            qWarning() << "no control" << name;
        return w;
    }
    void type(const char* name, const QString& text)
    {
        auto* edit = control<QLineEdit>(name);
        if (!edit)
            edit = control<QComboBox>(name)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    // Boxes and option buttons fill their rows: a click on the middle could miss the caption.
    void click(const char* button) { control<QAbstractButton>(button)->click(); }
    void ok()
    {
        if (dialog()) // items without arguments were inserted at once
            click("cmdOk");
    }
    // An entry of a label list picked with the mouse.
    void pickEntry(const char* name, int index)
    {
        auto* combo = control<QComboBox>(name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
    ProgramStore& store() const { return workspace->store; }
    const InstructionRecord& at(int index) const { return store().recordAt(store().activeSequence, index); }
    const InstructionRecord& last() const { return at(store().sequenceLength(store().activeSequence) - 1); }
    void fresh()
    {
        window->NewProgram();
        messages.clear();
    }
};

InstructionRecord codes(const InstructionRecord& r)
{
    InstructionRecord c = makeElement(r.family, r.subtype, r.option, r.arg1, r.arg2, r.arg3, r.name);
    return c;
}

QString show(const InstructionRecord& r)
{
    return QStringLiteral("%1,%2,%3 %4 %5 %6 '%7'")
        .arg(r.family)
        .arg(r.subtype)
        .arg(r.option)
        .arg(r.arg1)
        .arg(r.arg2)
        .arg(r.arg3)
        .arg(qs(r.name));
}

RecordText toneText(int frequency, int volume, int duration)
{
    ToneTiming t;
    std::int16_t f = std::int16_t(frequency), v = std::int16_t(volume);
    toneTiming(f, v, std::int16_t(duration), t);
    RecordText text = blankText();
    text[0] = t.tonePeriodsHigh;
    text[1] = t.tonePeriodsLow;
    text[2] = t.toneHighTicks;
    text[3] = t.toneLowTicks;
    return text;
}

} // namespace

class DialogsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyPaletteItemAcceptedWithItsDefaults()
    {
        struct Case {
            int palette, item;
            InstructionRecord expected;
            const char* name = nullptr; // typed into txtEtiqueta first
        };
        const Case cases[] = {
            {0, 0, makeElement(10, 10, 10, 1, 0, 0, "AB")},
            {0, 1, makeElement(10, 11, 10, 1, 0, 0, "AB")},
            {0, 2, makeElement(10, 12, 13)},
            {0, 3, makeElement(10, 13, 13)},
            {0, 4, makeElement(10, 14, 13)},
            {0, 5, makeElement(10, 15, 13)},
            {0, 7, makeElement(10, 17, 10, 1, 0, 0, "AB")},
            {1, 0, makeElement(11, 11, 10, 1, 0, 0, "---")},
            {1, 1, makeElement(11, 10, 10, 1)},
            {1, 2, makeElement(11, 12, 11, 100, 440, 20)},
            {1, 4, makeElement(11, 13, 10, 1, 129)},
            {2, 0, makeElement(12, 10, 10, 1)},
            {2, 1, makeElement(12, 11, 10, 1)},
            {2, 2, makeElement(12, 12, 10, 1)},
            {2, 3, makeElement(12, 13, 10, 1)},
            {2, 4, makeElement(12, 14, 12, 1)},
            {3, 0, makeElement(13, 10, 10, 1)},
            {3, 1, makeElement(13, 12, 12, 1)},
            {3, 2, makeElement(13, 13, 12, 1)},
            {3, 3, makeElement(13, 14, 12, 1)},
            {3, 4, makeElement(13, 15, 12, 1)},
            {3, 5, makeElement(13, 16, 12, 1)},
            {4, 0, makeElement(14, 10, 12, 1, 1, 1)},
            {4, 1, makeElement(14, 12, 12, 1, 1, 1)},
            {4, 2, makeElement(14, 15, 11, 1, 1)},
            {5, 0, makeElement(15, 16, 10, 1, 0, 0, "Inicio")},
            {5, 1, makeElement(15, 17, 10, 1, 0, 0, "Inicio")},
            {5, 2, makeElement(15, 18, 10, 1, 0, 0, "Inicio")},
            {5, 3, makeElement(15, 19, 10, 1, 0, 0, "Inicio")},
            {5, 4, makeElement(15, 10, 11, 1, 1, 0, "Inicio")},
            {5, 5, makeElement(15, 20, 10, 1, 0, 0, "Inicio")},
            {6, 0, makeElement(17, 11, 10, 0, 0, 0, "uno"), "uno"},
            {6, 1, makeElement(17, 12, 10, 1, 0, 0, "Inicio")},
            {6, 5, makeElement(15, 21, 11, 1, 1, 0, "Inicio")},
            {6, 6, makeElement(17, 16, 10)},
            {6, 2, makeElement(17, 13, 10, 0, 0, 0, "sub"), "sub"},
        };
        Drawing s;
        for (const Case& c : cases) {
            const QString what = QStringLiteral("palette %1 item %2").arg(c.palette).arg(c.item);
            s.fresh();
            s.pick(c.palette, c.item);
            if (s.dialog()) {
                QCOMPARE(s.dialog()->objectName(), QString(dialogFormName(dialogFor(c.expected))));
                if (c.name)
                    s.type("txtEtiqueta", c.name);
                s.ok();
            }
            QVERIFY2(!s.window->toolWindow(), qPrintable(what));
            QVERIFY2(s.messages.empty(), qPrintable(what));
            QVERIFY2(codes(s.last()) == c.expected, qPrintable(what + ": " + show(s.last())));
            QCOMPARE(s.cells().name(s.store().sequenceLength(s.store().activeSequence) - 1),
                     qs(s.last().description).trimmed());
        }
        QCOMPARE(s.store().activeSequence, 1); // the new subroutine is the one shown
        QCOMPARE(s.find<QLabel>("lblSubTags_1")->text(), QString("sub"));

        // The call and the subroutine end, where they are allowed.
        s.pick(6, 4);
        QVERIFY(s.last().is(17, 15));
        s.window->canvas().switchSequence(0);
        s.pick(6, 3);
        QCOMPARE(s.dialog()->windowTitle(), QString("Llamar a un Subrutina"));
        s.ok();
        QVERIFY(codes(s.last()) == makeElement(17, 14, 10, 1, 0, 0, "sub"));
    }

    void soundToneTestAndDurationLimit()
    {
        Drawing s;
        s.pick(1, 2);
        QCOMPARE(s.control<QLabel>("lblVol")->text(), QString(" 62%"));
        // The duration field holds 0 to 32767 ms: a longer one cannot be typed, and the box says so.
        s.type("txtTime", "65000");
        QCOMPARE(s.control<QLineEdit>("txtTime")->text(), QString("6500"));
        QVERIFY(QToolTip::text().contains("0 a 32767"));
        // Nor can letters go into the frequency; a listed tone keeps its name.
        s.type("cmbTonos", "4a4b0");
        QCOMPARE(s.control<QComboBox>("cmbTonos")->currentText(), QString("440"));
        QVERIFY(QToolTip::text().contains("100 a 9999"));
        s.type("cmbTonos", "50");
        s.click("cmdProbar"); // neither blocks nor fails without a sound device
        QVERIFY(s.dialog());
        s.ok();
        QCOMPARE(s.last().arg1, 6500);
        QCOMPARE(s.last().arg2, 100); // the lowest tone the brick plays, as OK said
        QVERIFY(QString::fromStdString(s.messages.back()).contains("100 y 9999"));
    }

    void aJumpToALabelNotDrawnYetIsDrawnWithAWarning()
    {
        Drawing s;
        s.pick(6, 1);
        QVERIFY(s.dialog());
        s.type("cmbEtiquetas", "noexiste");
        s.ok();
        QVERIFY(!s.window->toolWindow());
        QVERIFY(codes(s.last()) == makeElement(17, 12, 10, 1, 0, 0, "noexiste"));
        QCOMPARE(s.messages.size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(s.messages[0]).contains("Secuencia: noexiste"), s.messages[0].c_str());
        // Once the label is drawn, a jump to it is drawn without a word.
        s.pick(6, 0);
        s.type("txtEtiqueta", "noexiste");
        s.ok();
        s.pick(6, 1);
        s.type("cmbEtiquetas", "noexiste");
        s.ok();
        QCOMPARE(s.messages.size(), std::size_t(1));
        QCOMPARE(s.store().sequenceLength(0), 4);
    }

    void modifyEveryElementKindThroughTheElementMenu()
    {
        Drawing s;
        s.window->applyEdit(s.workspace->programEditor.acceptSubroutine("sub"));
        s.window->canvas().switchSequence(0);
        InstructionRecord sound = makeElement(11, 12, 11, 250, 330, 32);
        sound.text = toneText(330, 32, 250);
        const InstructionRecord kinds[] = {
            makeElement(10, 10, 11, 1, 0, 0, "A-"),
            makeElement(10, 17, 10, 1, 0, 0, "AB"),
            makeElement(11, 10, 12, 6),
            makeElement(11, 11, 11, 6, 0, 0, "A-C"),
            sound,
            makeElement(11, 12, 16),
            makeElement(11, 13, 10, 3, 146),
            makeElement(12, 10, 11, 2),
            makeElement(12, 11, 10, 3),
            makeElement(12, 12, 12, 4),
            makeElement(12, 13, 13, 5),
            makeElement(12, 14, 12, 1),
            makeElement(13, 11, 10, 15),
            makeElement(13, 18, 11, 2),
            makeElement(13, 13, 13, 1),
            makeElement(14, 11, 11, 2, 9, 2),
            makeElement(14, 13, 12, 3, 4, 3),
            makeElement(14, 15, 13, 7, 5),
            makeElement(16, 12, 10, 1, 7, 0, "lbl"),
            makeElement(15, 18, 10, 1, 0, 0, "Inicio"),
            makeElement(15, 21, 11, 3, 1, 0, "lbl"),
            makeElement(17, 11, 10, 0, 0, 0, "lbl"),
            makeElement(17, 12, 10, 1, 0, 0, "lbl"),
            makeElement(17, 14, 10, 1, 0, 0, "sub"),
            makeElement(17, 16, 13),
        };
        for (const auto& r : kinds)
            s.appendElement(r);
        s.store().views[0].viewTop = 0; // every element in view: cell and index are the same
        s.window->canvas().redrawView();
        const auto before = serializeProgram(s.store());
        for (int cell = 1; cell <= int(std::size(kinds)); ++cell) {
            const InstructionRecord r = s.at(cell);
            s.window->canvas().selectCell(cell);
            s.trigger("mnuGrafoModificar");
            QVERIFY2(s.dialog(), qPrintable(show(r)));
            QCOMPARE(s.dialog()->objectName(), QString(dialogFormName(dialogFor(r))));
            QVERIFY(s.dialog()->windowTitle().endsWith(" [Modificar]") || s.dialog()->windowTitle() == "Saltar A...");
            QVERIFY(s.cells().framed(cell));
            s.ok();
            QVERIFY(!s.window->toolWindow());
            QVERIFY2(codes(s.at(cell)) == codes(r) && s.at(cell).text == r.text, qPrintable(show(s.at(cell))));
            QVERIFY(!s.cells().framed(cell));
        }
        QCOMPARE(serializeProgram(s.store()), before);

        // A change through a dialog reaches the element and its cell.
        s.window->canvas().selectCell(4);
        s.trigger("mnuGrafoModificar");
        s.click("chkLeds_1");
        QCOMPARE(s.dialog()->findChild<QLabel*>("lblConstant")->text(), QString("ABC"));
        s.ok();
        QCOMPARE(s.at(4).name, std::string("ABC"));
        QCOMPARE(s.cells().name(4), qs(s.at(4).description).trimmed());

        // The subroutine start, renamed: its tab follows.
        s.window->canvas().switchSequence(1);
        s.window->canvas().selectCell(0);
        s.trigger("mnuGrafoModificar");
        QCOMPARE(s.dialog()->windowTitle(), QString("Crear Nueva Subrutina [Modificar]"));
        s.type("txtEtiqueta", "giro");
        s.ok();
        QCOMPARE(s.find<QLabel>("lblSubTags_1")->text(), QString("giro"));
    }

    void aRefusedNameKeepsTheDialogOpenOverItsMessage()
    {
        Drawing s;
        s.dialogs.answer = nullptr; // the real message box, answered by a timer
        QString shownTitle;
        s.pick(6, 0);
        QPointer<QWidget> open = s.dialog();
        QTRY_VERIFY(QGuiApplication::focusWindow() == open->windowHandle());
        s.type("txtEtiqueta", "Inicio");
        QTimer::singleShot(200, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shownTitle = box->windowTitle();
                box->accept();
            }
        });
        s.ok();
        QCOMPARE(shownTitle, QString("Error: Etiqueta en Uso"));
        QTest::qWait(100);
        QVERIFY(open && open->isVisible());
        s.type("txtEtiqueta", "otra");
        s.ok();
        QTRY_VERIFY(!open);
        QCOMPARE(s.last().name, std::string("otra"));
    }

    void quickHelpWithAndWithoutText()
    {
        Drawing s;
        s.appendElement(makeElement(10, 17, 10, 1, 0, 0, "AB"));
        s.appendElement(makeElement(20, 10, 10));
        s.window->canvas().selectCell(1);
        s.trigger("mnuGrafoAyuda");
        auto* help = s.window->findChild<QDialog*>("formMenuQuickHelp");
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QString("Ayuda Rapida"));
        QCOMPARE(help->findChild<QLabel*>("lblHelpItem")->text(), QString("Apaga uno o los dos motores."));
        QVERIFY(!help->findChild<QLabel*>("imgGrafo")->accessibleName().isEmpty());
        QVERIFY(s.cells().framed(1));
        QPointer<QDialog> open = help;
        QTest::mouseClick(help->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        QTRY_VERIFY(!open);
        QVERIFY(!s.cells().framed(1));

        s.window->canvas().selectCell(2);
        s.trigger("mnuGrafoAyuda");
        help = s.window->findChild<QDialog*>("formMenuQuickHelp");
        QCOMPARE(help->findChild<QLabel*>("lblHelpItem")->text(), QString("No Hay Ayuda Disponible para este Grafo"));
        help->close();
    }

    void everyPictureOnlyControlHasAName()
    {
        Drawing s;
        int dialogs = 0;
        for (std::size_t p = 0; p < palettes().size(); ++p)
            for (std::size_t i = 0; i < palettes()[p].entries.size(); ++i) {
                const DialogId id = palettes()[p].entries[i].dialog;
                if (id == DialogId::MotorTour || id == DialogId::SalidaSonidoTour)
                    continue;
                s.fresh();
                s.pick(int(p), int(i));
                if (!s.dialog())
                    continue;
                ++dialogs;
                const QString form = s.dialog()->objectName();
                for (auto* combo : s.dialog()->findChildren<QComboBox*>()) {
                    QVERIFY2(!combo->accessibleName().isEmpty(), qPrintable(form + " " + combo->objectName()));
                    if (!combo->isEditable())
                        for (int k = 0; k < combo->count(); ++k)
                            QVERIFY(!combo->itemData(k, Qt::AccessibleTextRole).toString().isEmpty());
                }
                for (auto* b : s.dialog()->findChildren<QAbstractButton*>())
                    QVERIFY2(!b->text().isEmpty() || !b->accessibleName().isEmpty(),
                             qPrintable(form + " " + b->objectName()));
                for (auto* l : s.dialog()->findChildren<QLabel*>())
                    if (!l->pixmap().isNull())
                        QVERIFY2(!l->accessibleName().isEmpty(), qPrintable(form + " " + l->objectName()));
                s.click("cmdCancel");
            }
        QCOMPARE(dialogs, 33); // every item but the turns, the subroutine end and the two editors
    }

    void drawEveryElementKindSaveAndBuild()
    {
        Drawing s;
        s.pick(6, 0); // a label in the main program
        s.type("txtEtiqueta", "uno");
        s.ok();
        s.pick(6, 2); // the subroutine that holds most of the program
        s.type("txtEtiqueta", "cuerpo");
        s.ok();
        QCOMPARE(s.store().activeSequence, 1);
        s.pick(6, 0);
        s.type("txtEtiqueta", "dos");
        s.ok();
        for (int item : {0, 1, 2, 3, 4, 5})
            s.pick(0, item), s.ok();
        s.pick(0, 7);
        s.ok();
        s.pick(1, 0); // display: switch on LED B
        s.chooseItem("icmbArgOne", 7);
        s.click("chkLeds_1");
        s.ok();
        for (int item : {1, 2, 4})
            s.pick(1, item), s.ok();
        for (int item = 0; item < 5; ++item)
            s.pick(2, item), s.ok();
        for (int item = 0; item < 6; ++item)
            s.pick(3, item), s.ok();
        for (int item = 0; item < 3; ++item)
            s.pick(4, item), s.ok();
        for (int item = 0; item < 6; ++item)
            s.pick(5, item), s.ok();
        s.pick(6, 5); // repeat back to the subroutine's own start
        s.pickEntry("cmbEtiquetas", 0);
        s.ok();
        s.pick(6, 1); // a jump to "dos", then a label as the structure asks
        s.pickEntry("cmbEtiquetas", 1);
        s.ok();
        s.pick(6, 0);
        s.type("txtEtiqueta", "tres");
        s.ok();
        s.pick(6, 4);
        QVERIFY(s.last().is(17, 15));
        s.window->canvas().switchSequence(0);
        s.pick(6, 3);
        s.ok();
        s.pick(6, 6);
        s.click("OptMode_4");
        s.ok();
        QVERIFY(s.messages.empty());
        QVERIFY(s.last().is(17, 16, 14));
        QCOMPARE(s.store().sequenceLength(0), 4);

        // Every kind of the seven palettes is there, but the path and the melody.
        std::vector<std::pair<int, int>> kinds;
        for (int seq = 0; seq <= 1; ++seq)
            for (int i = 0; i < s.store().sequenceLength(seq); ++i) {
                const auto& r = s.store().recordAt(seq, i);
                if (std::find(kinds.begin(), kinds.end(), std::pair(int(r.family), int(r.subtype))) == kinds.end())
                    kinds.emplace_back(r.family, r.subtype);
            }
        QString listed;
        for (const auto& [f, st] : kinds)
            listed += QStringLiteral(" %1,%2").arg(f).arg(st);
        QVERIFY2(kinds.size() == 39, qPrintable(listed));

        QVERIFY(s.window->SaveProgram(false));
        ProgramStore reread;
        reread.setElementSizes(s.workspace->library.elementSizeTable);
        QVERIFY(openProgramFile(reread, s.workspace->programPath).ok);
        QCOMPARE(serializeProgram(reread), serializeProgram(s.store()));
        TemplateMemory memory;
        const CompileResult result = compileProgram(reread, s.workspace->library, memory);
        const Assembly& assembly = result.assemblyOrEmpty();
        QVERIFY(result.assembled());
        QCOMPARE(QString::fromStdString(assembly.errorsText), QString());
        QVERIFY2(result.translation.source.find("No Code") == std::string::npos, result.translation.source.c_str());
        QVERIFY(assembly.imageLength <= s.workspace->library.libraryCapacity);
        QCOMPARE(assembly.imageLength, result.translation.memoryUsed);
    }
};

QTEST_MAIN(DialogsWindowTest)
#include "DialogsWindowTest.moc"

// The help menu's manuals, and the pictures the manuals show: the screenshot run of the program
// makes every one of them, so scripts/screenshot can always bring them up to date.
#include "GuiSession.h"

#include "compiler/AssemblyMessages.h"
#include "gui/app/QtText.h"
#include "ManualScreenshots.h"
#include "gui/app/Translation.h"
#include "gui/app/UiText.h"

#include <QAction>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace tarvel;
using testsupport::Session;

namespace {

// The pictures that the chapters name, in Spanish (imagenes/) and in English (images/).
QSet<QString> picturesTheManualsName()
{
    QSet<QString> names;
    static const QRegularExpression picture(R"(!\[[^\]]*\]\((?:\.\./)+(?:imagenes|images)/([^)]+)\.png\))");
    QDirIterator it(TARVEL_MANUAL_DIR, {"*.md"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        for (auto m = picture.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();)
            names.insert(m.next().captured(1));
    }
    return names;
}

// A desktop opener that writes down what it was asked to open, and says it opened it.
struct RecordingOpener {
    RecordingOpener()
    {
        QFile script(bin.filePath("xdg-open"));
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(opened()).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin.path().toUtf8() + ":" + path);
    }
    ~RecordingOpener() { qputenv("PATH", path); }
    QString opened() const { return bin.filePath("opened"); }
    // What the opener was last asked to open, once it has run.
    QString take()
    {
        QFile file(opened());
        if (!QTest::qWaitFor([&] { return file.exists(); }, 5000) || !file.open(QIODevice::ReadOnly))
            return {};
        const QString what = QString::fromUtf8(file.readAll());
        file.close();
        file.remove();
        return what;
    }

    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
};

void writePdf(const QString& path)
{
    QFile pdf(path);
    pdf.open(QIODevice::WriteOnly);
    pdf.write("%PDF-1.4\n");
}

// A chapter as one line: quotes and sentences may be broken over lines anywhere.
QString flatChapter(const QString& name)
{
    QFile file(QDir(TARVEL_MANUAL_DIR).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).simplified();
}

} // namespace

class ManualTest : public QObject {
    Q_OBJECT
private slots:
    void aMissingManualIsSaidSo()
    {
        Session s;
        for (const char* item : {"mnuTextAyudaAdvance", "mnuTextAyuda"}) {
            s.messages.clear();
            s.find<QAction>(item)->trigger();
            QCOMPARE(int(s.messages.size()), 1);
            QVERIFY(QString::fromStdString(s.messages[0]).startsWith("No se encuentra el manual"));
        }
        QVERIFY(QString::fromStdString(s.messages[0]).contains("manual tarvel lab 2.pdf"));
    }

    void aDesktopWithoutAViewerIsSaidSo()
    {
        // The desktop's opener is asked; when it finds no viewer (it exits with an error), the
        // user is told, and when it opens the manual nothing more is said.
        Session s;
        QFile pdf(s.dir.filePath("manual tarvel lab 2.pdf"));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n");
        pdf.close();
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        auto opener = [&](int exitCode) {
            QFile script(bin.filePath("xdg-open"));
            script.remove();
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(exitCode).toUtf8());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        qputenv("PATH", bin.path().toUtf8() + ":" + path);
        opener(3);
        s.messages.clear();
        s.find<QAction>("mnuTextAyuda")->trigger();
        QTRY_COMPARE(int(s.messages.size()), 1);
        QVERIFY(QString::fromStdString(s.messages[0]).startsWith("No hay un programa para ver archivos PDF"));
        opener(0);
        s.messages.clear();
        s.find<QAction>("mnuTextAyuda")->trigger();
        QTest::qWait(500);
        QVERIFY(s.messages.empty());
        // The web page, from the help menu and from the web button, the same way.
        opener(3);
        s.find<QAction>("mnuTextGoWeb")->trigger();
        QTRY_COMPARE(int(s.messages.size()), 1);
        QVERIFY(QString::fromStdString(s.messages[0]).startsWith("No hay un navegador que abra la pagina web"));
        QTest::mouseClick(s.find<QWidget>("imgWeb"), Qt::LeftButton);
        QTRY_COMPARE(int(s.messages.size()), 2);
        qputenv("PATH", path);
    }

    void theHelpMenuOpensTheManualOfTheInterfacesLanguage()
    {
        const QString spanishUser = "manual tarvel lab 2.pdf", spanishAdvanced = "manual tarvel lab 2 avanzado.pdf";
        const QString englishUser = "tarvel lab 2 manual.pdf", englishAdvanced = "tarvel lab 2 advanced manual.pdf";
        Session s;
        RecordingOpener opener;
        for (const QString& f : {spanishUser, spanishAdvanced, englishUser, englishAdvanced})
            writePdf(s.dir.filePath(f));
        auto open = [&](const char* item) {
            s.messages.clear();
            s.find<QAction>(item)->trigger();
            const QString opened = opener.take();
            return s.messages.empty() ? QFileInfo(opened).fileName() : QString();
        };
        // In Spanish, the Spanish manuals, though the English ones are there too.
        QCOMPARE(open("mnuTextAyuda"), spanishUser);
        QCOMPARE(open("mnuTextAyudaAdvance"), spanishAdvanced);

        QTranslator* english = installLanguage(*QCoreApplication::instance(), InterfaceLanguage::English);
        QVERIFY(english);
        QCOMPARE(open("mnuTextAyuda"), englishUser);
        QCOMPARE(open("mnuTextAyudaAdvance"), englishAdvanced);
        // An English manual that is missing: the Spanish one rather than none.
        QFile::remove(s.dir.filePath(englishAdvanced));
        QCOMPARE(open("mnuTextAyudaAdvance"), spanishAdvanced);
        QCOMPARE(open("mnuTextAyuda"), englishUser);
        // Neither: the message names the manual of the interface's language.
        QFile::remove(s.dir.filePath(spanishAdvanced));
        s.messages.clear();
        s.find<QAction>("mnuTextAyudaAdvance")->trigger();
        QCOMPARE(int(s.messages.size()), 1);
        QVERIFY(QString::fromStdString(s.messages[0]).contains(englishAdvanced));

        QCoreApplication::removeTranslator(english);
        delete english;
        installLanguage(*QCoreApplication::instance(), InterfaceLanguage::Spanish);
        QCOMPARE(open("mnuTextAyuda"), spanishUser);
    }

    void theEnglishChapterOfTheAssemblerMessagesQuotesThemAsTheWindowsShowThem()
    {
        // The list the build window and the source editor show, one line per code, in English; the
        // chapter names each message as it reads there with its code, and as the system writes it
        // in Spanish (what tarvel prints).
        const QString english = flatChapter("en/common/assembler-messages.md");
        QVERIFY(!english.isEmpty());
        std::vector<AssemblyMessage> all;
        for (AssemblyCode code : kAssemblyCodes)
            all.push_back({code, 1, "x"});
        const int cancelledAt = int(all.size());
        const QString spanishList = qs(assemblyListSpanish(all, cancelledAt));
        QTranslator* translator = installLanguage(*QCoreApplication::instance(), InterfaceLanguage::English);
        QVERIFY(translator);
        QStringList shown;
        for (const Text& line : assemblyListTexts(all, cancelledAt))
            shown << uiText(line);
        QCoreApplication::removeTranslator(translator);
        delete translator;
        installLanguage(*QCoreApplication::instance(), InterfaceLanguage::Spanish);
        const QStringList written = spanishList.split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(shown.size(), int(all.size()) + 1);
        QCOMPARE(written.size(), shown.size());
        static const QRegularExpression line(R"(^\s*1 - (.+) (\[\d+\]) : x$)");
        for (int i = 0; i < int(all.size()); ++i) {
            const auto inEnglish = line.match(shown[i]), inSpanish = line.match(written[i]);
            QVERIFY2(inEnglish.hasMatch() && inSpanish.hasMatch(), qPrintable(shown[i]));
            QVERIFY2(inEnglish.captured(1) != inSpanish.captured(1), qPrintable(shown[i]));
            QVERIFY2(english.contains('"' + inEnglish.captured(1) + ' ' + inEnglish.captured(2) + '"'),
                     qPrintable(shown[i]));
            QVERIFY2(english.contains('"' + inSpanish.captured(1)), qPrintable(written[i]));
        }
        QVERIFY2(english.contains('"' + shown.last() + '"'), qPrintable(shown.last()));
        QVERIFY2(english.contains('"' + written.last() + '"'), qPrintable(written.last()));
    }

    void theScreenshotRunMakesEveryPictureTheManualsName()
    {
        const QSet<QString> named = picturesTheManualsName();
        QVERIFY(named.size() > 20);
        Session s({}, {}, true);
        QTemporaryDir folder;
        takeScreenshots(*s.window, *s.workspace, folder.path());
        for (const QString& name : named) {
            const QImage picture(QDir(folder.path()).filePath(name + ".png"));
            QVERIFY2(!picture.isNull(), qPrintable(name));
            QVERIFY2(picture.width() > 40 && picture.height() > 40, qPrintable(name));
        }
    }
};

QTEST_MAIN(ManualTest)
#include "ManualTest.moc"

// The help menu's manuals, and the pictures the manuals show: the screenshot run of the program
// makes every one of them, so scripts/screenshot can always bring them up to date.
#include "GuiSession.h"

#include "gui/app/Screenshots.h"

#include <QAction>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using testsupport::Session;

namespace {

// The pictures of docs/manual/imagenes that the chapters name.
QSet<QString> picturesTheManualsName()
{
    QSet<QString> names;
    static const QRegularExpression picture(R"(!\[[^\]]*\]\(\.\./imagenes/([^)]+)\.png\))");
    QDirIterator it(TARVEL_MANUAL_DIR, {"*.md"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        for (auto m = picture.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();)
            names.insert(m.next().captured(1));
    }
    return names;
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

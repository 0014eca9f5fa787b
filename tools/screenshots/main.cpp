// tarvel-lab-screenshots: the pictures of the windows that the manuals and the software centre
// show, taken by starting the desktop program's main window and driving it. Not installed.
//   tarvel-lab-screenshots --appdir FOLDER [--simulated-brick] --settings FILE
//   tarvel-lab-screenshots --appdir FOLDER [--simulated-brick] --manual FOLDER
// FOLDER of --appdir is the application folder to run in (the build's, with the Config.txt that
// chooses the language); without it, the one the desktop program would use.
#include "ManualScreenshots.h"

#include "gui/app/AppFolder.h"
#include "gui/app/AssistiveSupport.h"
#include "gui/app/Translation.h"
#include "gui/editor/MainWindow.h"
#include "model/Cp1252.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("tarvel-lab");
    QCoreApplication::setOrganizationName("tarvel-lab");
    QCommandLineParser parser;
    parser.setApplicationDescription("Pictures of Tarvel Lab's windows for the manuals");
    parser.addHelpOption();
    const QCommandLineOption simulated{"simulated-brick", "Use the simulated brick."};
    const QCommandLineOption settings{"settings", "Save a picture of the settings dialog in FILE.", "file"};
    const QCommandLineOption manual{"manual", "Save the manuals' pictures in FOLDER.", "folder"};
    const QCommandLineOption appdir{"appdir", "Run in the application folder FOLDER.", "folder"};
    parser.addOptions({simulated, settings, manual, appdir});
    parser.process(app);
    const QString folder = parser.isSet(appdir) ? parser.value(appdir) : tarvel::applicationFolder();
    tarvel::installConfiguredLanguage(app, folder); // before any window text is made
    tarvel::installAssistiveSupport();
    if (!parser.isSet(settings) && !parser.isSet(manual)) {
        std::fprintf(stderr, "tarvel-lab-screenshots: --settings FILE or --manual FOLDER\n");
        return 2;
    }

    tarvel::Workspace workspace(folder.toStdString());
    // Nobody is there to answer a message box: it is printed instead; the user's recovery copies
    // are left alone.
    tarvel::PrintedDialogs printed;
    tarvel::MainWindow window(workspace, printed);
    window.show();
    window.startUpWith({}, parser.isSet(simulated));
    QCoreApplication::processEvents();
    if (parser.isSet(settings))
        tarvel::grabSettings(window, parser.value(settings));
    if (parser.isSet(manual))
        for (const QString& name : tarvel::takeScreenshots(window, workspace, parser.value(manual)))
            std::fprintf(stderr, "sin imagen: %s\n", qPrintable(name));
    return 0;
}

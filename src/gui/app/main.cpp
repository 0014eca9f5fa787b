// Tarvel Lab: the desktop program.
#include "gui/app/AppFolder.h"
#include "gui/app/Screenshots.h"
#include "gui/app/Translation.h"
#include "gui/app/AssistiveSupport.h"
#include "workspace/Workspace.h"
#include "gui/editor/MainWindow.h"
#include "model/Cp1252.h"

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // No display name: it would be appended to every window title ("... — Tarvel Lab").
    QApplication::setApplicationName("tarvel-lab");
    QApplication::setOrganizationName("tarvel-lab");
    tarvel::installConfiguredLanguage(app, tarvel::applicationFolder()); // before any text is made
    tarvel::installAssistiveSupport();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Tarvel Lab: programas de flujo para el Ladrillo"));
    parser.addHelpOption();
    QCommandLineOption simulated("simulated-brick", QCoreApplication::translate("main", "Usa el Ladrillo simulado."));
    parser.addOption(simulated);
    QCommandLineOption screenshot("screenshot",
        QCoreApplication::translate("main", "Guarda una imagen de la ventana principal y termina."),
        QCoreApplication::translate("main", "archivo"));
    parser.addOption(screenshot);
    QCommandLineOption settingsShot("screenshot-settings",
        QCoreApplication::translate("main", "Guarda una imagen de la configuracion y termina."),
        QCoreApplication::translate("main", "archivo"));
    parser.addOption(settingsShot);
    QCommandLineOption manualShots("screenshots",
        QCoreApplication::translate("main", "Guarda las imagenes del manual en la carpeta y termina."),
        QCoreApplication::translate("main", "carpeta"));
    parser.addOption(manualShots);
    QCommandLineOption quit("quit-after-start",
        QCoreApplication::translate("main", "Termina en cuanto la ventana principal esta lista (mediciones)."));
    parser.addOption(quit);
    parser.addPositionalArgument(QCoreApplication::translate("main", "programa"),
        QCoreApplication::translate("main", "Programa (.gtf) para abrir al iniciar."));
    parser.process(app);

    tarvel::Workspace workspace(tarvel::applicationFolder().toStdString());
    tarvel::MainWindow window(workspace);
    window.show();
    const QStringList files = parser.positionalArguments();
    const bool unattended =
        parser.isSet(screenshot) || parser.isSet(settingsShot) || parser.isSet(manualShots) || parser.isSet(quit);
    window.waitForWelcome = !unattended;
    window.recoveryEnabled = !unattended; // a picture or a measurement leaves the user's copies alone
    if (unattended) // nobody is there to answer a message box: print it instead
        window.messageBox = [](const tarvel::UserMessage& m, bool) {
            std::fprintf(stderr, "%s: %s\n", tarvel::cp1252ToUtf8(m.title).c_str(), tarvel::cp1252ToUtf8(m.text).c_str());
            return 0;
        };
    window.startUp(files.isEmpty() ? QString() : files.first(), parser.isSet(simulated));
    if (parser.isSet(quit))
        return 0;
    if (unattended) {
        QCoreApplication::processEvents();
        if (parser.isSet(screenshot))
            window.grab().save(parser.value(screenshot));
        if (parser.isSet(settingsShot))
            window.grabSettings(parser.value(settingsShot));
        if (parser.isSet(manualShots))
            for (const QString& name : tarvel::takeScreenshots(window, workspace, parser.value(manualShots)))
                std::fprintf(stderr, "sin imagen: %s\n", qPrintable(name));
        return 0;
    }
    return QApplication::exec();
}

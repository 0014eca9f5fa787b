// Tarvel Lab: the desktop program.
#include "gui/app/AppFolder.h"
#include "gui/app/Translation.h"
#include "gui/app/AssistiveSupport.h"
#include "workspace/Workspace.h"
#include "gui/editor/MainWindow.h"
#include "model/Cp1252.h"

#include <cstdio>
#include <string_view>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Whether the command line asks only for the help or the version: those are printed without a
// display, before the windowing system is started (which fails where there is none).
bool asksOnlyForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view a(argv[i]);
        if (a == "--")
            break;
        if (a == "-h" || a == "-?" || a == "--help" || a == "--help-all" || a == "-v" || a == "--version")
            return true;
    }
    return false;
}

void nameApplication()
{
    // No display name: it would be appended to every window title ("... — Tarvel Lab").
    QCoreApplication::setApplicationName("tarvel-lab");
    QCoreApplication::setOrganizationName("tarvel-lab");
    QCoreApplication::setApplicationVersion("2.0");
}

struct Options {
    QCommandLineOption simulated{"simulated-brick", QCoreApplication::translate("main", "Usa el Ladrillo simulado.")};
    QCommandLineOption screenshot{"screenshot",
        QCoreApplication::translate("main", "Guarda una imagen de la ventana principal y termina."),
        QCoreApplication::translate("main", "archivo")};
    QCommandLineOption quit{"quit-after-start",
        QCoreApplication::translate("main", "Termina en cuanto la ventana principal esta lista (mediciones).")};

    void addTo(QCommandLineParser& parser) const
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("main", "Tarvel Lab: programas de flujo para el Ladrillo"));
        parser.addHelpOption();
        parser.addVersionOption();
        for (const auto* o : {&simulated, &screenshot, &quit})
            parser.addOption(*o);
        parser.addPositionalArgument(QCoreApplication::translate("main", "programa"),
            QCoreApplication::translate("main", "Programa (.gtf) para abrir al iniciar."));
    }
};

// The program to open as the system's bytes: the argument itself, not its decoded text, so that a
// name that is not valid UTF-8 still opens.
std::string programArgument(int argc, char** argv, const QString& decoded)
{
    std::string path = QFile::encodeName(decoded).toStdString();
    for (int i = argc - 1; i > 0; --i)
        if (QFile::decodeName(argv[i]) == decoded) {
            path = argv[i];
            break;
        }
    if (!path.empty() && path.front() != '/')
        path = QFile::encodeName(QDir::currentPath()).toStdString() + "/" + path;
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        tarvel::installConfiguredLanguage(app, tarvel::applicationFolder());
        QCommandLineParser parser;
        const Options options;
        options.addTo(parser);
        parser.process(app); // prints and ends the program
        return 0;
    }

    QApplication app(argc, argv);
    nameApplication();
    tarvel::installConfiguredLanguage(app, tarvel::applicationFolder()); // before any text is made
    tarvel::installAssistiveSupport();

    QCommandLineParser parser;
    const Options options;
    options.addTo(parser);
    parser.process(app);

    tarvel::Workspace workspace(tarvel::applicationFolder().toStdString());
    const QStringList files = parser.positionalArguments();
    const bool unattended = parser.isSet(options.screenshot) || parser.isSet(options.quit);
    // Nobody is there to answer a message box in a picture or a measurement: it is printed instead,
    // and the user's recovery copies are left alone.
    tarvel::PrintedDialogs printed;
    tarvel::MainWindow window(workspace, unattended ? static_cast<tarvel::UserDialogs&>(printed)
                                                    : tarvel::messageBoxDialogs());
    window.show();
    window.startUpWith(files.isEmpty() ? std::string() : programArgument(argc, argv, files.first()),
                       parser.isSet(options.simulated));
    if (parser.isSet(options.quit))
        return 0;
    if (unattended) {
        QCoreApplication::processEvents();
        window.grab().save(parser.value(options.screenshot));
        return 0;
    }
    return QApplication::exec();
}

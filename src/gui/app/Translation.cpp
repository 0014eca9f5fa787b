#include "gui/app/Translation.h"

#include "model/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace tarvel
{

InterfaceLanguage configuredLanguage(const QString& appFolder)
{
    std::string bytes;
    readWholeFile(QFile::encodeName(QDir(appFolder).filePath(QStringLiteral("Config.txt"))).toStdString(), bytes,
                  kListFileMaxBytes);
    const auto settings = parseConfig(bytes);
    return settings ? settings->language : InterfaceLanguage::Spanish;
}

namespace {

// Qt's own texts (the file dialog's, the print dialog's, the standard buttons') follow the
// interface: Spanish ones when the system has them, Qt's English otherwise.
void followWithQtTexts(QCoreApplication& app, InterfaceLanguage language)
{
    static QPointer<QTranslator> spanish;
    if (language == InterfaceLanguage::English) {
        if (spanish) {
            QCoreApplication::removeTranslator(spanish);
            delete spanish;
        }
        return;
    }
    if (spanish)
        return;
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        spanish = translator;
    else
        delete translator;
}

} // namespace

QTranslator* installLanguage(QCoreApplication& app, InterfaceLanguage language)
{
    followWithQtTexts(app, language);
    if (language != InterfaceLanguage::English)
        return nullptr;
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/i18n/tarvel_en.qm")) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

QTranslator* installConfiguredLanguage(QCoreApplication& app, const QString& appFolder)
{
    return installLanguage(app, configuredLanguage(appFolder));
}

} // namespace tarvel

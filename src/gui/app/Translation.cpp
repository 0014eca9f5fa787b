#include "gui/app/Translation.h"

#include "model/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>

namespace tarvel
{

InterfaceLanguage configuredLanguage(const QString& appFolder)
{
    std::string bytes;
    readWholeFile(QFile::encodeName(QDir(appFolder).filePath(QStringLiteral("Config.txt"))).toStdString(), bytes);
    const auto settings = parseConfig(bytes);
    return settings ? settings->language : InterfaceLanguage::Spanish;
}

QTranslator* installLanguage(QCoreApplication& app, InterfaceLanguage language)
{
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

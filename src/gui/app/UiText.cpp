#include "gui/app/UiText.h"

#include "gui/app/QtText.h"

#include <QCoreApplication>


namespace tarvel
{

namespace
{

// The translation of a whole sentence of the core, or the sentence as it is.
QString sentenceText(const char* context, const std::string& cp1252)
{
    const QString spanish = qs(cp1252);
    if (spanish.trimmed().isEmpty())
        return spanish;
    return QCoreApplication::translate(context, spanish.toUtf8().constData());
}

} // namespace

QString uiText(const std::string& cp1252)
{
    return sentenceText(kCoreContext, cp1252);
}

Text asShown(const QString& text)
{
    return Text::literal(cp(text));
}

QString uiText(const Text& text)
{
    if (text.isSentence())
        return sentenceText(text.context(), text.literalText());
    if (text.isLiteral())
        return qs(text.literalText());
    const QString pattern = text.context() ? QCoreApplication::translate(text.context(), text.pattern())
                                           : QString::fromUtf8(text.pattern());
    const auto& args = text.args();
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        if (pattern[i] == QLatin1Char('%') && next >= QLatin1Char('1') && next <= QLatin1Char('9')
            && std::size_t(next.unicode() - '1') < args.size()) {
            out += uiText(args[std::size_t(next.unicode() - '1')]);
            ++i;
            continue;
        }
        out += pattern[i];
    }
    return out;
}

} // namespace tarvel

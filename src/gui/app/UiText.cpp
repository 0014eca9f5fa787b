#include "gui/app/UiText.h"

#include "gui/app/QtText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace tarvel
{

namespace
{

// The translation of `source` in `context`, or none.
std::optional<QString> lookUp(const char* context, const QString& source)
{
    const QByteArray utf8 = source.toUtf8();
    QString translated = QCoreApplication::translate(context, utf8.constData());
    if (translated == source)
        return std::nullopt;
    return translated;
}

// %1..%9 of a translated pattern replaced by the values taken out of the Spanish text.
QString fill(const QString& pattern, const QStringList& values)
{
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    QString out;
    qsizetype last = 0;
    for (auto it = marker.globalMatch(pattern); it.hasNext();) {
        const auto m = it.next();
        const int n = m.captured(1).toInt();
        out += pattern.mid(last, m.capturedStart() - last);
        out += n <= values.size() ? values[n - 1] : m.captured();
        last = m.capturedEnd();
    }
    return out + pattern.mid(last);
}

// The text with each run of digits as %1, %2, ... and the digits taken out.
std::pair<QString, QStringList> numbersOut(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    QStringList values;
    QString pattern;
    qsizetype last = 0;
    for (auto it = digits.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        values << m.captured();
        pattern += text.mid(last, m.capturedStart() - last) + QLatin1Char('%') + QString::number(values.size());
        last = m.capturedEnd();
    }
    return { pattern + text.mid(last), values };
}

std::optional<QString> byNumbers(const QString& text)
{
    const auto [pattern, values] = numbersOut(text);
    if (values.isEmpty() || values.size() > 9)
        return std::nullopt;
    if (auto t = lookUp(kCoreContext, pattern))
        return fill(*t, values);
    return std::nullopt;
}

// A head and a value (a name, a path, a brick's model): "Ladrillo: %1", "No se Pudo Abrir el Archivo
// %1", "Clave fuera de rango (%1 a %2) en la linea %3: %4". The longest head that has a translation
// wins.
std::optional<QString> byHead(const QString& text)
{
    for (qsizetype i = text.size() - 1; i > 0; --i) {
        if (text[i - 1] != QLatin1Char(' '))
            continue;
        const QString head = text.left(i), value = text.mid(i);
        if (auto t = lookUp(kCoreContext, head + QStringLiteral("%1")))
            return fill(*t, { value });
        auto [pattern, values] = numbersOut(head);
        if (values.isEmpty() || values.size() > 8)
            continue;
        if (auto t = lookUp(kCoreContext, pattern + QLatin1Char('%') + QString::number(values.size() + 1)))
            return fill(*t, values << value);
    }
    return std::nullopt;
}

QString oneLine(const QString& text)
{
    if (text.trimmed().isEmpty())
        return text;
    if (auto t = lookUp(kCoreContext, text))
        return *t;
    if (auto t = byNumbers(text))
        return *t;
    if (auto t = byHead(text))
        return *t;
    return text;
}

QString translated(const QString& text)
{
    if (auto t = lookUp(kCoreContext, text))
        return *t;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n"));
    if (!text.contains(lineEnd))
        return oneLine(text);
    QString out;
    qsizetype last = 0;
    for (auto it = lineEnd.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += oneLine(text.mid(last, m.capturedStart() - last)) + m.captured();
        last = m.capturedEnd();
    }
    return out + oneLine(text.mid(last));
}

bool isLetter(const QString& text, qsizetype i)
{
    return i >= 0 && i < text.size() && text[i].isLetter();
}

// The pieces of the core's tables in `line` translated where they stand, longest first, each only as
// whole words and left to right, so that a translated piece is never matched again; numbers and
// names stay as they are. `leading` tells whether a piece starts the line.
QString translatePieces(const QString& line, bool& leading)
{
    static const std::vector<QString> pieces = [] {
        std::vector<QString> all;
        for (const char* p : composedPieces())
            all.push_back(QString::fromUtf8(p));
        std::sort(all.begin(), all.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
        return all;
    }();
    leading = false;
    QString out;
    for (qsizetype i = 0; i < line.size();) {
        bool matched = false;
        if (!isLetter(line, i - 1) || !line[i].isLetter()) {
            for (const QString& piece : pieces) {
                if (!QStringView(line).mid(i).startsWith(piece)
                    || (piece.back().isLetter() && isLetter(line, i + piece.size())))
                    continue;
                if (auto t = lookUp(kPhraseContext, piece)) {
                    leading = leading || i == 0;
                    out += *t;
                    i += piece.size();
                    matched = true;
                    break;
                }
            }
        }
        if (!matched)
            out += line[i++];
    }
    return out;
}

// A line made of pieces of the core's tables, numbers and names. A whole sentence of the core
// first; one taken apart at a blank ("Llamar a la Subrutina %1") only when no piece starts the
// line: the head "Esperar Mientras %1" would leave the rest of "Esperar Mientras que Haya
// Sonido..." in Spanish.
QString composedLine(const QString& line)
{
    if (auto t = lookUp(kCoreContext, line))
        return *t;
    if (auto t = byNumbers(line))
        return *t;
    bool leading = false;
    const QString pieces = translatePieces(line, leading);
    if (!leading)
        if (auto t = byHead(line))
            return *t;
    return pieces;
}

} // namespace

QString uiText(const std::string& cp1252)
{
    return translated(qs(cp1252));
}

QString uiText(const Text& text)
{
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

QString uiComposed(const std::string& cp1252)
{
    const QString text = qs(cp1252);
    if (auto t = lookUp(kCoreContext, text))
        return *t;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n"));
    QString out;
    qsizetype last = 0;
    for (auto it = lineEnd.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += composedLine(text.mid(last, m.capturedStart() - last)) + m.captured();
        last = m.capturedEnd();
    }
    return out + composedLine(text.mid(last));
}

} // namespace tarvel

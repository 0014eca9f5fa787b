#pragma once
// The one boundary between the core's Windows-1252 bytes and Qt's strings, and twips.
#include "model/Cp1252.h"

#include <QFile>
#include <QString>

namespace tarvel {

inline QString qs(const std::string& cp1252)
{
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

inline std::string cp(const QString& text)
{
    return utf8ToCp1252(text.toStdString());
}

// File paths cross the boundary as the system's own bytes (UTF-8 here), not as Windows-1252 text:
// a folder named with an accent must still open.
inline std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QString fromNativePath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// 1440 twips per inch, 96 device-independent pixels per inch: 15 twips per pixel.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

} // namespace tarvel

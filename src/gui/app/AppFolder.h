#pragma once
// The application folder: where Config.txt, the library, the examples and the generated sources
// live. The one place that decides it.
#include <QString>

namespace tarvel {

// The folder of the shipped files when it is writable (a build tree, a portable copy) and not an
// installed copy (bin/../share/tarvel-lab); otherwise the user's data folder, filled with the
// shipped files on first start without overwriting any file the user already has there.
QString applicationFolder();
// The shipped files next to the executable (or the source tree's appdir while developing).
QString shippedFolder();
// Copies every shipped file that the target folder lacks; returns the number copied.
int seedFolder(const QString& from, const QString& to);

} // namespace tarvel

#pragma once
// Pictures of the program's windows for the manuals, taken by driving the windows through their
// public commands (tarvel-lab-screenshots --manual FOLDER, run by scripts/screenshot under Xvfb).
#include <QStringList>

namespace tarvel {

class MainWindow;
class Workspace;

// Saves one PNG per window into `folder`, named as the manuals name them. Answers the pictures it
// could not take (a window this version does not have yet), so the caller can say so.
QStringList takeScreenshots(MainWindow& main, Workspace& workspace, const QString& folder);
// The settings dialog, opened by its command, saved as `file`.
void grabSettings(MainWindow& main, const QString& file);

} // namespace tarvel

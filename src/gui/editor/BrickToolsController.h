#pragma once
// The brick tools of the main window's menus and toolbar: monitor, console and factory tester.
// Each window is made on first use as a child of the main window and reused; what it shows is set
// afresh each time it opens.
#include "model/StatusPanel.h"

#include <QObject>
#include <functional>

class QString;
class QWidget;

namespace tarvel {

class Workspace;

class BrickToolsController : public QObject {
    Q_OBJECT
public:
    // What the tools tell the main window.
    struct MainWindowParts {
        std::function<void(StatusPanel panel, const QString& text)> setPanel;
        std::function<void(bool on)> connectTool;
        std::function<void()> storeConfig;
    };
    BrickToolsController(Workspace& workspace, QWidget& main, MainWindowParts parts);

public slots:
    // The toolbar's button opens the monitor at once; the menu reminds the user first to load a
    // communication program, unless told not to.
    void openMonitor(bool fromToolbar = false);
    void openConsole();
    void openTester();

private:
    template <typename Window> Window* toolWindow();
    void showMonitor();

    Workspace& ws_;
    QWidget& main_;
    MainWindowParts parts_;
};

} // namespace tarvel

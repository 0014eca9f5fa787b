#pragma once
// The build window (formScreenCompi): shows one build's steps, progress and failures. The build
// itself is the core's BuildSequence; this window only drives it from the event loop.
#include "workspace/BuildSequence.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tarvel {

class Workspace;

class FormScreenCompi : public QWidget {
    Q_OBJECT
public:
    FormScreenCompi(Workspace& workspace, QWidget* mainWindow, int buildMode, std::string editorText = {});

    // Places the window over the main window, shows it and starts the build.
    void start();
    BuildSequence& sequence() { return sequence_; }

    // The compilation error box: tests answer it here; otherwise it opens without blocking.
    std::function<void(const UserMessage&)> messageBox;
    // Called once when the build is over, just before the window goes away.
    std::function<void(const BuildResult&)> finished;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void step();
    void showScreen();
    void showMessage(const UserMessage& message);
    void pressExit();
    void end();

    QWidget* mainWindow_;
    BuildSequence sequence_;
    QLabel* imgGrafo_ = nullptr;
    QProgressBar* pBarCompi_ = nullptr;
    QLabel* lblConectStatus_ = nullptr;
    QLabel* lblError_ = nullptr;
    QPlainTextEdit* txtErrors_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QTimer* timer_ = nullptr;
    bool stepping_ = false;
    bool ended_ = false;
};

} // namespace tarvel

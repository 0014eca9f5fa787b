#pragma once
// The source editor (formEditSource): the last translation's source text, to read, edit, open and
// save as .src files, and to assemble, download and run through the build window.
#include "workspace/BuildSequence.h"

#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QPlainTextEdit;
class QToolBar;

namespace tarvel {

class SourceCodeEdit;
class SourceHighlighter;
class Workspace;

class FormEditSource : public QWidget {
    Q_OBJECT
public:
    FormEditSource(Workspace& workspace, QWidget* mainWindow);

    // Opening: the text of the last translation (or of the last edit), placed over the main window.
    void openEditor();
    // A new translation: shown at once unless the user has edited the text.
    void translationChanged();
    // The lines the selected element produced, marked while the text is that translation's.
    void highlightElement(int sequence, int index);
    bool mayClose() const { return mayClose_; }
    const QString& sourceFilePath() const { return sourceFilePath_; }

    // What the main window does for the editor.
    std::function<bool(int buildMode, const std::string& text, std::function<void(const BuildResult&)> done)> runBuild;
    std::function<void()> runBrickProgram; // the main window's run command
    std::function<void()> programRan;      // after a CompiGraba that started the program
    std::function<void(const UserMessage&)> messageBox;
    // The file dialogs (tests answer them): a path, or empty when cancelled.
    std::function<QString(const QString& title, const QString& start)> chooseOpenFile;
    std::function<QString(const QString& title, const QString& start)> chooseSaveFile;
    // Waits between a build's end and its results in the editor (the brick settles).
    int resultDelayMs = 250;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* tool(const char* key, const QString& caption, const QString& tooltip, int picture,
                  void (FormEditSource::*run)());
    void newText();
    void openFile();
    void saveFile();
    void runProgram();
    void compile();
    void send();
    void compileSend();
    void build(int buildMode, bool showResults);
    void showResults();
    void setBusy(bool busy);
    void loadGenerated();
    std::string editorText() const;
    QString dialogStart() const;
    void message(const UserMessage& m);
    void goToMessageLine(const QPoint& position);

    Workspace& ws_;
    QWidget* mainWindow_;
    QToolBar* toolbar_ = nullptr;
    SourceCodeEdit* rtxtSource_ = nullptr;
    SourceHighlighter* highlighter_ = nullptr;
    QPlainTextEdit* txtDebug_ = nullptr;
    QLabel* lblErrores_ = nullptr;
    QLabel* lblProgSize_ = nullptr;
    QString sourceFilePath_;
    bool mayClose_ = true;
    bool showsTranslation_ = false; // the text is the translation that elementSpans describe
};

} // namespace tarvel

#pragma once
// The welcome, About, program help and quick help windows: information only.
#include <QDialog>
#include <functional>

class QBoxLayout;
class QCheckBox;
class QPushButton;

namespace tarvel {

class Workspace;

// Names a window by its form name, gives it its caption and lets it free itself when closed.
void setUpWindow(QDialog* window, const char* name, const QString& title);
// A named button at the right end of `layout` that closes the window.
QPushButton* addCloseButton(QDialog* window, QBoxLayout* layout, const char* name, const QString& caption);

// A window that closes itself, like a cancel, when another window of the program becomes active.
class TransientWindow : public QDialog {
public:
    using QDialog::QDialog;

protected:
    bool event(QEvent* e) override;
    virtual void deactivated() { close(); }
};

class WelcomeWindow : public TransientWindow {
    Q_OBJECT
public:
    WelcomeWindow(Workspace& workspace, QWidget* parent);
    std::function<void()> storeConfig;
    void accept() override;

protected:
    void deactivated() override { accept(); }

private:
    Workspace& ws_;
    QCheckBox* dontShow_ = nullptr;
    bool done_ = false;
};

class AboutWindow : public TransientWindow {
    Q_OBJECT
public:
    AboutWindow(Workspace& workspace, QWidget* parent);
};

class AppHelpWindow : public QDialog {
    Q_OBJECT
public:
    AppHelpWindow(Workspace& workspace, QWidget* parent);
};

// formMenuQuickHelp: the library's help text of one element, beside its picture.
class QuickHelpWindow : public TransientWindow {
    Q_OBJECT
public:
    QuickHelpWindow(const QString& text, const QPixmap& picture, const QString& pictureName, QWidget* parent);
};

} // namespace tarvel

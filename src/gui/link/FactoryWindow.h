#pragma once
// The factory tester (formFactory, "Probador de Ladrillos J2-USB"): walks an operator through the
// test of one brick and keeps the report. The test runs from a timer; a question waits for a key
// in the report box (or the Si / No buttons), and closing the window ends the run.
#include "gui/link/ToolWindow.h"
#include "link/FactoryTest.h"

#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace tarvel {

class Workspace;

class FactoryWindow : public ToolWindow {
    Q_OBJECT
public:
    FactoryWindow(Workspace& workspace, QWidget* parent);

    // Form_Load: an empty report and the counter at 0 (after a run that is still ending, once it ends).
    void load();
    const FactoryTest& test() const { return test_; }

    // The file the report is saved to (a save dialog unless replaced); empty: not saved.
    std::function<QString(const QString& proposed)> chooseReportFile;
    std::function<void(const QString& text)> showError;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void begin();
    void advance();
    void answer(int key);
    void saveReport();
    void showView();

    Workspace& ws_;
    FactoryTest test_;
    QTimer timer_;
    bool advancing_ = false;
    bool loadWhenDone_ = false;
    QTextEdit* report_ = nullptr;
    QLabel* help_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* left_ = nullptr;
    QLabel* right_ = nullptr;
    QLabel* leds_[2] = {};
    QLabel* frontLight_ = nullptr;
    QLabel* saved_ = nullptr;
    QLineEdit* reportName_ = nullptr;
    QPushButton* begin_ = nullptr;
    QPushButton* yes_ = nullptr;
    QPushButton* no_ = nullptr;
};

} // namespace tarvel

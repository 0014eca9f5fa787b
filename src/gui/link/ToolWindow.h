#pragma once
// What the brick tool windows share: their place over the main window, closing when another
// window of the program becomes active (for those that do), and the coloured shapes that stand
// for LEDs and lights.
#include "model/StatusPanel.h"
#include "link/ToolColour.h"

#include <QDialog>
#include <QElapsedTimer>
#include <functional>

class QLabel;

namespace tarvel {

class ToolWindow : public QDialog {
    Q_OBJECT
public:
    ToolWindow(QWidget* parent, const char* name, const QString& title, bool closesOnDeactivate);

    // Shows the window at left = main width / 2 - width / 2 and top = main height / mainDivisor -
    // height / ownDivisor (kept on the screen), and brings it to the front.
    void showOver(QWidget* main, double mainDivisor, double ownDivisor);

    // What the window tells the main window: a status panel's text, the brick tools on or off.
    std::function<void(StatusPanel panel, const QString& text)> setPanel;
    std::function<void(bool on)> connectTool;

protected:
    bool event(QEvent* e) override;

private:
    bool closesOnDeactivate_;
    QElapsedTimer shown_;
};

// A small round shape showing a colour; `state` is what screen readers say of it.
QLabel* makeShape(QWidget* parent, const char* name, const QString& accessibleName, int size = 18);
void paintShape(QLabel* shape, const ToolColour& colour, const QString& state);

} // namespace tarvel

#pragma once
// The path editor (formMotorTour): the user draws the route the robot drives and where its light
// goes on and off; "Aceptar" makes it the path element in currentElement.
#include "gui/tours/TourWindow.h"
#include "tours/PathAnimation.h"
#include "tours/PathEditor.h"

#include <QElapsedTimer>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace tarvel {

class TourArea;

class FormMotorTour : public TourWindow {
    Q_OBJECT
public:
    // Works on workspace.store.currentElement; a new path unless editor.insertMode is false.
    FormMotorTour(Workspace& workspace, QWidget* parent);

    // A new path, without the palettes: currentElement cleared, the window shown.
    static FormMotorTour* openNew(Workspace& workspace, QWidget* parent);

    const PathEditor& editor() const { return editor_; }
    QMenu* optionsMenu() const { return menu_; }
    bool animating() const;

    void accepted();    // cmdGuardar
    void clearPath();   // cmdBorrar
    void toggleAnimation();

protected:
    void stopActivity() override;

private:
    void refresh();
    void setLight(bool on);
    void animationTick();

    PathEditor editor_;
    TourArea* area_ = nullptr;
    QLineEdit* title_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QLabel* counter_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* light_ = nullptr;
    QLabel* colour_ = nullptr;
    QPushButton* animate_ = nullptr;
    QMenu* menu_ = nullptr;
    QTimer* timer_ = nullptr;
    QElapsedTimer clock_;
    int animatedItems_ = 0;
    std::unique_ptr<PathAnimation> animation_;
};

} // namespace tarvel

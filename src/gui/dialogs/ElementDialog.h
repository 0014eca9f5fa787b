#pragma once
// The one frame of every parameter dialog: the preview of the element's icon with the constant and
// name drawn over it, the controls the dialog's rules list, the constant entry, "Aceptar" and
// "Cancelar". The rules decide everything; this window shows their view and forwards gestures.
#include "editing/DialogRules.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QFormLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QPushButton;

namespace tarvel {

class IconStore;
class TonePlayer;
class Workspace;

class ElementDialog : public QDialog {
    Q_OBJECT
public:
    ElementDialog(std::unique_ptr<DialogRules> rules, Workspace& workspace, const QString& paletteTitle,
                  QWidget* parent);
    ~ElementDialog() override;

    DialogRules& rules() { return *rules_; }
    // What OK asks for; answer true when the dialog may close.
    std::function<bool(const DialogAccept&)> accepted;
    // Cancel, Escape, closing the window or another window of the program becoming active.
    std::function<void()> cancelled;

    // The gestures, also for tests and assistive technologies.
    void clickOk();
    void clickCancel();
    // Shows the rules' view again (after a gesture changed it).
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls(QFormLayout* form);
    QWidget* makeControl(const ControlDesign& design, std::size_t index);
    QWidget* makeUpDown(const std::function<void(int step)>& step);
    void playTone(const ToneTiming& tone);
    void refreshPreview();
    void cancelOnce();

    std::unique_ptr<DialogRules> rules_;
    Workspace& ws_;
    std::unique_ptr<IconStore> icons_;
    std::vector<QWidget*> widgets_; // one per control of the rules
    std::vector<QWidget*> rows_;    // the caption beside it, when it has one
    std::vector<std::vector<QAbstractButton*>> buttons_; // the boxes or option buttons of a control
    QLabel* preview_ = nullptr;
    QLabel* lblConstant_ = nullptr;
    QLabel* lblEtiqueta_ = nullptr;
    QLabel* quickHelp_ = nullptr;
    QLineEdit* txtConst_ = nullptr;
    QWidget* udConst_ = nullptr;
    QLabel* constantCaption_ = nullptr;
    QPushButton* ok_ = nullptr;
    TonePlayer* player_ = nullptr;
    bool refreshing_ = false;
    bool finished_ = false;
    bool accepting_ = false;
};

} // namespace tarvel

#pragma once
// The program start dialog (formSaltoInicioProg): normal start, or start with the touch sensor.
#include <QDialog>
#include <functional>

class QLabel;
class QRadioButton;

namespace tarvel {

class Workspace;

class StartDialog : public QDialog {
    Q_OBJECT
public:
    StartDialog(Workspace& workspace, QWidget* parent);
    std::function<void(const QString& description)> descriptionChanged;

private:
    void choose(int mode);
    Workspace& ws_;
    int mode_ = 10;
    QString text_;
    QLabel* description_ = nullptr;
};

} // namespace tarvel

#pragma once
// A number box with its up-down buttons: the buttons step the value and show it in the box; a
// number typed in the box is taken when the box is left, if it lies strictly within the limits.
#include "link/ConsoleCommands.h"

#include <QWidget>

class QLineEdit;

namespace tarvel {

class UpDownBox : public QWidget {
    Q_OBJECT
public:
    // `textName` names the box, `spinName` the up-down; `what` is said by screen readers.
    UpDownBox(const char* textName, const char* spinName, const SpinRange& range, const QString& what,
              QWidget* parent);

    int value() const { return value_; }
    void setValue(int value);
    QLineEdit* box() const { return box_; }
    // What screen readers call an arrow that steps `what`: "Subir ..." or "Bajar ...".
    static QString arrowName(bool up, const QString& what);

private:
    SpinRange range_;
    int value_;
    QLineEdit* box_ = nullptr;
};

} // namespace tarvel

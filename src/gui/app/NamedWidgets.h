#pragma once
// Small widgets as every window makes them: named by the form's control name, so that tests find
// them, and readable by assistive technologies.
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace tarvel {

// A push button that Enter never presses (the windows answer Enter themselves); `accessibleName`
// for a caption that does not say what the button does ("IR", "OFF").
QPushButton* namedButton(QWidget* parent, const QString& name, const QString& caption,
                         const QString& accessibleName = {});
QLabel* namedLabel(QWidget* parent, const QString& name, const QString& text);
// Shows a value in a label (nothing to do when it already shows it). A label whose accessible name
// says what it is carries the value as its accessible description.
void showValue(QLabel* label, const QString& value);

} // namespace tarvel

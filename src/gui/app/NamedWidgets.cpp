#include "gui/app/NamedWidgets.h"

#include <QLabel>
#include <QPushButton>

namespace tarvel {

QPushButton* namedButton(QWidget* parent, const QString& name, const QString& caption, const QString& accessibleName)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (!accessibleName.isEmpty())
        b->setAccessibleName(accessibleName);
    return b;
}

QLabel* namedLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

void showValue(QLabel* label, const QString& value)
{
    if (label->text() == value)
        return;
    label->setText(value);
    if (!label->accessibleName().isEmpty())
        label->setAccessibleDescription(value);
}

} // namespace tarvel

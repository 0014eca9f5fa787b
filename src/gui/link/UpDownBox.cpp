#include "gui/link/UpDownBox.h"

#include "gui/app/QtText.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvel {

UpDownBox::UpDownBox(const char* textName, const char* spinName, const SpinRange& range, const QString& what,
                     QWidget* parent)
    : QWidget(parent)
    , range_(range)
    , value_(range.initial)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    box_ = new QLineEdit(this);
    box_->setObjectName(textName);
    box_->setAccessibleName(what);
    box_->setMaximumWidth(70);
    row->addWidget(box_);
    auto* spin = new QWidget(this);
    spin->setObjectName(spinName);
    auto* buttons = new QVBoxLayout(spin);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    for (int direction : {1, -1}) {
        auto* b = new QToolButton(spin);
        b->setObjectName(QStringLiteral("%1_%2").arg(spinName, direction > 0 ? "up" : "down"));
        b->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        b->setAccessibleName(arrowName(direction > 0, what));
        b->setFixedSize(18, 12);
        b->setAutoRepeat(true);
        connect(b, &QToolButton::clicked, this, [this, direction] { setValue(value_ + direction * range_.step); });
        buttons->addWidget(b);
    }
    row->addWidget(spin);
    connect(box_, &QLineEdit::editingFinished, this,
            [this] { setValue(spinAfterTyping(cp(box_->text()), range_, value_)); });
    setValue(range.initial);
}

QString UpDownBox::arrowName(bool up, const QString& what)
{
    return (up ? tr("Subir %1") : tr("Bajar %1")).arg(what);
}

void UpDownBox::setValue(int value)
{
    value_ = std::clamp(value, range_.minimum, range_.maximum);
    box_->setText(QString::number(value_));
}

} // namespace tarvel

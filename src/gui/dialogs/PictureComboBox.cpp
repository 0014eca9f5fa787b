#include "gui/dialogs/PictureComboBox.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace tarvel {

namespace {

// The open list draws the pictures alone, like the box.
class PictureOnlyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text.clear();
    }
};

} // namespace

PictureComboBox::PictureComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setItemDelegate(new PictureOnlyDelegate(this));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(1);
}

void PictureComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace tarvel

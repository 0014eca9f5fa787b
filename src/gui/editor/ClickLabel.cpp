#include "gui/editor/ClickLabel.h"

#include <QAccessibleWidget>
#include <QCursor>
#include <QMenu>
#include <QTimer>

namespace tarvel {

namespace {

class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label)
        : QAccessibleWidget(label, label->accessibleRole)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        auto* label = static_cast<ClickLabel*>(widget());
        if (t == QAccessible::Name) {
            if (!label->accessibleName().isEmpty())
                return label->accessibleName();
            return label->text().isEmpty() ? label->toolTip() : label->text();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    int childCount() const override { return openMenu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        QMenu* menu = openMenu();
        return index == 0 && menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        QMenu* menu = openMenu();
        return menu && child && child->object() == menu ? 0 : -1;
    }
    QMenu* openMenu() const;
    void doAction(const QString& action) override
    {
        // Pressed on the next turn of the event loop: a press that opens a menu or a message must
        // not keep the assistive call waiting until it closes.
        auto* label = static_cast<ClickLabel*>(widget());
        if (action == pressAction() || action == showMenuAction())
            QTimer::singleShot(0, label, [label] { label->press(); });
    }
};

QAccessibleInterface* clickLabelFactory(const QString& key, QObject* object)
{
    if (key == QLatin1String("tarvel::ClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel*>(object));
    return nullptr;
}

} // namespace

QMenu* ClickLabelAccessible::openMenu() const
{
    return static_cast<ClickLabel*>(widget())->openMenu();
}

void ClickLabel::popUp(QMenu* menu)
{
    if (!menu)
        return;
    menu_ = menu;
    const QPoint cursor = QCursor::pos();
    const bool underMouse = rect().contains(mapFromGlobal(cursor));
    menu->popup(underMouse ? cursor : mapToGlobal(rect().center()));
}

QMenu* ClickLabel::openMenu() const
{
    return menu_ && menu_->isVisible() ? menu_.data() : nullptr;
}

void ClickLabel::installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(clickLabelFactory), true);
    (void)installed;
}

} // namespace tarvel

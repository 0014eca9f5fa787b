#include "gui/editor/ClickLabel.h"

#include <QAccessibleWidget>
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

void ClickLabel::installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(clickLabelFactory), true);
    (void)installed;
}

} // namespace tarvel

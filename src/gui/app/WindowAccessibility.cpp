#include "gui/app/WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>

namespace tarvel {

namespace {

QAccessibleInterface* windowFactory(const QString& key, QObject* object)
{
    // Asked once per class of the object's hierarchy, most derived first: answer only then, and
    // only for a window of the program's own that no other interface describes better.
    if (!object || !object->isWidgetType() || key != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow() || !key.startsWith(QLatin1String("tarvel::")) || qobject_cast<QDialog*>(widget) ||
        qobject_cast<QMainWindow*>(widget))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void installWindowAccessibility()
{
    static const bool installed = (QAccessible::installFactory(windowFactory), true);
    (void)installed;
}

} // namespace tarvel

#include "gui/app/AssistiveSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QItemSelectionModel>
#include <QMainWindow>
#include <QMenu>

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

// An assistive technology selects an entry of the open list without making it the list's current
// one; the mouse and the keyboard move both together. So a selection away from the current entry is
// a choice: the combo takes it and closes its list, as after a click.
void chooseAssistiveSelections(QComboBox* combo)
{
    QAbstractItemView* view = combo->view();
    if (!view || !view->selectionModel() || combo->property("tarvelChoosesSelections").toBool())
        return;
    combo->setProperty("tarvelChoosesSelections", true);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, combo,
                     [combo, view](const QItemSelection& selected) {
                         const QModelIndexList chosen = selected.indexes();
                         if (chosen.isEmpty() || chosen.first() == view->currentIndex())
                             return;
                         const int row = chosen.first().row();
                         combo->hidePopup();
                         combo->setCurrentIndex(row);
                         emit combo->activated(row);
                     });
}

// An item of a menu pressed through an assistive technology runs its command but leaves the menu
// on the screen, where the next click would pick another of its items: every menu closes when one
// of its items is chosen, whichever way. Taken each time the menu shows, since its items change.
void closeWhenChosen(QMenu* menu)
{
    const QByteArray mark = "tarvelClosesMenu" + QByteArray::number(quintptr(menu));
    for (QAction* action : menu->actions()) {
        if (action->property(mark.constData()).toBool())
            continue;
        action->setProperty(mark.constData(), true);
        QObject::connect(action, &QAction::triggered, menu, [menu] {
            for (QWidget* m = menu; qobject_cast<QMenu*>(m); m = m->parentWidget())
                if (m->isVisible())
                    static_cast<QMenu*>(m)->hide();
        });
    }
}

class WidgetWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish) {
            if (auto* combo = qobject_cast<QComboBox*>(watched))
                chooseAssistiveSelections(combo);
            // The arrow a toolbar shows when its buttons do not fit has no text of its own.
            else if (auto* button = qobject_cast<QAbstractButton*>(watched);
                     button && button->objectName() == QLatin1String("qt_toolbar_ext_button"))
                button->setAccessibleName(QCoreApplication::translate("tarvel::AssistiveSupport", "Mas Comandos"));
        }
        if (event->type() == QEvent::Show)
            if (auto* menu = qobject_cast<QMenu*>(watched))
                closeWhenChosen(menu);
        return false;
    }
};

} // namespace

void installAssistiveSupport()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        qApp->installEventFilter(new WidgetWatch(qApp));
        return true;
    }();
    (void)installed;
}

} // namespace tarvel

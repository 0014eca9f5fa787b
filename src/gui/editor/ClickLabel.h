#pragma once
#include <QAccessible>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

class QMenu;

namespace tarvel {

// A picture or text that answers clicks, as the canvas cells, overlays and tabs do. Screen readers
// and desktop test tools see it with its role and can press it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QAccessible::Role accessibleRole = QAccessible::Button;
    // What an assistive "press" does: the same as a click.
    void press()
    {
        emit pressed();
        emit released();
        emit clicked();
    }
    // Lets assistive technologies find and press every ClickLabel.
    static void installAccessibility();
    // Shows `menu` for this label: under the mouse when the click came from it, else over the
    // label. While it is open, assistive technologies find the menu as the label's child (a popup
    // is never a child of the application).
    void popUp(QMenu* menu);
    QMenu* openMenu() const;

signals:
    void clicked();
    void doubleClicked();
    void pressed();
    void released();

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            emit pressed();
        QLabel::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton) {
            emit released();
            if (rect().contains(e->position().toPoint()))
                emit clicked();
        }
        QLabel::mouseReleaseEvent(e);
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            emit doubleClicked();
        QLabel::mouseDoubleClickEvent(e);
    }

private:
    QPointer<QMenu> menu_;
};

} // namespace tarvel

#pragma once
#include <QLabel>
#include <QMouseEvent>

namespace tarvel {

// A picture or text that answers clicks, as the canvas cells, overlays and tabs do.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

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
};

} // namespace tarvel

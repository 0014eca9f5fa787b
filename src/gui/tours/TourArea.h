#pragma once
// The path editor's drawing area (shpLimits): shows the path editor's state and forwards the mouse
// and keyboard, converting pixels to twips.
#include "tours/PathAnimation.h"
#include "tours/PathEditor.h"

#include <QPointer>
#include <QWidget>
#include <optional>

class QMenu;

namespace tarvel {

class TourArea : public QWidget {
    Q_OBJECT
public:
    TourArea(PathEditor& editor, QWidget* parent);

    static TwipPoint toTwips(QPointF pixels);
    static QPointF toPixels(TwipPoint twips);
    // The robot of the animation, or none.
    void setRobot(std::optional<TourPose> pose);
    // The keyboard points at the start marker again (after the drawing was cleared).
    void resetCursor();
    // The options shown for the area; while open, assistive technologies find them as its child.
    void setOptionsMenu(QMenu* menu);
    QMenu* openMenu() const;
    // The options at the keyboard's point (the menu key, or an assistive technology's action).
    void requestOptions();

signals:
    void changed();                       // a segment, the band or the time changed
    void optionsRequested(QPoint global); // right click or the menu key inside the area

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void moveTo(TwipPoint p);
    void clickAt(TwipPoint p);

    PathEditor& editor_;
    QPointer<QMenu> menu_;
    std::optional<TourPose> robot_;
    TwipPoint cursor_ = kBeginCentre; // where the keyboard points
    bool keyboardCursor_ = false;
};

} // namespace tarvel

#pragma once
// The world seen from above with the robot on it, scaled to the widget, antialiased. A click on a
// sound or infrared source switches it; the robot can be dragged to another place.
#include <QImage>
#include <QWidget>

#include <functional>

namespace tarvel {

class Simulation;
struct WorldPoint;

class WorldView : public QWidget {
    Q_OBJECT
public:
    explicit WorldView(Simulation& simulation, QWidget* parent = nullptr);

    // The floor changed (another world): its picture is painted again.
    void worldChanged();
    QSize sizeHint() const override { return {640, 480}; }
    // Drawn over the floor and the walls, under the robot, in world units (a challenge's regions
    // and the trail of its test).
    std::function<void(QPainter&)> paintOver;

signals:
    void robotMoved();
    void sourceSwitched();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QTransform worldToWidget() const;
    WorldPoint toWorld(QPointF p) const;
    void paintRobot(QPainter& painter);

    Simulation& sim_;
    QImage floor_;
    bool dragging_ = false;
};

} // namespace tarvel

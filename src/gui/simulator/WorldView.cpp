#include "gui/simulator/WorldView.h"

#include "emulator/Simulation.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace tarvel {

namespace {

constexpr double kMargin = 8;

QColor sourceColour(SourceKind kind)
{
    switch (kind) {
    case SourceKind::Light: return {255, 214, 0};
    case SourceKind::Sound: return {41, 121, 255};
    case SourceKind::Infrared: return {229, 57, 53};
    }
    return Qt::gray;
}

} // namespace

WorldView::WorldView(Simulation& simulation, QWidget* parent)
    : QWidget(parent)
    , sim_(simulation)
{
    setObjectName("picMundo");
    setAccessibleName(tr("Mundo del simulador"));
    setMinimumSize(260, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    worldChanged();
}

void WorldView::worldChanged()
{
    const FloorMap& floor = sim_.floor();
    QImage image(floor.columns(), floor.rows(), QImage::Format_Grayscale8);
    for (int row = 0; row < floor.rows(); ++row) {
        // Row 0 of the map is the near side of the table: the bottom of the picture.
        const std::uint8_t* cells = floor.cells().data() + std::size_t(row) * std::size_t(floor.columns());
        std::copy_n(cells, floor.columns(), image.scanLine(floor.rows() - 1 - row));
    }
    floor_ = image;
    update();
}

QTransform WorldView::worldToWidget() const
{
    const World& world = sim_.world();
    const double scale =
        std::max(0.01, std::min((width() - 2 * kMargin) / world.width, (height() - 2 * kMargin) / world.height));
    const double left = (width() - world.width * scale) / 2, top = (height() - world.height * scale) / 2;
    return QTransform(scale, 0, 0, -scale, left, top + world.height * scale);
}

WorldPoint WorldView::toWorld(QPointF p) const
{
    const QPointF w = worldToWidget().inverted().map(p);
    return {w.x(), w.y()};
}

void WorldView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(69, 90, 100));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const World& world = sim_.world();
    painter.setTransform(worldToWidget());
    // The floor image has its rows from the far side: draw it upright in world units.
    painter.save();
    painter.translate(0, world.height);
    painter.scale(world.width / floor_.width(), -world.height / floor_.height());
    painter.drawImage(QPointF(0, 0), floor_);
    painter.restore();

    for (const auto& source : world.sources) {
        const QPointF at(source.at.x, source.at.y);
        const QColor colour = sourceColour(source.kind);
        if (source.kind == SourceKind::Light && source.on) {
            QRadialGradient glow(at, source.range);
            glow.setColorAt(0, QColor(255, 235, 59, 150));
            glow.setColorAt(1, QColor(255, 235, 59, 0));
            painter.setPen(Qt::NoPen);
            painter.setBrush(glow);
            painter.drawEllipse(at, source.range, source.range);
        } else if (source.on) {
            painter.setPen(QPen(colour, 0.6, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, source.range, source.range);
        }
        painter.setPen(QPen(Qt::black, 0.5));
        painter.setBrush(source.on ? colour : colour.darker(250));
        painter.drawEllipse(at, 3.5, 3.5);
    }

    painter.setPen(QPen(QColor(93, 64, 55), world.wallThickness, Qt::SolidLine, Qt::SquareCap));
    for (const auto& wall : world.walls)
        painter.drawLine(QPointF(wall.from.x, wall.from.y), QPointF(wall.to.x, wall.to.y));
    if (world.border) {
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0, 0, world.width, world.height));
    }
    if (paintOver)
        paintOver(painter);
    paintRobot(painter);
}

void WorldView::paintRobot(QPainter& painter)
{
    const RobotState& robot = sim_.robot();
    const BrickCpu& cpu = sim_.cpu();
    painter.save();
    painter.translate(robot.pose.x, robot.pose.y);
    painter.rotate(robot.pose.heading);
    const double r = RobotGeometry::bodyRadius, half = RobotGeometry::track / 2;
    // Wheels, coloured by their direction.
    const auto wheel = [&](double y, bool left) {
        const std::uint8_t m = cpu.motors();
        const bool forward = m & (left ? kLeftForward : kRightForward);
        const bool backward = m & (left ? kLeftBackward : kRightBackward);
        const QColor colour = forward == backward ? QColor(55, 71, 79)
                              : forward           ? QColor(67, 160, 71)
                                                  : QColor(229, 57, 53);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(-3.5, y - 1.2, 7, 2.4), 0.8, 0.8);
    };
    painter.setPen(QPen(QColor(13, 71, 161), 0.6));
    painter.setBrush(QColor(144, 202, 249, 235));
    painter.drawEllipse(QPointF(0, 0), r, r);
    wheel(half, true);
    wheel(-half, false);
    // The bumper: red while pressed.
    painter.setPen(QPen(robot.bumper || cpu.inputs.touch ? QColor(211, 47, 47) : QColor(38, 50, 56), 1.4,
                        Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(-r - 0.6, -r - 0.6, 2 * r + 1.2, 2 * r + 1.2), -70 * 16, 140 * 16);
    // Heading arrow.
    painter.setPen(QPen(QColor(13, 71, 161), 0.8));
    painter.drawLine(QPointF(-4, 0), QPointF(5, 0));
    painter.drawLine(QPointF(5, 0), QPointF(3, 1.5));
    painter.drawLine(QPointF(5, 0), QPointF(3, -1.5));
    // LEDs A, B, C across the top of the brick.
    for (int i = 0; i < 3; ++i) {
        const bool on = cpu.leds() & (4 >> i);
        painter.setPen(QPen(Qt::black, 0.2));
        painter.setBrush(on ? QColor(255, 23, 68) : QColor(80, 0, 0));
        painter.drawEllipse(QPointF(-5, (1 - i) * 2.5), 1, 1);
    }
    // The light sensor, and the lamp's glow on the floor.
    const QPointF sensor(RobotGeometry::sensorAhead, 0);
    if (cpu.lamp()) {
        QRadialGradient glow(sensor, 4);
        glow.setColorAt(0, QColor(255, 241, 118, 230));
        glow.setColorAt(1, QColor(255, 241, 118, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(sensor, 4, 4);
    }
    painter.setPen(QPen(Qt::black, 0.3));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(sensor, 0.9, 0.9);
    painter.restore();
}

void WorldView::mousePressEvent(QMouseEvent* event)
{
    const WorldPoint p = toWorld(event->position());
    const RobotPose& pose = sim_.robot().pose;
    if (std::hypot(p.x - pose.x, p.y - pose.y) <= RobotGeometry::bodyRadius) {
        dragging_ = true;
        return;
    }
    const auto& sources = sim_.world().sources;
    for (std::size_t i = 0; i < sources.size(); ++i)
        if (std::hypot(p.x - sources[i].at.x, p.y - sources[i].at.y) <= 5) {
            sim_.switchSource(i, !sources[i].on);
            emit sourceSwitched();
            update();
            return;
        }
}

void WorldView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    const World& world = sim_.world();
    WorldPoint p = toWorld(event->position());
    p.x = std::clamp(p.x, 0.0, world.width);
    p.y = std::clamp(p.y, 0.0, world.height);
    sim_.placeRobot({p.x, p.y, sim_.robot().pose.heading});
    emit robotMoved();
    update();
}

void WorldView::mouseReleaseEvent(QMouseEvent*)
{
    dragging_ = false;
}

} // namespace tarvel

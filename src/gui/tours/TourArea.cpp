#include "gui/tours/TourArea.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvel {

namespace {
constexpr double kTwipsPerPixel = 15; // Qt scales device-independent pixels to the screen
const QColor kLightOnColour(0, 0, 255);
const QColor kLightOffColour(0, 0, 0);
const QColor kBandColour(0xC0, 0xC0, 0xC0);

QRectF marker(TwipPoint centre)
{
    const double r = kBeginMarkerSize / 2 / kTwipsPerPixel;
    const QPointF c = TourArea::toPixels(centre);
    return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}

// For assistive technologies the area offers its options as an action, and while they are open
// the menu is its child (a popup is not a child of the application for them).
class TourAreaAccessible : public QAccessibleWidget {
public:
    explicit TourAreaAccessible(TourArea* area)
        : QAccessibleWidget(area, QAccessible::Canvas)
    {
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
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
    void doAction(const QString& action) override
    {
        // On the next turn of the event loop, so that the assistive call returns first.
        auto* area = static_cast<TourArea*>(widget());
        if (action == showMenuAction())
            QTimer::singleShot(0, area, [area] { area->requestOptions(); });
    }

private:
    QMenu* openMenu() const { return static_cast<TourArea*>(widget())->openMenu(); }
};

QAccessibleInterface* tourAreaFactory(const QString& key, QObject* object)
{
    if (key == QLatin1String("tarvel::TourArea") && object && object->isWidgetType())
        return new TourAreaAccessible(static_cast<TourArea*>(object));
    return nullptr;
}
} // namespace

TourArea::TourArea(PathEditor& editor, QWidget* parent)
    : QWidget(parent)
    , editor_(editor)
{
    static const bool accessible = (QAccessible::installFactory(tourAreaFactory), true);
    (void)accessible;
    setObjectName("shpLimits");
    setAccessibleName(tr("Area de Dibujo del Recorrido"));
    setAccessibleDescription(tr("Clic izquierdo: agregar un tramo. Clic derecho: opciones del recorrido. "
                                "Con el teclado: flechas para apuntar, Enter para agregar el tramo."));
    setFixedSize(int(std::lround(kDrawingArea.right / kTwipsPerPixel)),
                 int(std::lround(kDrawingArea.bottom / kTwipsPerPixel)));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
}

TwipPoint TourArea::toTwips(QPointF pixels)
{
    return {pixels.x() * kTwipsPerPixel, pixels.y() * kTwipsPerPixel};
}

QPointF TourArea::toPixels(TwipPoint twips)
{
    return {twips.x / kTwipsPerPixel, twips.y / kTwipsPerPixel};
}

void TourArea::setRobot(std::optional<TourPose> pose)
{
    robot_ = pose;
    update();
}

void TourArea::resetCursor()
{
    cursor_ = kBeginCentre;
    keyboardCursor_ = false;
    update();
}

void TourArea::moveTo(TwipPoint p)
{
    editor_.mouseMove(p);
    update();
    emit changed();
}

void TourArea::clickAt(TwipPoint p)
{
    if (editor_.leftClick(p))
        cursor_ = editor_.pen();
    update();
    emit changed();
}

void TourArea::mouseMoveEvent(QMouseEvent* event)
{
    keyboardCursor_ = false;
    moveTo(toTwips(event->position()));
}

void TourArea::mousePressEvent(QMouseEvent* event)
{
    const TwipPoint p = toTwips(event->position());
    if (event->button() == Qt::LeftButton)
        clickAt(p);
    else if (event->button() == Qt::RightButton && PathEditor::popupAt(p))
        emit optionsRequested(event->globalPosition().toPoint());
}

void TourArea::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse)
        return; // the right button is handled on press
    requestOptions();
}

void TourArea::requestOptions()
{
    emit optionsRequested(mapToGlobal(toPixels(cursor_).toPoint()));
}

void TourArea::setOptionsMenu(QMenu* menu)
{
    menu_ = menu;
}

QMenu* TourArea::openMenu() const
{
    return menu_ && menu_->isVisible() ? menu_.data() : nullptr;
}

void TourArea::leaveEvent(QEvent*)
{
    editor_.leaveArea();
    update();
}

void TourArea::keyPressEvent(QKeyEvent* event)
{
    const double step = (event->modifiers() & Qt::ShiftModifier ? 10 : 1) * kDistanceUnitTwips;
    double dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = -step; break;
    case Qt::Key_Down: dy = step; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        keyboardCursor_ = true;
        clickAt(cursor_);
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    keyboardCursor_ = true;
    cursor_ = {std::clamp(cursor_.x + dx, 1.0, kDrawingArea.right - 1),
               std::clamp(cursor_.y + dy, 1.0, kDrawingArea.bottom - 1)};
    moveTo(cursor_);
}

void TourArea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 160, 0));
    p.drawEllipse(marker(kBeginCentre)); // shpBeginPoint

    for (const DrawnSegment& s : editor_.segments()) {
        p.setPen(QPen(s.lit ? kLightOnColour : kLightOffColour, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(toPixels(s.start), toPixels(s.end));
    }
    if (editor_.band().visible) { // LineTour being drawn
        p.setPen(QPen(kBandColour, 1, Qt::DotLine));
        p.drawLine(toPixels(editor_.band().start), toPixels(editor_.band().end));
    }
    if (auto end = editor_.endMarker()) { // shpEndPoint
        p.setPen(Qt::NoPen);
        p.setBrush(editor_.endMarkerLit() ? kLightOnColour : kLightOffColour);
        p.drawEllipse(marker(*end));
    }
    if (keyboardCursor_ && hasFocus()) {
        const QPointF c = toPixels(cursor_);
        p.setPen(QPen(Qt::red, 1));
        p.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
        p.drawLine(c + QPointF(0, -6), c + QPointF(0, 6));
    }
    if (robot_) {
        // A small robot: a body with its light, pointing where it drives.
        p.save();
        p.translate(toPixels(robot_->position));
        p.rotate(-robot_->heading);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(255, 200, 0));
        p.drawRoundedRect(QRectF(-9, -7, 18, 14), 3, 3);
        p.setBrush(robot_->lightOn ? kLightOnColour : Qt::gray);
        QPainterPath nose;
        nose.moveTo(9, -5);
        nose.lineTo(15, 0);
        nose.lineTo(9, 5);
        nose.closeSubpath();
        p.drawPath(nose);
        p.restore();
    }
}

} // namespace tarvel

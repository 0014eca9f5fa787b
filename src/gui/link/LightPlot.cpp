#include "gui/link/LightPlot.h"

#include <QPainter>
#include <QPolygonF>

namespace tarvel {

LightPlot::LightPlot(const LightHistory& history, std::function<std::int64_t()> nowMs, QWidget* parent)
    : QWidget(parent)
    , history_(history)
    , nowMs_(std::move(nowMs))
{
    setObjectName("picLuzGrafico");
    setAccessibleName(tr("Nivel de Luz de los ultimos 30 segundos"));
    setToolTip(accessibleName());
    setMinimumSize(160, 50);
}

void LightPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.fillRect(area, QColor(0x10, 0x10, 0x30));
    p.setPen(QColor(0x40, 0x40, 0x70));
    for (int i = 1; i < 3; ++i) // marks every 10 seconds
        p.drawLine(QPointF(area.width() * i / 3, 0), QPointF(area.width() * i / 3, area.height()));
    QPolygonF line;
    for (const PlotPoint& point : history_.plot(nowMs_(), area.width(), area.height()))
        line << QPointF(point.x, point.y);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xFF, 0xE0, 0x40), 1.5));
    p.drawPolyline(line);
}

} // namespace tarvel

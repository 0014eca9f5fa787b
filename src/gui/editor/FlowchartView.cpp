#include "gui/editor/FlowchartView.h"

#include "gui/app/QtText.h"
#include "gui/editor/ClickLabel.h"
#include "gui/editor/FlowchartPainter.h"
#include "model/FlowchartSheet.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace tarvel {

using namespace sheet;

namespace {

// A child that only assistive technologies see: the grid paints what it stands for, and the mouse
// reaches the grid through it.
class GridItem final : public ClickLabel {
public:
    GridItem(const QString& name, QAccessible::Role role, QWidget* parent)
        : ClickLabel(parent)
    {
        setObjectName(name);
        accessibleRole = role;
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {}
};

QRect toRect(const SheetRect& r)
{
    return {r.x, r.y, r.width, r.height};
}

QString emptyCellName()
{
    return QCoreApplication::translate("tarvel::Canvas", "Celda vacia");
}

} // namespace

FlowchartView::FlowchartView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("grdFlowchart");
    // Room for the running element's frame around the last column and row.
    setFixedSize(kGridWidth + 6, gridHeight(kRows) + 6);
    for (int c = 0; c < kColumns; ++c) {
        auto* number = new GridItem(QStringLiteral("lblColumnas_%1").arg(c), QAccessible::StaticText, this);
        number->setText(QString::number(c + 1));
        number->setGeometry(toRect(gridColumnNumber(c)));
    }
    for (int r = 0; r < kRows; ++r) {
        auto* number = new GridItem(QStringLiteral("lblFilas_%1").arg(r), QAccessible::StaticText, this);
        number->setGeometry(toRect(gridRowNumber(r)));
        rowItems_[std::size_t(r)] = number;
    }
    for (int k = 0; k < kCells; ++k) {
        auto* item = new GridItem(QStringLiteral("imgGrafoScreen_%1").arg(k), QAccessible::Button, this);
        item->setGeometry(cellRect(k));
        item->setAccessibleName(emptyCellName());
        // An assistive press is a click on the cell.
        connect(item, &ClickLabel::clicked, this, [this, k] { emit cellClicked(k); });
        items_[std::size_t(k)] = item;
        for (int n = 0; n < 2; ++n) {
            auto* label = new GridItem(QStringLiteral("%1_%2").arg(n == 0 ? "lblOne" : "lblTwo").arg(k),
                                       QAccessible::StaticText, this);
            label->hide();
            labelItems_[std::size_t(k)][std::size_t(n)] = label;
        }
    }
    setFirstRowNumber(1);
}

QRect FlowchartView::cellRect(int cell) const
{
    return toRect(gridCell(cell / kColumns, cell % kColumns));
}

QRect FlowchartView::labelRect(int cell, int which) const
{
    const OverlayLabel& o = cells_[std::size_t(cell)].labels[std::size_t(which)];
    return toRect(gridLabel(gridCell(cell / kColumns, cell % kColumns), o.left, o.top, o.width, o.height));
}

void FlowchartView::setPicture(int cell, const QPixmap& picture, const QString& description)
{
    if (cell < 0 || cell >= kCells)
        return;
    Cell& c = cells_[std::size_t(cell)];
    c.picture = picture;
    c.description = description;
    placeItems(cell);
    update(cellRect(cell));
}

void FlowchartView::setLabel(int cell, int which, const OverlayLabel& label)
{
    if (cell < 0 || cell >= kCells || which < 0 || which > 1)
        return;
    OverlayLabel& o = cells_[std::size_t(cell)].labels[std::size_t(which)];
    if (o.visible)
        update(labelRect(cell, which));
    o = label;
    placeItems(cell);
    if (o.visible)
        update(labelRect(cell, which));
}

void FlowchartView::setFramed(int cell, bool on)
{
    if (cell < 0 || cell >= kCells || cells_[std::size_t(cell)].framed == on)
        return;
    cells_[std::size_t(cell)].framed = on;
    update();
}

void FlowchartView::setRunning(int cell)
{
    const int running = cell >= 0 && cell < kCells ? cell : -1;
    if (running == running_)
        return;
    running_ = running;
    update();
}

void FlowchartView::shiftPicturesUp(const QPixmap& empty)
{
    for (int k = 0; k < kCells; ++k) {
        Cell& c = cells_[std::size_t(k)];
        const bool below = k + kColumns < kCells;
        c.picture = below ? cells_[std::size_t(k + kColumns)].picture : empty;
        c.description = below ? cells_[std::size_t(k + kColumns)].description : QString();
        placeItems(k);
    }
    update();
}

void FlowchartView::setFirstRowNumber(int number)
{
    firstRow_ = number;
    for (int r = 0; r < kRows; ++r)
        rowItems_[std::size_t(r)]->setText(QStringLiteral(" %1").arg(number + r));
    update();
}

void FlowchartView::placeItems(int cell)
{
    const Cell& c = cells_[std::size_t(cell)];
    ClickLabel* item = items_[std::size_t(cell)];
    item->setToolTip(c.description);
    item->setAccessibleName(c.description.isEmpty() ? emptyCellName() : c.description);
    for (int n = 0; n < 2; ++n) {
        const OverlayLabel& o = c.labels[std::size_t(n)];
        ClickLabel* label = labelItems_[std::size_t(cell)][std::size_t(n)];
        if (o.visible) {
            label->setText(qs(o.text));
            label->setGeometry(labelRect(cell, n));
        }
        label->setVisible(o.visible);
        label->setEnabled(o.visible);
    }
}

FlowchartView::ShownCell FlowchartView::shownCell(int cell) const
{
    ShownCell shown;
    if (cell < 0 || cell >= kCells)
        return shown;
    const Cell& c = cells_[std::size_t(cell)];
    shown.rect = cellRect(cell);
    shown.description = c.description;
    shown.framed = c.framed;
    for (int n = 0; n < 2; ++n) {
        const OverlayLabel& o = c.labels[std::size_t(n)];
        ShownLabel& label = shown.labels[std::size_t(n)];
        label.shown = o.visible;
        if (o.visible) {
            label.text = qs(o.text);
            label.rect = labelRect(cell, n);
        }
    }
    return shown;
}

FlowchartView::Hit FlowchartView::hitAt(const QPoint& point) const
{
    // Labels lie over the cells, a framed cell's over the others'; label two over label one.
    auto labelHit = [&](int k) -> Hit {
        for (int n = 1; n >= 0; --n)
            if (cells_[std::size_t(k)].labels[std::size_t(n)].visible && labelRect(k, n).contains(point))
                return {k, n};
        return {};
    };
    for (int k = 0; k < kCells; ++k)
        if (cells_[std::size_t(k)].framed)
            if (const Hit hit = labelHit(k); hit.cell >= 0)
                return hit;
    for (int k = kCells - 1; k >= 0; --k)
        if (const Hit hit = labelHit(k); hit.cell >= 0)
            return hit;
    return {gridCellAt(point.x() + 0.5, point.y() + 0.5, kRows), -1};
}

void FlowchartView::paintCell(QPainter& painter, int cell) const
{
    const Cell& c = cells_[std::size_t(cell)];
    const QRect place = cellRect(cell);
    if (!c.picture.isNull())
        painter.drawPixmap(place, c.picture);
    const SheetRect sheetCell = gridCell(cell / kColumns, cell % kColumns);
    for (const OverlayLabel& label : c.labels)
        FlowchartPainter::paintLabel(painter, QPointF(0, 0), sheetCell, label);
    if (c.framed) {
        painter.setPen(QPen(QColor(0xF9, 0xA8, 0x25), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(place).adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
    }
}

void FlowchartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    FlowchartPainter::paintColumnNumbers(painter, QPointF(0, 0));
    for (int r = 0; r < kRows; ++r)
        FlowchartPainter::paintRowNumber(painter, QPointF(0, 0), r, firstRow_ + r);
    for (int k = 0; k < kCells; ++k)
        if (!cells_[std::size_t(k)].framed)
            paintCell(painter, k);
    for (int k = 0; k < kCells; ++k)
        if (cells_[std::size_t(k)].framed)
            paintCell(painter, k);
    if (running_ >= 0) {
        painter.setPen(QPen(QColor(0xFF, 0x6F, 0x00), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(cellRect(running_)).adjusted(-2.5, -2.5, 2.5, 2.5), 4, 4);
    }
}

void FlowchartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = hitAt(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void FlowchartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const Hit hit = hitAt(event->position().toPoint());
        const Hit pressed = pressed_;
        pressed_ = {};
        // A click on a cell, pressed and released on it; a value label over the cell takes none.
        if (hit.cell >= 0 && hit.label < 0 && pressed.cell == hit.cell && pressed.label < 0)
            emit cellClicked(hit.cell);
    }
    QWidget::mouseReleaseEvent(event);
}

void FlowchartView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = {};
        if (const Hit hit = hitAt(event->position().toPoint()); hit.label == 1)
            emit targetDoubleClicked(hit.cell);
    }
    QWidget::mouseDoubleClickEvent(event);
}

bool FlowchartView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = hitAt(help->pos());
        const QString tip = hit.cell >= 0 ? cells_[std::size_t(hit.cell)].description : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this, cellRect(hit.cell));
        return true;
    }
    return QWidget::event(event);
}

} // namespace tarvel

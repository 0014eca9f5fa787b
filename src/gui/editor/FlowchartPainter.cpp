#include "gui/editor/FlowchartPainter.h"

#include "editing/ProgramEditor.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/editor/IconStore.h"
#include "model/IconComposition.h"
#include "model/ProgramStore.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace tarvel {

using namespace sheet;

namespace {

// Pixel sizes, so that pictures, SVG and paper of any resolution show the same proportions.
QFont sheetFont(double pixels, bool bold)
{
    QFont font = QApplication::font();
    font.setPixelSize(std::max(1, qRound(pixels)));
    font.setBold(bold);
    return font;
}

// The canvas's overlay font: the window font in bold, a little smaller.
double overlayPixels()
{
    const double points = QApplication::font().pointSizeF();
    return points > 0 ? points * 0.85 * 96.0 / 72.0 : 11.0;
}

QRectF rectOf(const SheetRect& r, const QPointF& origin)
{
    return QRectF(origin.x() + r.x, origin.y() + r.y, r.width, r.height);
}

} // namespace

FlowchartPainter::FlowchartPainter(const ProgramStore& store, std::string programName)
    : store_(store)
    , programName_(std::move(programName))
{
}

QSize FlowchartPainter::pictureSize(int sequence) const
{
    const SheetRect r = pictureRect(sheetRows(store_.sequenceLength(sequence)));
    return {r.width, r.height};
}

void FlowchartPainter::paintPicture(QPainter& painter, int sequence) const
{
    const QSize size = pictureSize(sequence);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    paintTitle(painter, QRectF(kMargin, kMargin, kGridWidth, kTitleHeight), sequence);
    paintGrid(painter, QPointF(kMargin, kMargin + kTitleHeight), sequence, 0,
              sheetRows(store_.sequenceLength(sequence)));
}

void FlowchartPainter::paintTitle(QPainter& painter, const QRectF& area, int sequence) const
{
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(15, true));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     qs(sheetTitle(programName_, sequenceCaption(store_, sequence))));
}

void FlowchartPainter::paintColumnNumbers(QPainter& painter, const QPointF& origin)
{
    painter.setPen(QColor(0x45, 0x5A, 0x64));
    painter.setFont(sheetFont(12, false));
    for (int c = 0; c < kColumns; ++c)
        painter.drawText(rectOf(gridColumnNumber(c), origin), Qt::AlignCenter, QString::number(c + 1));
}

void FlowchartPainter::paintRowNumber(QPainter& painter, const QPointF& origin, int row, int number)
{
    painter.setPen(QColor(0x45, 0x5A, 0x64));
    painter.setFont(sheetFont(12, false));
    painter.drawText(rectOf(gridRowNumber(row), origin), Qt::AlignRight | Qt::AlignVCenter, QString::number(number));
}

void FlowchartPainter::paintLabel(QPainter& painter, const QPointF& origin, const SheetRect& cell, const OverlayLabel& o)
{
    if (!o.visible)
        return;
    const QRectF box = rectOf(gridLabel(cell, o.left, o.top, o.width, o.height), origin);
    if (!o.transparent)
        painter.fillRect(box, QColor(QRgb(o.background)));
    if (o.border) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(overlayPixels(), true));
    painter.drawText(box, Qt::AlignCenter, qs(o.text));
}

void FlowchartPainter::paintGrid(QPainter& painter, const QPointF& origin, int sequence, int firstRow,
                                 int rows) const
{
    paintColumnNumbers(painter, origin);
    for (int r = 0; r < rows; ++r) {
        paintRowNumber(painter, origin, r, firstRow + r + 1);
        for (int c = 0; c < kColumns; ++c)
            paintCell(painter, origin, gridCell(r, c), store_.recordAt(sequence, (firstRow + r) * kColumns + c));
    }
}

void FlowchartPainter::paintCell(QPainter& painter, const QPointF& origin, const SheetRect& place,
                                 const InstructionRecord& r) const
{
    const QRectF cell = rectOf(place, origin);
    // As the canvas draws a cell: gaps, separators and elements without an icon number show the
    // empty picture; overlays belong to every element that is not a gap or a separator.
    const bool noElement = r.family == family::Separator || r.empty();
    const bool hasIcon = !noElement && r.pictureId >= 1;
    std::vector<Layer> layers = hasIcon ? storedIconLayers(r) : std::vector<Layer>{};
    if (layers.empty())
        layers = {{LayerList::Especial, 1}};
    IconStore::paintLayers(painter, cell, layers);
    if (noElement)
        return;
    paintLabel(painter, origin, place, overlayOne(r));
    paintLabel(painter, origin, place, overlayTwo(r));
}

QString FlowchartPainter::exportImage(const QString& path, int sequence) const
{
    const bool svg = QFileInfo(path).suffix().compare("svg", Qt::CaseInsensitive) == 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QObject::tr("No se Pudo Escribir el Archivo %1").arg(path);
    const QSize size = pictureSize(sequence);
    bool drawn = false;
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(96);
        generator.setTitle(qs(sheetTitle(programName_, sequenceCaption(store_, sequence))));
        generator.setDescription(QStringLiteral("Tarvel Lab"));
        QPainter painter;
        drawn = painter.begin(&generator);
        if (drawn) {
            paintPicture(painter, sequence);
            drawn = painter.end();
        }
    } else {
        QImage image(size, QImage::Format_RGB32);
        if (!image.isNull()) {
            QPainter painter(&image);
            paintPicture(painter, sequence);
            painter.end();
            drawn = image.save(&file, "PNG");
        }
    }
    if (!drawn || !file.commit())
        return QObject::tr("No se Pudo Escribir el Archivo %1").arg(path);
    return {};
}

PageLayout FlowchartPainter::pageLayout(const QPrinter& printer) const
{
    const double unit = printer.resolution() / 96.0;
    const QRectF paint = printer.pageLayout().paintRectPixels(printer.resolution());
    return layoutPages(printedSequences(store_), paint.width() / unit, paint.height() / unit);
}

void FlowchartPainter::paintPage(QPainter& painter, const PageLayout& layout, int index, const QSizeF& page) const
{
    const PrintedPage& p = layout.pages.at(std::size_t(index));
    painter.save();
    painter.scale(layout.scale, layout.scale);
    const double width = page.width() / layout.scale, height = page.height() / layout.scale;
    const double left = std::max(0.0, (width - kGridWidth) / 2);
    paintTitle(painter, QRectF(left, 0, kGridWidth, kTitleHeight), p.sequence);
    paintGrid(painter, QPointF(left, kTitleHeight), p.sequence, p.firstRow, p.rowCount);
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(11, false));
    painter.drawText(QRectF(0, height - kFooterHeight, width, kFooterHeight), Qt::AlignCenter,
                     uiText(pageNumberText(index + 1, int(layout.pages.size()))));
    painter.restore();
}

QString FlowchartPainter::print(QPrinter& printer) const
{
    const PageLayout layout = pageLayout(printer);
    const int pages = int(layout.pages.size());
    int from = 1, to = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(pages, printer.toPage() > 0 ? printer.toPage() : pages);
    }
    const double unit = printer.resolution() / 96.0;
    const QRectF paint = printer.pageLayout().paintRectPixels(printer.resolution());
    QPainter painter;
    if (!painter.begin(&printer))
        return QObject::tr("No se pudo imprimir: la impresora no esta disponible.");
    painter.scale(unit, unit);
    for (int page = from; page <= to; ++page) {
        if (page > from && !printer.newPage())
            break;
        paintPage(painter, layout, page - 1, paint.size() / unit);
    }
    painter.end();
    return {};
}

} // namespace tarvel

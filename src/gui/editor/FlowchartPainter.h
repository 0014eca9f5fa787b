#pragma once
// Draws a sequence's flowchart whole (every row, the composed icons and value overlays the canvas
// shows, row and column numbers, the program and sequence name) into a picture or onto printed
// pages. The arithmetic of rows and pages is the core's (FlowchartSheet).
#include "model/FlowchartSheet.h"

#include <QRectF>
#include <QSize>
#include <QString>
#include <string>

class QPainter;
class QPrinter;

namespace tarvel {

class ProgramStore;
struct InstructionRecord;
struct OverlayLabel;

class FlowchartPainter {
public:
    FlowchartPainter(const ProgramStore& store, std::string programName);

    QSize pictureSize(int sequence) const;
    void paintPicture(QPainter& painter, int sequence) const;
    // A PNG or SVG picture of the sequence (by the file's suffix), written whole or not at all: the
    // reason when it could not be written, otherwise empty.
    QString exportImage(const QString& path, int sequence) const;

    // The pages of every sequence on this printer's paper.
    PageLayout pageLayout(const QPrinter& printer) const;
    // Prints the pages the printer's range asks for (all when none); the reason when it could not.
    QString print(QPrinter& printer) const;
    // Page `index` of `layout` into `page` (the painter's units `unit` times sheet pixels).
    void paintPage(QPainter& painter, const PageLayout& layout, int index, const QSizeF& page) const;

    // The pieces of a grid block whose corner is at `origin`, as the canvas paints its four rows
    // too: the column numbers, the number of a row, a cell's value label.
    static void paintColumnNumbers(QPainter& painter, const QPointF& origin);
    static void paintRowNumber(QPainter& painter, const QPointF& origin, int row, int number);
    static void paintLabel(QPainter& painter, const QPointF& origin, const SheetRect& cell, const OverlayLabel& label);

private:
    void paintTitle(QPainter& painter, const QRectF& area, int sequence) const;
    void paintGrid(QPainter& painter, const QPointF& origin, int sequence, int firstRow, int rows) const;
    void paintCell(QPainter& painter, const QPointF& origin, const SheetRect& place, const InstructionRecord& record) const;

    const ProgramStore& store_;
    std::string programName_;
};

} // namespace tarvel

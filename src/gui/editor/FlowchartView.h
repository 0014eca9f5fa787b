#pragma once
// The four rows of the open sequence that the canvas shows, painted as exported pictures and
// printouts are (FlowchartPainter, the sheet's geometry): element icons, their value labels, row
// and column numbers, the selected cell's border and the running element's frame. Clicks find
// their cell by the same geometry.
//
// Assistive technologies see each cell as a child named by the element's description that can be
// pressed like a click (and holds the element menu while it is open), each value label and number
// as text. Those children draw nothing and let the mouse through to the painted grid.
#include "model/IconComposition.h"

#include <QPixmap>
#include <QWidget>
#include <array>

class QLabel;

namespace tarvel {

class ClickLabel;

class FlowchartView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 4;
    static constexpr int kCells = 28;

    explicit FlowchartView(QWidget* parent = nullptr);

    // The cell's picture and the element's description (empty for an empty cell).
    void setPicture(int cell, const QPixmap& picture, const QString& description);
    // Value label 0 or 1 of the cell, shown when `label.visible`.
    void setLabel(int cell, int which, const OverlayLabel& label);
    void setFramed(int cell, bool on);
    // The cell whose element the simulator runs, framed; -1 for none.
    void setRunning(int cell);
    // The pictures of rows 2 to 4 move up a row; the last row shows `empty`.
    void shiftPicturesUp(const QPixmap& empty);
    // The row number of the top row (1 for the first row of the sequence).
    void setFirstRowNumber(int number);

    struct ShownLabel {
        bool shown = false;
        QString text;
        QRect rect; // in the view's coordinates
    };
    struct ShownCell {
        QRect rect;
        QString description;
        bool framed = false;
        std::array<ShownLabel, 2> labels;
    };
    ShownCell shownCell(int cell) const;
    int runningCell() const { return running_; }
    int firstRowNumber() const { return firstRow_; }
    QRect cellRect(int cell) const;
    // The cell's child for assistive technologies, over which its menus pop up.
    ClickLabel* cellItem(int cell) const { return items_[std::size_t(cell)]; }

signals:
    void cellClicked(int cell);
    // Value label two (the label a jump or decision goes to) was double-clicked.
    void targetDoubleClicked(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Cell {
        QPixmap picture;
        QString description;
        std::array<OverlayLabel, 2> labels;
        bool framed = false;
    };
    // What a point hits: the cell, and which of its shown labels (-1 for the cell itself).
    struct Hit {
        int cell = -1;
        int label = -1;
    };
    Hit hitAt(const QPoint& point) const;
    QRect labelRect(int cell, int which) const;
    void paintCell(QPainter& painter, int cell) const;
    void placeItems(int cell);

    std::array<Cell, kCells> cells_{};
    std::array<ClickLabel*, kCells> items_{};
    std::array<std::array<ClickLabel*, 2>, kCells> labelItems_{};
    std::array<QLabel*, kRows> rowItems_{};
    int firstRow_ = 1;
    int running_ = -1;
    Hit pressed_;
};

} // namespace tarvel

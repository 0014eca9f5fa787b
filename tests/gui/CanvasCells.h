#pragma once
// The canvas's cells as a user and an assistive technology meet them: what a cell shows, a click
// or double click where it is painted, a press through the cell's accessible child.
#include "gui/editor/Canvas.h"
#include "gui/editor/FlowchartView.h"
#include "gui/editor/MainWindow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <QWidget>

namespace testsupport {

struct CanvasCells {
    tarvel::MainWindow& window;

    tarvel::FlowchartView& view() const { return window.canvas().view(); }
    tarvel::FlowchartView::ShownCell shown(int cell) const { return window.canvas().shownCell(cell); }
    // The element's description, as the cell's tooltip says it (empty for an empty cell).
    QString tip(int cell) const { return shown(cell).description; }
    bool framed(int cell) const { return shown(cell).framed; }
    // Value label 0 or 1 of the cell.
    tarvel::FlowchartView::ShownLabel label(int cell, int which) const
    {
        return shown(cell).labels[std::size_t(which)];
    }
    // The row number the grid shows beside row `row` (0 to 3).
    int rowNumber(int row) const { return view().firstRowNumber() + row; }

    // The cell's child in the accessibility tree.
    QWidget* item(int cell) const { return view().findChild<QWidget*>(QStringLiteral("imgGrafoScreen_%1").arg(cell)); }
    QAccessibleInterface* accessible(int cell) const { return QAccessible::queryAccessibleInterface(item(cell)); }
    QString name(int cell) const { return accessible(cell)->text(QAccessible::Name); }

    void click(int cell) const
    {
        QTest::mouseClick(&view(), Qt::LeftButton, {}, view().cellRect(cell).center());
    }
    // A double click on the cell's target label (value label two) where it is painted, or on the
    // cell when that label is not shown.
    void doubleClickTarget(int cell) const
    {
        const auto target = view().shownCell(cell).labels[1];
        QTest::mouseDClick(&view(), Qt::LeftButton, {},
                           target.shown ? target.rect.center() : view().cellRect(cell).center());
    }
    // What a screen reader's "press" does; the press runs on the next turn of the event loop.
    void press(int cell) const
    {
        QAccessibleInterface* access = accessible(cell);
        access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(0);
    }
};

} // namespace testsupport

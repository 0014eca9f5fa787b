#include "model/FlowchartSheet.h"

#include "model/ProgramStore.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

using namespace sheet;

int sheetRows(int length)
{
    return std::max(1, (length + kColumns - 1) / kColumns);
}

int gridHeight(int rows)
{
    return kHeaderHeight + rows * kRowPitch;
}

SheetRect pictureRect(int rows)
{
    return {0, 0, 2 * kMargin + kGridWidth, 2 * kMargin + kTitleHeight + gridHeight(rows)};
}

SheetRect gridCell(int row, int column)
{
    return {kRowNumberWidth + column * kColumnPitch, kHeaderHeight + row * kRowPitch, kCellWidth, kCellHeight};
}

int gridCellAt(double x, double y, int rows)
{
    const double left = x - kRowNumberWidth, top = y - kHeaderHeight;
    if (left < 0 || top < 0)
        return -1;
    const int column = int(left / kColumnPitch), row = int(top / kRowPitch);
    if (column >= kColumns || row >= rows)
        return -1;
    if (left - column * kColumnPitch >= kCellWidth || top - row * kRowPitch >= kCellHeight)
        return -1;
    return row * kColumns + column;
}

SheetRect gridLabel(const SheetRect& cell, int left, int top, int width, int height)
{
    auto pixels = [](int twips) { return (twips + 7) / 15; };
    return {cell.x + pixels(left), cell.y + pixels(top), pixels(width), pixels(height)};
}

SheetRect gridColumnNumber(int column)
{
    return {kRowNumberWidth + column * kColumnPitch, 0, kCellWidth, kHeaderHeight};
}

SheetRect gridRowNumber(int row)
{
    return {0, kHeaderHeight + row * kRowPitch, kRowNumberWidth - 6, kCellHeight};
}

std::string sequenceCaption(const ProgramStore& store, int sequence)
{
    if (sequence <= 0 || sequence >= kSequences)
        return "Mi_Prog";
    return store.subroutineNames[std::size_t(sequence)];
}

std::string sheetTitle(const std::string& programName, const std::string& sequenceName)
{
    return programName + " - " + sequenceName;
}

Text pageNumberText(int page, int pages)
{
    return Text(QT_TRANSLATE_NOOP("core", "Pagina %1 de %2")).arg(page).arg(pages);
}

PageLayout layoutPages(const std::vector<SequenceRows>& sequences, double pageWidth, double pageHeight)
{
    PageLayout layout;
    const double fixedHeight = kTitleHeight + kHeaderHeight + kFooterHeight;
    if (pageWidth <= 0 || pageHeight <= 0)
        return layout;
    // At least one whole row fits, however small the paper.
    layout.scale = std::min({1.0, pageWidth / kGridWidth, pageHeight / (fixedHeight + kRowPitch)});
    layout.rowsPerPage = std::max(1, int(std::floor((pageHeight / layout.scale - fixedHeight) / kRowPitch)));
    for (const SequenceRows& s : sequences) {
        const int rows = std::max(1, s.rows);
        for (int first = 0; first < rows; first += layout.rowsPerPage)
            layout.pages.push_back({s.sequence, first, std::min(layout.rowsPerPage, rows - first)});
    }
    return layout;
}

std::vector<SequenceRows> printedSequences(const ProgramStore& store)
{
    std::vector<SequenceRows> out;
    for (int s = 0; s <= std::min(store.subroutineCount, kSequences - 1); ++s)
        out.push_back({s, sheetRows(store.sequenceLength(s))});
    return out;
}

} // namespace tarvel

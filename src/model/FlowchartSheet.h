#pragma once
// The flowchart of a sequence drawn whole, for an exported picture or printed pages: every row of
// seven cells, not only the four rows the canvas shows. Sizes are in the canvas's pixels (15 twips),
// so a picture looks like the canvas; pages scale them to the paper.
#include "model/Text.h"

#include <string>
#include <vector>

namespace tarvel {

class ProgramStore;

namespace sheet {
constexpr int kColumns = 7;
constexpr int kCellWidth = 80;
constexpr int kCellHeight = 112;
constexpr int kColumnPitch = 97; // 1455 twips, as on the canvas
constexpr int kRowPitch = 121;   // 1815 twips
constexpr int kMargin = 16;
constexpr int kTitleHeight = 30;     // program and sequence name
constexpr int kHeaderHeight = 20;    // column numbers
constexpr int kRowNumberWidth = 44;  // row numbers
constexpr int kFooterHeight = 24;    // page numbers (pages only)
constexpr int kGridWidth = kRowNumberWidth + (kColumns - 1) * kColumnPitch + kCellWidth;
} // namespace sheet

struct SheetRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const SheetRect&) const = default;
};

// Rows of seven cells that hold `length` elements (at least one row).
int sheetRows(int length);
// The picture of a whole sequence: margins, title, column numbers and every row.
SheetRect pictureRect(int rows);
// Within a grid block (column numbers on top, row numbers on the left), the block starting at its
// top-left corner: the place of row `row` (0 = the block's first), column `column`.
SheetRect gridCell(int row, int column);
SheetRect gridColumnNumber(int column);
SheetRect gridRowNumber(int row);
// A block of `rows` rows.
int gridHeight(int rows);
// The cell under the point (x, y) of a block of `rows` rows: row * 7 + column, or -1 on the numbers,
// in the gaps between cells and beyond the last row.
int gridCellAt(double x, double y, int rows);
// Where a value label lies in the cell at `cell`: its place and size are the element's, in twips
// from the cell's corner (15 twips a pixel).
SheetRect gridLabel(const SheetRect& cell, int left, int top, int width, int height);

// The name of a sequence as its tab shows it.
std::string sequenceCaption(const ProgramStore& store, int sequence);
std::string sheetTitle(const std::string& programName, const std::string& sequenceName);
Text pageNumberText(int page, int pages); // 1-based

struct PrintedPage {
    int sequence = 0;
    int firstRow = 0;
    int rowCount = 0;
    bool operator==(const PrintedPage&) const = default;
};

struct PageLayout {
    double scale = 1.0;  // sheet pixels to page units
    int rowsPerPage = 1;
    std::vector<PrintedPage> pages;
};

struct SequenceRows {
    int sequence = 0;
    int rows = 1;
};

// Pages of `pageWidth` x `pageHeight` (in sheet pixels at scale 1): the grid is shrunk to the
// page's width when wider, each sequence starts on a new page, and each page holds as many whole
// rows as fit under the title and column numbers and above the page number.
PageLayout layoutPages(const std::vector<SequenceRows>& sequences, double pageWidth, double pageHeight);
// The sequences a printout holds: the main program and every subroutine.
std::vector<SequenceRows> printedSequences(const ProgramStore& store);

} // namespace tarvel

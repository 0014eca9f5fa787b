#include "model/FlowchartSheet.h"
#include "model/ProgramStore.h"

#include <gtest/gtest.h>

using namespace tarvel;
using namespace tarvel::sheet;

TEST(FlowchartSheet, ThePictureGrowsWithTheRows)
{
    EXPECT_EQ(sheetRows(0), 1);
    EXPECT_EQ(sheetRows(1), 1);
    EXPECT_EQ(sheetRows(7), 1);
    EXPECT_EQ(sheetRows(8), 2);
    EXPECT_EQ(sheetRows(600), 86);
    EXPECT_EQ(sheetRows(601), 86);

    const SheetRect one = pictureRect(1);
    const SheetRect many = pictureRect(86);
    EXPECT_EQ(one.width, many.width); // always seven columns
    EXPECT_EQ(many.height - one.height, 85 * kRowPitch);
    // Everything drawn lies inside the picture: the last cell of the last row, with the margin.
    const SheetRect last = gridCell(85, 6);
    EXPECT_LE(kMargin + last.x + last.width + kMargin, many.width);
    EXPECT_LE(kMargin + kTitleHeight + last.y + last.height + kMargin, many.height);
    // Cells keep the canvas's pitch and never overlap their row and column numbers.
    EXPECT_EQ(gridCell(1, 1).x - gridCell(0, 0).x, kColumnPitch);
    EXPECT_EQ(gridCell(1, 1).y - gridCell(0, 0).y, kRowPitch);
    EXPECT_LE(gridRowNumber(0).x + gridRowNumber(0).width, gridCell(0, 0).x);
    EXPECT_EQ(gridColumnNumber(3).x, gridCell(0, 3).x);
    EXPECT_LE(gridColumnNumber(0).height, gridCell(0, 0).y);
}

TEST(FlowchartSheet, PagesHoldWholeRowsAndEachSequenceStartsANewPage)
{
    const double width = kGridWidth;
    const double height = kTitleHeight + kHeaderHeight + kFooterHeight + 7 * kRowPitch + 50;
    const PageLayout layout = layoutPages({{0, 86}, {1, 1}, {2, 8}}, width, height);
    EXPECT_DOUBLE_EQ(layout.scale, 1.0);
    EXPECT_EQ(layout.rowsPerPage, 7);
    ASSERT_EQ(layout.pages.size(), 13u + 1u + 2u);
    EXPECT_EQ(layout.pages[0], (PrintedPage{0, 0, 7}));
    EXPECT_EQ(layout.pages[12], (PrintedPage{0, 84, 2})); // the last two rows of the main program
    EXPECT_EQ(layout.pages[13], (PrintedPage{1, 0, 1}));
    EXPECT_EQ(layout.pages[14], (PrintedPage{2, 0, 7}));
    EXPECT_EQ(layout.pages[15], (PrintedPage{2, 7, 1}));
    int rows = 0;
    for (const auto& p : layout.pages)
        if (p.sequence == 0)
            rows += p.rowCount;
    EXPECT_EQ(rows, 86);
}

TEST(FlowchartSheet, NarrowOrShortPaperShrinksTheGrid)
{
    // Half as wide: half the size, so twice the rows fit.
    const double height = kTitleHeight + kHeaderHeight + kFooterHeight + 7 * kRowPitch + 50;
    const PageLayout narrow = layoutPages({{0, 30}}, kGridWidth / 2.0, height);
    EXPECT_DOUBLE_EQ(narrow.scale, 0.5);
    EXPECT_EQ(narrow.rowsPerPage, 15);
    EXPECT_EQ(narrow.pages.size(), 2u);

    // Paper too short for one row at full size: one row a page, shrunk to fit.
    const PageLayout shortPaper = layoutPages({{0, 3}}, kGridWidth, 100);
    EXPECT_LT(shortPaper.scale, 1.0);
    EXPECT_EQ(shortPaper.rowsPerPage, 1);
    EXPECT_EQ(shortPaper.pages.size(), 3u);
    EXPECT_LE(shortPaper.scale * (kTitleHeight + kHeaderHeight + kFooterHeight + kRowPitch), 100.0 + 1e-9);

    EXPECT_TRUE(layoutPages({{0, 3}}, 0, 100).pages.empty());
}

TEST(FlowchartSheet, NamesAndNumbers)
{
    ProgramStore store;
    store.newProgram();
    store.subroutineCount = 2;
    store.subroutineNames[1] = "Giro";
    store.subroutineNames[2] = "Luces";
    EXPECT_EQ(sequenceCaption(store, 0), "Mi_Prog");
    EXPECT_EQ(sequenceCaption(store, 2), "Luces");
    EXPECT_EQ(sheetTitle("robot.gtf", "Giro"), "robot.gtf - Giro");
    EXPECT_EQ(pageNumberText(2, 5), "Pagina 2 de 5");
    const auto printed = printedSequences(store);
    ASSERT_EQ(printed.size(), 3u);
    EXPECT_EQ(printed[0].rows, 1);
    EXPECT_EQ(printed[2].sequence, 2);
}

TEST(FlowchartSheet, ClicksFindTheCellUnderThem)
{
    // Every pixel of every cell finds that cell, and its corners are the cell's own.
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const SheetRect c = gridCell(row, column);
            const int cell = row * kColumns + column;
            EXPECT_EQ(gridCellAt(c.x, c.y, 4), cell);
            EXPECT_EQ(gridCellAt(c.x + c.width - 0.5, c.y + c.height - 0.5, 4), cell);
            // The gap to the right and the one below belong to no cell.
            EXPECT_EQ(gridCellAt(c.x + c.width + 1, c.y + 1, 4), -1);
            EXPECT_EQ(gridCellAt(c.x + 1, c.y + c.height + 1, 4), -1);
        }
    EXPECT_EQ(gridCellAt(gridRowNumber(0).x + 1, gridRowNumber(0).y + 1, 4), -1);
    EXPECT_EQ(gridCellAt(gridColumnNumber(3).x + 1, gridColumnNumber(3).y + 1, 4), -1);
    EXPECT_EQ(gridCellAt(gridCell(3, 0).x + 1, gridCell(3, 0).y + 1, 3), -1); // beyond the rows
    EXPECT_EQ(gridCellAt(-1, 30, 4), -1);
    EXPECT_EQ(gridCellAt(gridCell(0, 6).x + kColumnPitch + 1, gridCell(0, 6).y + 1, 4), -1);

    // A value label 240 x 1460 twips from the corner, rounded as the canvas rounds twips.
    EXPECT_EQ(gridLabel(gridCell(1, 2), 240, 1460, 1000, 240),
              (SheetRect{gridCell(1, 2).x + 16, gridCell(1, 2).y + 97, 67, 16}));
}

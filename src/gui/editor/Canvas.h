#pragma once
// The flowchart canvas (formMain): 7 x 4 cells of the active sequence with value overlays, row and
// column numbers, sequence tabs, scroll bar, toolbox, example and help pictures, interface mode.
#include "gui/editor/FlowchartView.h"
#include "gui/editor/IconStore.h"
#include "model/UserMessage.h"

#include <QWidget>
#include <array>
#include <functional>

class QFrame;
class QLabel;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace tarvel {

class ClickLabel;
class Workspace;

class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(Workspace& workspace, QWidget* parent = nullptr);

    // Empty canvas: main tab selected, subroutine tabs hidden, no pictures, scroll bar at 0.
    void resetCanvas();
    // Shows the element just appended, already numbered by the editing operations, in its cell.
    void renderLastElement();
    // After an edit that moved elements or changed sequences: tabs, scroll bar and the view.
    void showProgramState();
    // The highlight border of a selected cell (modify, insert before, replace).
    void setCellBorder(int cell, bool on);
    QRect toolGlobalRect(int tool) const;
    void redrawView();
    void scrollOneRow();
    // After a program was loaded: every element composed, tabs and scroll maxima set, main shown.
    void showLoadedProgram();
    void switchSequence(int sequence);
    void selectCell(int cell);
    void jumpToLabel(int cell);
    void setHelpPicture(bool hasHelp);
    void setInterfaceMode(bool full);
    void layoutCanvas();

    // Frames the element (sequence, index) that the simulator runs, when it is in view; a sequence
    // of -1 clears the frame.
    void setRunningElement(int sequence, int index);

    int selectedCell() const { return selectedCell_; }
    // What a cell of the grid shows, placed in the canvas's coordinates.
    FlowchartView::ShownCell shownCell(int cell) const;
    // The cell framed as the simulator's running element, or -1.
    int runningCell() const;
    int topRowNumber() const;
    FlowchartView& view() { return *view_; }
    IconStore& icons() { return icons_; }

    // The menus the canvas pops up: an element's, and the example list of each of the four pictures.
    void setElementMenu(QMenu* menu) { elementMenu_ = menu; }
    void setExampleMenus(const std::array<QMenu*, 4>& menus) { exampleMenus_ = menus; }

signals:
    // The visible or total element count may have changed (status panel "Objetos").
    void objectsChanged();
    void paletteRequested(int palette);
    void startDialogRequested(); // the program start was clicked
    void programHelpRequested();
    void interfaceModeChosen(bool full);
    void messageRaised(const tarvel::UserMessage& message);
    // The user selected an element (the source editor marks the lines it produced).
    void elementSelected(int sequence, int index);

public:
protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QPixmap emptyPicture();
    QPixmap iconOf(const InstructionRecord& record);
    void setCellPicture(int cell, const QPixmap& picture, const QString& tooltip);
    void updateRowNumbers();
    void onScrollChanged(int value);
    // The view from row `row` of the open sequence on, the scroll bar's tooltip with it.
    void showRowsFrom(int row);
    void setScrollQuietly(int maximum, int value);
public:
    // The scroll rules of an append (the view moves to the last rows, or one row down).
    void afterAppend();
    // Where the 28 cells are on the screen (windows that open beside the flowchart keep clear of it).
    QRect gridGlobalRect() const;

private:
    void applyTabs();
    // The cell's picture and value labels for the element `record`.
    void drawOverlays(const InstructionRecord& record, int cell, bool keepPicture);

    Workspace& ws_;
    IconStore icons_;
    FlowchartView* view_ = nullptr;
    std::array<ClickLabel*, 9> tabs_{};
    std::array<QToolButton*, 7> tools_{};
    std::array<ClickLabel*, 4> robotCenter_{};
    std::array<QRadioButton*, 2> mode_{};
    ClickLabel* help_ = nullptr;
    QFrame* workspaceFrame_ = nullptr;
    QFrame* conectTag_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    QPixmap empty_;
    QMenu* elementMenu_ = nullptr;
    std::array<QMenu*, 4> exampleMenus_{};
    int selectedCell_ = 0;
    bool hasHelp_ = false;
};

} // namespace tarvel

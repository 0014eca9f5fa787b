#include "gui/editor/Canvas.h"

#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "workspace/Workspace.h"
#include "gui/editor/ClickLabel.h"
#include "gui/editor/FlowchartView.h"
#include "editing/ProgramEditor.h"
#include "model/ElementDescription.h"
#include "model/FlowchartSheet.h"
#include "model/TextUtil.h"

#include <QFrame>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace tarvel {

namespace {

// Where the painted grid's corner lies on the canvas: its first cell at 130 x 51 pixels.
constexpr QPoint kGridCorner(130 - sheet::kRowNumberWidth, 51 - sheet::kHeaderHeight);
constexpr int kButtonFace = 0xF0F0F0;

const char* const kToolLists[7] = {"imlstMotores",  "imlstSalidas",    "imlstEntradas", "imlstEsperas",
                                   "imlstCalculo", "imlstDecisiones", "imlstSaltos"};
const char* const kRobotTips[4] = {QT_TRANSLATE_NOOP("tarvel::Canvas", "Programas para Tesmo"),
    QT_TRANSLATE_NOOP("tarvel::Canvas", "Programas para el arandel"),
    QT_TRANSLATE_NOOP("tarvel::Canvas", "Programas para el Robot"),
    QT_TRANSLATE_NOOP("tarvel::Canvas", "Programas del manual (Ejemplos)")};

QString rgb(unsigned color)
{
    return QStringLiteral("#%1").arg(color, 6, 16, QLatin1Char('0'));
}

} // namespace

Canvas::Canvas(Workspace& workspace, QWidget* parent)
    : QWidget(parent)
    , ws_(workspace)
{
    setObjectName("formMain");
    ClickLabel::installAccessibility();
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor("#ECEFF1"));
    setPalette(pal);

    workspaceFrame_ = new QFrame(this);
    workspaceFrame_->setObjectName("shpWorkSpace");
    workspaceFrame_->setStyleSheet("#shpWorkSpace { background: white; border: 1px solid #90A4AE; border-radius: 6px; }");

    for (int n = 0; n < 9; ++n) {
        auto* tab = new ClickLabel(n == 0 ? tr("Mi_Prog") : QString(), this);
        tab->setObjectName(QStringLiteral("lblSubTags_%1").arg(n));
        tab->accessibleRole = QAccessible::PageTab;
        tab->setAlignment(Qt::AlignCenter);
        tab->setAutoFillBackground(true);
        connect(tab, &ClickLabel::clicked, this, [this, n] { switchSequence(n); });
        tabs_[std::size_t(n)] = tab;
    }
    conectTag_ = new QFrame(this);
    conectTag_->setObjectName("shpConectTag");
    conectTag_->setStyleSheet("#shpConectTag { background: white; }");

    view_ = new FlowchartView(this);
    view_->move(kGridCorner);
    connect(view_, &FlowchartView::cellClicked, this, &Canvas::selectCell);
    connect(view_, &FlowchartView::targetDoubleClicked, this, &Canvas::jumpToLabel);

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName("scrbarGrafo");
    connect(scrollBar_, &QScrollBar::valueChanged, this, &Canvas::onScrollChanged);
    connect(scrollBar_, &QScrollBar::sliderMoved, this,
            [this](int value) { scrollBar_->setToolTip(tr("Linea %1").arg(value)); });

    for (int i = 0; i < 7; ++i) {
        auto* tool = new QToolButton(this);
        tool->setObjectName(QStringLiteral("imgTools_%1").arg(i));
        const Palette& palette = palettes()[std::size_t(i)];
        tool->setToolTip(uiText(palette.theme));
        tool->setAccessibleName(uiText(palette.name));
        tool->setAccessibleDescription(uiText(palette.theme));
        tool->setIcon(IconStore::picture("toolbox", QStringLiteral("%1_1").arg(kToolLists[i])));
        tool->setIconSize(QSize(52, 52));
        tool->setAutoRaise(true);
        connect(tool, &QToolButton::pressed, this, [this, tool, i] {
            ws_.editor.insertMode = true;
            tool->setIcon(IconStore::picture("toolbox", QStringLiteral("%1_2").arg(kToolLists[i])));
        });
        connect(tool, &QToolButton::released, this,
                [tool, i] { tool->setIcon(IconStore::picture("toolbox", QStringLiteral("%1_1").arg(kToolLists[i]))); });
        connect(tool, &QToolButton::clicked, this, [this, i] {
            emit paletteRequested(i);
        });
        tools_[std::size_t(i)] = tool;
    }
    for (int i = 0; i < 4; ++i) {
        auto* picture = new ClickLabel(this);
        picture->setObjectName(QStringLiteral("imgRobotCenter_%1").arg(i));
        picture->setToolTip(tr(kRobotTips[i]));
        picture->setAccessibleName(tr(kRobotTips[i]));
        const QString list = i < 3 ? "robotcenter" : "robotcentsmall";
        const QString rest = i < 3 ? QString::number(i + 1) : "1";
        const QString down = i < 3 ? QString::number(i + 4) : "2";
        picture->setPixmap(IconStore::pixmap(list, rest, QSize(56, 56)));
        connect(picture, &ClickLabel::pressed, this,
                [picture, list, down] { picture->setPixmap(IconStore::pixmap(list, down, QSize(56, 56))); });
        connect(picture, &ClickLabel::released, this,
                [picture, list, rest] { picture->setPixmap(IconStore::pixmap(list, rest, QSize(56, 56))); });
        connect(picture, &ClickLabel::clicked, this, [this, picture, i] {
            if (QMenu* menu = exampleMenus_[std::size_t(i)])
                picture->popUp(menu);
        });
        robotCenter_[std::size_t(i)] = picture;
    }
    help_ = new ClickLabel(this);
    help_->setObjectName("imgHelp");
    connect(help_, &ClickLabel::clicked, this, [this] {
        if (!hasHelp_)
            return;
        help_->setPixmap(IconStore::pixmap("robotcentsmall", "5", QSize(56, 56)));
        emit programHelpRequested();
        ws_.link().WaitMs(200);
        help_->setPixmap(IconStore::pixmap("robotcentsmall", "4", QSize(56, 56)));
    });
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("optSysMode_%1").arg(i));
        option->setIcon(IconStore::picture("mode", QString::number(i + 1)));
        option->setIconSize(QSize(32, 32));
        option->setToolTip(i == 0 ? tr("Interfaz Completa") : tr("Interfaz Reducida"));
        option->setAccessibleName(option->toolTip());
        // Toggled, not clicked: an assistive technology checks the option without clicking it.
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                emit interfaceModeChosen(i == 0);
        });
        mode_[std::size_t(i)] = option;
    }
    setHelpPicture(false);
    setMinimumSize(px(14600), px(8900)); // the grid, the scroll bar and the side pictures
    resetCanvas();
}

QRect Canvas::gridGlobalRect() const
{
    const QRect grid = view_->cellRect(0).united(view_->cellRect(FlowchartView::kCells - 1));
    return {view_->mapToGlobal(grid.topLeft()), grid.size()};
}

FlowchartView::ShownCell Canvas::shownCell(int cell) const
{
    FlowchartView::ShownCell shown = view_->shownCell(cell);
    shown.rect.translate(view_->pos());
    for (auto& label : shown.labels)
        label.rect.translate(view_->pos());
    return shown;
}

int Canvas::runningCell() const
{
    return view_->runningCell();
}

int Canvas::topRowNumber() const
{
    return view_->firstRowNumber();
}

void Canvas::resizeEvent(QResizeEvent*)
{
    layoutCanvas();
}

void Canvas::layoutCanvas()
{
    const int canvasWidth = width() * 15, canvasHeight = height() * 15;
    for (int i = 0; i < 7; ++i)
        tools_[std::size_t(i)]->setGeometry(px(120), px(360 + 1080 * i), px(900), px(900));
    const int wsWidth = std::max(canvasWidth - 4200, 11800), wsHeight = std::max(canvasHeight - 860, 8000);
    workspaceFrame_->setGeometry(px(1200), px(380), px(wsWidth), px(wsHeight));
    workspaceFrame_->lower();
    scrollBar_->setGeometry(px(wsWidth + 1200), px(360), px(255), px(wsHeight));
    const int side = wsWidth + 1200 + 290;
    for (int i = 0; i < 4; ++i)
        robotCenter_[std::size_t(i)]->setGeometry(px(side), px(400 + 960 * i), 56, 56);
    help_->setGeometry(px(side), px(400 + 960 * 4), 56, 56);
    for (int i = 0; i < 2; ++i)
        mode_[std::size_t(i)]->setGeometry(px(side), px(400 + 960 * 5 + 600 * i), 64, 40);
    for (int n = 0; n < 9; ++n)
        tabs_[std::size_t(n)]->setGeometry(px(1300 + 1200 * n), px(40), px(1150), px(300));
    applyTabs();
}

void Canvas::applyTabs()
{
    const int active = ws_.store.activeSequence;
    for (int n = 0; n < 9; ++n) {
        QLabel* tab = tabs_[std::size_t(n)];
        tab->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #90A4AE; border-bottom: none;"
                                          "border-top-left-radius: 5px; border-top-right-radius: 5px;")
                               .arg(rgb(n == active ? 0xFFFFFF : kButtonFace)));
        const bool exists = n == 0 || n <= ws_.store.subroutineCount;
        tab->setVisible(exists);
        tab->setEnabled(exists);
        if (n > 0 && exists)
            tab->setText(qs(ws_.store.subroutineNames[std::size_t(n)]));
    }
    const QRect t = tabs_[std::size_t(active)]->geometry();
    conectTag_->setGeometry(t.left() + px(10), t.top() + t.height() - px(50), t.width() - px(10), t.height());
    conectTag_->raise();
    for (auto* tab : tabs_)
        tab->raise();
    tabs_[std::size_t(active)]->raise();
}

void Canvas::resetCanvas()
{
    selectedCell_ = 0;
    setScrollQuietly(0, 0);
    for (int k = 0; k < 28; ++k) {
        setCellPicture(k, emptyPicture(), QString());
        setCellBorder(k, false);
        view_->setLabel(k, 0, {});
        view_->setLabel(k, 1, {});
    }
    icons_.clear();
    updateRowNumbers();
    applyTabs();
}

void Canvas::setScrollQuietly(int maximum, int value)
{
    // The canvas moving its own scroll bar does not redraw through the bar's change handler.
    const QSignalBlocker quiet(scrollBar_);
    scrollBar_->setMaximum(maximum);
    scrollBar_->setValue(value);
}

void Canvas::updateRowNumbers()
{
    view_->setFirstRowNumber(ws_.store.views[std::size_t(ws_.store.activeSequence)].viewTop / 7 + 1);
}

QPixmap Canvas::emptyPicture()
{
    if (empty_.isNull())
        empty_ = icons_.compose({{LayerList::Especial, 1}});
    return empty_;
}

void Canvas::setCellPicture(int cell, const QPixmap& picture, const QString& tooltip)
{
    view_->setPicture(cell, picture, tooltip);
}

void Canvas::setCellBorder(int cell, bool on)
{
    view_->setFramed(cell, on);
}

QPixmap Canvas::iconOf(const InstructionRecord& r)
{
    return r.pictureId < 1 ? emptyPicture() : icons_.ensure(r.pictureId, storedIconLayers(r));
}

void Canvas::renderLastElement()
{
    ProgramStore& store = ws_.store;
    const int s = store.activeSequence;
    const int length = store.sequenceLength(s);
    if (length == 0)
        return;
    const int cell = store.views[std::size_t(s)].cursorCell - 1;
    const InstructionRecord& r = store.recordAt(s, length - 1);
    drawOverlays(r, cell, false);
}

void Canvas::drawOverlays(const InstructionRecord& r, int cell, bool keepPicture)
{
    if (cell < 0 || cell >= FlowchartView::kCells)
        return;
    const bool noElement = r.family == family::Separator || r.empty();
    if (noElement || r.pictureId < 1) {
        if (!keepPicture)
            setCellPicture(cell, emptyPicture(), QString());
    } else if (!keepPicture) {
        setCellPicture(cell, iconOf(r), uiText(shownDescription(r, ws_.store)).trimmed());
    }
    view_->setLabel(cell, 0, noElement ? OverlayLabel{} : overlayOne(r));
    view_->setLabel(cell, 1, noElement ? OverlayLabel{} : overlayTwo(r));
}

void Canvas::redrawView()
{
    const ProgramStore& store = ws_.store;
    const int s = store.activeSequence;
    const int top = store.views[std::size_t(s)].viewTop;
    for (int k = 0; k < FlowchartView::kCells; ++k) {
        const InstructionRecord& r = store.recordAt(s, top + k); // beyond the table: an empty record
        setCellPicture(k, iconOf(r), r.pictureId < 1 ? QString() : uiText(shownDescription(r, store)).trimmed());
        setCellBorder(k, false);
        drawOverlays(r, k, true);
    }
    updateRowNumbers();
}

void Canvas::scrollOneRow()
{
    const ProgramStore& store = ws_.store;
    const int s = store.activeSequence;
    const int top = store.views[std::size_t(s)].viewTop;
    view_->shiftPicturesUp(emptyPicture());
    for (int k = 0; k < FlowchartView::kCells; ++k) {
        InstructionRecord r = store.recordAt(s, top + k);
        setOverlayPositions(r);
        drawOverlays(r, k, true);
    }
    updateRowNumbers();
}

void Canvas::afterAppend()
{
    ProgramStore& store = ws_.store;
    const int s = store.activeSequence;
    const bool normal = ws_.editor.editorMode == EditorMode::Normal;
    if (!store.lastAppendScrolled) {
        // The view moves to the last rows of the sequence the element went to, which need not be
        // the one the scroll bar showed (a new subroutine's start).
        SequenceView& view = store.views[std::size_t(s)];
        if (normal && view.viewTop / 7 < view.scrollMax) {
            setScrollQuietly(view.scrollMax, view.scrollMax);
            showRowsFrom(view.scrollMax);
        }
        return;
    }
    scrollOneRow();
    const int maximum = scrollBar_->maximum() + 1;
    setScrollQuietly(maximum, normal ? maximum : scrollBar_->value());
    store.views[std::size_t(s)].scrollMax = maximum;
}

void Canvas::onScrollChanged(int value)
{
    if (ws_.editor.editorMode != EditorMode::Normal)
        return;
    showRowsFrom(value);
}

void Canvas::showRowsFrom(int row)
{
    scrollBar_->setToolTip(tr("Linea %1").arg(row + 1));
    ws_.store.views[std::size_t(ws_.store.activeSequence)].viewTop = row * 7;
    redrawView();
}

void Canvas::showLoadedProgram()
{
    ProgramStore& store = ws_.store;
    // Numbers only: each icon is composed the first time its element is shown.
    for (const auto& m : numberLoadedIcons(store))
        emit messageRaised(m);
    store.activeSequence = 0;
    setScrollQuietly(store.views[0].scrollMax, store.views[0].viewTop / 7);
    applyTabs();
    redrawView();
}

void Canvas::showProgramState()
{
    ProgramStore& store = ws_.store;
    const int s = store.activeSequence;
    applyTabs();
    setScrollQuietly(store.views[std::size_t(s)].scrollMax, store.views[std::size_t(s)].viewTop / 7);
    redrawView();
    emit objectsChanged();
}

QRect Canvas::toolGlobalRect(int tool) const
{
    if (tool < 0 || tool > 6)
        return {};
    const QToolButton* t = tools_[std::size_t(tool)];
    return QRect(t->mapToGlobal(QPoint(0, 0)), t->size());
}

void Canvas::switchSequence(int n)
{
    if (n == ws_.store.activeSequence || n < 0 || n > ws_.store.subroutineCount)
        return;
    ws_.store.activeSequence = n;
    applyTabs();
    redrawView();
    setScrollQuietly(ws_.store.views[std::size_t(n)].scrollMax, ws_.store.views[std::size_t(n)].viewTop / 7);
    emit objectsChanged();
}

void Canvas::selectCell(int cell)
{
    selectedCell_ = cell;
    const int s = ws_.store.activeSequence;
    const int index = elementIndex(ws_.store, s, cell);
    const ProgramStore& store = ws_.store;
    if (store.recordAt(s, index).empty())
        return;
    emit elementSelected(s, index);
    if (s == 0 && index == 0)
        emit startDialogRequested();
    else if (elementMenu_)
        view_->cellItem(cell)->popUp(elementMenu_);
}

void Canvas::setRunningElement(int sequence, int index)
{
    const int top = ws_.store.views[std::size_t(ws_.store.activeSequence)].viewTop;
    const bool shown = sequence == ws_.store.activeSequence && index >= top && index < top + FlowchartView::kCells;
    view_->setRunning(shown ? index - top : -1);
}

void Canvas::jumpToLabel(int cell)
{
    selectedCell_ = cell;
    const int s = ws_.store.activeSequence;
    const ProgramStore& store = ws_.store;
    const InstructionRecord& element = store.recordAt(s, elementIndex(store, s, cell));
    const FlowchartView::ShownLabel shownTarget = view_->shownCell(cell).labels[1];
    const std::string target = cp(shownTarget.text);
    if (s != 0) {
        if (!element.empty() && elementMenu_)
            view_->cellItem(cell)->popUp(elementMenu_);
        return;
    }
    const bool jumps = element.is(family::Structure, structure::Jump) || element.family == family::Decisions ||
                       element.family == family::DecisionsInverted;
    if (!jumps || !shownTarget.shown)
        return;
    if (const int found = findMainLabel(store, target); found > 0)
        scrollBar_->setValue(std::min(labelJumpRow(found), scrollBar_->maximum()));
}

void Canvas::setHelpPicture(bool hasHelp)
{
    hasHelp_ = hasHelp;
    help_->setPixmap(IconStore::pixmap("robotcentsmall", hasHelp ? "4" : "3", QSize(56, 56)));
    help_->setToolTip(
        hasHelp ? tr("Haga click aqui para ver la ayuda del programa") : tr("No hay ayuda para este programa"));
}

void Canvas::setInterfaceMode(bool full)
{
    for (auto* tool : tools_) {
        tool->setEnabled(full);
        tool->setVisible(full);
    }
    const QSignalBlocker shownNotChosen(mode_[full ? 0 : 1]);
    mode_[full ? 0 : 1]->setChecked(true);
}

} // namespace tarvel

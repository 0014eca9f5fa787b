#pragma once
// What the random walk checks after every step: the program store's invariants, the canvas showing
// what the store holds, and the program saving and opening to the same bytes. Each check returns
// what is wrong, or nothing.
#include "support/StoreInvariants.h"

#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/editor/Canvas.h"
#include "gui/editor/MainWindow.h"
#include "model/ElementDescription.h"
#include "model/IconComposition.h"
#include "model/ProgramFile.h"
#include "model/TextUtil.h"
#include "workspace/Workspace.h"

#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace walk {

using namespace tarvel;

inline std::string number(int n)
{
    return std::to_string(n);
}

// The bytes "Guardar" writes for this program (saving stamps the header, so on a copy).
inline std::vector<std::uint8_t> savedBytes(const ProgramStore& store)
{
    auto copy = std::make_unique<ProgramStore>(store);
    return serializeProgram(*copy);
}

inline std::string storeFault(const Workspace& ws)
{
    const ProgramStore& store = ws.store;
    if (std::string fault = testsupport::storeInvariantFault(store); !fault.empty())
        return fault;
    if (store.activeSequence < 0 || store.activeSequence > store.subroutineCount)
        return "the active sequence " + number(store.activeSequence) + " is not one of the " +
               number(store.subroutineCount + 1) + " sequences";
    for (int s = 0; s <= store.subroutineCount; ++s) {
        // The view: whole rows, the last element's row at most at the bottom of the grid.
        const SequenceView& v = store.views[std::size_t(s)];
        const int length = store.sequenceLength(s);
        const int scrollMax = std::max(0, (length + kGridColumns - 1) / kGridColumns - kGridCells / kGridColumns);
        const std::string view = "view of sequence " + number(s) + " (" + number(length) + " elements: top " +
                                 number(v.viewTop) + ", scroll range " + number(v.scrollMax) + ", cursor " +
                                 number(v.cursorCell) + ")";
        if (v.viewTop % kGridColumns != 0 || v.viewTop < 0 || v.viewTop > v.scrollMax * kGridColumns)
            return view + ": the first visible element is not a row in range";
        if (v.scrollMax != scrollMax)
            return view + ": the scroll range should be " + number(scrollMax);
        if (v.cursorCell != length - scrollMax * kGridColumns)
            return view + ": the cursor should be " + number(length - scrollMax * kGridColumns);
    }
    if (ws.editor.pending()) {
        const int s = ws.editor.targetSequence;
        if (s < 0 || s > store.subroutineCount || ws.editor.targetIndex < 1 ||
            ws.editor.targetIndex >= store.sequenceLength(s))
            return "a pending insertion or replacement at sequence " + number(s) + " index " +
                   number(ws.editor.targetIndex) + ", which is no element";
    }
    return {};
}

// What the open tab of the canvas shows against the store: every cell, its two value labels, the
// tabs, the row numbers, the scroll bar and the element counts.
inline std::string canvasFault(const Workspace& ws, const MainWindow& window)
{
    const ProgramStore& store = ws.store;
    const int s = store.activeSequence;
    const SequenceView& view = store.views[std::size_t(s)];
    auto label = [&](const QString& name) { return window.findChild<QLabel*>(name); };
    for (int k = 0; k < kGridCells; ++k) {
        const int index = view.viewTop + k;
        const InstructionRecord& r = store.recordAt(s, index);
        const QString expected = r.pictureId < 1 ? QStringLiteral("Celda vacia") : uiText(shownDescription(r, store)).trimmed();
        const QLabel* cell = label(QStringLiteral("imgGrafoScreen_%1").arg(k));
        if (!cell)
            return "no cell " + number(k);
        const std::string where = "cell " + number(k) + " (sequence " + number(s) + " element " + number(index) + ")";
        if (cell->accessibleName() != expected)
            return where + " is named \"" + cell->accessibleName().toStdString() + "\" instead of \"" +
                   expected.toStdString() + "\"";
        const FlowchartView::ShownCell painted = window.canvas().shownCell(k);
        if ((painted.description.isEmpty() ? QStringLiteral("Celda vacia") : painted.description) != expected)
            return where + " is painted as \"" + painted.description.toStdString() + "\" instead of \"" +
                   expected.toStdString() + "\"";
        const bool drawn = !r.empty() && r.family != family::Separator;
        const OverlayLabel overlays[2] = {overlayOne(r), overlayTwo(r)};
        for (int n = 0; n < 2; ++n) {
            const QLabel* overlay = label(QStringLiteral("%1_%2").arg(n == 0 ? "lblOne" : "lblTwo").arg(k));
            const bool shown = drawn && overlays[n].visible;
            const std::string which = where + (n == 0 ? " label one" : " label two");
            if (overlay->isHidden() == shown)
                return which + (shown ? " is hidden" : " is shown (\"" + overlay->text().toStdString() + "\")");
            const FlowchartView::ShownLabel& paintedLabel = painted.labels[std::size_t(n)];
            if (paintedLabel.shown != shown || (shown && paintedLabel.text != overlay->text()))
                return which + " is painted " + (paintedLabel.shown ? "as \"" + paintedLabel.text.toStdString() + "\"" : "hidden") +
                       " but read as \"" + overlay->text().toStdString() + "\"";
            if (shown && overlay->text() != qs(overlays[n].text))
                return which + " shows \"" + overlay->text().toStdString() + "\" instead of \"" +
                       qs(overlays[n].text).toStdString() + "\"";
        }
    }
    for (int n = 0; n < kSequences; ++n) {
        const QLabel* tab = label(QStringLiteral("lblSubTags_%1").arg(n));
        const bool exists = n <= store.subroutineCount;
        if (tab->isHidden() == exists)
            return "tab " + number(n) + (exists ? " is hidden" : " is shown") + " with " +
                   number(store.subroutineCount) + " subroutines";
        if (n > 0 && exists && tab->text() != qs(store.subroutineNames[std::size_t(n)]))
            return "tab " + number(n) + " says \"" + tab->text().toStdString() + "\" for subroutine \"" +
                   qs(store.subroutineNames[std::size_t(n)]).toStdString() + "\"";
    }
    for (int r = 0; r < kGridCells / kGridColumns; ++r)
        if (label(QStringLiteral("lblFilas_%1").arg(r))->text() != QStringLiteral(" %1").arg(view.viewTop / 7 + r + 1))
            return "row number " + number(r) + " says \"" + label(QStringLiteral("lblFilas_%1").arg(r))->text().toStdString() +
                   "\" with the view at element " + number(view.viewTop);
    if (ws.editor.editorMode == EditorMode::Normal) {
        const auto* bar = window.findChild<QScrollBar*>("scrbarGrafo");
        if (bar->value() != view.viewTop / 7 || bar->maximum() != view.scrollMax)
            return "the scroll bar stands at " + number(bar->value()) + " of " + number(bar->maximum()) +
                   " for row " + number(view.viewTop / 7) + " of " + number(view.scrollMax);
    }
    if (window.panelText(StatusPanel::Objects) != uiText(objectsStatusText(store)))
        return "status panel 4 says \"" + window.panelText(StatusPanel::Objects).toStdString() + "\" instead of \"" +
               uiText(objectsStatusText(store)).toStdString() + "\"";
    return {};
}

// Where two program files differ: the record, the byte in it, and both records as text.
inline std::string firstDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at])
        ++at;
    if (at == a.size() || at == b.size())
        return number(int(a.size())) + " bytes, then " + number(int(b.size()));
    const std::size_t record = at / kRecordBytes;
    auto shown = [&](const std::vector<std::uint8_t>& bytes) {
        std::string text;
        for (std::size_t i = record * kRecordBytes; i < std::min(bytes.size(), (record + 1) * kRecordBytes); ++i) {
            const int c = bytes[i];
            text += c >= 32 && c < 127 ? std::string(1, char(c)) : "\\x" + std::string(1, "0123456789abcdef"[c >> 4]) +
                                                                   std::string(1, "0123456789abcdef"[c & 15]);
        }
        return text;
    };
    return "record " + number(int(record)) + " byte " + number(int(at % kRecordBytes)) + ": \"" + shown(a) +
           "\" then \"" + shown(b) + "\"";
}

// REPORTED FAULT (temporary tolerance, remove when fixed): opening a program marks every label that
// follows a jump, an end or a separator (its picture without an arrow, arg3 15), but the edits that
// put such an element before a label leave it unmarked; the program opened again then differs from
// the one saved in those marks only. True when `opened` is `saved` but for such marks.
inline bool onlyLabelMarksDiffer(const std::vector<std::uint8_t>& saved, const std::vector<std::uint8_t>& opened)
{
    if (saved.size() != opened.size())
        return false;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (saved[i] == opened[i])
            continue;
        const std::size_t start = i - i % kRecordBytes;
        const bool label = saved[start] == family::Structure && saved[start + 1] == structure::Label;
        if (!label || i - start != 7 || saved[i] != 0 || opened[i] != 15)
            return false;
    }
    return true;
}

// The saved bytes as they come back from opening: a name loses its leading blanks when read (a path
// titled " Camino" is "Camino" once opened), so each record's name is left-aligned again.
inline std::vector<std::uint8_t> namesAsOpened(std::vector<std::uint8_t> bytes)
{
    constexpr std::size_t nameAt = 8, nameBytes = 10;
    for (std::size_t start = 0; start + nameAt + nameBytes <= bytes.size(); start += kRecordBytes) {
        auto first = bytes.begin() + std::ptrdiff_t(start + nameAt);
        const auto last = first + std::ptrdiff_t(nameBytes);
        const auto text = std::find_if(first, last, [](std::uint8_t c) { return c != ' '; });
        std::fill(std::rotate(first, text, last), last, std::uint8_t(' '));
    }
    return bytes;
}

// The program saved, opened into a fresh store and saved again: the same bytes (but for the leading
// blanks of names, which opening drops), and a store that keeps its invariants.
inline std::string roundTripFault(const ProgramStore& store)
{
    const std::vector<std::uint8_t> bytes = savedBytes(store);
    auto again = std::make_unique<ProgramStore>();
    const FileOutcome opened = loadProgram(*again, bytes);
    if (!opened.ok)
        return "the saved program does not open: " + opened.error.spanish();
    if (!opened.notes.empty())
        return "the saved program opens as damaged: " + opened.notes.front().spanish();
    if (std::string fault = testsupport::storeInvariantFault(*again); !fault.empty())
        return "the program opened again: " + fault;
    const std::vector<std::uint8_t> resaved = serializeProgram(*again);
    if (const std::vector<std::uint8_t> expected = namesAsOpened(bytes); resaved != expected)
        return "the program opened again saves to other bytes: " + firstDifference(expected, resaved);
    return {};
}

} // namespace walk

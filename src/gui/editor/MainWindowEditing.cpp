// The main window's drawing commands: palettes, parameter dialogs, the element menu, the pending
// insert and replace, undo and redo. The rules are the core's editing operations.
#include "gui/editor/MainWindow.h"

#include "editing/DialogRules.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/app/UserCommand.h"
#include "gui/dialogs/ElementDialog.h"
#include "gui/dialogs/PaletteWindow.h"
#include "gui/editor/Canvas.h"
#include "gui/editor/ClickLabel.h"
#include "gui/editor/ToursController.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace tarvel {

void MainWindow::setUpEditing()
{
    connect(canvas_, &Canvas::paletteRequested, this, [this](int palette) { openPalette(palette); });
    if (auto* cancel = qobject_cast<ClickLabel*>(panel(StatusPanel::CancelPending))) {
        cancel->accessibleRole = QAccessible::Button;
        connect(cancel, &ClickLabel::clicked, this, [this] { cancelPendingCommand(); });
    }
}

int MainWindow::selectedIndex() const
{
    const ProgramStore& store = ws_.store;
    return elementIndex(store, store.activeSequence, canvas_->selectedCell());
}

QWidget* MainWindow::toolWindow() const
{
    return toolWindow_ && toolWindow_->isVisible() ? toolWindow_.data() : nullptr;
}

void MainWindow::closeToolWindow()
{
    if (toolWindow_)
        toolWindow_->close();
    toolWindow_ = nullptr;
}

void MainWindow::openPalette(int palette)
{
    const auto& all = palettes();
    if (palette < 0 || palette >= int(all.size()))
        return;
    closeToolWindow();
    ws_.programEditor.openPalette();
    auto* window = new PaletteWindow(all[std::size_t(palette)], this);
    window->chosen = [this, palette](int item) { choosePaletteItem(palette, item); };
    // Beside its toolbox button: 80 twips right of it and 150 twips above its top.
    const QRect button = canvas_->toolGlobalRect(palette);
    window->move(button.right() + px(80), button.top() - px(150));
    toolWindow_ = window;
    window->show();
    window->activateWindow();
}

void MainWindow::choosePaletteItem(int palette, int item)
{
    const PaletteChoice choice = ws_.programEditor.choosePaletteItem(palette, item);
    applyEdit(choice.outcome);
    if (choice.open != DialogId::None)
        openElementDialog(choice.open, qs(choice.title));
}

void MainWindow::openElementDialog(DialogId id, const QString& title)
{
    if (toolWindow_ && toolWindow_->isVisible() && !qobject_cast<PaletteWindow*>(toolWindow_))
        closeToolWindow();
    if (id == DialogId::MotorTour || id == DialogId::SalidaSonidoTour) {
        tours_->openTourEditor(id);
        return;
    }
    auto rules = makeDialogRules(id);
    if (!rules) {
        endModify();
        message({asShown(tr("El dialogo de este elemento todavia no esta disponible en esta version de Tarvel Lab.")),
            "Aviso", MessageIcon::Information});
        return;
    }
    auto* dialog = new ElementDialog(std::move(rules), ws_, title, this);
    dialog->accepted = [this](const DialogAccept& accept) { return acceptDialog(accept); };
    dialog->cancelled = [this] { endModify(); };
    // Left at a sixth of the canvas width, centred in its height.
    dialog->adjustSize();
    const QPoint canvasTopLeft = canvas_->mapToGlobal(QPoint(0, 0));
    dialog->move(canvasTopLeft.x() + canvas_->width() / 6,
                 canvasTopLeft.y() + std::max(0, (canvas_->height() - dialog->height()) / 2));
    toolWindow_ = dialog;
    dialog->show();
    dialog->activateWindow();
}

bool MainWindow::acceptDialog(const DialogAccept& accept)
{
    if (accept.message)
        message(*accept.message);
    EditOutcome outcome;
    switch (accept.action) {
    case DialogAccept::Action::Commit: outcome = ws_.programEditor.commitElement(); break;
    case DialogAccept::Action::CommitLabel: outcome = ws_.programEditor.acceptLabel(accept.name, accept.labelEntry); break;
    case DialogAccept::Action::CommitSubroutine: outcome = ws_.programEditor.acceptSubroutine(accept.name); break;
    case DialogAccept::Action::Close:
        endModify();
        return true;
    case DialogAccept::Action::Stay: return false;
    }
    applyEdit(outcome);
    if (outcome.keepDialogOpen)
        return false;
    endModify();
    return true;
}

void MainWindow::endModify()
{
    if (!ws_.editor.insertMode)
        canvas_->setCellBorder(canvas_->selectedCell(), false);
    ws_.editor.insertMode = true;
}

void MainWindow::applyEdit(const EditOutcome& outcome)
{
    for (const auto& m : outcome.messages)
        message(m);
    if (outcome.appended) {
        canvas_->afterAppend();
        canvas_->renderLastElement();
    }
    if (outcome.redraw || outcome.tabsChanged || outcome.modified)
        canvas_->showProgramState();
    if (outcome.pendingEnded)
        showEditorMode();
    if (outcome.askDeleteSubroutine) {
        const UserMessage question {
            asShown(tr("Al Borrar el Inicio de la Subrutina Perdera Todo el Contenido de la Misma!\r\n"
                  "Desea Borrar la Subrutina?")),
            "Aviso", MessageIcon::Warning};
        if (message(question, YesNoButtons) == QMessageBox::Yes)
            applyEdit(ws_.programEditor.deleteSubroutine(ws_.store.activeSequence));
    }
    RefreshPanelObjects();
    updateUndoActions();
}

void MainWindow::showEditorMode()
{
    switch (ws_.editor.editorMode) {
    case EditorMode::InsertPending:
        setPanel(StatusPanel::EditorMode, tr("Editor: Insertar Antes"));
        setPanel(StatusPanel::CancelPending, tr("Cancelar Insertar"));
        panel(StatusPanel::CancelPending)->show();
        break;
    case EditorMode::ReplacePending:
        setPanel(StatusPanel::EditorMode, tr("Editor: Reemplazar"));
        setPanel(StatusPanel::CancelPending, tr("Cancelar Reemplazar"));
        panel(StatusPanel::CancelPending)->show();
        break;
    case EditorMode::Normal:
        setPanel(StatusPanel::EditorMode, tr("Editor: Normal"));
        panel(StatusPanel::CancelPending)->hide();
        canvas_->setCellBorder(canvas_->selectedCell(), false);
        break;
    }
}

void MainWindow::updateUndoActions()
{
    commands_.undo->setEnabled(ws_.programEditor.canUndo());
    commands_.redo->setEnabled(ws_.programEditor.canRedo());
}

void MainWindow::modifyCommand()
{
    const ModifyStart start = ws_.programEditor.beginModify(selectedIndex());
    if (start.kind == ModifyKind::None)
        return;
    canvas_->setCellBorder(canvas_->selectedCell(), true);
    if (start.kind == ModifyKind::NewPathQuestion || start.kind == ModifyKind::NewMelodyQuestion) {
        const bool path = start.kind == ModifyKind::NewPathQuestion;
        const UserMessage question{
            asShown(path ? tr("El Recorrido contenido en este objeto no es editable, si desea\r\n"
                      "crear un nuevo recorrido para este Objeto Presione Aceptar")
                    : tr("La Melodia contenida en este objeto no es editable, si desea\r\n"
                      "crear una nueva Melodia para este Objeto Presione Aceptar")),
            "Aviso", MessageIcon::Information};
        if (!acceptsOk(message(question, OkCancelButtons))) {
            endModify();
            return;
        }
    }
    openElementDialog(start.dialog, {});
}

void MainWindow::deleteCommand()
{
    closeToolWindow();
    applyEdit(ws_.programEditor.deleteElement(selectedIndex()));
}

void MainWindow::separatorCommand()
{
    applyEdit(ws_.programEditor.insertSeparator(selectedIndex()));
}

void MainWindow::insertCommand()
{
    if (!ws_.programEditor.beginInsert(selectedIndex()))
        return;
    showEditorMode();
    canvas_->setCellBorder(canvas_->selectedCell(), true);
}

void MainWindow::replaceCommand()
{
    if (!ws_.programEditor.beginReplace(selectedIndex()))
        return;
    showEditorMode();
    canvas_->setCellBorder(canvas_->selectedCell(), true);
}

void MainWindow::cancelPendingCommand()
{
    if (!panel(StatusPanel::CancelPending)->isVisible())
        return;
    applyEdit(ws_.programEditor.cancelPending());
}

void MainWindow::undoCommand()
{
    closeToolWindow();
    applyEdit(ws_.programEditor.undo());
}

void MainWindow::redoCommand()
{
    closeToolWindow();
    applyEdit(ws_.programEditor.redo());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!isVisible()) { // closed already: a close asked twice asks nothing twice
        event->accept();
        return;
    }
    // A question or a file dialog of a command that is still running (the close came through an
    // assistive technology or the window manager): it is answered Cancel and the close is asked
    // again once that command has ended, so that nothing is deleted under it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        event->ignore();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->done(QMessageBox::Cancel);
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QTimer::singleShot(50, this, [this] { close(); });
        return;
    }
    closeToolWindow();
    if (ws_.editor.pending())
        applyEdit(ws_.programEditor.cancelPending());
    // Unsaved work is asked about; a cancel, or a save that did not happen, keeps the program open
    // (and its recovery copy).
    if (!askToSaveChanges()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace tarvel

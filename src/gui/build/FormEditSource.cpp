#include "gui/build/FormEditSource.h"

#include "compiler/AssemblyMessages.h"
#include "compiler/SourceHighlight.h"
#include "gui/app/MessageBoxes.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/app/UserCommand.h"
#include "gui/build/SourceCodeEdit.h"
#include "gui/editor/IconStore.h"
#include "model/TextFile.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvel {

namespace {

const char* const kFilter = QT_TRANSLATE_NOOP("tarvel::FormEditSource", "Archivos Fuente de Bajo Nivel (*.src)");
constexpr qint64 kLargestSource = 1 << 20; // a source file of the brick is a few kilobytes

std::filesystem::path filePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

FormEditSource::FormEditSource(Workspace& workspace, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window)
    , ws_(workspace)
    , mainWindow_(mainWindow)
{
    setObjectName("formEditSource");
    setWindowTitle(tr("Ver y Editar Codigo Fuente"));

    toolbar_ = new QToolBar("Toolbar1", this);
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(24, 24));
    tool("New", tr("  Nuevo"), tr("Borrar el Texto"), 1, &FormEditSource::newText)->setShortcut(QKeySequence::New);
    tool("Open", tr("Abrir"), tr("Abrir un Programa en Lenguaje Fuente"), 2, &FormEditSource::openFile)
        ->setShortcut(QKeySequence::Open);
    tool("Save", tr("  Guardar"), tr("Guardar el Programa en Lenguaje Fuente"), 3, &FormEditSource::saveFile)
        ->setShortcut(QKeySequence::Save);
    toolbar_->addSeparator();
    tool("Run", tr("Ejecutar"), tr("Ejecutar el Programa Guardado en el Ladrillo"), 11, &FormEditSource::runProgram);
    tool("Compi", tr("Compilar"), tr("Generar el Codigo del Texto"), 4, &FormEditSource::compile)
        ->setShortcut(Qt::Key_F5);
    tool("Send", tr("Grabar "), tr("Envia el Ultimo Codigo Generado al Ladrillo"), 5, &FormEditSource::send);
    tool("CompiSend", tr("CompiGraba"), tr("Genera el Codigo, lo Envia al Ladrillo y lo Ejecuta"), 6,
         &FormEditSource::compileSend);

    rtxtSource_ = new SourceCodeEdit(this);
    rtxtSource_->setObjectName("rtxtSource");
    rtxtSource_->setAccessibleName(tr("Codigo Fuente"));
    highlighter_ = new SourceHighlighter(rtxtSource_->document(), libraryMnemonics(ws_.library));
    connect(rtxtSource_->document(), &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (modified) { // the lines no longer are the translation's
            showsTranslation_ = false;
            rtxtSource_->markLines(0, 0);
        }
    });
    txtDebug_ = new QPlainTextEdit(this);
    txtDebug_->setObjectName("txtDebug");
    txtDebug_->setAccessibleName(tr("Mensajes del compilador"));
    txtDebug_->setToolTip(tr("Doble click en un mensaje: ir a su linea"));
    txtDebug_->setReadOnly(true);
    txtDebug_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtDebug_->viewport()->installEventFilter(this);
    lblErrores_ = new QLabel(tr("Errores"), this);
    lblErrores_->setObjectName("lblErrores");
    lblProgSize_ = new QLabel(tr("Memoria: ----"), this);
    lblProgSize_->setObjectName("lblProgSize");

    auto* messages = new QWidget(this);
    auto* counts = new QHBoxLayout;
    counts->addWidget(lblErrores_);
    counts->addStretch();
    counts->addWidget(lblProgSize_);
    auto* messagesLayout = new QVBoxLayout(messages);
    messagesLayout->setContentsMargins(0, 0, 0, 0);
    messagesLayout->addLayout(counts);
    messagesLayout->addWidget(txtDebug_);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(rtxtSource_);
    split->addWidget(messages);
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolbar_);
    layout->addWidget(split, 1);
    resize(780, 580);
}

QAction* FormEditSource::tool(const char* key, const QString& caption, const QString& tooltip, int picture,
                              void (FormEditSource::*run)())
{
    auto* action = new QAction(IconStore::picture("toolbar", QString::number(picture)), caption, this);
    action->setObjectName(key);
    action->setToolTip(tooltip);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, [this, run] { runUserCommand(this, [this, run] { (this->*run)(); }); });
    toolbar_->addAction(action);
    addAction(action);
    if (QWidget* button = toolbar_->widgetForAction(action)) {
        button->setObjectName(QStringLiteral("Toolbar1_%1").arg(key));
        button->setAccessibleName(caption.trimmed());
    }
    return action;
}

void FormEditSource::openEditor()
{
    mayClose_ = true;
    loadGenerated();
    lblErrores_->setText(tr("Errores"));
    if (mainWindow_) {
        const QRect main = mainWindow_->geometry();
        move(main.left() + (main.width() - width()) / 2, main.top() + int(main.height() / 2 - height() / 1.7));
    }
    show();
    raise();
    activateWindow();
}

void FormEditSource::loadGenerated()
{
    highlighter_->setMnemonics(libraryMnemonics(ws_.library));
    rtxtSource_->setPlainText(qs(editorTextFromSource(ws_.translation.source)));
    rtxtSource_->document()->setModified(false);
    showsTranslation_ = !ws_.translation.elementSpans.empty();
    rtxtSource_->markLines(0, 0);
    rtxtSource_->moveCursor(QTextCursor::Start);
}

void FormEditSource::translationChanged()
{
    if (isVisible() && !rtxtSource_->document()->isModified())
        loadGenerated();
}

void FormEditSource::highlightElement(int sequence, int index)
{
    if (!isVisible() || !showsTranslation_)
        return;
    for (const SourceSpan& span : ws_.translation.elementSpans)
        if (span.sequence == sequence && span.index == index) {
            rtxtSource_->markLines(span.firstLine, span.lineCount);
            return;
        }
    rtxtSource_->markLines(0, 0);
}

std::string FormEditSource::editorText() const
{
    return sourceFromEditorText(cp(rtxtSource_->toPlainText()));
}

void FormEditSource::closeEvent(QCloseEvent* event)
{
    if (!mayClose_) { // a build of this text is running
        event->ignore();
        return;
    }
    // The edited text is what the editor shows next time, until the next translation.
    if (rtxtSource_->document()->isModified()) {
        ws_.translation.source = editorText();
        ws_.translation.elementSpans.clear();
    }
    event->accept();
}

bool FormEditSource::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtDebug_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        goToMessageLine(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FormEditSource::goToMessageLine(const QPoint& position)
{
    const QString line = txtDebug_->cursorForPosition(position).block().text();
    if (const int number = assemblyMessageLine(cp(line)); number > 0)
        rtxtSource_->goToLine(number);
}

void FormEditSource::newText()
{
    rtxtSource_->clear();
    rtxtSource_->document()->setModified(true);
}

QString FormEditSource::dialogStart() const
{
    return sourceFilePath_.size() > 2 ? sourceFilePath_ : QDir::homePath();
}

void FormEditSource::openFile()
{
    const QString title = tr("Abrir Programa en Lenguaje Fuente");
    const QString path = chooseOpenFile ? chooseOpenFile(title, dialogStart())
                                        : QFileDialog::getOpenFileName(this, title, dialogStart(), tr(kFilter));
    if (path.isEmpty())
        return;
    std::string bytes;
    if (QFileInfo(path).isFile() && QFileInfo(path).size() > kLargestSource) {
        message({asShown(tr("El archivo %1 es demasiado grande para ser un programa en lenguaje fuente.").arg(path)),
            "Error", MessageIcon::Critical});
        return;
    }
    // A file that cannot be read is not the one "Guardar" writes afterwards.
    if (const std::string why = readRegularFile(filePath(path), bytes, kSourceFileMaxBytes); !why.empty()) {
        message({Text::lines({asShown(tr("No se Pudo Abrir el Archivo %1").arg(path)), Text::sentence(why)}), "Error",
                 MessageIcon::Critical});
        return;
    }
    sourceFilePath_ = path;
    rtxtSource_->setPlainText(qs(editorTextOfFile(bytes)));
    rtxtSource_->document()->setModified(true);
}

void FormEditSource::saveFile()
{
    const QString title = tr("Guardar Programa en Lenguaje Fuente");
    QString path = chooseSaveFile ? chooseSaveFile(title, dialogStart())
                                  : QFileDialog::getSaveFileName(this, title, dialogStart(), tr(kFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".src";
    sourceFilePath_ = path;
    const QString text = rtxtSource_->toPlainText();
    const std::string bytes = sourceFromEditorText(cp(text));
    if (const Text error = writeFileReplacing(filePath(path), bytes); !error.empty()) {
        message({error, "Error", MessageIcon::Critical});
        return;
    }
    if (qs(editorTextFromSource(bytes)) != text)
        message({asShown(tr("Algunos caracteres del texto no existen en los archivos fuente y se guardaron como \"?\".")),
            "Aviso", MessageIcon::Warning});
}

void FormEditSource::runProgram()
{
    if (ws_.brickReady && runBrickProgram)
        runBrickProgram();
}

void FormEditSource::compile()
{
    build(buildModes::EditorCompile, true);
}

void FormEditSource::send()
{
    if (ws_.brickReady)
        build(buildModes::Send, false);
}

void FormEditSource::compileSend()
{
    if (ws_.brickReady)
        build(buildModes::EditorCompileSendRun, true);
}

void FormEditSource::build(int buildMode, bool results)
{
    if (!runBuild || !mayClose_)
        return;
    setBusy(true);
    const bool started = runBuild(buildMode, editorText(), [this, results](const BuildResult& result) {
        QTimer::singleShot(resultDelayMs, this, [this, results, ran = result.ran] {
            if (results)
                showResults();
            setBusy(false);
            if (ran && programRan)
                programRan();
        });
    });
    if (!started) // another build is running
        setBusy(false);
}

void FormEditSource::showResults()
{
    // Each message keeps its line number first: a double click still finds the line.
    QStringList lines;
    for (const Text& line : assemblyListTexts(ws_.assembly.messages, ws_.assembly.cancelledAt))
        lines << uiText(line);
    txtDebug_->setPlainText(lines.join(QLatin1Char('\n'))); // one line per message, no empty line after them
    lblErrores_->setText(uiText(errorCountText(ws_.assembly.errorCount)));
    lblProgSize_->setText(uiText(programSizeText(ws_.assembly.imageLength)));
}

void FormEditSource::setBusy(bool busy)
{
    mayClose_ = !busy;
    toolbar_->setEnabled(!busy);
    rtxtSource_->setReadOnly(busy);
}

void FormEditSource::message(const UserMessage& m)
{
    if (messageBox) {
        messageBox(m);
        return;
    }
    showMessageBox(this, m, OkButton);
}

} // namespace tarvel

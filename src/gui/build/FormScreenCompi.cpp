#include "gui/build/FormScreenCompi.h"

#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/editor/IconStore.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvel {

FormScreenCompi::FormScreenCompi(Workspace& workspace, QWidget* mainWindow, int buildMode, std::string editorText)
    : QWidget(mainWindow, Qt::Dialog)
    , mainWindow_(mainWindow)
    , sequence_(workspace, buildMode, std::move(editorText))
{
    setObjectName("formScreenCompi");
    setWindowTitle(tr("Compilar/Grabar Programa"));

    imgGrafo_ = new QLabel(this);
    imgGrafo_->setObjectName("imgGrafo");
    imgGrafo_->setPixmap(IconStore::pixmap("toolbar", "6", QSize(64, 64)));
    imgGrafo_->setAccessibleName(tr("Compilacion del programa"));
    pBarCompi_ = new QProgressBar(this);
    pBarCompi_->setObjectName("pBarCompi");
    pBarCompi_->setAccessibleName(tr("Avance"));
    pBarCompi_->setTextVisible(false);
    lblConectStatus_ = new QLabel(this);
    lblConectStatus_->setObjectName("lblConectStatus");
    lblConectStatus_->setWordWrap(true);
    QFont bold = lblConectStatus_->font();
    bold.setBold(true);
    lblConectStatus_->setFont(bold);
    lblError_ = new QLabel(this);
    lblError_->setObjectName("lblError");
    lblError_->setStyleSheet("color: #b00000;");
    txtErrors_ = new QPlainTextEdit(this);
    txtErrors_->setObjectName("txtErrors");
    txtErrors_->setAccessibleName(tr("Mensajes del compilador"));
    txtErrors_->setReadOnly(true);
    txtErrors_->setLineWrapMode(QPlainTextEdit::NoWrap);
    cmdExit_ = new QPushButton(tr("Cerrar"), this);
    cmdExit_->setObjectName("cmdExit");
    connect(cmdExit_, &QPushButton::clicked, this, &FormScreenCompi::pressExit);

    auto* top = new QHBoxLayout;
    top->addWidget(imgGrafo_, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(lblConectStatus_);
    texts->addWidget(pBarCompi_);
    texts->addWidget(lblError_);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(txtErrors_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExit_);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &FormScreenCompi::step);
}

void FormScreenCompi::start()
{
    showScreen();
    adjustSize();
    if (mainWindow_) {
        const QRect main = mainWindow_->geometry();
        move(main.left() + (main.width() - width()) / 2, main.top() + int(main.height() / 2 - height() / 1.2));
    }
    show();
    timer_->start(0); // the window paints before the first step
}

void FormScreenCompi::step()
{
    // Brick exchanges let events run while they wait; a step never starts inside another.
    if (stepping_ || ended_)
        return;
    stepping_ = true;
    BuildAction action = sequence_.advance();
    stepping_ = false;
    showScreen();
    if (action.message)
        showMessage(*action.message);
    switch (action.kind) {
    case BuildAction::Continue: timer_->start(0); break;
    case BuildAction::Wait: timer_->start(action.ms); break;
    case BuildAction::WaitForClose:
        cmdExit_->setEnabled(true);
        cmdExit_->setFocus();
        break;
    case BuildAction::Done: end(); break;
    }
}

void FormScreenCompi::showScreen()
{
    const BuildScreen& s = sequence_.screen();
    setWindowTitle(s.caption.empty() ? tr("Compilar/Grabar Programa") : uiText(s.caption));
    lblConectStatus_->setText(uiText(s.status));
    pBarCompi_->setRange(0, std::max(s.progressMax, 1));
    pBarCompi_->setValue(std::clamp(s.progress, 0, std::max(s.progressMax, 1)));
    lblError_->setText(uiText(s.errorSummary));
    lblError_->setVisible(s.errorVisible);
    const bool grow = s.errorsVisible && !txtErrors_->isVisible();
    txtErrors_->setVisible(s.errorsVisible);
    QStringList lines;
    for (const Text& line : s.errors)
        lines << uiText(line);
    if (const QString errors = lines.join(QLatin1Char('\n')); txtErrors_->toPlainText() != errors)
        txtErrors_->setPlainText(errors);
    cmdExit_->setVisible(s.exitVisible);
    if (grow)
        resize(std::max(width(), 640), std::max(height(), 360));
}

void FormScreenCompi::showMessage(const UserMessage& m)
{
    if (messageBox) {
        messageBox(m);
        return;
    }
    auto* box = new QMessageBox(m.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                                uiText(m.title), uiText(m.text), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open(); // the build waits for "Cerrar", not for this box
}

void FormScreenCompi::pressExit()
{
    if (sequence_.close().kind == BuildAction::Done)
        end();
}

void FormScreenCompi::closeEvent(QCloseEvent* event)
{
    // Closing is "Cerrar" once the build waits for it; a running build goes on to its end.
    event->ignore();
    if (!ended_ && sequence_.waitingForClose())
        pressExit();
}

void FormScreenCompi::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormScreenCompi::end()
{
    if (ended_)
        return;
    ended_ = true;
    timer_->stop();
    hide();
    if (finished)
        finished(sequence_.result());
    deleteLater();
}

} // namespace tarvel

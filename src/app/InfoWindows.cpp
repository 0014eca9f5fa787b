#include "app/InfoWindows.h"

#include "app/QtText.h"
#include "app/Workspace.h"
#include "editor/IconStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

bool TransientWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowDeactivate && isVisible()) {
        // Only when another window of this program takes the focus (not another application).
        QWidget* active = QApplication::activeWindow();
        if (active && active != this)
            deactivated();
    }
    return QDialog::event(e);
}

namespace {
QLabel* introPicture(QWidget* parent)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName("imgIntro");
    picture->setPixmap(IconStore::pixmap("intro", "2", QSize(480, 260)));
    return picture;
}
} // namespace

WelcomeWindow::WelcomeWindow(Workspace& workspace, QWidget* parent)
    : TransientWindow(parent)
    , ws_(workspace)
{
    setObjectName("formWelcome");
    setWindowTitle("Bienvenido a Tarvel Lab");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(introPicture(this));
    auto* text = new QLabel("Dibuje su programa con los botones de la izquierda, o abra un ejemplo con los "
                            "dibujos de la derecha.\nSin robot conectado puede usar el Ladrillo Simulado "
                            "(menu Conexion).",
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);
    dontShow_ = new QCheckBox("No volver a mostrar esta pantalla", this);
    dontShow_->setObjectName("chkDontShow");
    connect(dontShow_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            ws_.settings.dontShowFlags |= kDontShowWelcome;
        else
            ws_.settings.dontShowFlags &= ~kDontShowWelcome;
    });
    layout->addWidget(dontShow_);
    auto* accept = new QPushButton("Aceptar", this);
    accept->setObjectName("CmdAccept");
    accept->setDefault(true);
    connect(accept, &QPushButton::clicked, this, &WelcomeWindow::accept);
    layout->addWidget(accept, 0, Qt::AlignRight);
}

void WelcomeWindow::accept()
{
    if (done_)
        return;
    done_ = true;
    if (dontShow_->isChecked() && storeConfig)
        storeConfig();
    QDialog::accept();
}

AboutWindow::AboutWindow(Workspace& workspace, QWidget* parent)
    : TransientWindow(parent)
{
    setObjectName("formAbout");
    setWindowTitle("Acerca de Tarvel Lab");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(introPicture(this));
    auto* info = new QLabel(qs(aboutText(workspace.library)).replace("\r\n", "\n"), this);
    info->setObjectName("lblInfo");
    info->setFont(QFont("DejaVu Sans Mono"));
    info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(info);
    auto* ok = new QPushButton("Aceptar", this);
    ok->setObjectName("cmdOk");
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

AppHelpWindow::AppHelpWindow(Workspace& workspace, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("formAppHelp");
    setWindowTitle("Ayuda Relacionada");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(520, 380);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName("txtHelp");
    text->setReadOnly(true);
    text->setPlainText(qs(workspace.programHelpText).replace("\r\n", "\n"));
    layout->addWidget(text);
    auto* close = new QPushButton("Cerrar Ayuda", this);
    close->setObjectName("cmdClose");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
}

QuickHelpWindow::QuickHelpWindow(const QString& text, QWidget* parent)
    : TransientWindow(parent)
{
    setObjectName("formMenuQuickHelp");
    setWindowTitle("Ayuda Rapida");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QString(text).replace("\r\n", "\n"), this);
    label->setObjectName("lblHelpItem");
    label->setWordWrap(true);
    label->setMinimumWidth(360);
    layout->addWidget(label);
    auto* ok = new QPushButton("Cerrar", this);
    ok->setObjectName("cmdOk");
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

} // namespace tarvel

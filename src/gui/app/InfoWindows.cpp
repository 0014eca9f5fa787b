#include "gui/app/InfoWindows.h"

#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "workspace/Workspace.h"
#include "compiler/LibraryLoader.h"
#include "gui/editor/IconStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
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

void setUpWindow(QDialog* window, const char* name, const QString& title)
{
    window->setObjectName(name);
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_DeleteOnClose);
}

QPushButton* addCloseButton(QDialog* window, QBoxLayout* layout, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    QObject::connect(button, &QPushButton::clicked, window, &QDialog::close);
    layout->addWidget(button, 0, Qt::AlignRight);
    return button;
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
    setUpWindow(this, "formWelcome", tr("Bienvenido a Tarvel Lab"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(introPicture(this));
    auto* text = new QLabel(tr("Dibuje su programa con los botones de la izquierda, o abra un ejemplo con los "
                               "dibujos de la derecha.\nSin robot conectado puede usar el Ladrillo Simulado "
                               "(menu Conexion)."),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);
    dontShow_ = new QCheckBox(tr("No volver a mostrar esta pantalla"), this);
    dontShow_->setObjectName("chkDontShow");
    connect(dontShow_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            ws_.settings.dontShowFlags |= kDontShowWelcome;
        else
            ws_.settings.dontShowFlags &= ~kDontShowWelcome;
    });
    layout->addWidget(dontShow_);
    auto* accept = new QPushButton(tr("Aceptar"), this);
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
    setUpWindow(this, "formAbout", tr("Acerca de Tarvel Lab"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(introPicture(this));
    auto* info = new QLabel(uiText(libraryInformationText(workspace.library)).replace("\r\n", "\n"), this);
    info->setObjectName("lblInfo");
    info->setFont(QFont("DejaVu Sans Mono"));
    info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(info);
    addCloseButton(this, layout, "cmdOk", tr("Aceptar"));
}

AppHelpWindow::AppHelpWindow(Workspace& workspace, QWidget* parent)
    : QDialog(parent)
{
    setUpWindow(this, "formAppHelp", tr("Ayuda Relacionada"));
    resize(520, 380);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName("txtHelp");
    text->setReadOnly(true);
    text->setPlainText(qs(workspace.programHelpText).replace("\r\n", "\n"));
    layout->addWidget(text);
    addCloseButton(this, layout, "cmdClose", tr("Cerrar Ayuda"));
}

QuickHelpWindow::QuickHelpWindow(const QString& text, const QPixmap& picture, const QString& pictureName,
                                 QWidget* parent)
    : TransientWindow(parent)
{
    setUpWindow(this, "formMenuQuickHelp", tr("Ayuda Rapida"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* image = new QLabel(this);
    image->setObjectName("imgGrafo");
    image->setPixmap(picture);
    image->setAccessibleName(pictureName);
    image->setAlignment(Qt::AlignTop);
    row->addWidget(image);
    auto* label = new QLabel(QString(text).replace("\r\n", "\n"), this);
    label->setObjectName("lblHelpItem");
    label->setWordWrap(true);
    label->setMinimumWidth(360);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(label, 1);
    layout->addLayout(row);
    addCloseButton(this, layout, "cmdOk", tr("Cerrar"))->setDefault(true);
}

} // namespace tarvel

#include "gui/link/ConnectingWindow.h"

#include "gui/app/QtText.h"
#include "gui/app/UiText.h"

#include "gui/app/NamedWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

ConnectingWindow::ConnectingWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("formConnecting");
    setWindowTitle(tr("Estableciendo conexion con e-Tovan"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(tr("Conectando................"), this);
    label_->setObjectName("lblConnect");
    label_->setMinimumWidth(320);
    layout->addWidget(label_);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("pbarConnect");
    bar_->setTextVisible(false);
    layout->addWidget(bar_);
    label_->setText(tr("Conectando........"));
}

ConnectProgress ConnectingWindow::progress()
{
    return {[this](const Text& text) { label_->setText(uiText(text)); },
            [this](int value, int maximum) {
                bar_->setMaximum(maximum);
                bar_->setValue(value);
            }};
}

void ConnectingWindow::showFailure(std::function<void()> useSimulated)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    auto* hint = namedLabel(this, "lblSinLadrillo",
                            tr("Sin un Ladrillo conectado por USB puede usar el Ladrillo Simulado:\n"
                               "\"Conexion\" > \"Usar Ladrillo Simulado\"."));
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (useSimulated) {
        auto* simulated = namedButton(this, "cmdSimulado", tr("Usar Ladrillo Simulado"));
        connect(simulated, &QPushButton::clicked, this, [this, useSimulated] {
            close();
            useSimulated();
        });
        buttons->addWidget(simulated);
    }
    auto* closeButton = namedButton(this, "cmdCerrar", tr("Cerrar"));
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    adjustSize();
    closeButton->setFocus();
}

} // namespace tarvel

#include "gui/link/ConnectingWindow.h"

#include "gui/app/QtText.h"
#include "gui/app/UiText.h"

#include <QLabel>
#include <QProgressBar>
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
    return {[this](const std::string& text) { label_->setText(uiText(text)); },
            [this](int value, int maximum) {
                bar_->setMaximum(maximum);
                bar_->setValue(value);
            }};
}

} // namespace tarvel

#include "gui/link/MonitorWarning.h"

#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "link/MonitorSteering.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

MonitorWarning::MonitorWarning(Workspace& workspace, QWidget* parent)
    : ToolWindow(parent, "formMonitorWarning", tr("Aviso!"), false)
    , ws_(workspace)
{
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(uiText(monitorWarningText()).replace("\r\n", "\n"), this);
    text->setObjectName("lblText");
    text->setWordWrap(true);
    text->setMinimumWidth(380);
    layout->addWidget(text);
    dontShow_ = new QCheckBox(tr("No volver a mostrar este mensaje"), this);
    dontShow_->setObjectName("chkDontShow");
    connect(dontShow_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            ws_.settings.dontShowFlags |= kDontShowMonitorWarning;
        else
            ws_.settings.dontShowFlags &= ~kDontShowMonitorWarning;
    });
    layout->addWidget(dontShow_);
    auto* close = new QPushButton(tr("Cerrar"), this);
    close->setObjectName("cmdClose");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void MonitorWarning::load()
{
    dontShow_->setChecked(false);
    open_ = true;
}

void MonitorWarning::hideEvent(QHideEvent* event)
{
    ToolWindow::hideEvent(event);
    if (event->spontaneous() || !open_)
        return;
    // However it was closed ("Cerrar", the title bar, Escape), the choice is kept and the monitor
    // opens: nothing is left waiting for this window.
    open_ = false;
    if (dontShow_->isChecked() && storeConfig)
        storeConfig();
    if (closed)
        closed();
}

} // namespace tarvel

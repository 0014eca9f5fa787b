#include "gui/editor/StartDialog.h"

#include "gui/app/InfoWindows.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "workspace/Workspace.h"
#include "gui/editor/IconStore.h"
#include "model/ElementDescription.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvel {

StartDialog::StartDialog(Workspace& workspace, QWidget* parent)
    : QDialog(parent)
    , ws_(workspace)
{
    setUpWindow(this, "formSaltoInicioProg", tr("Modo de Inicio de Programa"));
    if (parent)
        move(parent->mapToGlobal(QPoint(px(3000), px(3000))));
    auto* layout = new QHBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName("imgGrafo");
    picture->setPixmap(IconStore().compose({{LayerList::Saltos, 1}}));
    layout->addWidget(picture);
    auto* right = new QVBoxLayout;
    auto* normal = new QRadioButton(tr("Inicio normal"), this);
    normal->setObjectName("optNormal");
    auto* touch = new QRadioButton(tr("Habilitar el sensor tacil (desactiva la tecla de apagado/encendido)"), this);
    touch->setObjectName("optTouchEna");
    description_ = new QLabel(this);
    description_->setObjectName("lblDescripcion");
    right->addWidget(normal);
    right->addWidget(touch);
    right->addWidget(description_);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(tr("Aceptar"), this);
    ok->setObjectName("cmdOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancelar"), this);
    cancel->setObjectName("cmdCancel");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    right->addLayout(buttons);
    layout->addLayout(right);

    const int current = ws_.store.recordAt(0, 0).option;
    (current == 11 ? touch : normal)->setChecked(true);
    choose(current == 11 ? 11 : 10);
    // Toggled, not clicked: an assistive technology checks an option without clicking it.
    connect(normal, &QRadioButton::toggled, this, [this](bool on) { if (on) choose(10); });
    connect(touch, &QRadioButton::toggled, this, [this](bool on) { if (on) choose(11); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(ok, &QPushButton::clicked, this, [this] {
        InstructionRecord& start = ws_.store.recordAt(0, 0);
        start.option = std::uint8_t(mode_);
        start.description = startModeText(mode_).spanish();
        if (descriptionChanged)
            descriptionChanged(text_);
        close();
    });
}

void StartDialog::choose(int mode)
{
    mode_ = mode;
    text_ = uiText(startModeText(mode));
    description_->setText(text_);
}

} // namespace tarvel

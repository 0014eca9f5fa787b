#include "gui/dialogs/ElementDialog.h"

#include "editing/ProgramEditor.h"
#include "gui/app/QtText.h"
#include "gui/dialogs/ClosesOnDeactivation.h"
#include "gui/editor/IconStore.h"
#include "model/IconComposition.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvel {

namespace {

QString itemName(const ControlSpec& spec, std::size_t i)
{
    const std::string& own = spec.items[i].name;
    return own.empty() ? QStringLiteral("%1_%2").arg(qs(spec.name)).arg(i) : qs(own);
}

} // namespace

ElementDialog::ElementDialog(std::unique_ptr<DialogRules> rules, Workspace& workspace, const QString& paletteTitle,
                             QWidget* parent)
    : QDialog(parent, Qt::Tool)
    , rules_(std::move(rules))
    , ws_(workspace)
    , icons_(std::make_unique<IconStore>())
{
    setObjectName(dialogFormName(rules_->id()));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    rules_->open(ws_.store, ws_.editor, cp(paletteTitle));

    auto* outer = new QHBoxLayout(this);
    auto* back = new QFrame(this);
    back->setObjectName("shpGrafoBack");
    back->setFixedSize(kIconWidth + 24, kIconHeight + 24);
    back->setStyleSheet("#shpGrafoBack { background: #ECEFF1; border-radius: 8px; }");
    preview_ = new QLabel(back);
    preview_->setObjectName("imgGrafo");
    preview_->setGeometry(12, 12, kIconWidth, kIconHeight);
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 0.85);
    lblConstant_ = new QLabel(back);
    lblConstant_->setObjectName("lblConstant");
    lblConstant_->setFont(bold);
    lblConstant_->setAlignment(Qt::AlignCenter);
    lblConstant_->setText("255");
    lblEtiqueta_ = new QLabel(back);
    lblEtiqueta_->setObjectName("lblEtiqueta");
    lblEtiqueta_->setFont(bold);
    lblEtiqueta_->setAlignment(Qt::AlignCenter);
    lblEtiqueta_->setStyleSheet("background: white; border: 1px solid black;");
    lblEtiqueta_->hide();
    auto* left = new QVBoxLayout;
    left->addWidget(back);
    left->addStretch();
    outer->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* form = new QFormLayout;
    buildControls(form);
    if (rules_->hasConstant()) {
        auto* entry = new QWidget(this);
        auto* row = new QHBoxLayout(entry);
        row->setContentsMargins(0, 0, 0, 0);
        txtConst_ = new QLineEdit(entry);
        txtConst_->setObjectName("txtConst");
        txtConst_->setAccessibleName("Constante");
        txtConst_->setMaximumWidth(90);
        connect(txtConst_, &QLineEdit::textEdited, this, [this](const QString& text) {
            rules_->typeConstant(cp(text));
            refresh();
        });
        udConst_ = new QWidget(entry);
        udConst_->setObjectName("UDConst");
        auto* arrows = new QVBoxLayout(udConst_);
        arrows->setContentsMargins(0, 0, 0, 0);
        arrows->setSpacing(0);
        for (bool up : {true, false}) {
            auto* b = new QToolButton(udConst_);
            b->setObjectName(up ? "UDConst_Up" : "UDConst_Down");
            b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
            b->setAccessibleName(up ? "Aumentar Constante" : "Disminuir Constante");
            b->setAutoRepeat(true);
            b->setFixedSize(22, 14);
            connect(b, &QToolButton::clicked, this, [this, up] {
                up ? rules_->constantUp() : rules_->constantDown();
                refresh();
            });
            arrows->addWidget(b);
        }
        row->addWidget(txtConst_);
        row->addWidget(udConst_);
        row->addStretch();
        constantCaption_ = new QLabel("Constante", this);
        form->addRow(constantCaption_, entry);
    }
    right->addLayout(form);
    quickHelp_ = new QLabel(this);
    quickHelp_->setObjectName("lblQuickHelp");
    quickHelp_->setWordWrap(true);
    right->addWidget(quickHelp_);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = new QPushButton("Aceptar", this);
    ok_->setObjectName("cmdOk");
    ok_->setDefault(true);
    auto* cancel = new QPushButton("Cancelar", this);
    cancel->setObjectName("cmdCancel");
    connect(ok_, &QPushButton::clicked, this, &ElementDialog::clickOk);
    connect(cancel, &QPushButton::clicked, this, &ElementDialog::clickCancel);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    right->addLayout(buttons);
    outer->addLayout(right, 1);
    setMinimumWidth(420);
    refresh();
    new ClosesOnDeactivation(this, [this] { cancelOnce(); });
}

ElementDialog::~ElementDialog() = default;

void ElementDialog::buildControls(QFormLayout* form)
{
    const auto& specs = rules_->controls();
    for (std::size_t c = 0; c < specs.size(); ++c) {
        const ControlSpec& spec = specs[c];
        const std::string name = spec.name;
        QWidget* widget = nullptr;
        switch (spec.kind) {
        case ControlKind::Picker: {
            auto* combo = new QComboBox(this);
            combo->setIconSize(QSize(48, 32));
            for (const PickerItem& item : spec.items) {
                combo->addItem(IconStore::picture("teclas", QString::number(item.picture)), QStringLiteral(" "));
                const int i = combo->count() - 1;
                combo->setItemData(i, qs(item.word), Qt::AccessibleTextRole);
                combo->setItemData(i, qs(item.word), Qt::ToolTipRole);
            }
            connect(combo, &QComboBox::currentIndexChanged, this, [this, combo, name](int index) {
                if (refreshing_ || index < 0)
                    return;
                rules_->choose(name, index + 1);
                refresh();
                combo->setToolTip(combo->itemData(index, Qt::ToolTipRole).toString());
            });
            widget = combo;
            break;
        }
        case ControlKind::Options:
        case ControlKind::Check: {
            auto* box = new QGroupBox(this);
            auto* layout = new QVBoxLayout(box);
            for (std::size_t i = 0; i < spec.items.size(); ++i) {
                QAbstractButton* b = spec.kind == ControlKind::Options
                                         ? static_cast<QAbstractButton*>(new QRadioButton(qs(spec.items[i].word), box))
                                         : static_cast<QAbstractButton*>(new QCheckBox(qs(spec.items[i].word), box));
                b->setObjectName(itemName(spec, i));
                layout->addWidget(b);
                connect(b, &QAbstractButton::toggled, this, [this, name, i, box, kind = spec.kind](bool on) {
                    if (refreshing_)
                        return;
                    if (kind == ControlKind::Options) {
                        if (on)
                            rules_->choose(name, int(i));
                    } else {
                        int bits = 0;
                        const auto checks = box->findChildren<QCheckBox*>();
                        for (int k = 0; k < int(checks.size()); ++k)
                            bits |= checks[k]->isChecked() ? (1 << k) : 0;
                        rules_->choose(name, bits);
                    }
                    refresh();
                });
            }
            if (spec.kind == ControlKind::Options) {
                auto* group = new QButtonGroup(box);
                for (auto* b : box->findChildren<QRadioButton*>())
                    group->addButton(b);
            }
            widget = box;
            break;
        }
        case ControlKind::Text: {
            auto* edit = new QLineEdit(this);
            if (spec.maxLength > 0)
                edit->setMaxLength(spec.maxLength);
            connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
                rules_->type(name, cp(text));
                refresh();
            });
            widget = edit;
            break;
        }
        case ControlKind::Combo: {
            auto* combo = new QComboBox(this);
            combo->setEditable(true);
            if (spec.maxLength > 0)
                combo->lineEdit()->setMaxLength(spec.maxLength);
            connect(combo, &QComboBox::activated, this, [this, name, combo](int index) {
                if (refreshing_)
                    return;
                rules_->type(name, cp(combo->itemText(index)));
                rules_->choose(name, index);
                refresh();
            });
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, name](const QString& text) {
                rules_->type(name, cp(text));
                refresh();
            });
            widget = combo;
            break;
        }
        case ControlKind::Slider: {
            auto* slider = new QSlider(Qt::Horizontal, this);
            if (spec.items.size() >= 2)
                slider->setRange(spec.items[0].picture, spec.items[1].picture);
            connect(slider, &QSlider::valueChanged, this, [this, name](int value) {
                if (refreshing_)
                    return;
                rules_->choose(name, value);
                refresh();
            });
            widget = slider;
            break;
        }
        case ControlKind::Note: {
            auto* label = new QLabel(this);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        }
        widget->setObjectName(qs(name));
        widget->setAccessibleName(qs(spec.caption.empty() ? name : spec.caption));
        QLabel* caption = nullptr;
        if (!spec.caption.empty()) {
            caption = new QLabel(qs(spec.caption), this);
            caption->setBuddy(widget);
            form->addRow(caption, widget);
        } else {
            form->addRow(widget);
        }
        widgets_.push_back(widget);
        rows_.push_back(caption);
    }
}

void ElementDialog::refresh()
{
    refreshing_ = true;
    const DialogView& view = rules_->view;
    setWindowTitle(qs(view.title));
    const auto& specs = rules_->controls();
    for (std::size_t c = 0; c < specs.size() && c < view.controls.size(); ++c) {
        const ControlSpec& spec = specs[c];
        const ControlState& state = view.controls[c];
        QWidget* w = widgets_[c];
        w->setVisible(state.visible);
        w->setEnabled(state.enabled);
        if (rows_[c])
            rows_[c]->setVisible(state.visible);
        switch (spec.kind) {
        case ControlKind::Picker: {
            auto* combo = static_cast<QComboBox*>(w);
            combo->setCurrentIndex(state.selected - 1);
            if (state.selected > 0)
                combo->setToolTip(combo->itemData(state.selected - 1, Qt::ToolTipRole).toString());
            break;
        }
        case ControlKind::Options: {
            const auto buttons = w->findChildren<QRadioButton*>();
            for (int i = 0; i < int(buttons.size()); ++i)
                if (i == state.selected)
                    buttons[i]->setChecked(true);
            break;
        }
        case ControlKind::Check: {
            const auto checks = w->findChildren<QCheckBox*>();
            for (int i = 0; i < int(checks.size()); ++i)
                checks[i]->setChecked((state.selected >> i) & 1);
            break;
        }
        case ControlKind::Text: {
            auto* edit = static_cast<QLineEdit*>(w);
            if (edit->text() != qs(state.text))
                edit->setText(qs(state.text));
            break;
        }
        case ControlKind::Combo: {
            auto* combo = static_cast<QComboBox*>(w);
            QStringList items;
            for (const auto& item : state.list)
                items << qs(item);
            QStringList current;
            for (int i = 0; i < combo->count(); ++i)
                current << combo->itemText(i);
            if (current != items) {
                combo->clear();
                combo->addItems(items);
            }
            if (combo->currentText() != qs(state.text))
                combo->setEditText(qs(state.text));
            break;
        }
        case ControlKind::Slider: static_cast<QSlider*>(w)->setValue(state.selected); break;
        case ControlKind::Note: static_cast<QLabel*>(w)->setText(qs(state.text)); break;
        }
    }
    if (txtConst_) {
        if (txtConst_->text() != qs(view.constantText))
            txtConst_->setText(qs(view.constantText));
        txtConst_->setStyleSheet(view.constantRed ? "color: red;" : "color: black;");
        txtConst_->setVisible(view.constantVisible);
        udConst_->setVisible(view.constantVisible);
        constantCaption_->setVisible(view.constantVisible);
    }
    quickHelp_->setText(qs(view.quickHelp));
    quickHelp_->setVisible(!view.quickHelp.empty());
    refreshPreview();
    refreshing_ = false;
}

void ElementDialog::refreshPreview()
{
    InstructionRecord shown = ws_.store.currentElement;
    setOverlayPositions(shown);
    const auto layers = previewIconLayers(ws_.store, ws_.editor);
    ws_.editor.previewPictureIndex = layers.empty() ? 0 : 1;
    preview_->setPixmap(layers.empty() ? QPixmap() : icons_->compose(layers));
    preview_->setAccessibleName(qs(shown.description.empty() ? dialogFormName(rules_->id()) : shown.description));
    const DialogView& view = rules_->view;
    auto place = [&](QLabel* label, int top, int left, int width, int height) {
        label->setGeometry(12 + px(left), 12 + px(top), px(width), px(height));
        label->raise();
    };
    if (view.constantVisible) {
        const bool one = view.constantOverlay == 1;
        lblConstant_->setText(qs(view.constantLabel));
        lblConstant_->setStyleSheet(view.constantLabelBorder ? "border: 1px solid black; background: white;"
                                                             : "background: transparent;");
        place(lblConstant_, one ? shown.lblOneTop : shown.lblTwoTop, one ? shown.lblOneLeft : shown.lblTwoLeft,
              one ? 375 : 450, one ? 195 : 240);
        lblConstant_->show();
    } else {
        lblConstant_->hide();
    }
    if (view.previewName && shown.lblTwoTop >= 1) {
        lblEtiqueta_->setText(qs(*view.previewName));
        place(lblEtiqueta_, shown.lblTwoTop, shown.lblTwoLeft, 855, 255);
        lblEtiqueta_->show();
    } else {
        lblEtiqueta_->hide();
    }
}

void ElementDialog::clickOk()
{
    if (finished_)
        return;
    const DialogAccept accept = rules_->accept();
    const bool close = accepted ? accepted(accept) : true;
    if (close) {
        finished_ = true;
        QDialog::close();
    } else {
        refresh();
    }
}

void ElementDialog::clickCancel()
{
    cancelOnce();
}

void ElementDialog::cancelOnce()
{
    if (finished_)
        return;
    finished_ = true;
    ws_.editor.previewPictureIndex = 0;
    if (cancelled)
        cancelled();
    QDialog::close();
}

void ElementDialog::closeEvent(QCloseEvent* event)
{
    if (!finished_) {
        finished_ = true;
        ws_.editor.previewPictureIndex = 0;
        if (cancelled)
            cancelled();
    }
    QDialog::closeEvent(event);
}

void ElementDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        clickCancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tarvel

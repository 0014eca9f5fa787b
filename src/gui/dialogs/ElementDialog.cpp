#include "gui/dialogs/ElementDialog.h"

#include "editing/ProgramEditor.h"
#include "gui/app/EntryGuard.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/audio/TonePlayer.h"
#include "gui/dialogs/ClosesOnDeactivation.h"
#include "gui/dialogs/PictureComboBox.h"
#include "gui/editor/IconStore.h"
#include "model/ElementDescription.h"
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
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarvel {

namespace {

QString itemName(const ControlDesign& design, std::size_t i)
{
    const std::string& own = design.items[i].name;
    return own.empty() ? QStringLiteral("%1_%2").arg(qs(design.name)).arg(i) : qs(own);
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
        txtConst_->setAccessibleName(tr("Constante"));
        txtConst_->setMaximumWidth(90);
        guardNumber(txtConst_, kConstantRange);
        connect(txtConst_, &QLineEdit::textEdited, this, [this](const QString& text) {
            rules_->typeConstant(cp(text));
            refresh();
        });
        udConst_ = makeUpDown([this](int step) {
            step > 0 ? rules_->constantUp() : rules_->constantDown();
            refresh();
        });
        udConst_->setParent(entry);
        udConst_->setObjectName("UDConst");
        for (auto* b : udConst_->findChildren<QToolButton*>())
            b->setAccessibleName(b->arrowType() == Qt::UpArrow ? tr("Aumentar Constante") : tr("Disminuir Constante"));
        row->addWidget(txtConst_);
        row->addWidget(udConst_);
        row->addStretch();
        constantCaption_ = new QLabel(tr("Constante"), this);
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
    ok_ = new QPushButton(tr("Aceptar"), this);
    ok_->setObjectName("cmdOk");
    ok_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancelar"), this);
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
    QHBoxLayout* row = nullptr; // the row that the next control beside it joins
    for (std::size_t c = 0; c < specs.size(); ++c) {
        const ControlDesign& design = specs[c];
        QWidget* widget = makeControl(design, c);
        widget->setObjectName(qs(design.name));
        if (!design.tooltip.empty())
            widget->setToolTip(uiText(design.tooltip));
        QLabel* caption = nullptr;
        const bool framed = design.kind == ControlKind::Options || design.kind == ControlKind::Check;
        if (!design.caption.empty() && !framed) {
            caption = new QLabel(uiText(design.caption), this);
            if (!design.captionName.empty())
                caption->setObjectName(qs(design.captionName));
            caption->setBuddy(widget);
        }
        // Notes, buttons and single boxes say what they are by their own text.
        if (!design.caption.empty())
            widget->setAccessibleName(uiText(design.caption));
        else if (design.kind != ControlKind::Note && design.kind != ControlKind::Button &&
                 design.kind != ControlKind::UpDown && !(framed && design.items.size() == 1))
            widget->setAccessibleName(qs(design.name));
        // An editable combo shows its value as its name; its typing box carries the caption instead.
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(widget->accessibleName());
        if (design.besidePrevious && row) {
            if (caption)
                row->addWidget(caption);
            row->addWidget(widget);
        } else {
            const bool joined = c + 1 < specs.size() && specs[c + 1].besidePrevious;
            QWidget* field = widget;
            row = nullptr;
            if (joined) {
                field = new QWidget(this);
                row = new QHBoxLayout(field);
                row->setContentsMargins(0, 0, 0, 0);
                row->addWidget(widget);
            }
            if (caption)
                form->addRow(caption, field);
            else
                form->addRow(field);
        }
        widgets_.push_back(widget);
        rows_.push_back(caption);
    }
}

QWidget* ElementDialog::makeControl(const ControlDesign& design, std::size_t c)
{
    const std::string name = design.name;
    buttons_.emplace_back();
    switch (design.kind) {
    case ControlKind::Picker: {
        auto* combo = new PictureComboBox(this);
        combo->setIconSize(QSize(48, 32));
        for (const PickerItem& item : design.items) {
            combo->addItem(IconStore::picture("teclas", QString::number(item.picture)), uiText(item.word));
            const int i = combo->count() - 1;
            combo->setItemData(i, uiText(item.word), Qt::AccessibleTextRole);
            combo->setItemData(i, uiText(item.word), Qt::ToolTipRole);
        }
        connect(combo, &QComboBox::currentIndexChanged, this, [this, name](int index) {
            if (refreshing_ || index < 0)
                return;
            rules_->choose(name, index + 1);
            refresh();
        });
        return combo;
    }
    case ControlKind::Options:
    case ControlKind::Check: {
        const bool options = design.kind == ControlKind::Options;
        QWidget* holder = nullptr;
        QVBoxLayout* layout = nullptr;
        if (!options && design.items.size() == 1 && design.caption.empty()) {
            holder = new QWidget(this); // a single box needs no frame
            layout = new QVBoxLayout(holder);
            layout->setContentsMargins(0, 0, 0, 0);
        } else {
            auto* box = new QGroupBox(uiText(design.caption), this);
            holder = box;
            layout = new QVBoxLayout(box);
        }
        auto* group = options ? new QButtonGroup(holder) : nullptr;
        for (std::size_t i = 0; i < design.items.size(); ++i) {
            const QString word = uiText(design.items[i].word);
            QAbstractButton* b = options ? static_cast<QAbstractButton*>(new QRadioButton(word, holder))
                                         : static_cast<QAbstractButton*>(new QCheckBox(word, holder));
            b->setObjectName(itemName(design, i));
            layout->addWidget(b);
            if (group)
                group->addButton(b);
            buttons_[c].push_back(b);
            connect(b, &QAbstractButton::toggled, this, [this, name, i, c, options](bool on) {
                if (refreshing_)
                    return;
                if (options) {
                    if (on)
                        rules_->choose(name, int(i));
                } else {
                    int bits = 0;
                    for (std::size_t k = 0; k < buttons_[c].size(); ++k)
                        bits |= buttons_[c][k]->isChecked() ? (1 << k) : 0;
                    rules_->choose(name, bits);
                }
                refresh();
            });
        }
        return holder;
    }
    case ControlKind::Text: {
        auto* edit = new QLineEdit(this);
        if (design.maxLength > 0)
            edit->setMaxLength(design.maxLength);
        if (design.number)
            guardNumber(edit, *design.number, design.units);
        connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
            rules_->type(name, cp(text));
            refresh();
        });
        return edit;
    }
    case ControlKind::Combo: {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        if (design.maxLength > 0)
            combo->lineEdit()->setMaxLength(design.maxLength);
        combo->setCompleter(nullptr); // the rules see exactly what is typed
        if (design.number)
            guardNumber(combo->lineEdit(), *design.number, design.units);
        // A pick from the list, also of the entry already current, or by the keyboard.
        auto picked = [this, name, combo](int index) {
            if (refreshing_ || index < 0)
                return;
            rules_->type(name, cp(combo->itemText(index)));
            rules_->choose(name, index);
            refresh();
        };
        connect(combo, &QComboBox::activated, this, picked);
        connect(combo, &QComboBox::currentIndexChanged, this, picked);
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, name](const QString& text) {
            rules_->type(name, cp(text));
            refresh();
        });
        return combo;
    }
    case ControlKind::Slider: {
        auto* slider = new QSlider(Qt::Horizontal, this);
        if (design.items.size() >= 2)
            slider->setRange(design.items[0].picture, design.items[1].picture);
        connect(slider, &QSlider::valueChanged, this, [this, name](int value) {
            if (refreshing_)
                return;
            rules_->choose(name, value);
            refresh();
        });
        return slider;
    }
    case ControlKind::Note: {
        auto* label = new QLabel(this);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(design.items.empty() ? QString() : uiText(design.items[0].word), this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, name] {
            rules_->choose(name, 0);
            refresh();
        });
        return button;
    }
    case ControlKind::UpDown: return makeUpDown([this, name](int step) {
            rules_->choose(name, step);
            refresh();
        });
    }
    return new QWidget(this);
}

QWidget* ElementDialog::makeUpDown(const std::function<void(int)>& step)
{
    auto* holder = new QWidget(this);
    auto* arrows = new QVBoxLayout(holder);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (bool up : {true, false}) {
        auto* b = new QToolButton(holder);
        b->setObjectName(up ? "UDConst_Up" : "UDConst_Down");
        b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        b->setAccessibleName(up ? tr("Aumentar") : tr("Disminuir"));
        b->setAutoRepeat(true);
        b->setFixedSize(22, 14);
        connect(b, &QToolButton::clicked, this, [step, up] { step(up ? 1 : -1); });
        arrows->addWidget(b);
    }
    return holder;
}

void ElementDialog::refresh()
{
    refreshing_ = true;
    const DialogView& view = rules_->view;
    setWindowTitle(uiText(view.title));
    const auto& specs = rules_->controls();
    for (std::size_t c = 0; c < specs.size() && c < view.controls.size(); ++c) {
        const ControlDesign& design = specs[c];
        const ControlState& state = view.controls[c];
        QWidget* w = widgets_[c];
        w->setVisible(state.visible);
        w->setEnabled(state.enabled);
        if (rows_[c]) {
            rows_[c]->setVisible(state.visible);
            rows_[c]->setEnabled(state.enabled);
        }
        const QString red = state.red ? "color: red;" : QString();
        switch (design.kind) {
        case ControlKind::Picker: {
            auto* combo = static_cast<QComboBox*>(w);
            combo->setCurrentIndex(state.selected - 1);
            const QString word = state.selected > 0 ? combo->itemData(state.selected - 1, Qt::ToolTipRole).toString()
                                                    : QString();
            combo->setToolTip(word);
            combo->setAccessibleDescription(word);
            break;
        }
        case ControlKind::Options:
        case ControlKind::Check: {
            const auto& buttons = buttons_[c];
            for (std::size_t i = 0; i < buttons.size(); ++i) {
                if (i < state.itemWords.size())
                    buttons[i]->setText(uiText(state.itemWords[i]));
                if (design.kind == ControlKind::Check)
                    buttons[i]->setChecked((state.selected >> i) & 1);
            }
            if (design.kind == ControlKind::Options) {
                // No button stays selected when the element holds a value none of them offers.
                auto* group = buttons.empty() ? nullptr : buttons.front()->group();
                if (group)
                    group->setExclusive(false);
                for (std::size_t i = 0; i < buttons.size(); ++i)
                    buttons[i]->setChecked(int(i) == state.selected);
                if (group)
                    group->setExclusive(true);
            }
            break;
        }
        case ControlKind::Text: {
            auto* edit = static_cast<QLineEdit*>(w);
            if (edit->text() != qs(state.text))
                edit->setText(qs(state.text));
            edit->setStyleSheet(red);
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
        case ControlKind::Note: {
            auto* label = static_cast<QLabel*>(w);
            label->setText(uiText(state.text));
            label->setStyleSheet(state.red ? "color: red; font-weight: bold;" : QString());
            break;
        }
        case ControlKind::Button:
        case ControlKind::UpDown: break;
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
    quickHelp_->setText(uiText(view.quickHelp));
    quickHelp_->setVisible(!view.quickHelp.empty());
    refreshPreview();
    refreshing_ = false;
    if (rules_->view.toneToPlay) {
        const ToneTiming tone = *rules_->view.toneToPlay;
        rules_->view.toneToPlay.reset();
        playTone(tone);
    }
}

void ElementDialog::playTone(const ToneTiming& tone)
{
    if (!player_)
        player_ = new TonePlayer(this);
    // Without a sound device nothing plays; the dialog says so and goes on.
    if (!player_->play(tone)) {
        quickHelp_->setText(quickHelp_->text() + "\n" + tr("(No Hay Salida de Audio en esta PC)"));
        quickHelp_->show();
    }
}

void ElementDialog::refreshPreview()
{
    InstructionRecord shown = ws_.store.currentElement;
    setOverlayPositions(shown);
    const auto layers = previewIconLayers(ws_.store, ws_.editor);
    preview_->setPixmap(layers.empty() ? QPixmap() : icons_->compose(layers));
    // The preview reads as the element it shows, as a cell of the canvas does.
    const Text described = elementDescription(shown, ws_.store);
    preview_->setAccessibleName(described.empty() ? windowTitle() : uiText(described).trimmed());
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
        const int width = view.constantLabelWidth > 0 ? view.constantLabelWidth : one ? 375 : 450;
        place(lblConstant_, one ? shown.lblOneTop : shown.lblTwoTop, one ? shown.lblOneLeft : shown.lblTwoLeft, width,
              one ? 195 : view.constantLabelWidth > 0 ? 255 : 240);
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
    accepting_ = true; // a message shown meanwhile is not a reason to cancel
    QPointer<ElementDialog> self(this);
    const bool close = accepted ? accepted(accept) : true;
    if (!self)
        return; // closed under a message of the commit (the program quit meanwhile)
    accepting_ = false;
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
    if (finished_ || accepting_)
        return;
    finished_ = true;
    if (cancelled)
        cancelled();
    QDialog::close();
}

void ElementDialog::closeEvent(QCloseEvent* event)
{
    if (!finished_) {
        finished_ = true;
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

#include "gui/tours/FormSalidaSonidoTour.h"

#include "gui/app/NamedWidgets.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/audio/TonePlayer.h"
#include "workspace/Workspace.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarvel {

namespace {
// The note buttons in the order of the scale, then the typed frequency.
constexpr int kScaleOrder[kNoteButtons] = {0, 9, 1, 10, 2, 3, 11, 4, 12, 5, 13, 6, 7, 8};

QLineEdit* digitBox(const char* name, const std::string& text, int length, QWidget* parent)
{
    auto* box = new QLineEdit(qs(text), parent);
    box->setObjectName(name);
    box->setMaxLength(length);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
    box->setMaximumWidth(70);
    return box;
}

// Keeps what the editor made of a typed text, without announcing the change again.
void showCorrected(QLineEdit* box, const std::string& corrected)
{
    const QString text = qs(corrected);
    if (box->text() != text) {
        const QSignalBlocker quiet(box);
        box->setText(text);
    }
}
} // namespace

FormSalidaSonidoTour* FormSalidaSonidoTour::openNew(Workspace& workspace, QWidget* parent)
{
    workspace.editor.insertMode = true;
    clearElement(workspace.store.currentElement);
    auto* window = new FormSalidaSonidoTour(workspace, parent);
    window->show();
    return window;
}

FormSalidaSonidoTour::FormSalidaSonidoTour(Workspace& workspace, QWidget* parent)
    : TourWindow(workspace, parent)
{
    setObjectName("formSalidaSonidoTour");
    InstructionRecord& current = ws_.store.currentElement;
    if (!ws_.editor.insertMode && !current.name.empty())
        editor_.setTitle(current.name); // composed anew, but under its old title unless retyped
    editor_.startElement(current);
    player_ = new TonePlayer(this);

    auto* layout = new QVBoxLayout(this);
    auto* notes = new QGroupBox(tr("Notas"), this);
    auto* noteRows = new QVBoxLayout(notes);
    auto* scale = new QHBoxLayout;
    auto* freqRow = new QHBoxLayout;
    for (int k = 0; k < kNoteButtons; ++k) {
        const int index = kScaleOrder[k];
        const NoteButton& b = noteButtons()[std::size_t(index)];
        auto* button = new QRadioButton(uiText(b.caption), notes);
        button->setObjectName(QStringLiteral("optTonos_%1").arg(index));
        if (index != kCustomToneButton)
            button->setToolTip(uiText(b.tone));
        if (index == 7)
            button->setAccessibleName(tr("Do agudo"));
        // Toggled, not clicked: an assistive technology checks a note without clicking it.
        connect(button, &QRadioButton::toggled, this, [this, index](bool on) {
            if (!on)
                return;
            editor_.chooseTone(index);
            refresh();
        });
        tones_[std::size_t(index)] = button;
        (index == kCustomToneButton ? freqRow : scale)->addWidget(button);
    }
    scale->addStretch();
    {
        const QSignalBlocker quiet(tones_[kCustomToneButton]); // shown, not chosen
        tones_[kCustomToneButton]->setChecked(true); // the frequency box holds the first tone
    }
    freq_ = digitBox("txtFreq", "1000", 4, notes);
    freq_->setAccessibleName(tr("Frecuencia"));
    freqUnit_ = namedLabel(notes, "lblFreq", tr("Hz"));
    freqRow->addWidget(freq_);
    freqRow->addWidget(freqUnit_);
    freqRow->addStretch();
    noteRows->addLayout(scale);
    noteRows->addLayout(freqRow);
    layout->addWidget(notes);

    auto* settings = new QHBoxLayout;
    auto* timeLabel = namedLabel(this, "lblTime", tr("Duracion (mS)"));
    time_ = digitBox("txtTime", "500", 5, this);
    time_->setAccessibleName(tr("Duracion (mS)"));
    timeLabel->setBuddy(time_);
    time_->installEventFilter(this);
    auto* upDown = new QVBoxLayout;
    upDown->setSpacing(0);
    for (int direction : {1, -1}) {
        auto* b = new QToolButton(this);
        b->setObjectName(direction > 0 ? "UpDownTime_up" : "UpDownTime_down");
        b->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        b->setAccessibleName(direction > 0 ? tr("Aumentar Duracion") : tr("Disminuir Duracion"));
        b->setFixedSize(18, 11);
        b->setAutoRepeat(true);
        connect(b, &QToolButton::clicked, this, [this, direction] { stepTime(direction); });
        upDown->addWidget(b);
    }
    auto* volumeLabel = namedLabel(this, "lblVolumen", tr("Volumen"));
    volume_ = new QSlider(Qt::Horizontal, this);
    volume_->setObjectName("SliderVol");
    volume_->setRange(0, 32);
    volume_->setValue(32);
    volume_->setAccessibleName(tr("Volumen"));
    volumeLabel->setBuddy(volume_);
    volumeText_ = namedLabel(this, "lblVol", uiText(editor_.volumeText()));
    settings->addWidget(timeLabel);
    settings->addWidget(time_);
    settings->addLayout(upDown);
    settings->addSpacing(20);
    settings->addWidget(volumeLabel);
    settings->addWidget(volume_, 1);
    settings->addWidget(volumeText_);
    layout->addLayout(settings);

    auto* middle = new QHBoxLayout;
    list_ = new QTreeWidget(this);
    list_->setObjectName("ListMelodia");
    list_->setAccessibleName(tr("Melodia"));
    list_->setColumnCount(3);
    list_->setHeaderLabels({tr(" Frecuencia (Nota)"), tr("Duracion (mS)"), tr("Volumen")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setSectionResizeMode(QHeaderView::Stretch);
    list_->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    list_->headerItem()->setTextAlignment(2, Qt::AlignCenter);
    list_->setMinimumSize(420, 200);
    list_->installEventFilter(this);
    middle->addWidget(list_, 1);
    auto* listButtons = new QVBoxLayout;
    add_ = namedButton(this, "cmdAdd", tr("Agregar Nota"));
    add_->setDefault(true); // Enter in the boxes adds the note
    auto* remove = namedButton(this, "cmdDelete", tr("Eliminar Nota"));
    remove->setToolTip(tr("Elimina la nota seleccionada (o la ultima)"));
    auto* clear = namedButton(this, "cmdClear", tr("Borrar Melodia"));
    play_ = namedButton(this, "cmdPlay", tr("Reproducir"));
    play_->setToolTip(tr("Toca la melodia en la computadora tal como la tocara el Ladrillo"));
    for (QPushButton* b : {add_, remove, clear, play_})
        listButtons->addWidget(b);
    listButtons->addStretch();
    middle->addLayout(listButtons);
    layout->addLayout(middle);

    auto* status = new QHBoxLayout;
    info_ = namedLabel(this, "lblInfo", {});
    info_->setMinimumWidth(info_->fontMetrics().horizontalAdvance("Notas:  12/12") + 8);
    error_ = namedLabel(this, "lblError", tr("Error de Tono!"));
    error_->setStyleSheet("color: red;");
    audio_ = namedLabel(this, "lblAudio", tr("No hay salida de sonido en esta computadora"));
    audio_->hide();
    status->addWidget(info_);
    status->addWidget(error_);
    status->addStretch();
    status->addWidget(audio_);
    layout->addLayout(status);

    auto* bottom = new QHBoxLayout;
    auto* titleLabel = namedLabel(this, "lblTitulo", tr("Titulo"));
    title_ = new QLineEdit(qs(editor_.title()), this);
    title_->setObjectName("txtTitle");
    title_->setMaxLength(MelodyEditor::kTitleLength);
    title_->setAccessibleName(tr("Titulo"));
    titleLabel->setBuddy(title_);
    auto* ok = namedButton(this, "cmdOk", tr("Aceptar"));
    auto* cancel = namedButton(this, "cmdCancel", tr("Cancelar"));
    bottom->addWidget(titleLabel);
    bottom->addWidget(title_);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);

    connect(freq_, &QLineEdit::textChanged, this, [this](const QString& t) {
        showCorrected(freq_, editor_.setFrequencyText(cp(t)));
    });
    connect(time_, &QLineEdit::textChanged, this,
            [this](const QString& t) { showCorrected(time_, editor_.setTimeText(cp(t))); });
    connect(volume_, &QSlider::valueChanged, this, [this](int v) {
        editor_.setVolume(v);
        volumeText_->setText(uiText(editor_.volumeText()));
    });
    connect(title_, &QLineEdit::textChanged, this, [this](const QString& t) {
        editor_.setTitle(cp(t));
        setWindowTitle(uiText(editor_.caption()));
    });
    connect(add_, &QPushButton::clicked, this, &FormSalidaSonidoTour::addNote);
    connect(remove, &QPushButton::clicked, this, &FormSalidaSonidoTour::deleteNote);
    connect(clear, &QPushButton::clicked, this, &FormSalidaSonidoTour::clearMelody);
    connect(play_, &QPushButton::clicked, this, &FormSalidaSonidoTour::play);
    connect(player_, &TonePlayer::finished, this, [this] { play_->setText(tr("Reproducir")); });
    connect(ok, &QPushButton::clicked, this, &FormSalidaSonidoTour::accepted);
    connect(cancel, &QPushButton::clicked, this, &FormSalidaSonidoTour::reject);

    setWindowTitle(uiText(editor_.caption()));
    refresh();
}

void FormSalidaSonidoTour::refresh()
{
    freq_->setEnabled(editor_.frequencyEnabled());
    freqUnit_->setEnabled(editor_.frequencyEnabled());
    info_->setText(uiText(editor_.infoText()));
    error_->setVisible(editor_.errorVisible());
    add_->setEnabled(editor_.canAdd());
    play_->setEnabled(!editor_.notes().empty() || player_->isPlaying());
}

void FormSalidaSonidoTour::stepTime(int direction)
{
    time_->setText(qs(editor_.stepTime(direction)));
}

bool FormSalidaSonidoTour::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == time_ && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            stepTime(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
        if (watched == list_ && key == Qt::Key_Delete) {
            deleteNote();
            return true;
        }
    }
    return TourWindow::eventFilter(watched, event);
}

void FormSalidaSonidoTour::addNote()
{
    if (!editor_.addNote())
        return;
    const MelodyRow& row = editor_.rows().back();
    auto* item = new QTreeWidgetItem(list_, {uiText(row.tone), qs(row.duration), qs(row.volume)});
    item->setTextAlignment(1, Qt::AlignCenter);
    item->setTextAlignment(2, Qt::AlignCenter);
    list_->scrollToItem(item);
    refresh();
}

void FormSalidaSonidoTour::deleteNote()
{
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    const int row = selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.first());
    const int count = int(editor_.notes().size());
    if (!editor_.removeNote(row))
        return;
    delete list_->takeTopLevelItem(row >= 0 && row < count ? row : count - 1);
    refresh();
}

void FormSalidaSonidoTour::clearMelody()
{
    editor_.clear();
    list_->clear();
    refresh();
}

void FormSalidaSonidoTour::play()
{
    if (player_->isPlaying()) {
        player_->stop();
        play_->setText(tr("Reproducir"));
        return;
    }
    std::vector<ToneNote> notes;
    for (const ToneTiming& t : editor_.timings())
        notes.push_back(TonePlayer::fromTiming(t));
    if (notes.empty())
        return;
    const bool playing = player_->play(notes);
    audio_->setVisible(!playing);
    if (playing)
        play_->setText(tr("Detener"));
}

void FormSalidaSonidoTour::accepted()
{
    if (!editor_.fillElement(ws_.store.currentElement, ws_.store)) {
        reject(); // nothing to store
        return;
    }
    finish();
}

void FormSalidaSonidoTour::stopActivity()
{
    player_->stop();
}

} // namespace tarvel

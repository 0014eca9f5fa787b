#pragma once
// The melody editor (formSalidaSonidoTour): up to 12 notes, each a tone, a duration and a volume;
// "Reproducir" plays them as the brick will; "Aceptar" makes them the melody element in
// currentElement.
#include "gui/tours/TourWindow.h"
#include "tours/MelodyEditor.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTreeWidget;

namespace tarvel {

class TonePlayer;

class FormSalidaSonidoTour : public TourWindow {
    Q_OBJECT
public:
    // Works on workspace.store.currentElement (a new melody in both insert and modify mode).
    FormSalidaSonidoTour(Workspace& workspace, QWidget* parent);

    // A new melody, without the palettes: currentElement cleared, the window shown.
    static FormSalidaSonidoTour* openNew(Workspace& workspace, QWidget* parent);

    const MelodyEditor& editor() const { return editor_; }

    void addNote();    // cmdAdd
    void deleteNote(); // cmdDelete: the selected note, or the last
    void clearMelody(); // cmdClear
    void play();       // cmdPlay: plays, or stops what plays
    void accepted();   // cmdOk

protected:
    void stopActivity() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void stepTime(int direction);

    MelodyEditor editor_;
    std::array<QRadioButton*, kNoteButtons> tones_{};
    QLineEdit* freq_ = nullptr;
    QLabel* freqUnit_ = nullptr;
    QLineEdit* time_ = nullptr;
    QSlider* volume_ = nullptr;
    QLabel* volumeText_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* error_ = nullptr;
    QLabel* audio_ = nullptr;
    QLineEdit* title_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* play_ = nullptr;
    TonePlayer* player_ = nullptr;
};

} // namespace tarvel

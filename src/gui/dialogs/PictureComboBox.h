#pragma once
// An image combo box: each item shows only its picture, yet carries its word as its text, so that
// screen readers and desktop test tools name the box by the chosen item ("Var. Roja").
#include <QComboBox>

namespace tarvel {

class PictureComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit PictureComboBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvel

#pragma once
// A palette (subToolMotores, ...): one picture per element kind in a row; releasing a picture
// chooses it, and the palette closes.
#include <QWidget>
#include <functional>

namespace tarvel {

struct Palette;

class PaletteWindow : public QWidget {
    Q_OBJECT
public:
    PaletteWindow(const Palette& palette, QWidget* parent);

    // The item the user released.
    std::function<void(int item)> chosen;
    // Closed without a choice (another window of the program became active).
    std::function<void()> dismissed;
    // Assistive technologies and tests: the same as pressing and releasing item `item`.
    void choose(int item);
};

} // namespace tarvel

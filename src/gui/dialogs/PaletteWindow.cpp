#include "gui/dialogs/PaletteWindow.h"

#include "editing/ElementKinds.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "gui/app/UserCommand.h"
#include "gui/dialogs/ClosesOnDeactivation.h"
#include "gui/editor/IconStore.h"

#include <QPointer>
#include <QToolButton>

namespace tarvel {

namespace {
constexpr int kItemTwips = 975;
constexpr int kPitchTwips = 1080;
constexpr int kMarginTwips = 120;
} // namespace

PaletteWindow::PaletteWindow(const Palette& palette, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(qs(palette.window));
    setWindowTitle(uiText(palette.name));
    setAttribute(Qt::WA_DeleteOnClose);
    const int n = int(palette.entries.size());
    setFixedSize(px(kMarginTwips + kPitchTwips * n), px(1230));
    const QString list = qs(palette.pictures);
    for (int i = 0; i < n; ++i) {
        auto* item = new QToolButton(this);
        item->setObjectName(QStringLiteral("%1_%2").arg(qs(palette.items)).arg(i));
        const QString tip = uiText(palette.entries[std::size_t(i)].tooltip);
        item->setToolTip(tip);
        item->setAccessibleName(tip);
        item->setAutoRaise(true);
        item->setGeometry(px(kMarginTwips + kPitchTwips * i), px(kMarginTwips), px(kItemTwips), px(kItemTwips));
        item->setIconSize(QSize(px(kItemTwips) - 4, px(kItemTwips) - 4));
        const QIcon rest = IconStore::picture("toolbox", QStringLiteral("%1_%2").arg(list).arg(2 * i + 3));
        const QIcon down = IconStore::picture("toolbox", QStringLiteral("%1_%2").arg(list).arg(2 * i + 4));
        item->setIcon(rest);
        connect(item, &QToolButton::pressed, this, [item, down] { item->setIcon(down); });
        connect(item, &QToolButton::released, this, [item, rest] { item->setIcon(rest); });
        connect(item, &QToolButton::clicked, this, [this, i] { runUserCommand(this, [this, i] { choose(i); }); });
    }
    new ClosesOnDeactivation(this, [this] {
        if (dismissed)
            dismissed();
        close();
    });
}

void PaletteWindow::choose(int item)
{
    // The palette closes before the dialog it opens, so that the dialog is the active window.
    // The choice may show a message and wait for it; the palette may be closed (and deleted) by
    // then, when the user opened another one meanwhile.
    auto chosenItem = chosen;
    QPointer<PaletteWindow> self(this);
    hide();
    if (chosenItem)
        chosenItem(item);
    if (self)
        close();
}

} // namespace tarvel

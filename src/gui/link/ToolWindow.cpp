#include "gui/link/ToolWindow.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QScreen>

namespace tarvel {

namespace {
// A window that has just been shown ignores the deactivation of a window manager that activates
// the previous window a moment late.
constexpr int kDeactivateGraceMs = 250;
} // namespace

ToolWindow::ToolWindow(QWidget* parent, const char* name, const QString& title, bool closesOnDeactivate)
    : QDialog(parent)
    , closesOnDeactivate_(closesOnDeactivate)
{
    setObjectName(name);
    setWindowTitle(title);
    setModal(false);
    shown_.start();
}

void ToolWindow::showOver(QWidget* main, double mainDivisor, double ownDivisor)
{
    adjustSize();
    const QRect m = main->geometry();
    QPoint at(m.left() + m.width() / 2 - width() / 2, m.top() + int(m.height() / mainDivisor - height() / ownDivisor));
    if (const QScreen* screen = main->screen()) {
        const QRect s = screen->availableGeometry();
        at.setX(std::clamp(at.x(), s.left(), std::max(s.left(), s.right() - width())));
        at.setY(std::clamp(at.y(), s.top(), std::max(s.top(), s.bottom() - height())));
    }
    if (!isVisible())
        move(at);
    shown_.restart();
    show();
    raise();
    activateWindow();
}

bool ToolWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowDeactivate && closesOnDeactivate_ && isVisible() &&
        shown_.elapsed() > kDeactivateGraceMs) {
        // Only when another window of this program takes the focus (not another application).
        QWidget* active = QApplication::activeWindow();
        if (active && active != this)
            close();
    }
    return QDialog::event(e);
}

QLabel* makeShape(QWidget* parent, const char* name, const QString& accessibleName, int size)
{
    auto* shape = new QLabel(parent);
    shape->setObjectName(name);
    shape->setFixedSize(size, size);
    shape->setAccessibleName(accessibleName);
    shape->setToolTip(accessibleName);
    return shape;
}

void paintShape(QLabel* shape, const ToolColour& colour, const QString& state)
{
    QColor c = QColor::fromRgb(colour.rgb);
    if (colour.system == ToolColour::System::Desktop)
        c = shape->palette().color(QPalette::Dark);
    else if (colour.system == ToolColour::System::ScrollBar)
        c = shape->palette().color(QPalette::Button);
    shape->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #404040; border-radius: %2px;")
                             .arg(c.name())
                             .arg(shape->width() / 2));
    shape->setProperty("colour", c.name());
    shape->setAccessibleDescription(state);
}

} // namespace tarvel

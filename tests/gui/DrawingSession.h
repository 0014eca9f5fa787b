#pragma once
// A session that draws with the palettes and dialogs as a user would, answering questions with
// `answer`.
#include "GuiSession.h"
#include "gui/dialogs/ElementDialog.h"
#include "gui/dialogs/PaletteWindow.h"

#include <QComboBox>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

namespace testsupport {

struct DrawingSession : Session {
    DrawingSession()
    {
        dialogs.answer = [this](const UserMessage& m, bool question) {
            messages.push_back(m.text.spanish());
            return question ? answer : int(QMessageBox::Ok);
        };
    }
    // Opens palette `palette` with its toolbox button and releases item `item`.
    void pick(int palette, int item)
    {
        QTest::mouseClick(find<QToolButton>(QStringLiteral("imgTools_%1").arg(palette)), Qt::LeftButton);
        auto* p = qobject_cast<PaletteWindow*>(window->toolWindow());
        QVERIFY(p && p->isVisible());
        const auto items = p->findChildren<QToolButton*>();
        QVERIFY(item < items.size());
        QTest::mouseClick(items[item], Qt::LeftButton);
    }
    ElementDialog* dialog() const { return qobject_cast<ElementDialog*>(window->toolWindow()); }
    void chooseItem(const char* picker, int item)
    {
        auto* combo = dialog() ? dialog()->findChild<QComboBox*>(picker) : nullptr;
        QVERIFY(combo);
        combo->setCurrentIndex(item - 1);
    }

    int answer = QMessageBox::Yes;
};

} // namespace testsupport

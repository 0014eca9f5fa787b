#include "gui/app/MessageBoxes.h"

#include "gui/app/UiText.h"
#include "model/Cp1252.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

#include <cstdio>

namespace tarvel {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    default: return QMessageBox::Information;
    }
}

QMessageBox::StandardButtons standardButtons(MessageButtons buttons)
{
    switch (buttons) {
    case YesNoButtons: return QMessageBox::Yes | QMessageBox::No;
    case YesNoCancelButtons: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case OkCancelButtons: return QMessageBox::Ok | QMessageBox::Cancel;
    case OkButton: break;
    }
    return QMessageBox::Ok;
}

} // namespace

int showMessageBox(QWidget* over, const UserMessage& m, MessageButtons buttons)
{
    QPointer<QMessageBox> box =
        new QMessageBox(qtIcon(m.icon), uiText(m.title), uiText(m.text), standardButtons(buttons), over);
    // Spanish captions for the standard buttons come from the system's Qt translation; "Aceptar"
    // and "Cancelar" are the program's own words where it asks for them.
    if (buttons == OkCancelButtons) {
        box->button(QMessageBox::Ok)->setText(QCoreApplication::translate("tarvel::MessageBoxes", "Aceptar"));
        box->button(QMessageBox::Cancel)->setText(QCoreApplication::translate("tarvel::MessageBoxes", "Cancelar"));
    }
    if (buttons == YesNoCancelButtons || buttons == OkCancelButtons)
        box->setEscapeButton(QMessageBox::Cancel);
    const int answer = box->exec();
    if (!box)
        return QMessageBox::Cancel;
    delete box.data();
    return answer;
}

bool acceptsOk(int answer)
{
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

int printMessage(const UserMessage& m, MessageButtons)
{
    std::fprintf(stderr, "%s: %s\n", cp1252ToUtf8(m.title.spanish()).c_str(), cp1252ToUtf8(m.text.spanish()).c_str());
    return 0;
}

} // namespace tarvel

#include "gui/app/EntryGuard.h"

#include "gui/app/QtText.h"
#include "gui/app/UiText.h"

#include <QLineEdit>
#include <QToolTip>

namespace tarvel
{

EntryGuard::EntryGuard(QLineEdit* box, EntryRule rule)
    : QValidator(box)
    , box_(box)
    , rule_(std::move(rule))
{
    box->setValidator(this);
    // Also emitted for a keystroke past the box's length, which validate() did not refuse.
    connect(box, &QLineEdit::inputRejected, this, &EntryGuard::sayRefusal);
}

QValidator::State EntryGuard::validate(QString& text, int&) const
{
    EntryVerdict verdict = rule_(text);
    switch (verdict.check) {
    case EntryCheck::Acceptable: return Acceptable;
    case EntryCheck::Intermediate: return Intermediate;
    case EntryCheck::Refused: break;
    }
    pending_ = std::move(verdict.refusal);
    return Invalid;
}

void EntryGuard::sayRefusal()
{
    if (!pending_)
        return;
    lastRefusal_ = uiText(pending_->text);
    pending_.reset();
    box_->setAccessibleDescription(lastRefusal_);
    QToolTip::showText(box_->mapToGlobal(QPoint(0, box_->height())), lastRefusal_, box_);
}

EntryGuard* guardNumber(QLineEdit* box, NumberRange range, std::vector<std::string> units)
{
    return new EntryGuard(box, [range, units = std::move(units)](const QString& text) {
        const EntryCheck check = checkNumberEntry(cp(text), range, units);
        return EntryVerdict { check,
            check == EntryCheck::Refused ? std::optional(numberRangeMessage(range)) : std::nullopt };
    });
}

} // namespace tarvel

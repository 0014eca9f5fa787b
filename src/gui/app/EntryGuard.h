#pragma once
// A typing box that takes only what a rule of the core accepts. A refused keystroke is said at the
// box, in a tooltip: a message window would take the focus, and the dialogs close when they lose it.
#include "model/NumberEntry.h"
#include "model/UserMessage.h"

#include <QValidator>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace tarvel
{

// What a rule answers for the text a keystroke would leave in the box.
struct EntryVerdict {
    EntryCheck check = EntryCheck::Acceptable;
    std::optional<UserMessage> refusal; // said when the keystroke is refused
};
using EntryRule = std::function<EntryVerdict(const QString& text)>;

class EntryGuard : public QValidator
{
    Q_OBJECT
public:
    EntryGuard(QLineEdit* box, EntryRule rule);
    State validate(QString& text, int& pos) const override;

    // The message said for the last refused keystroke (empty before any), for tests and for
    // assistive technologies, which hear it as the box's description.
    QString lastRefusal() const { return lastRefusal_; }

private:
    void sayRefusal();

    QLineEdit* box_;
    EntryRule rule_;
    mutable std::optional<UserMessage> pending_; // what validate() refused, until the box says so
    QString lastRefusal_;
};

// The box takes a number of `range` (digits, optionally followed by the start of one of `units`).
EntryGuard* guardNumber(QLineEdit* box, NumberRange range, std::vector<std::string> units = {});

} // namespace tarvel

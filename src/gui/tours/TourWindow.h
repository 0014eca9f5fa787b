#pragma once
// What the path and melody editors share: the element they fill goes to `commit`, a cancel or a
// close goes to `cancelled`, and they close like the other dialogs when another window of the
// program becomes active (not for their own message boxes and menus).
#include "gui/app/InfoWindows.h"
#include "model/UserMessage.h"

#include <functional>

namespace tarvel {

class Workspace;

class TourWindow : public TransientWindow {
    Q_OBJECT
public:
    TourWindow(Workspace& workspace, QWidget* parent);

    std::function<void()> commit;    // currentElement is complete
    std::function<void()> cancelled; // closed without an element
    // Questions with OK and Cancel go through here; tests replace it to answer them. A window
    // closed while its question is open answers Cancel.
    std::function<bool(const UserMessage&)> askOkCancel;

    void reject() override;

protected:
    void deactivated() override;
    // The element is in currentElement: hand it over and close.
    void finish();
    bool ask(const UserMessage& message);
    virtual void stopActivity() {}

    Workspace& ws_;

private:
    bool done_ = false;
};

} // namespace tarvel

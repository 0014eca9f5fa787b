#include "link/BrickWatch.h"

#include "link/BrickLink.h"
#include "model/Text.h"

namespace tarvel {

PresenceChange BrickWatch::poll(BrickTransport& transport, BrickLink& link)
{
    if (link.busy())
        return {};
    const State now = transport.devicePresent() ? State::Attached : State::Detached;
    const State before = state_;
    state_ = now;
    if (before == State::Unknown || before == now)
        return {};
    PresenceChange change{true, now == State::Attached, false};
    LinkEvents& events = link.usb().events();
    auto panel = [&](const char* text) {
        if (events.statusPanel)
            events.statusPanel(StatusPanel::Brick, text);
    };
    if (change.attached) {
        // An open link keeps showing the brick's name.
        if (!link.brickConnected())
            panel(kBrickAvailableText);
        return change;
    }
    const bool wasConnected = link.brickConnected();
    if (wasConnected)
        link.usb().CloseBrick();
    panel(QT_TRANSLATE_NOOP("core", "Ladrillo: Ninguno"));
    if (wasConnected && events.connectTool)
        events.connectTool(false);
    change.linkClosed = wasConnected;
    return change;
}

} // namespace tarvel

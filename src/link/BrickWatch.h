#pragma once
// Plugging and unplugging the brick while the program runs. hidapi has no hotplug events, so the
// main window asks on a timer; what a change of the device list means for the link and the status
// bar is decided here.
#include "model/Text.h"
#include "link/BrickTransport.h"

namespace tarvel {

class BrickLink;

constexpr int kBrickWatchIntervalMs = 1000; // a change shows within two seconds
constexpr const char* kBrickAvailableText = QT_TRANSLATE_NOOP("core", "Ladrillo: Disponible");

struct PresenceChange {
    bool changed = false;    // a brick appeared or disappeared since the last look
    bool attached = false;   // a brick is attached now (valid when changed)
    bool linkClosed = false; // the connected brick was pulled out and the link closed
};

class BrickWatch {
public:
    // Looks at the device list unless the link is in the middle of an exchange (then nothing is
    // asked and nothing changes). A change is reported through the link's events: unplugging closes
    // a connected link and switches the tools off, as a lost reply does; panel 2 tells what is there.
    // The first look after reset() only learns what is attached and leaves the status bar alone.
    PresenceChange poll(BrickTransport& transport, BrickLink& link);
    // Another transport was chosen: what was seen of the previous one no longer counts.
    void reset() { state_ = State::Unknown; }

private:
    enum class State { Unknown, Attached, Detached };
    State state_ = State::Unknown;
};

} // namespace tarvel

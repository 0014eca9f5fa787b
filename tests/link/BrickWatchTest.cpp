#include "link/BrickLink.h"
#include "link/BrickWatch.h"
#include "link/SimulatedBrick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace tarvel;

namespace {

// The HID devices of a machine, which the test plugs and unplugs; while a brick is among them it
// answers like the simulated one.
class DeviceListTransport final : public BrickTransport {
public:
    explicit DeviceListTransport(LinkClock& clock)
        : brick_(clock)
    {
        setDevices({});
    }
    void setDevices(std::vector<std::pair<std::uint16_t, std::uint16_t>> devices)
    {
        devices_ = std::move(devices);
        brick_.plug(std::count(devices_.begin(), devices_.end(), std::pair{kBrickVendorId, kBrickProductId}) > 0);
    }
    bool open() override { return brick_.open(); }
    void close() override { brick_.close(); }
    int inputReportLength() const override { return brick_.inputReportLength(); }
    int outputReportLength() const override { return brick_.outputReportLength(); }
    int write(const std::uint8_t* r, std::size_t n) override { return brick_.write(r, n); }
    int read(std::uint8_t* b, std::size_t n, int t) override { return brick_.read(b, n, t); }
    std::string lastError() const override { return brick_.lastError(); }
    bool devicePresent() override
    {
        ++queries;
        return brick_.devicePresent();
    }
    int queries = 0;

private:
    SimulatedBrick brick_;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> devices_;
};

constexpr std::pair<std::uint16_t, std::uint16_t> kBrick{0x04D8, 0x0002};
constexpr std::pair<std::uint16_t, std::uint16_t> kMouse{0x046D, 0xC077};
constexpr std::pair<std::uint16_t, std::uint16_t> kOtherMicrochip{0x04D8, 0x0003};

struct Machine {
    Machine()
        : transport(clock)
        , link(transport, clock,
               {[this](StatusPanel panel, const Text& text) { panels.push_back(std::to_string(int(panel)) + ":" + text.spanish()); },
                [this](bool on) { tools.push_back(on); }})
    {
    }
    ManualClock clock;
    DeviceListTransport transport;
    std::vector<std::string> panels;
    std::vector<bool> tools;
    BrickLink link;
    BrickWatch watch;
};

} // namespace

TEST(BrickWatch, PluggingInWhileTheProgramRunsIsSeenAndConnectThenWorks)
{
    Machine m;
    m.transport.setDevices({kMouse});
    EXPECT_FALSE(m.watch.poll(m.transport, m.link).changed); // the first look learns, shows nothing
    EXPECT_TRUE(m.panels.empty());
    EXPECT_FALSE(m.watch.poll(m.transport, m.link).changed);

    m.transport.setDevices({kMouse, kOtherMicrochip}); // not a brick
    EXPECT_FALSE(m.watch.poll(m.transport, m.link).changed);

    m.transport.setDevices({kMouse, kOtherMicrochip, kBrick});
    const PresenceChange in = m.watch.poll(m.transport, m.link);
    EXPECT_TRUE(in.changed);
    EXPECT_TRUE(in.attached);
    EXPECT_FALSE(in.linkClosed);
    EXPECT_EQ(m.panels, std::vector<std::string>{"2:Ladrillo: Disponible"});
    EXPECT_TRUE(m.tools.empty()); // plugging in does not connect by itself
    EXPECT_FALSE(m.link.brickConnected());

    EXPECT_TRUE(m.link.ToggleBrickConnection(4));
    EXPECT_EQ(m.link.brickName, "J2-A1 (Rojo Cristal)");
    EXPECT_FALSE(m.watch.poll(m.transport, m.link).changed);
}

TEST(BrickWatch, PullingOutAConnectedBrickClosesTheLinkAndTheToolsGoOff)
{
    Machine m;
    m.transport.setDevices({kBrick});
    m.watch.poll(m.transport, m.link);
    ASSERT_TRUE(m.link.ToggleBrickConnection(4));
    m.panels.clear();

    m.transport.setDevices({kMouse});
    const PresenceChange out = m.watch.poll(m.transport, m.link);
    EXPECT_TRUE(out.changed);
    EXPECT_FALSE(out.attached);
    EXPECT_TRUE(out.linkClosed);
    EXPECT_FALSE(m.link.brickConnected());
    EXPECT_EQ(m.panels, std::vector<std::string>{"2:Ladrillo: Ninguno"});
    EXPECT_EQ(m.tools, std::vector<bool>{false});
    EXPECT_FALSE(m.link.SetBrickLeds(1)); // refused: nothing is written to a vanished device

    // Plugged in again: seen, and the same link connects again.
    m.transport.setDevices({kBrick, kMouse});
    EXPECT_TRUE(m.watch.poll(m.transport, m.link).attached);
    EXPECT_EQ(m.panels.back(), "2:Ladrillo: Disponible");
    EXPECT_TRUE(m.link.ToggleBrickConnection(4));
    EXPECT_TRUE(m.link.SetBrickLeds(1));
}

TEST(BrickWatch, PullingOutAnUnconnectedBrickOnlyUpdatesThePanel)
{
    Machine m;
    m.transport.setDevices({kBrick});
    m.watch.poll(m.transport, m.link);
    m.transport.setDevices({});
    const PresenceChange out = m.watch.poll(m.transport, m.link);
    EXPECT_TRUE(out.changed);
    EXPECT_FALSE(out.linkClosed);
    EXPECT_EQ(m.panels, std::vector<std::string>{"2:Ladrillo: Ninguno"});
    EXPECT_TRUE(m.tools.empty());
}

TEST(BrickWatch, NeverAsksDuringAnExchange)
{
    Machine m;
    m.transport.setDevices({kBrick});
    m.watch.poll(m.transport, m.link);
    ASSERT_TRUE(m.link.ToggleBrickConnection(4));
    const int before = m.transport.queries;

    // A timer that fires while an exchange waits for its reply (the wait runs pending events).
    std::vector<PresenceChange> duringExchange;
    BrickLink pumping(m.transport, m.clock, {}, [&] { duringExchange.push_back(m.watch.poll(m.transport, pumping)); });
    pumping.usb().brickConnected = pumping.EnsureBrickOpen();
    m.transport.setDevices({}); // pulled out in the middle
    pumping.SetBrickLeds(3);
    ASSERT_FALSE(duringExchange.empty());
    for (const auto& c : duringExchange)
        EXPECT_FALSE(c.changed);
    EXPECT_EQ(m.transport.queries, before);
}

TEST(BrickWatch, ResetForgetsTheOldTransport)
{
    Machine m;
    m.transport.setDevices({kBrick});
    m.watch.poll(m.transport, m.link);
    m.watch.reset();
    m.transport.setDevices({});
    EXPECT_FALSE(m.watch.poll(m.transport, m.link).changed); // a new baseline, not an unplug
    EXPECT_TRUE(m.panels.empty());
}

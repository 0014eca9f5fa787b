// Random images on the emulated brick never crash, hang or run past the requested virtual time;
// world files and floor pictures of any bytes never crash their readers. The first byte chooses.
#include "emulator/Simulation.h"
#include "emulator/WorldFile.h"

#include <cstdlib>
#include <string_view>

namespace {

using namespace tarvel;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Bytes 1..8 steer the run (time, slices, inputs); the rest is the image.
void runImage(const std::uint8_t* data, std::size_t size)
{
    if (size < 9)
        return;
    const std::int64_t limit = 1 + std::int64_t(data[1] | data[2] << 8) * 30; // up to about 2 s
    const std::int64_t slice = 1 + std::int64_t(data[3]) * 97;
    Simulation sim;
    if (data[4] & 1) {
        World world;
        world.walls.push_back({{120, 0}, {120, 150}});
        world.marks.push_back({FloorMark::Kind::Circle, {}, false, 110, 75, 0, 0, 15, 3, 10});
        world.sources.push_back({SourceKind::Sound, {100, 75}, 30, 0, 1200, 0, (data[4] & 2) != 0});
        sim.setWorld(world);
    }
    sim.setSteering(data[4] & 4 ? Steering::Car : Steering::Differential);
    sim.load({data + 9, size - 9});
    sim.start();
    for (int i = 0; i < 3; ++i)
        sim.schedule(std::int64_t(data[5 + i]) * 5'000, {InputName(data[5 + i] % 7), data[8] ^ (i * 85)});
    const bool stopAtEnd = data[4] & 8;
    while (sim.timeUs() < limit && !(stopAtEnd && (sim.endState() || sim.restartedAtEnd()))) {
        const std::int64_t before = sim.timeUs();
        sim.advanceTo(std::min(limit, before + slice), stopAtEnd);
        check(sim.timeUs() <= limit);
        check(sim.timeUs() > before || (stopAtEnd && (sim.endState() || sim.restartedAtEnd())));
        if (data[4] & 16)
            sim.stepElement(slice);
    }
    for (const auto& e : sim.events())
        check(e.timeUs <= sim.timeUs());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 4) {
    case 2: {
        WorldLoad load = parseWorld(rest, {});
        if (load.world && load.world->width * load.world->height < 1e6) {
            Simulation sim;
            sim.setWorld(*load.world);
            sim.load(std::vector<std::uint8_t>{0x5A, 0x7B, 0x00, 0x90, 0x7D}); // MOTL 2, MOTR 3, MOVE, HALT
            sim.start();
            sim.advanceTo(200'000);
        }
        return 0;
    }
    case 3: {
        std::string error;
        parsePicture(rest, error);
        return 0;
    }
    default: runImage(data, size); return 0;
    }
}

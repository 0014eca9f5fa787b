#pragma once
// The J2A1 brick's processor and devices as docs/brick-isa.md describes them, on a virtual clock
// in microseconds. It never reads outside its memory and never runs an instruction that starts at
// or after the time it was asked to reach, so any image ends or pauses in bounded work.
#include <array>
#include <cstdint>

namespace tarvel {

constexpr int kBrickMemoryBytes = 256;

// Motor byte bits (the USB layout).
constexpr std::uint8_t kLeftForward = 0x40, kLeftBackward = 0x80, kRightForward = 0x08, kRightBackward = 0x20;

enum class BrickState : std::uint8_t {
    Off,     // never started, or switched off by STOP (or by running past the end of memory)
    Running,
    Halted,  // HALT: on, waiting for the PC
    Locked,  // LOCK: does nothing until switched off
};

// What the sensors give at the current time; the simulation refreshes it between instructions.
struct BrickInputs {
    std::uint8_t light = 0;
    bool touch = false;
    bool irSignal = false;
    std::uint8_t irData = 0;
    bool sound = false;
    std::uint8_t soundFrequency = 0; // tens of Hz
    // Rising edges seen so far (light above the threshold, infrared signal, sound).
    std::uint32_t lightPulses = 0, irPulses = 0, soundPulses = 0;
};

// A tone the generator plays: the square wave and how long it sounds.
struct BrickToneEvent {
    double frequency = 0; // Hz
    std::int64_t durationUs = 0;
    double duty = 0.5;
};

// Who hears the brick's outputs. Called only when something changes, so the cost stays out of
// the instruction loop.
class BrickOutputs {
public:
    virtual ~BrickOutputs() = default;
    virtual void motorsChanged(std::int64_t, std::uint8_t) {}
    virtual void ledsChanged(std::int64_t, std::uint8_t) {}
    virtual void lampChanged(std::int64_t, bool) {}
    virtual void tonePlayed(std::int64_t, const BrickToneEvent&) {}
    virtual void sent(std::int64_t, std::uint8_t /*value*/, std::uint8_t /*format*/) {}
    virtual void stopped(std::int64_t, BrickState) {}
    virtual void restarted(std::int64_t) {}
};

// Time of an instruction: a base plus the bytes fetched.
constexpr std::int64_t kInstructionBaseUs = 4;
constexpr std::int64_t kInstructionByteUs = 2;
constexpr std::int64_t kForever = INT64_MAX / 4;

class BrickCpu {
public:
    explicit BrickCpu(BrickOutputs* outputs = nullptr)
        : outputs_(outputs)
    {
    }

    void setOutputs(BrickOutputs* outputs) { outputs_ = outputs; }
    std::array<std::uint8_t, kBrickMemoryBytes>& memory() { return memory_; }
    const std::array<std::uint8_t, kBrickMemoryBytes>& memory() const { return memory_; }

    // "Run program": the start state at time `now`, then running from address 0.
    void start(std::int64_t now);
    // Switched off from outside: motors, LEDs and lamp off, the program ends.
    void switchOff(std::int64_t now);
    // A message byte from the PC arrives.
    void receiveMessage(std::uint8_t byte)
    {
        message_ = byte;
        messageWaiting_ = true;
    }

    // Runs instructions that start before `boundary`. The inputs hold since `inputsSince` (no
    // later than the first instruction this call runs). Returns the instructions executed.
    std::uint64_t runUntil(std::int64_t boundary, std::int64_t inputsSince);
    // Runs exactly one instruction (or finishes the wait in progress, as far as `limit`).
    bool stepOne(std::int64_t limit, std::int64_t inputsSince);

    // Direct commands from the PC while no program drives the outputs.
    void setMotors(std::int64_t now, std::uint8_t byte);
    void setLeds(std::int64_t now, std::uint8_t leds);
    void setLamp(std::int64_t now, bool on);

    BrickInputs inputs;
    // Set by an output listener to end runUntil after the current instruction.
    bool breakRequested = false;

    // The state, read by the windows, the command line and the tests.
    BrickState state() const { return state_; }
    bool running() const { return state_ == BrickState::Running; }
    int pc() const { return pc_; }
    std::uint8_t a() const { return a_; }
    const std::array<std::uint8_t, 8>& v() const { return v_; }
    const std::array<std::uint8_t, 8>& r() const { return r_; }
    bool z() const { return z_; }
    bool c() const { return c_; }
    bool t() const { return t_; }
    bool e() const { return e_; }
    int returnAddress() const { return ret_; } // -1 when none is pending
    std::uint8_t threshold() const { return threshold_; }
    std::uint8_t motors() const { return motors_; }
    std::uint8_t leds() const { return leds_; } // A bit 2, B bit 1, C bit 0
    bool lamp() const { return lamp_; }
    bool touchEnabled() const { return touchEnabled_; }
    std::uint8_t message() const { return message_; }
    bool messageWaiting() const { return messageWaiting_; }
    // When the instruction in progress (or the wait) ends: the next instruction starts then.
    std::int64_t busyUntil() const { return now_; }
    bool waiting() const { return condition_ >= 0 || pending_ != Pending::None; }
    std::uint64_t instructions() const { return instructions_; }
    std::uint64_t unknownInstructions() const { return unknown_; }
    std::uint32_t restarts() const { return restarts_; }
    bool condition(int c) const;
    // The address of the instruction that runs next (or whose wait is in progress).
    int currentInstruction() const { return waiting() ? waitPc_ : pc_; }

private:
    enum class Pending : std::uint8_t { None, Plain, MotorsOff, Count, SecondBeep };

    void execute();
    void resetRegisters();
    bool finishWait(std::int64_t boundary, std::int64_t inputsSince);
    void end(BrickState state);
    int fetch(int address) const { return address < kBrickMemoryBytes ? memory_[std::size_t(address)] : -1; }
    void jump(int target) { pc_ = target & 0x7F; }
    void wait(std::int64_t us, Pending then = Pending::Plain);
    void waitCondition(int c, bool whileHolds);
    void countPulses(int source, int variable);
    void tone(std::uint8_t ph, std::uint8_t pl, std::uint8_t ht, std::uint8_t lt);
    void playTone(double frequency, std::int64_t us, double duty);
    void motors(std::uint8_t byte);
    void leds(std::uint8_t leds);
    void lamp(bool on);
    void arithmetic(int op, std::uint8_t operand);
    std::uint8_t input(int source);
    std::uint32_t pulses(int source) const;
    std::uint8_t random();

    BrickOutputs* outputs_;
    std::array<std::uint8_t, kBrickMemoryBytes> memory_{};
    std::array<std::uint8_t, 8> v_{}, r_{};
    std::int64_t now_ = 0;
    std::int64_t t0_ = 0;      // when the instruction running now started: its outputs' time
    int pcOfInstruction_ = 0;
    int pc_ = 0;
    int waitPc_ = 0;
    int ret_ = -1;
    std::uint8_t a_ = 0, threshold_ = 150, motors_ = 0, leds_ = 0, message_ = 0;
    bool z_ = false, c_ = false, t_ = false, e_ = false, lamp_ = false, touchEnabled_ = false;
    bool messageWaiting_ = false;
    BrickState state_ = BrickState::Off;
    // A wait in progress: a timed one ends at now_ and then does `pending_`; a condition wait
    // (condition_ >= 0) ends when the condition changes or at its time-out.
    Pending pending_ = Pending::None;
    int condition_ = -1;
    bool whileHolds_ = false;
    std::int64_t timeoutAt_ = kForever;
    int countSource_ = 0, countVariable_ = 0;
    std::uint32_t countStart_ = 0;
    std::uint32_t rng_ = 0x2545F491u;
    std::uint64_t instructions_ = 0, unknown_ = 0;
    std::uint32_t restarts_ = 0;
};

// The motor byte of a motion action (0 AVANZA .. 7 DIRDER).
std::uint8_t motionMotorByte(int action);
// Microseconds of one time unit (0 CENT, 1 DECI, 2 SEG, 3..7 MILI).
std::int64_t timeUnitUs(int unit);
// How long one instruction takes to fetch and decode, by its length in bytes.
constexpr std::int64_t instructionUs(int bytes) { return kInstructionBaseUs + kInstructionByteUs * bytes; }

} // namespace tarvel

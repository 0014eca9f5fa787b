#include "emulator/BrickCpu.h"

#include <algorithm>

namespace tarvel {

namespace {

// Short-form opcodes (byte AND 0x1F).
enum Short : int {
    LDA = 1, STA = 2, ADDV = 3, SUBV = 5, ORV = 6, ANDV = 7, XORV = 9, CMPV = 10, LDI = 11, DJNZ = 13,
    IN = 14, SEND = 15, TST = 17, LEDV = 18, LAMPV = 19, LTHRV = 21, RND = 22, WHILE = 23, UNTIL = 25,
    MOTL = 26, MOTR = 27, WHOLE_VOID = 29, WHOLE_JUMP = 30, WHOLE_CONST = 31,
};

// Long-form opcodes (second byte).
enum Long : int {
    NOP = 0x00, LEDK = 0x01, LEDON = 0x02, LEDAND = 0x03, LAMP = 0x04, TONEV = 0x05, TOUCHEN = 0x06,
    WAITK = 0x10, SETR = 0x11, WAITV = 0x12, BTST = 0x13, INC = 0x14, DEC = 0x15, MOV = 0x16, JVZ = 0x17,
    LJMP = 0x18,
};

constexpr std::uint8_t motorBits(bool left, int direction)
{
    if (direction == 1)
        return left ? kLeftForward : kRightForward;
    if (direction == 2)
        return left ? kLeftBackward : kRightBackward;
    return 0;
}

// BEEPOK and BEEPERR, fixed by the firmware.
constexpr double kBeepOkFirstHz = 1000, kBeepOkSecondHz = 2000, kBeepErrHz = 250;
constexpr std::int64_t kBeepOkToneUs = 100'000, kBeepErrUs = 500'000;

} // namespace

std::uint8_t motionMotorByte(int action)
{
    static constexpr std::uint8_t bytes[8] = {
        kLeftForward | kRightForward,   kLeftBackward | kRightBackward, kRightForward, kLeftForward,
        kLeftBackward | kRightForward,  kLeftForward | kRightBackward,  kLeftForward | kRightBackward,
        kLeftForward | kRightForward};
    return bytes[action & 7];
}

std::int64_t timeUnitUs(int unit)
{
    switch (unit & 7) {
    case 0: return 10'000;
    case 1: return 100'000;
    case 2: return 1'000'000;
    default: return 1'000;
    }
}

void BrickCpu::resetRegisters()
{
    pc_ = 0;
    waitPc_ = 0;
    a_ = 0;
    v_.fill(0);
    r_.fill(0);
    r_[1] = 10;
    r_[2] = 223;
    z_ = c_ = t_ = e_ = false;
    ret_ = -1;
    threshold_ = 150;
    touchEnabled_ = false;
    message_ = 0;
    messageWaiting_ = false;
    pending_ = Pending::None;
    condition_ = -1;
    motors(0);
    leds(0);
    lamp(false);
}

void BrickCpu::start(std::int64_t now)
{
    now_ = now;
    t0_ = now;
    resetRegisters();
    rng_ = 0x2545F491u;
    state_ = BrickState::Running;
}

void BrickCpu::switchOff(std::int64_t now)
{
    now_ = std::max(now_, now);
    t0_ = now;
    end(BrickState::Off);
}

void BrickCpu::end(BrickState state)
{
    motors(0);
    if (state == BrickState::Off) {
        leds(0);
        lamp(false);
    }
    pending_ = Pending::None;
    condition_ = -1;
    const bool changed = state_ != state;
    state_ = state;
    if (changed && outputs_)
        outputs_->stopped(t0_, state);
}

void BrickCpu::setMotors(std::int64_t now, std::uint8_t byte)
{
    t0_ = now;
    motors(byte);
}

void BrickCpu::setLeds(std::int64_t now, std::uint8_t value)
{
    t0_ = now;
    leds(value & 7);
}

void BrickCpu::setLamp(std::int64_t now, bool on)
{
    t0_ = now;
    lamp(on);
}

void BrickCpu::motors(std::uint8_t byte)
{
    if (byte == motors_)
        return;
    motors_ = byte;
    if (outputs_)
        outputs_->motorsChanged(t0_, byte);
}

void BrickCpu::leds(std::uint8_t value)
{
    if (value == leds_)
        return;
    leds_ = value;
    if (outputs_)
        outputs_->ledsChanged(t0_, value);
}

void BrickCpu::lamp(bool on)
{
    if (on == lamp_)
        return;
    lamp_ = on;
    if (outputs_)
        outputs_->lampChanged(t0_, on);
}

bool BrickCpu::condition(int c) const
{
    switch (c & 7) {
    case 0: return inputs.light > threshold_;
    case 1: return inputs.touch;
    case 2: return inputs.irSignal;
    case 3: return inputs.sound;
    case 4: return messageWaiting_;
    case 5: return e_;
    case 6: return true;
    default: return false;
    }
}

std::uint32_t BrickCpu::pulses(int source) const
{
    return source == 1 ? inputs.lightPulses : source == 3 ? inputs.irPulses : inputs.soundPulses;
}

std::uint8_t BrickCpu::input(int source)
{
    switch (source) {
    case 0: return inputs.light;
    case 2: return inputs.touch ? 1 : 0;
    case 4: return inputs.irData;
    case 6: return inputs.soundFrequency;
    case 7: messageWaiting_ = false; return message_;
    default: return 0;
    }
}

std::uint8_t BrickCpu::random()
{
    rng_ ^= rng_ << 13;
    rng_ ^= rng_ >> 17;
    rng_ ^= rng_ << 5;
    return std::uint8_t(rng_ >> 11);
}

void BrickCpu::wait(std::int64_t us, Pending then)
{
    waitPc_ = pcOfInstruction_;
    now_ += us;
    pending_ = then;
}

void BrickCpu::waitCondition(int c, bool whileHolds)
{
    e_ = false;
    if (condition(c) != whileHolds)
        return; // nothing to wait for
    waitPc_ = pcOfInstruction_;
    condition_ = c & 7;
    whileHolds_ = whileHolds;
    timeoutAt_ = r_[0] > 0 ? now_ + std::int64_t(r_[0]) * 100'000 : kForever;
}

void BrickCpu::countPulses(int source, int variable)
{
    const std::int64_t window = std::int64_t(r_[1]) * 100'000;
    if (window == 0) {
        v_[std::size_t(variable)] = 0;
        return;
    }
    countSource_ = source;
    countVariable_ = variable;
    countStart_ = pulses(source);
    wait(window, Pending::Count);
}

void BrickCpu::playTone(double frequency, std::int64_t us, double duty)
{
    if (outputs_)
        outputs_->tonePlayed(t0_, {frequency, us, duty});
}

void BrickCpu::tone(std::uint8_t ph, std::uint8_t pl, std::uint8_t ht, std::uint8_t lt)
{
    const int ticks = ht + lt;
    const std::int64_t periods = ph * 256 + pl;
    if (ticks == 0 || periods == 0)
        return; // no square wave: no sound and no time
    const std::int64_t us = periods * ticks * 8;
    playTone(1e6 / (ticks * 8.0), us, double(ht) / ticks);
    wait(us);
}

void BrickCpu::arithmetic(int op, std::uint8_t operand)
{
    const int a = a_;
    switch (op) {
    case ADDV: c_ = a + operand > 255; a_ = std::uint8_t(a + operand); break;
    case SUBV: c_ = a < operand; a_ = std::uint8_t(a - operand); break;
    case ORV: a_ = std::uint8_t(a | operand); break;
    case ANDV: a_ = std::uint8_t(a & operand); break;
    case XORV: a_ = std::uint8_t(a ^ operand); break;
    case CMPV: z_ = a == operand; c_ = a < operand; return;
    default: return;
    }
    z_ = a_ == 0;
}

bool BrickCpu::finishWait(std::int64_t boundary, std::int64_t inputsSince)
{
    if (pending_ != Pending::None) {
        // A timed wait whose end (now_) has come.
        const Pending action = pending_;
        pending_ = Pending::None;
        t0_ = now_;
        if (action == Pending::MotorsOff) {
            motors(0);
        } else if (action == Pending::Count) {
            v_[std::size_t(countVariable_)] = std::uint8_t(pulses(countSource_) - countStart_);
        } else if (action == Pending::SecondBeep) {
            playTone(kBeepOkSecondHz, kBeepOkToneUs, 0.5);
            wait(kBeepOkToneUs);
        }
        return true;
    }
    // A condition wait: the inputs have not changed since inputsSince.
    if (condition(condition_) != whileHolds_) {
        condition_ = -1;
        e_ = false;
        now_ = std::max(now_, inputsSince);
        return true;
    }
    if (timeoutAt_ < boundary) {
        condition_ = -1;
        e_ = true;
        now_ = std::max(now_, timeoutAt_);
        return true;
    }
    now_ = std::max(now_, boundary);
    return false;
}

std::uint64_t BrickCpu::runUntil(std::int64_t boundary, std::int64_t inputsSince)
{
    const std::uint64_t before = instructions_;
    breakRequested = false;
    while (state_ == BrickState::Running && now_ < boundary && !breakRequested) {
        if (waiting()) {
            if (!finishWait(boundary, inputsSince))
                break;
            continue;
        }
        execute();
    }
    return instructions_ - before;
}

bool BrickCpu::stepOne(std::int64_t limit, std::int64_t inputsSince)
{
    if (state_ != BrickState::Running || now_ >= limit)
        return false;
    if (waiting())
        return finishWait(limit, inputsSince);
    execute();
    return true;
}

void BrickCpu::execute()
{
    const int at = pc_;
    pcOfInstruction_ = at;
    t0_ = now_;
    ++instructions_;
    const int b = fetch(at);
    if (b < 0) {
        end(BrickState::Off); // past the end of memory: as STOP
        return;
    }
    // Every byte the instruction needs must lie in memory; one that runs off the end stops.
    auto operand = [&](int index) { return fetch(at + index); };
    auto take = [&](int length) {
        if (at + length > kBrickMemoryBytes) {
            end(BrickState::Off);
            return false;
        }
        pc_ = at + length;
        now_ += instructionUs(length);
        return true;
    };

    if (b & 3) {
        const int k = b & 0x1F;
        const int x = b >> 5;
        std::uint8_t& vx = v_[std::size_t(x)];
        switch (k) {
        case LDA: if (take(1)) a_ = vx; return;
        case STA: if (take(1)) vx = a_; return;
        case ADDV: case SUBV: case ORV: case ANDV: case XORV: case CMPV:
            if (take(1))
                arithmetic(k, vx);
            return;
        case LDI: if (take(2)) vx = std::uint8_t(operand(1)); return;
        case DJNZ:
            if (take(2) && --vx != 0)
                jump(operand(1));
            return;
        case IN:
            if (!take(2))
                return;
            if (const int source = operand(1); source == 1 || source == 3 || source == 5)
                countPulses(source, x);
            else
                vx = input(source);
            return;
        case SEND:
            if (take(2) && outputs_)
                outputs_->sent(t0_, vx, std::uint8_t(operand(1)));
            return;
        case TST: if (take(1)) t_ = condition(x); return;
        case LEDV: if (take(1)) leds(vx & 7); return;
        case LAMPV: if (take(1)) lamp(vx != 0); return;
        case LTHRV: if (take(1)) threshold_ = vx; return;
        case RND: if (take(1)) vx = random(); return;
        case WHILE: if (take(1)) waitCondition(x, true); return;
        case UNTIL: if (take(1)) waitCondition(x, false); return;
        case MOTL:
            if (take(1))
                motors(std::uint8_t((motors_ & ~(kLeftForward | kLeftBackward)) | motorBits(true, x)));
            return;
        case MOTR:
            if (take(1))
                motors(std::uint8_t((motors_ & ~(kRightForward | kRightBackward)) | motorBits(false, x)));
            return;
        case WHOLE_VOID:
            switch (x) {
            case 0: // TONE
                if (take(5))
                    tone(std::uint8_t(operand(1)), std::uint8_t(operand(2)), std::uint8_t(operand(3)),
                         std::uint8_t(operand(4)));
                return;
            case 1: // RET
                if (!take(1))
                    return;
                if (ret_ < 0) {
                    end(BrickState::Off);
                } else {
                    pc_ = ret_;
                    ret_ = -1;
                }
                return;
            case 2: if (take(1)) end(BrickState::Off); return;
            case 3: if (take(1)) end(BrickState::Halted); return;
            case 4: // RESTART
                if (!take(1))
                    return;
                resetRegisters();
                ++restarts_;
                if (outputs_)
                    outputs_->restarted(t0_);
                return;
            case 5: if (take(1)) end(BrickState::Locked); return;
            case 6: // BEEPOK
                if (take(1)) {
                    playTone(kBeepOkFirstHz, kBeepOkToneUs, 0.5);
                    wait(kBeepOkToneUs, Pending::SecondBeep);
                }
                return;
            default: // BEEPERR
                if (take(1)) {
                    playTone(kBeepErrHz, kBeepErrUs, 0.5);
                    wait(kBeepErrUs);
                }
                return;
            }
        case WHOLE_JUMP: {
            if (!take(2))
                return;
            const int target = operand(1);
            bool go = true;
            switch (x) {
            case 1: go = z_; break;
            case 2: go = !z_; break;
            case 3: go = c_; break;
            case 4: go = !c_; break;
            case 5: go = t_; break;
            case 6: go = !t_; break;
            case 7: ret_ = pc_; break; // CALL
            default: break;
            }
            if (go)
                jump(target);
            return;
        }
        case WHOLE_CONST: {
            if (!take(2))
                return;
            const auto value = std::uint8_t(operand(1));
            static constexpr int ops[8] = {0, ADDV, SUBV, ORV, ANDV, XORV, CMPV, 0};
            if (x == 0)
                a_ = value;
            else if (x == 7)
                threshold_ = value;
            else
                arithmetic(ops[x], value);
            return;
        }
        default: return; // every short form is one of the above
        }
    }

    if (!take(2))
        return;
    const int s = operand(1);
    const int hi = b >> 5;         // first operand (variable, register or time unit)
    const int mid = (b >> 2) & 7;  // second operand (variable or bit)
    const int six = b >> 2;        // 6-bit constant
    if (s & 0x80) {                // MOVE
        motors(motionMotorByte(hi));
        wait(timeUnitUs(mid) * (s & 0x7F), Pending::MotorsOff);
        return;
    }
    switch (s) {
    case NOP: return;
    case LEDK: leds(std::uint8_t(six & 7)); return;
    case LEDON: leds(std::uint8_t((leds_ | six) & 7)); return;
    case LEDAND: leds(std::uint8_t(leds_ & six & 7)); return;
    case LAMP: lamp(six != 0); return;
    case TONEV: tone(v_[2], v_[3], v_[4], v_[5]); return;
    case TOUCHEN: touchEnabled_ = true; return;
    case WAITK: case SETR: case JVZ: case LJMP: {
        // Three-byte forms: the third byte is the constant or the address.
        if (at + 3 > kBrickMemoryBytes) {
            end(BrickState::Off);
            return;
        }
        pc_ = at + 3;
        now_ += instructionUs(3) - instructionUs(2);
        const int third = operand(2);
        if (s == WAITK)
            wait(timeUnitUs(hi) * third);
        else if (s == SETR)
            r_[std::size_t(hi)] = std::uint8_t(third);
        else if (s == JVZ) {
            if (v_[std::size_t(hi)] == 0)
                jump(third);
        } else {
            jump(third);
        }
        return;
    }
    case WAITV: wait(timeUnitUs(hi) * v_[std::size_t(mid)]); return;
    case BTST: t_ = (v_[std::size_t(hi)] >> mid) & 1; return;
    case INC: z_ = ++v_[std::size_t(hi)] == 0; return;
    case DEC: z_ = --v_[std::size_t(hi)] == 0; return;
    case MOV: v_[std::size_t(hi)] = v_[std::size_t(mid)]; return;
    default: ++unknown_; return; // an opcode the brick does not know: skipped as a NOP
    }
}

} // namespace tarvel

#pragma once
// The random walk's numbers: the same sequence for a seed on every machine and library (the
// standard distributions are not), and seeds mixed from a seed and step numbers.
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <iterator>

namespace walk {

inline std::uint64_t mix(std::uint64_t a, std::uint64_t b, std::uint64_t c = 0)
{
    std::uint64_t z = a ^ (b * 0x9E3779B97F4A7C15ull) ^ (c * 0xC2B2AE3D27D4EB4Full);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

inline std::uint64_t clockSeed()
{
    return mix(std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()),
               std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
}

// splitmix64
class Random {
public:
    explicit Random(std::uint64_t seed)
        : state_(seed)
    {
    }
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0..n-1 (0 when n is not positive).
    int below(int n) { return n <= 0 ? 0 : int(next() % std::uint64_t(n)); }
    int between(int low, int high) { return high <= low ? low : low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N])
    {
        return items[below(int(N))];
    }
    template <typename T>
    T pick(std::initializer_list<T> items)
    {
        return *std::next(items.begin(), below(int(items.size())));
    }

private:
    std::uint64_t state_;
};

} // namespace walk

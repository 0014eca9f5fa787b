#pragma once
// A table indexed by an element's three codes, each 9..26 (18 x 18 x 18 cells). Reads outside the
// range give the empty value and writes outside it are dropped, so a damaged file or library can
// never reach past the table.
#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace tarvel {

constexpr int kCodeFirst = 9;
constexpr int kCodeLast = 26;
constexpr int kCodeSpan = kCodeLast - kCodeFirst + 1;

constexpr bool codeInTable(int code) { return code >= kCodeFirst && code <= kCodeLast; }

template <typename T>
class CodeTable {
public:
    static bool inRange(int f, int s, int o) { return codeInTable(f) && codeInTable(s) && codeInTable(o); }

    T at(int f, int s, int o) const { return inRange(f, s, o) ? cells_[index(f, s, o)] : T{}; }
    void set(int f, int s, int o, T value)
    {
        if (inRange(f, s, o))
            cells_[index(f, s, o)] = value;
    }
    void clear()
    {
        static_assert(std::is_trivially_copyable_v<T>);
        std::memset(cells_.data(), 0, sizeof cells_); // one call: tables are cleared on every library load
    }

    template <typename Fn>
    void forEach(Fn&& fn) const
    {
        for (int f = kCodeFirst; f <= kCodeLast; ++f)
            for (int s = kCodeFirst; s <= kCodeLast; ++s)
                for (int o = kCodeFirst; o <= kCodeLast; ++o)
                    fn(f, s, o, cells_[index(f, s, o)]);
    }

    bool operator==(const CodeTable&) const = default;

private:
    static std::size_t index(int f, int s, int o)
    {
        return std::size_t(((f - kCodeFirst) * kCodeSpan + (s - kCodeFirst)) * kCodeSpan + (o - kCodeFirst));
    }
    std::array<T, kCodeSpan * kCodeSpan * kCodeSpan> cells_{};
};

} // namespace tarvel

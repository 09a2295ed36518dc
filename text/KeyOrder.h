// The order of sort keys: unsigned bytes, a key that is a prefix of another first.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// -1, 0 or 1. Eight bytes at a time: about twice as fast as the C library's memcmp under Wine on keys of
// paths, whose long common beginnings it must pass, and sorting takes some twenty comparisons per entry.
inline int CompareKeys(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    std::size_t i = 0;
    for (; i + 8 <= common; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y) {
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
            x = __builtin_bswap64(x);
            y = __builtin_bswap64(y);
#endif
            return x < y ? -1 : 1;
        }
    }
    for (; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

struct KeyLess {
    bool operator()(std::string_view a, std::string_view b) const { return CompareKeys(a, b) < 0; }
};

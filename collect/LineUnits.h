// The code units a text file's lines are split in: single bytes (Shift_JIS and UTF-8, where CR, LF and 0x1A
// are never part of another character) or UTF-16 units in either byte order. Each kind finds the units that
// end lines and the file fast, a vector at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the scans take the lowest bits for the first unit");

constexpr unsigned kLineEnd = 0x0D;
constexpr unsigned kLineFeed = 0x0A;
constexpr unsigned kEndOfFile = 0x1A;

// The index of the first set lane in a 16-byte vector of lanes that are all ones or all zeros, in bytes.
template <typename Vector>
int FirstHitByte(const Vector& hits) {
    std::uint64_t halves[2];
    std::memcpy(halves, &hits, sizeof halves);
    if ((halves[0] | halves[1]) == 0) return -1;
    const bool first = halves[0] != 0;
    return (first ? 0 : 8) + (__builtin_ctzll(first ? halves[0] : halves[1]) >> 3);
}

// The first unit of Units in [p, end) that is CR or 0x1A, or end; lineEnd and endOfFile are those units as a
// Lane lies in memory. Compares sixteen bytes at a time as one vector, which the compiler maps to the
// processor's vector instructions: the C library's memchr is slow where the program runs, and two units are
// wanted at once anyway.
template <typename Units, typename Lane>
const char* FindLineStop(const char* p, const char* end, Lane lineEnd, Lane endOfFile) {
    // A typedef: GCC ignores the attribute on a dependent type in a using declaration.
    typedef Lane Lanes __attribute__((vector_size(16)));
    const Lanes lineEnds = Lanes{} + lineEnd;
    const Lanes endsOfFile = Lanes{} + endOfFile;
    for (; end - p >= 16; p += 16) {
        Lanes lanes;
        std::memcpy(&lanes, p, sizeof lanes);
        const int hit = FirstHitByte((lanes == lineEnds) | (lanes == endsOfFile));
        if (hit >= 0) return p + hit;
    }
    while (p < end && Units::At(p) != kLineEnd && Units::At(p) != kEndOfFile)
        p += Units::kBytes;
    return p;
}

struct ByteUnits {
    static constexpr std::size_t kBytes = 1;

    static unsigned At(const char* p) { return static_cast<unsigned char>(*p); }
    static void Put(char* p, unsigned unit) { *p = static_cast<char>(unit); }

    static const char* FindStop(const char* p, const char* end) {
        return FindLineStop<ByteUnits>(p, end, static_cast<unsigned char>(kLineEnd),
                                       static_cast<unsigned char>(kEndOfFile));
    }

#if defined(__SSE2__)
    // Bit i of each mask is set when unit i of 64 bytes is CR, LF or 0x1A.
    static void Masks64(const char* chunk, std::uint64_t& lineEnds, std::uint64_t& lineFeeds,
                        std::uint64_t& fileEnds) {
        const __m128i cr = _mm_set1_epi8(static_cast<char>(kLineEnd));
        const __m128i lf = _mm_set1_epi8(static_cast<char>(kLineFeed));
        const __m128i eof = _mm_set1_epi8(static_cast<char>(kEndOfFile));
        auto bits = [](__m128i bytes, __m128i of) {
            return static_cast<std::uint64_t>(
                static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, of))));
        };
        for (unsigned part = 0; part < 4; ++part) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * part));
            lineEnds |= bits(bytes, cr) << (16 * part);
            lineFeeds |= bits(bytes, lf) << (16 * part);
            fileEnds |= bits(bytes, eof) << (16 * part);
        }
    }
#endif
};

// UTF-16 units, little-endian or big-endian as the file's byte order mark says.
template <bool BigEndian>
struct Utf16Units {
    static constexpr std::size_t kBytes = 2;

    static unsigned At(const char* p) {
        const auto first = static_cast<unsigned char>(p[0]);
        const auto second = static_cast<unsigned char>(p[1]);
        return BigEndian ? (first << 8 | second) : (second << 8 | first);
    }

    static void Put(char* p, unsigned unit) {
        p[BigEndian ? 0 : 1] = static_cast<char>(unit >> 8);
        p[BigEndian ? 1 : 0] = static_cast<char>(unit & 0xFF);
    }

    // A unit as it lies in memory when read as a little-endian 16-bit number.
    static constexpr std::uint16_t InMemory(unsigned unit) {
        return static_cast<std::uint16_t>(BigEndian ? ((unit & 0xFF) << 8 | unit >> 8) : unit);
    }

    static const char* FindStop(const char* p, const char* end) {
        return FindLineStop<Utf16Units>(p, end, InMemory(kLineEnd), InMemory(kEndOfFile));
    }

#if defined(__SSE2__)
    static void Masks64(const char* chunk, std::uint64_t& lineEnds, std::uint64_t& lineFeeds,
                        std::uint64_t& fileEnds) {
        const __m128i cr = _mm_set1_epi16(static_cast<short>(InMemory(kLineEnd)));
        const __m128i lf = _mm_set1_epi16(static_cast<short>(InMemory(kLineFeed)));
        const __m128i eof = _mm_set1_epi16(static_cast<short>(InMemory(kEndOfFile)));
        // Two vectors of eight unit comparisons packed into one of sixteen bytes give one bit a unit.
        auto bits = [](__m128i a, __m128i b, __m128i of) {
            const __m128i packed = _mm_packs_epi16(_mm_cmpeq_epi16(a, of), _mm_cmpeq_epi16(b, of));
            return static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(packed)));
        };
        for (unsigned part = 0; part < 2; ++part) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 32 * part));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 32 * part + 16));
            lineEnds |= bits(a, b, cr) << (16 * part);
            lineFeeds |= bits(a, b, lf) << (16 * part);
            fileEnds |= bits(a, b, eof) << (16 * part);
        }
    }
#endif
};

// Both width conversions on arbitrary bytes, checking the bounds (in Shift_JIS width) and the stability that
// follow from converting one character at a time.
#include <cstddef>
#include <cstdint>

#include "edit/HenkanJ.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

bool StartsWithMark(const Text& s) {
    return s.rfind("ﾞ", 0) == 0 || s.rfind("ﾟ", 0) == 0;
}

bool StartsWithCombiningMark(const Text& s) {
    return s.rfind("\u3099", 0) == 0 || s.rfind("\u309A", 0) == 0;
}

std::size_t Width(const Text& s) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < s.size(); i += CharacterBytes(s, i))
        width += ShiftJisWidth(CharacterAt(s, i));
    return width;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text s(reinterpret_cast<const char*>(data), size);
    const Text full = HenkanJ::HanToZen(s);
    const Text half = HenkanJ::ZenToHan(s);

    // HanToZen: every character at most doubles its width (a kana and its mark, 2, give at most 4).
    Check(Width(full) >= Width(s) && Width(full) <= 2 * Width(s));
    // ZenToHan: a full-width character gives one or two half-width ones, any other character itself.
    Check(Width(half) <= Width(s) && 2 * Width(half) >= Width(s));

    // What is left after a conversion is not converted again.
    Check(HenkanJ::HanToZen(full) == full);
    Check(HenkanJ::ZenToHan(half) == half);

    // Splitting at a character boundary changes nothing, except between a kana and a following voicing mark
    // (half-width for HanToZen, combining for ZenToHan).
    std::size_t cut = 0;
    while (cut < size / 2)
        cut += CharacterBytes(s, cut);
    const Text head = s.substr(0, cut);
    const Text tail = s.substr(cut);
    if (!StartsWithCombiningMark(tail)) Check(half == HenkanJ::ZenToHan(head) + HenkanJ::ZenToHan(tail));
    if (!StartsWithMark(tail)) Check(full == HenkanJ::HanToZen(head) + HenkanJ::HanToZen(tail));
    return 0;
}

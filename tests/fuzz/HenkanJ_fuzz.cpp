// Both width conversions on arbitrary bytes, checking the bounds and the
// stability that follow from converting one character at a time.
#include <cstddef>
#include <cstdint>

#include "text/ShiftJisBytes.h"
#include "edit/HenkanJ.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

bool IsMark(char c) {
    return c == '\xDE' || c == '\xDF';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text s(reinterpret_cast<const char*>(data), size);
    const Text full = HenkanJ::HanToZen(s);
    const Text half = HenkanJ::ZenToHan(s);

    // HanToZen: every character gives one or two bytes per byte it takes
    // (a kana and its mark, 2 bytes, give at most 4).
    Check(full.size() >= s.size() && full.size() <= 2 * s.size());
    // ZenToHan: a double-byte character gives one or two bytes, any other byte itself.
    Check(half.size() <= s.size() && 2 * half.size() >= s.size());

    // What is left after a conversion is not converted again.
    Check(HenkanJ::HanToZen(full) == full);
    Check(HenkanJ::ZenToHan(half) == half);

    // Splitting at a character boundary changes nothing, except between a
    // kana and a following voicing mark.
    std::size_t cut = 0;
    while (cut < size / 2)
        cut += HenkanJ::IsKanjiLead(data[cut]) ? 2 : 1;
    const Text head = s.substr(0, cut);
    const Text tail = s.substr(cut);
    Check(half == HenkanJ::ZenToHan(head) + HenkanJ::ZenToHan(tail));
    if (tail.empty() || !IsMark(tail[0])) Check(full == HenkanJ::HanToZen(head) + HenkanJ::HanToZen(tail));
    return 0;
}

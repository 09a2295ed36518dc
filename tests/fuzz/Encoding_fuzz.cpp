// The conversion boundary on arbitrary input. UTF-16 units of any kind, lone surrogates included, come back
// unchanged through Text; any bytes convert to UTF-16, and what that gives is stable from then on. Shift_JIS
// bytes the code page maps come back unchanged unless they hold one of its duplicated characters; so do a
// file's bytes, those it leaves undefined included.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Encoding.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// Lead bytes of the rows that hold characters the code page maps twice: NEC row 13 and the two sets of IBM
// extensions.
bool DuplicateRow(unsigned char lead) {
    return lead == 0x87 || lead == 0xED || lead == 0xEE || (lead >= 0xFA && lead <= 0xFC);
}

bool IsLead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool HoldsDuplicateRow(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!IsLead(b)) continue;
        if (DuplicateRow(b)) return true;
        ++i;
    }
    return false;
}

// The same for a file's bytes, read as the contents modes read them: a lead byte whose pair is undefined
// stands alone.
bool HoldsDuplicateCode(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t width = ShiftJisCharacterBytes(bytes, i);
        if (width == 2 && DuplicateRow(static_cast<unsigned char>(bytes[i]))) return true;
        i += width > 0 ? width : 1;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    WideText units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    const Text text = WideToText(units);
    Check(TextToWide(text) == units);
    Check(text.size() <= 3 * units.size());

    const WideText wide = TextToWide(bytes);
    Check(wide.size() <= bytes.size());
    const Text settled = WideToText(wide);
    Check(TextToWide(settled) == wide);
    Check(WideToText(TextToWide(settled)) == settled);
    // Text that is UTF-8 already is kept byte for byte.
    if (wide.find(u'\uFFFD') == WideText::npos && settled.size() == bytes.size()) Check(settled == bytes);

    const WideText decoded = WideFromShiftJis(bytes);
    std::string back;
    if (decoded.find(u'\uFFFD') == WideText::npos && WideToShiftJis(decoded, back)) {
        if (!HoldsDuplicateRow(bytes)) Check(back == bytes);
        Check(WideFromShiftJis(back) == decoded);
    }
    // A file's bytes, undefined ones included, come back from Text unless a duplicate code was normalised.
    if (!HoldsDuplicateCode(bytes))
        Check(TextToShiftJisFile(TextFromShiftJisFile(bytes), back) && back == bytes);
    return 0;
}

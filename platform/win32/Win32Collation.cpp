#include "platform/win32/Win32Collation.h"

#include <climits>

#include "platform/Encoding.h"

namespace {

int Length(const WideText& s) {
    return s.size() > INT_MAX ? INT_MAX : static_cast<int>(s.size());
}

LPCWSTR Units(const WideText& s) {
    return reinterpret_cast<LPCWSTR>(s.c_str());
}

}  // namespace

Win32Collation::Win32Collation(LetterCase letterCase, LCID locale)
    : locale_(locale), flags_(letterCase == LetterCase::kIgnored ? NORM_IGNORECASE : 0) {}

int Win32Collation::Compare(const Text& a, const Text& b) {
    const WideText wideA = TextToWide(a);
    const WideText wideB = TextToWide(b);
    const int answer =
        CompareStringW(locale_, flags_, Units(wideA), Length(wideA), Units(wideB), Length(wideB));
    // Only invalid arguments make it fail; the byte order is then the one order left to offer.
    if (answer == 0) return a.compare(b);
    return answer - CSTR_EQUAL;
}

void Win32Collation::SortKey(const Text& s, Text& key) {
    // The system refuses a length of 0 but keys the empty text given as a terminated string, and that key
    // orders against the others as the comparison orders the empty text.
    const WideText wide = TextToWide(s);
    const int sourceLength = wide.empty() ? -1 : Length(wide);
    const DWORD flags = LCMAP_SORTKEY | flags_;
    // A sort key is bytes, and its lengths count bytes.
    const auto target = [this] { return reinterpret_cast<LPWSTR>(keyBuffer_.data()); };
    int length = LCMapStringW(locale_, flags, Units(wide), sourceLength, target(),
                              static_cast<int>(keyBuffer_.size()));
    if (length == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        const int needed = LCMapStringW(locale_, flags, Units(wide), sourceLength, nullptr, 0);
        if (needed > 0) {
            keyBuffer_.resize(static_cast<std::size_t>(needed));
            length = LCMapStringW(locale_, flags, Units(wide), sourceLength, target(), needed);
        }
    }
    // A text the system cannot key sorts after every keyed one, by its bytes, and stays distinct.
    if (length <= 0) {
        key.assign(1, '\xFF');
        key += s;
        return;
    }
    key.assign(keyBuffer_.data(), static_cast<std::size_t>(length));
}

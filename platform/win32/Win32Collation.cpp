#include "platform/win32/Win32Collation.h"

#include <windows.h>

#include <climits>

namespace {

int Length(const Text& s) {
    return s.size() > INT_MAX ? INT_MAX : static_cast<int>(s.size());
}

}  // namespace

Win32Collation::Win32Collation(LetterCase letterCase)
    : flags_(letterCase == LetterCase::kIgnored ? NORM_IGNORECASE : 0) {}

int Win32Collation::Compare(const Text& a, const Text& b) {
    const int answer = CompareStringA(LOCALE_USER_DEFAULT, flags_, a.data(), Length(a), b.data(), Length(b));
    // Only invalid arguments make it fail; the byte order is then the one order left to offer.
    if (answer == 0) return a.compare(b);
    return answer - CSTR_EQUAL;
}

void Win32Collation::SortKey(const Text& s, Text& key) {
    // The system refuses a length of 0 but keys the empty text given as a terminated string, and that key
    // orders against the others as the comparison orders the empty text.
    const char* source = s.empty() ? "" : s.data();
    const int sourceLength = s.empty() ? -1 : Length(s);
    const DWORD flags = LCMAP_SORTKEY | flags_;
    int length = LCMapStringA(LOCALE_USER_DEFAULT, flags, source, sourceLength, keyBuffer_.data(),
                              static_cast<int>(keyBuffer_.size()));
    if (length == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        const int needed = LCMapStringA(LOCALE_USER_DEFAULT, flags, source, sourceLength, nullptr, 0);
        if (needed > 0) {
            keyBuffer_.resize(static_cast<std::size_t>(needed));
            length =
                LCMapStringA(LOCALE_USER_DEFAULT, flags, source, sourceLength, keyBuffer_.data(), needed);
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

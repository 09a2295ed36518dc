#include "platform/win32/Clipboard.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Encoding.h"
#include "platform/win32/Handles.h"

namespace {

constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenRetryMilliseconds = 50;
const LCID kJapanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);

bool OpenWithRetry(HWND owner) {
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner)) return true;
        if (attempt == kOpenAttempts) return false;
        Sleep(kOpenRetryMilliseconds);
    }
}

// Movable global memory of size bytes that fill writes; empty when it cannot be had.
template <typename Fill>
GlobalMemoryOwner FilledGlobal(std::size_t size, Fill fill) {
    GlobalMemoryOwner memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) return memory;
    const GlobalMemoryLock<void> target(memory.get());
    if (target.get() == nullptr) return GlobalMemoryOwner();
    fill(target.get());
    return memory;
}

// Global memory holding a copy of the units and a NUL after them.
template <typename Unit>
GlobalMemoryOwner CopyWithNul(const Unit* units, std::size_t count) {
    return FilledGlobal((count + 1) * sizeof(Unit), [&](void* target) {
        auto* copy = static_cast<Unit*>(target);
        std::copy_n(units, count, copy);
        copy[count] = Unit{};
    });
}

// The narrow form: the text in code page 932, each character it cannot hold as "?", as the system itself
// would make it from the Unicode form, and each byte a Shift_JIS file left undefined as that byte.
GlobalMemoryOwner ShiftJisCopy(WideView wide) {
    std::string bytes;
    WideToShiftJisFile(wide, bytes);
    return CopyWithNul(bytes.data(), bytes.size());
}

// The clipboard owns the memory once it has taken it.
bool Place(UINT format, GlobalMemoryOwner memory) {
    if (!memory || SetClipboardData(format, memory.get()) == nullptr) return false;
    memory.release();
    return true;
}

// Places both forms, with the Japanese locale, in place of the clipboard's content. They are made before the
// clipboard is opened: it stays closed to other programs for as short as possible, and memory that could not
// be had leaves the clipboard as it was.
bool PlaceForms(HWND owner, GlobalMemoryOwner narrow, GlobalMemoryOwner wide) {
    GlobalMemoryOwner locale = FilledGlobal(
        sizeof kJapanese, [](void* target) { std::memcpy(target, &kJapanese, sizeof kJapanese); });
    if (!narrow || !locale || !wide) return false;
    if (!OpenWithRetry(owner)) return false;
    EmptyClipboard();
    const bool placed = Place(CF_TEXT, std::move(narrow)) && Place(CF_LOCALE, std::move(locale)) &&
                        Place(CF_UNICODETEXT, std::move(wide));
    CloseClipboard();
    return placed;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const Text& text) {
    const WideText wide = TextToWide(text);
    return PlaceForms(owner, ShiftJisCopy(wide), CopyWithNul(wide.data(), wide.size()));
}

bool PutWindowTextOnClipboard(HWND owner, HWND window) {
    const int capacity = GetWindowTextLengthW(window) + 1;
    GlobalMemoryOwner wide(GlobalAlloc(GMEM_MOVEABLE, static_cast<std::size_t>(capacity) * sizeof(wchar_t)));
    if (!wide) return false;
    GlobalMemoryOwner narrow;
    {
        const GlobalMemoryLock<wchar_t> wideText(wide.get());
        if (wideText.get() == nullptr) return false;
        const int read = GetWindowTextW(window, wideText.get(), capacity);
        const std::size_t length = read > 0 ? static_cast<std::size_t>(read) : 0;
        wideText.get()[length] = L'\0';
        narrow = ShiftJisCopy(WideView(reinterpret_cast<const char16_t*>(wideText.get()), length));
    }
    return PlaceForms(owner, std::move(narrow), std::move(wide));
}

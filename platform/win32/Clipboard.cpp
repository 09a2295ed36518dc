#include "platform/win32/Clipboard.h"

#include <cstring>
#include <string>

namespace {

constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenRetryMilliseconds = 50;
constexpr UINT kCodePage = 932;
const LCID kJapanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);

bool OpenWithRetry(HWND owner) {
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner)) return true;
        if (attempt == kOpenAttempts) return false;
        Sleep(kOpenRetryMilliseconds);
    }
}

// Places size bytes as format; the clipboard owns the memory once it has taken it.
bool Place(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) return false;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

std::wstring Widen(const Text& text) {
    if (text.empty()) return std::wstring();
    const int length = MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const Text& text) {
    // Converted before the clipboard is opened: it stays closed to other programs for as short as possible.
    const std::wstring wide = Widen(text);
    if (!OpenWithRetry(owner)) return false;
    EmptyClipboard();
    const bool placed = Place(CF_TEXT, text.c_str(), text.size() + 1) &&
                        Place(CF_LOCALE, &kJapanese, sizeof kJapanese) &&
                        Place(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
    return placed;
}

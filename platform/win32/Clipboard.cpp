#include "platform/win32/Clipboard.h"

#include <cstring>
#include <memory>
#include <type_traits>

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

struct GlobalFreer {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
using GlobalOwner = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalFreer>;

// Movable global memory of size bytes that fill writes; empty when it cannot be had.
template <typename Fill>
GlobalOwner FilledGlobal(std::size_t size, Fill fill) {
    GlobalOwner memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) return memory;
    void* target = GlobalLock(memory.get());
    if (target == nullptr) return GlobalOwner();
    fill(target);
    GlobalUnlock(memory.get());
    return memory;
}

// The text in UTF-16, converted straight into the memory the clipboard takes: a text of tens of megabytes is
// not held twice over in its wide form.
GlobalOwner WideCopy(const Text& text) {
    const int size = static_cast<int>(text.size());
    const int length = text.empty() ? 0 : MultiByteToWideChar(kCodePage, 0, text.data(), size, nullptr, 0);
    return FilledGlobal((static_cast<std::size_t>(length) + 1) * sizeof(wchar_t), [&](void* target) {
        auto* wide = static_cast<wchar_t*>(target);
        if (length > 0) MultiByteToWideChar(kCodePage, 0, text.data(), size, wide, length);
        wide[length] = L'\0';
    });
}

// The clipboard owns the memory once it has taken it.
bool Place(UINT format, GlobalOwner memory) {
    if (!memory || SetClipboardData(format, memory.get()) == nullptr) return false;
    memory.release();
    return true;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const Text& text) {
    // Made before the clipboard is opened: it stays closed to other programs for as short as possible, and
    // memory that cannot be had leaves the clipboard as it was.
    GlobalOwner narrow = FilledGlobal(
        text.size() + 1, [&](void* target) { std::memcpy(target, text.c_str(), text.size() + 1); });
    GlobalOwner locale = FilledGlobal(
        sizeof kJapanese, [](void* target) { std::memcpy(target, &kJapanese, sizeof kJapanese); });
    GlobalOwner wide = WideCopy(text);
    if (!narrow || !locale || !wide) return false;
    if (!OpenWithRetry(owner)) return false;
    EmptyClipboard();
    const bool placed = Place(CF_TEXT, std::move(narrow)) && Place(CF_LOCALE, std::move(locale)) &&
                        Place(CF_UNICODETEXT, std::move(wide));
    CloseClipboard();
    return placed;
}

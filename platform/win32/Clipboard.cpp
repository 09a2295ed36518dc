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

// Global memory locked for as long as this lives; null when it could not be locked.
template <typename Char>
class Locked {
public:
    explicit Locked(HGLOBAL memory) : memory_(memory), data_(static_cast<Char*>(GlobalLock(memory))) {}
    ~Locked() {
        if (data_ != nullptr) GlobalUnlock(memory_);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    Char* Get() const { return data_; }

private:
    HGLOBAL memory_;
    Char* data_;
};

// Movable global memory of size bytes that fill writes; empty when it cannot be had.
template <typename Fill>
GlobalOwner FilledGlobal(std::size_t size, Fill fill) {
    GlobalOwner memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) return memory;
    const Locked<void> target(memory.get());
    if (target.Get() == nullptr) return GlobalOwner();
    fill(target.Get());
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

// Places both forms, with the Japanese locale, in place of the clipboard's content. They are made before the
// clipboard is opened: it stays closed to other programs for as short as possible, and memory that could not
// be had leaves the clipboard as it was.
bool PlaceForms(HWND owner, GlobalOwner narrow, GlobalOwner wide) {
    GlobalOwner locale = FilledGlobal(
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
    GlobalOwner narrow = FilledGlobal(
        text.size() + 1, [&](void* target) { std::memcpy(target, text.c_str(), text.size() + 1); });
    return PlaceForms(owner, std::move(narrow), WideCopy(text));
}

bool PutWindowTextOnClipboard(HWND owner, HWND window) {
    const int capacity = GetWindowTextLengthW(window) + 1;
    GlobalOwner wide(GlobalAlloc(GMEM_MOVEABLE, static_cast<std::size_t>(capacity) * sizeof(wchar_t)));
    if (!wide) return false;
    GlobalOwner narrow;
    {
        const Locked<wchar_t> wideText(wide.get());
        if (wideText.Get() == nullptr) return false;
        const int read = GetWindowTextW(window, wideText.Get(), capacity);
        const int size =
            read > 0 ? WideCharToMultiByte(kCodePage, 0, wideText.Get(), read, nullptr, 0, nullptr, nullptr)
                     : 0;
        narrow = FilledGlobal(static_cast<std::size_t>(size) + 1, [&](void* target) {
            auto* bytes = static_cast<char*>(target);
            if (size > 0)
                WideCharToMultiByte(kCodePage, 0, wideText.Get(), read, bytes, size, nullptr, nullptr);
            bytes[size] = '\0';
        });
        if (!narrow) return false;
        // The wide form is rewritten from the bytes, as a copy of them would give it: a character the code
        // page does not hold reads the same in both forms. Each of those bytes' characters is one UTF-16 unit
        // and came from at least one, so the rewrite fits where the text was read.
        const Locked<char> bytes(narrow.get());
        if (bytes.Get() == nullptr) return false;
        const int length =
            size > 0 ? MultiByteToWideChar(kCodePage, 0, bytes.Get(), size, wideText.Get(), capacity - 1) : 0;
        if (size > 0 && length == 0) return false;
        wideText.Get()[length] = L'\0';
    }
    return PlaceForms(owner, std::move(narrow), std::move(wide));
}

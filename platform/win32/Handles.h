// Every owner of a Win32 handle, GDI object, image list, device context and block of system memory, named for
// what it releases: each releases its handle once, when it goes. One spelling throughout, the standard
// library's: get() gives the handle, reset() releases it early.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <memory>
#include <type_traits>
#include <utility>

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }

    void reset() {
        if (handle_ != Traits::Invalid()) Traits::Close(std::exchange(handle_, Traits::Invalid()));
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};
using FindHandle = UniqueHandle<FindHandleTraits>;

// CreateFile answers INVALID_HANDLE_VALUE on failure, not null.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;

struct ModuleHandleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};
using ModuleHandle = UniqueHandle<ModuleHandleTraits>;

// A drop the shell handed over with WM_DROPFILES.
struct DropHandleTraits {
    using Handle = HDROP;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DragFinish(h); }
};
using DropHandle = UniqueHandle<DropHandleTraits>;

// An open enumeration of network resources, closed through the network provider that opened it (MPR.dll,
// loaded at run time: Close is defined beside that loading, in Win32Network.cpp).
struct NetEnumHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h);
};
using NetEnumHandle = UniqueHandle<NetEnumHandleTraits>;

// Global memory from GlobalAlloc, until the clipboard takes it.
struct GlobalMemoryDeleter {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
using GlobalMemoryOwner = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalMemoryDeleter>;

// Global memory locked for a scope: get() is null when it could not be locked.
template <typename Data>
class GlobalMemoryLock {
public:
    explicit GlobalMemoryLock(HGLOBAL memory)
        : memory_(memory), data_(static_cast<Data*>(GlobalLock(memory))) {}
    GlobalMemoryLock(const GlobalMemoryLock&) = delete;
    GlobalMemoryLock& operator=(const GlobalMemoryLock&) = delete;
    ~GlobalMemoryLock() {
        if (data_ != nullptr) GlobalUnlock(memory_);
    }
    Data* get() const { return data_; }

private:
    HGLOBAL memory_;
    Data* data_;
};

// Memory the system allocated for the caller with the COM task allocator (a known folder's path, an item ID
// list of the shell).
struct CoTaskMemDeleter {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
template <typename Data>
using CoTaskMemOwner = std::unique_ptr<Data, CoTaskMemDeleter>;

// Deletes one GDI object (font, bitmap, brush, pen).
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const {
        if (object) DeleteObject(object);
    }
};
template <typename Handle>
using GdiOwner = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using FontOwner = GdiOwner<HFONT>;
using BitmapOwner = GdiOwner<HBITMAP>;

struct ImageListDeleter {
    void operator()(HIMAGELIST images) const { ImageList_Destroy(images); }
};
using ImageListOwner = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// An icon loaded at a size of its own (LoadImage without LR_SHARED).
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconOwner = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A memory device context from CreateCompatibleDC.
struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDcOwner = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// A window's device context from GetDC (client area) or GetWindowDC (whole window), released to its window.
class WindowDcOwner {
public:
    enum Area { kClient, kWholeWindow };
    explicit WindowDcOwner(HWND window, Area area = kClient)
        : window_(window), dc_(area == kClient ? GetDC(window) : GetWindowDC(window)) {}
    WindowDcOwner(const WindowDcOwner&) = delete;
    WindowDcOwner& operator=(const WindowDcOwner&) = delete;
    ~WindowDcOwner() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context for a scope; the one it replaced goes back when the scope ends.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
    ~ScopedSelectObject() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A COM interface pointer, released once.
template <typename Interface>
class ComOwner {
public:
    ComOwner() = default;
    ComOwner(ComOwner&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComOwner& operator=(ComOwner&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ComOwner(const ComOwner&) = delete;
    ComOwner& operator=(const ComOwner&) = delete;
    ~ComOwner() { reset(); }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void reset() {
        if (pointer_) std::exchange(pointer_, nullptr)->Release();
    }

    // Where a call that hands out a new pointer puts it; the one held before is released first.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }

    // The same object's Other interface, into other.
    template <typename Other>
    HRESULT QueryInto(ComOwner<Other>& other) const {
        return pointer_->QueryInterface(__uuidof(Other), other.put());
    }

private:
    Interface* pointer_ = nullptr;
};

// COM for the calling thread, single-threaded apartment, released when it goes if it was taken.
class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (ok_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

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

// How a kind of handle says "none": most with null, some (FindFirstFile, CreateFile) with
// INVALID_HANDLE_VALUE.
enum class NoHandle { Null, MinusOne };

// A kernel or shell handle, closed once with close.
template <typename Handle, auto close, NoHandle none = NoHandle::Null>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Invalid());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid(); }

    void reset() {
        if (handle_ != Invalid()) close(std::exchange(handle_, Invalid()));
    }

private:
    static Handle Invalid() {
        if constexpr (none == NoHandle::MinusOne) {
            return INVALID_HANDLE_VALUE;
        } else {
            return nullptr;
        }
    }

    Handle handle_ = Invalid();
};

// The deleter of an owner built on unique_ptr: the system's release function for that kind of object.
template <auto release>
struct Releaser {
    template <typename Pointer>
    void operator()(Pointer pointer) const {
        release(pointer);
    }
};
template <typename Handle, auto release>
using HandleOwner = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser<release>>;

using FindHandle = UniqueHandle<HANDLE, &FindClose, NoHandle::MinusOne>;
using FileHandle = UniqueHandle<HANDLE, &CloseHandle, NoHandle::MinusOne>;
using ModuleHandle = UniqueHandle<HMODULE, &FreeLibrary>;
// A drop the shell handed over with WM_DROPFILES.
using DropHandle = UniqueHandle<HDROP, &DragFinish>;

// An open enumeration of network resources, closed through the network provider that opened it (MPR.dll,
// loaded at run time: defined beside that loading, in Win32Network.cpp).
void CloseNetEnum(HANDLE enumeration);
using NetEnumHandle = UniqueHandle<HANDLE, &CloseNetEnum>;

// Global memory from GlobalAlloc, until the clipboard takes it.
using GlobalMemoryOwner = HandleOwner<HGLOBAL, &GlobalFree>;

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
template <typename Data>
using CoTaskMemOwner = std::unique_ptr<Data, Releaser<&CoTaskMemFree>>;

// One GDI object (font, bitmap, brush, pen).
template <typename Handle>
using GdiOwner = HandleOwner<Handle, &DeleteObject>;
using FontOwner = GdiOwner<HFONT>;
using BitmapOwner = GdiOwner<HBITMAP>;

using ImageListOwner = HandleOwner<HIMAGELIST, &ImageList_Destroy>;
// An icon loaded at a size of its own (LoadImage without LR_SHARED).
using IconOwner = HandleOwner<HICON, &DestroyIcon>;
// A memory device context from CreateCompatibleDC.
using MemoryDcOwner = HandleOwner<HDC, &DeleteDC>;

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

#include "platform/win32/Dpi.h"

#include "platform/win32/SystemLibrary.h"

namespace {

// GetDpiForMonitor's MDT_EFFECTIVE_DPI: the DPI the user chose for the monitor.
constexpr int kEffectiveDpi = 0;

template <typename Function>
Function Lookup(const wchar_t* module, const char* name) {
    // user32 is loaded with every window program; shcore only where it exists (8.1 on), from the system
    // folder, never the program's, and it stays.
    HMODULE handle = GetModuleHandleW(module);
    if (!handle) handle = LoadSystemLibrary(module);
    return LibraryFunction<Function>(handle, name);
}

}  // namespace

int ScaleForDpi(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kLayoutDpi));
}

RECT ScaleRectForDpi(const RECT& rect, UINT dpi) {
    return RECT{ScaleForDpi(rect.left, dpi), ScaleForDpi(rect.top, dpi), ScaleForDpi(rect.right, dpi),
                ScaleForDpi(rect.bottom, dpi)};
}

FontOwner MakeFontForDpi(const char* face, int pixelHeight, UINT dpi, bool bold) {
    return MakeFont(face, ScaleForDpi(pixelHeight, dpi), bold);
}

BitmapOwner MakeColourBitmap(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    return BitmapOwner(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

BitmapOwner StretchBitmap(HBITMAP source, int width, int height) {
    BITMAP size{};
    if (!GetObjectW(source, sizeof size, &size)) return BitmapOwner();
    BitmapOwner result = MakeColourBitmap(width, height);
    const MemoryDcOwner from(CreateCompatibleDC(nullptr));
    const MemoryDcOwner to(CreateCompatibleDC(nullptr));
    if (!result || !from || !to) return BitmapOwner();
    {
        const ScopedSelectObject reading(from.get(), source);
        const ScopedSelectObject writing(to.get(), result.get());
        SetStretchBltMode(to.get(), COLORONCOLOR);
        if (!StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, size.bmWidth, size.bmHeight,
                        SRCCOPY))
            return BitmapOwner();
    }
    return result;
}

const DpiCalls& SystemDpiCalls() {
    static const DpiCalls calls{
        Lookup<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow"),
        Lookup<HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*)>(L"shcore.dll", "GetDpiForMonitor"),
    };
    return calls;
}

UINT DpiOf(HWND window, const DpiCalls& calls) {
    if (calls.dpiForWindow) {
        if (const UINT dpi = calls.dpiForWindow(window)) return dpi;
    }
    if (calls.dpiForMonitor) {
        UINT x = 0, y = 0;
        if (SUCCEEDED(calls.dpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi,
                                          &x, &y)) &&
            y) {
            return y;
        }
    }
    const WindowDcOwner dc(window);
    const int dpi = dc ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : kLayoutDpi;
}

int MetricForDpi(int index, UINT dpi) {
    using Call = int(WINAPI*)(int, UINT);
    static const Call metricForDpi = Lookup<Call>(L"user32.dll", "GetSystemMetricsForDpi");
    if (metricForDpi) return metricForDpi(index, dpi);
    const WindowDcOwner screen(nullptr);
    const int system = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : static_cast<int>(kLayoutDpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), system > 0 ? system : kLayoutDpi);
}

RECT FrameForClient(const RECT& client, DWORD style, DWORD exStyle, UINT dpi) {
    using Call = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const Call adjustForDpi = Lookup<Call>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT frame = client;
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, dpi)) {
        frame = client;
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return frame;
}

void SizeClientForDpi(HWND window, int width, int height, UINT dpi) {
    SizeClient(window, ScaleForDpi(width, dpi), ScaleForDpi(height, dpi), dpi);
}

void SizeClient(HWND window, int width, int height, UINT dpi) {
    const RECT client{0, 0, width, height};
    const RECT frame = FrameForClient(client, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                                      static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetFontOnChildren(HWND window, HFONT font) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        SetFontOnChildren(child, font);
    }
}

void SetWindowIcons(HWND window, HINSTANCE instance, int id, UINT dpi, WindowIcons& icons) {
    const auto load = [&](int width, int height) {
        return IconOwner(
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                          MetricForDpi(width, dpi), MetricForDpi(height, dpi), 0)));
    };
    // Each is given before the one it replaces goes.
    if (IconOwner icon = load(SM_CXICON, SM_CYICON)) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
        icons.largeIcon = std::move(icon);
    }
    if (IconOwner icon = load(SM_CXSMICON, SM_CYSMICON)) {
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
        icons.smallIcon = std::move(icon);
    }
}

UINT AcceptDpiChange(HWND window, WPARAM wparam, LPARAM lparam) {
    const auto* suggested = reinterpret_cast<const RECT*>(lparam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    const UINT dpi = HIWORD(wparam);
    return dpi ? dpi : kLayoutDpi;
}

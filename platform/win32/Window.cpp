#include "platform/win32/Window.h"

#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WideText.h"
#include "text/AppError.h"
#include "text/ErrorText.h"

namespace {

Text& ApplicationTitle() {
    static Text title;
    return title;
}

int Box(HWND owner, const Text& text, const Text& caption, UINT type) {
    // MB_TASKMODAL keeps every window of the thread from input while the box is open, whatever its owner.
    return MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(),
                       type | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace

void SetApplicationTitle(const Text& title) {
    ApplicationTitle() = title;
}

void ShowErrorReport(HWND owner, const Text& message) {
    Box(owner, WithFullStop(message), ApplicationTitle(), MB_OK | MB_ICONERROR);
}

void ReportEscapedError(HWND owner, const std::exception& error) {
    const auto* appError = dynamic_cast<const AppError*>(&error);
    ShowErrorReport(owner, appError ? appError->Message() : Text(error.what()));
}

Text WindowText(HWND window) {
    const int capacity = GetWindowTextLengthW(window) + 1;
    std::wstring wide(static_cast<std::size_t>(capacity), L'\0');
    const int length = GetWindowTextW(window, wide.data(), capacity);
    return FromWide(wide.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

void ShowPlainMessage(HWND owner, const Text& text) {
    Box(owner, text, ApplicationTitle(), MB_OK);
}

bool AskConfirmation(HWND owner, const Text& text) {
    return Box(owner, text, "確認", MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1) == IDOK;
}

void ShowInformation(HWND owner, const Text& text) {
    Box(owner, text, "情報", MB_OK | MB_ICONINFORMATION);
}

int AskYesNoCancel(HWND owner, const Text& text) {
    return Box(owner, text, "確認", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1);
}

RECT FitInside(const RECT& rect, const RECT& area) {
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    LONG left = rect.right > area.right ? area.right - width : rect.left;
    LONG top = rect.bottom > area.bottom ? area.bottom - height : rect.top;
    if (left < area.left) left = area.left;
    if (top < area.top) top = area.top;
    return RECT{left, top, left + width, top + height};
}

RECT NearestWorkArea(const RECT& rect) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    }
    return info.rcWork;
}

void KeepOnWorkArea(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    const RECT fitted = FitInside(rect, NearestWorkArea(rect));
    if (fitted.left != rect.left || fitted.top != rect.top)
        SetWindowPos(window, nullptr, fitted.left, fitted.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT RestoredRect(HWND window) {
    RECT rect{};
    if (!IsIconic(window) && !IsZoomed(window)) {
        GetWindowRect(window, &rect);
        return rect;
    }
    // The restored rectangle is kept in workspace coordinates: relative to the work area, which differs from
    // the screen by the task bars on the left or at the top.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    rect = placement.rcNormalPosition;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info))
        OffsetRect(&rect, info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top);
    return rect;
}

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Window::CreateFrame(HINSTANCE instance, const FrameSpec& layout) {
    const std::wstring className = Wide(layout.className);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className.c_str();
    wc.hIcon = layout.icon;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
    if (!layout.sizeIsOuter) AdjustWindowRectEx(&frame, layout.style, FALSE, layout.exStyle);
    CreateWindowExW(layout.exStyle, className.c_str(), Wide(layout.caption).c_str(), layout.style,
                    layout.left, layout.top, frame.right - frame.left, frame.bottom - frame.top, layout.owner,
                    nullptr, instance, this);
    return hwnd_ != nullptr;
}

HWND Window::Item(int id) const {
    if (const auto known = items_.find(id); known != items_.end()) return known->second;
    const HWND found = FindControl(hwnd_, id);
    // A control not made yet may be made later, so only a found one is remembered.
    if (found) items_.emplace(id, found);
    return found;
}

bool Window::IsChecked(int id) const {
    return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Window::SetChecked(int id, bool checked) const {
    SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Text Window::ItemText(int id) const {
    return WindowText(Item(id));
}

void Window::SetItemText(int id, const Text& text) const {
    SetWindowTextW(Item(id), Wide(text).c_str());
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    return Default(msg, wparam, lparam);
}

LRESULT SecondaryWindow::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
        case WM_DPICHANGED:
            ScaleTo(AcceptDpiChange(Handle(), wparam, lparam));
            return 0;
        case WM_CLOSE:
            ShowWindow(Handle(), SW_HIDE);
            return 0;
        default:
            return Default(msg, wparam, lparam);
    }
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_ = hwnd;
        self->items_.clear();
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wparam, lparam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->items_.clear();
        return DefWindowProcW(hwnd, msg, wparam, lparam);
    }
    // No C++ exception may cross into the system's code that called us.
    try {
        return self->HandleMessage(msg, wparam, lparam);
    } catch (const std::exception& error) {
        ReportEscapedError(hwnd, error);
    }
    return 0;
}

#include "platform/win32/Controls.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/WideText.h"

namespace {

std::map<std::wstring, std::wstring>& FaceSubstitutes() {
    static std::map<std::wstring, std::wstring> substitutes;
    return substitutes;
}

}  // namespace

FontOwner MakeFont(const char* face, int pixelHeight, bool bold) {
    std::wstring name = Wide(face);
    if (const auto substitute = FaceSubstitutes().find(name); substitute != FaceSubstitutes().end())
        name = substitute->second;
    return FontOwner(CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                 SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, name.c_str()));
}

void SubstituteFontFace(const char* face, const char* substitute) {
    if (*substitute) {
        FaceSubstitutes()[Wide(face)] = Wide(substitute);
    } else {
        FaceSubstitutes().erase(Wide(face));
    }
}

namespace {

constexpr wchar_t kPanelClassWide[] = L"RominadoPanel";

LRESULT CALLBACK PanelProcedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            if (HWND parent = GetParent(hwnd)) return SendMessageW(parent, msg, wparam, lparam);
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wparam, lparam);
}

}  // namespace

const char* PanelClassName(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(instance, kPanelClassWide, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = PanelProcedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kPanelClassWide;
        RegisterClassExW(&wc);
    }
    return kPanelClass;
}

bool CreateControls(HWND window, const ControlSpec* specs, std::size_t count, HFONT font) {
    // Siblings in tab order; the groups of siblings keep the table's order, so parents come before children.
    std::vector<std::size_t> group(count);
    for (std::size_t i = 0; i < count; ++i) {
        group[i] = i;
        for (std::size_t j = 0; j < i; ++j) {
            if (specs[j].parentId == specs[i].parentId) {
                group[i] = group[j];
                break;
            }
        }
    }
    auto rank = [](const ControlSpec& s) { return s.tabOrder < 0 ? 1 << 30 : s.tabOrder; };
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (group[a] != group[b]) return group[a] < group[b];
        return rank(specs[a]) < rank(specs[b]);
    });

    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    PanelClassName(instance);
    for (std::size_t index : order) {
        const ControlSpec* row = &specs[index];
        HWND parent = row->parentId == 0 ? window : FindControl(window, row->parentId);
        if (!parent) return false;
        DWORD style = row->style | WS_CHILD | WS_VISIBLE;
        if (row->tabOrder >= 0 && !(row->exStyle & WS_EX_CONTROLPARENT)) style |= WS_TABSTOP;
        HWND control =
            CreateWindowExW(row->exStyle, Wide(row->windowClass).c_str(), Wide(row->caption).c_str(), style,
                            row->left, row->top, row->width, row->height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(row->id)), instance, nullptr);
        if (!control) return false;
        if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}

HWND FindControl(HWND window, int id) {
    if (HWND direct = GetDlgItem(window, id)) return direct;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HWND found = FindControl(child, id)) return found;
    }
    return nullptr;
}

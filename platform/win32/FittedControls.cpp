#include "platform/win32/FittedControls.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/Dpi.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Window.h"

namespace {

// The most a frame, panel or window keeps beyond what it holds once that has grown.
constexpr int kHoldingMargin = 8;
// How far two controls of a row may overlap by design (the speed buttons by a pixel) and still stand one
// after the other.
constexpr int kNeighbourOverlap = 2;
// The check box the common controls draw at the layout's DPI, whatever the system metric says.
constexpr int kCheckBox = 13;

bool IsClass(HWND control, const wchar_t* name) {
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    return lstrcmpiW(className, name) == 0;
}

LONG ButtonType(HWND button) {
    return GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
}

bool IsCheckOrRadio(HWND button) {
    const LONG type = ButtonType(button);
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
           type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsLabel(HWND control) {
    const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    return IsClass(control, L"STATIC") && (type <= SS_RIGHT || type == SS_LEFTNOWORDWRAP);
}

// A caption as drawn: an access-key mark is not, "&&" draws one "&"; a label without prefixes draws them all.
std::wstring DrawnCaption(HWND control) {
    const std::wstring caption = Wide(WindowText(control));
    if (IsLabel(control) && (GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX)) return caption;
    std::wstring drawn;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
        drawn += caption[i];
    }
    return drawn;
}

// The text's advance and the height of its letters (without the font's internal leading) in the control's
// font, and the gap a check or radio box leaves before its caption: half a digit of that font.
struct TextMeasure {
    SIZE size{};
    int boxGap = 0;
};

TextMeasure Measure(HWND control, const std::wstring& text) {
    const WindowDcOwner dc(control);
    const ScopedSelectObject font(dc.get(),
                                  reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    size.cy = metrics.tmHeight - metrics.tmInternalLeading;
    INT digit = 0;
    GetCharWidth32W(dc.get(), L'0', L'0', &digit);
    return TextMeasure{size, digit / 2};
}

// The image a push button shows beside its caption, with its margins; 0 for none.
int ButtonImageWidth(HWND button) {
    BUTTON_IMAGELIST list{};
    if (!SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)) || !list.himl) return 0;
    int width = 0, height = 0;
    ImageList_GetIconSize(list.himl, &width, &height);
    return width + list.margin.left + list.margin.right;
}

// One control of a table on its way to its place, in its parent's client coordinates at the DPI.
struct Slot {
    const ControlSpec* row;
    HWND control;
    RECT design;    // the table's rectangle scaled; a drop-down list's is its field, not its list open
    LONG height;    // the table's height scaled, or its caption's where that is more
    int parent;     // the slot of its parent; -1 for the window or a parent in another table
    LONG caption;   // its caption's width; 0 for none
    bool fromLeft;  // draws its caption from its left edge, so what follows must keep clear of its end
    LONG left, right;
};

bool Overlaps(LONG top1, LONG bottom1, LONG top2, LONG bottom2) {
    return top1 < bottom2 && top2 < bottom1;
}

// b stands after a on a row of their parent. One that starts where a starts stands in a's column instead
// (a panel the table gives no width, the text area beside it).
bool Follows(const Slot& b, const Slot& a, LONG overlap) {
    return a.row->parentId == b.row->parentId &&
           Overlaps(a.design.top, a.design.bottom, b.design.top, b.design.bottom) &&
           b.design.left > a.design.left && b.design.left >= a.design.right - overlap;
}

// a is drawn around b (a bevel, a group box).
bool Surrounds(const Slot& a, const Slot& b) {
    return &a != &b && a.row->parentId == b.row->parentId && a.design.left <= b.design.left &&
           a.design.top <= b.design.top && a.design.right >= b.design.right &&
           a.design.bottom >= b.design.bottom && !EqualRect(&a.design, &b.design);
}

}  // namespace

SIZE CaptionSize(HWND control, UINT dpi, const OwnDrawnRoom& ownRoom) {
    const bool button = IsClass(control, L"BUTTON");
    if (!button && !IsLabel(control)) return SIZE{};
    const std::wstring caption = DrawnCaption(control);
    if (caption.empty()) return SIZE{};
    const TextMeasure text = Measure(control, caption);
    SIZE size = text.size;
    if (!button) return size;
    // The focus rectangle's pixel on either side.
    size.cx += 2;
    const LONG type = ButtonType(control);
    if (type == BS_OWNERDRAW) {
        if (ownRoom) size.cx += ownRoom(control);
    } else if (IsCheckOrRadio(control)) {
        size.cx += std::max(MetricForDpi(SM_CXMENUCHECK, dpi), ScaleForDpi(kCheckBox, dpi)) + text.boxGap;
        size.cy = std::max<LONG>(size.cy, MetricForDpi(SM_CYMENUCHECK, dpi));
    } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        size.cx += 2 * MetricForDpi(SM_CXEDGE, dpi) + ButtonImageWidth(control);
        size.cy += 2 * MetricForDpi(SM_CYEDGE, dpi);
    }
    return size;
}

int PlaceControls(HWND window, const ControlSpec* table, std::size_t count, UINT dpi, int clientWidth,
                  const OwnDrawnRoom& ownRoom) {
    std::vector<Slot> slots;
    for (std::size_t i = 0; i < count; ++i) {
        const ControlSpec& row = table[i];
        const HWND control = FindControl(window, row.id);
        if (!control) continue;
        const RECT scaled =
            ScaleRectForDpi(RECT{row.left, row.top, row.left + row.width, row.top + row.height}, dpi);
        const SIZE caption = CaptionSize(control, dpi, ownRoom);
        const LONG height = std::max(scaled.bottom - scaled.top, caption.cy);
        const bool fromLeft = IsLabel(control) || IsCheckOrRadio(control);
        Slot slot{&row, control, scaled, height, -1, caption.cx, fromLeft, scaled.left, scaled.right};
        if (IsClass(control, L"COMBOBOX")) {
            RECT field;
            GetWindowRect(control, &field);
            slot.design.bottom = slot.design.top + (field.bottom - field.top);
        }
        slots.push_back(slot);
    }
    for (Slot& slot : slots) {
        for (std::size_t p = 0; p < slots.size(); ++p) {
            if (slots[p].row->id == slot.row->parentId) slot.parent = static_cast<int>(p);
        }
    }

    const LONG overlap = ScaleForDpi(kNeighbourOverlap, dpi);
    const LONG margin = ScaleForDpi(kHoldingMargin, dpi);
    bool moved = true;
    const auto grow = [&moved](Slot& slot, LONG right) {
        if (right <= slot.right) return;
        slot.right = right;
        moved = true;
    };
    const auto shift = [&moved](Slot& slot, LONG left) {
        if (left <= slot.left) return;
        slot.right += left - slot.left;
        slot.left = left;
        moved = true;
    };
    // Every rule only ever moves an edge to the right, and each is settled within a pass per control.
    for (std::size_t pass = 0; moved && pass <= slots.size(); ++pass) {
        moved = false;
        for (Slot& slot : slots)
            grow(slot, slot.left + slot.caption);
        for (Slot& a : slots) {
            for (Slot& b : slots) {
                if (&a == &b) continue;
                if (Follows(b, a, overlap)) {
                    shift(b, a.right + b.design.left - a.design.right);
                    if (a.fromLeft && a.caption) shift(b, a.left + a.caption + 1);
                }
                if (a.row->parentId != b.row->parentId) continue;
                if (b.design.left == a.design.left) shift(b, b.design.left + a.left - a.design.left);
                if (b.design.right == a.design.right) grow(b, b.design.right + a.right - a.design.right);
                if (Surrounds(a, b)) grow(a, b.right + std::min(a.design.right - b.design.right, margin));
            }
        }
        for (const Slot& child : slots) {
            if (child.parent < 0) continue;
            Slot& parent = slots[static_cast<std::size_t>(child.parent)];
            const LONG room = parent.design.right - parent.design.left - child.design.right;
            // A panel the table does not size holds what the window's layout code gives it.
            if (room < 0) continue;
            grow(parent, parent.left + child.right + std::min(room, margin));
        }
    }

    LONG width = ScaleForDpi(clientWidth, dpi);
    const LONG designWidth = width;
    for (const Slot& slot : slots) {
        SetWindowPos(slot.control, nullptr, slot.left, slot.design.top, slot.right - slot.left, slot.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (slot.row->parentId == 0)
            width = std::max(width, slot.right + std::min(designWidth - slot.design.right, margin));
    }
    return static_cast<int>(width);
}

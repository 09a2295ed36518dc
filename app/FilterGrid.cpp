#include "app/FilterGrid.h"

#include "app/MainLayout.h"
#include "platform/win32/Controls.h"

namespace {

std::optional<LRESULT> CellMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM) {
    HWND grid = GetParent(hwnd);
    switch (msg) {
        case WM_SETFOCUS:
            // The grid's one tab stop follows the cell last visited.
            for (int row = 0; row < kGridCellCount; ++row) {
                HWND cell = GetDlgItem(grid, kGridCell0 + row);
                const LONG_PTR style = GetWindowLongPtrW(cell, GWL_STYLE);
                SetWindowLongPtrW(cell, GWL_STYLE, cell == hwnd ? style | WS_TABSTOP : style & ~WS_TABSTOP);
            }
            break;
        case WM_CHAR:
            if (wparam == '\t') return 0;  // the Tab that moved the focus away, never a filter byte
            break;
        case WM_KEYDOWN:
            if (wparam == VK_UP || wparam == VK_DOWN) {
                const int row = GetDlgCtrlID(hwnd) - kGridCell0 + (wparam == VK_UP ? -1 : 1);
                if (row >= 0 && row < kGridCellCount) {
                    SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_NEXTDLGCTL,
                                 reinterpret_cast<WPARAM>(GetDlgItem(grid, kGridCell0 + row)), TRUE);
                }
                return 0;
            }
            break;
    }
    return std::nullopt;
}

}  // namespace

void MakeFilterGrid(HWND grid) {
    for (int row = 0; row < kGridCellCount; ++row)
        AddControlHandler<&CellMessage>(GetDlgItem(grid, kGridCell0 + row));
}

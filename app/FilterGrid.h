// The filter grid's keyboard: the grid is one tab stop, the cell last visited, and the up and down arrows
// move between its cells.
#pragma once

#include <windows.h>

// Takes over the keys of the cells kGridCell0 and on below grid. A cell is entered by a WM_NEXTDLGCTL to the
// top-level window, as the dialog manager moves the focus.
void MakeFilterGrid(HWND grid);

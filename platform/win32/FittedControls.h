// The layouts' tables are their design at 96 DPI, measured against one font; the system gives others
// (ＭＳ Ｐゴシック, Meiryo UI and their substitutes each have their own widths). So a table is placed at a
// DPI in one pass over it that measures each caption in the font its control has: a control grows where its
// caption needs more room than the table gives, never less than the table's size, and the layout follows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>

#include "platform/win32/Controls.h"

// What a window draws beside the caption of a control it draws itself (an owner-drawn button's glyph and
// margins), in pixels at the DPI it is laid out at.
using OwnDrawnRoom = std::function<int(HWND control)>;

// The room a control's caption takes in the control's own font (WM_GETFONT) at dpi, with what the control
// draws beside it: a button's focus margins, a check or radio box and the gap after it, a push button's edges
// and image, ownRoom for an owner-drawn one. Its height is that of the letters, the box's or the edges'.
// Nothing for a control without a caption.
SIZE CaptionSize(HWND control, UINT dpi, const OwnDrawnRoom& ownRoom = {});

// Moves the controls of a table (found by their ids) to their places at dpi, each as wide as its caption
// needs (CaptionSize) and no narrower than the table says; as high as its letters, without moving what is
// below. Where one grows:
// - the controls after it on its row (same parent, beside it) move right by as much, and a caption drawn from
//   its control's left edge keeps a pixel clear of the control after it;
// - controls that started at one left edge keep starting together, and ones that ended at one right edge keep
//   ending together, so columns stay columns;
// - a frame drawn around others and a panel around its children grow to hold them, with the margin they had
//   (up to 8 pixels of the layout).
// clientWidth is the window's designed client width at 96 DPI; returns the client width at dpi that holds
// the controls placed on the window itself with their margins: clientWidth scaled, or more.
int PlaceControls(HWND window, const ControlSpec* table, std::size_t count, UINT dpi, int clientWidth = 0,
                  const OwnDrawnRoom& ownRoom = {});
template <std::size_t N>
int PlaceControls(HWND window, const ControlSpec (&table)[N], UINT dpi, int clientWidth = 0,
                  const OwnDrawnRoom& ownRoom = {}) {
    return PlaceControls(window, table, N, dpi, clientWidth, ownRoom);
}

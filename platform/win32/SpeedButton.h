// Speed buttons: owner-drawn push buttons with a glyph left of the caption, pressed without taking the focus.
#pragma once

#include <windows.h>

#include "platform/win32/Handles.h"

// Makes a push button a speed button: a press clicks it without taking the keyboard focus, so the key
// handling of the control that has it (Esc during a long operation) goes on; a disabled one ignores presses.
void MakeSpeedButton(HWND button);

// A speed button's glyph, size x size pixels, from bitmap resources that hold the normal and the disabled
// image side by side on olive, the transparent colour: bitmapId drawn at 16 x 16, bitmapId2x at 32 x 32,
// which serves every size above 16. Null when the resource cannot be loaded.
ImageListOwner LoadSpeedButtonGlyph(HINSTANCE instance, int bitmapId, int bitmapId2x, int size);

// Paints a speed button for WM_DRAWITEM: the face, a sunken edge while pressed, the glyph (none when null)
// spacing pixels left of the caption in font, the pair centred and shifted by a pixel while pressed.
void DrawSpeedButton(const DRAWITEMSTRUCT& item, HFONT font, HIMAGELIST glyph, int spacing);

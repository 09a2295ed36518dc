// The main window's layout at 96 DPI, as data: its controls, the filter grid's cells, the speed buttons'
// glyphs and the sizes the window's layout code places its panels by.
#pragma once

#include <windows.h>

#include <cstddef>

#include "platform/win32/Controls.h"

// Control ids of the main window, as its layout names them.
enum MainControl : int {
    kMemo = 100,
    kPnlTop,
    kBtnClose,
    kBtnSave,
    kBtnClear,
    kBtnEdit,
    kBtnFont,
    kBtnSet,
    kBtnVer,
    kBtnHelp,
    kChkGet,
    kChkFAll,
    kRdoFull,
    kRdoName,
    kRdoShow,
    kRdoNET,
    kRdoShort,
    kGroupBox1,
    kChkNull,
    kRdoLineCnt,
    kRdoLineAll,
    kPnlGet,
    kLabel1,
    kGridGet,
    kGridCell0,  // the five cells follow
    kStatus1 = kGridCell0 + 5,
    kPBar1,
};

inline constexpr int kGridCellCount = 5;

// The window's designed outer size and the client area inside its frame at 96 DPI: the top panel's row of
// speed buttons and the filter box beside them, each caption clear of its neighbours at every DPI.
inline constexpr int kMainOuterWidth = 636;
inline constexpr int kMainOuterHeight = 328;
inline constexpr int kMainClientWidth = kMainOuterWidth - 8;

inline constexpr int kTopPanelHeight = 49;
inline constexpr int kTopPanelHeightWithContents = 97;
inline constexpr int kFilterPanelWidth = 81;
inline constexpr int kGlyphSize = 16;
// Right edges of the four status panels, from their widths 90, 155, 30 and 500.
inline constexpr int kStatusPanelEdges[4] = {90, 245, 275, 775};

// The window's controls; the panels come before what they hold.
extern const ControlSpec kMainControls[];
extern const std::size_t kMainControlCount;

// The grid's cells: editors always shown, one column, a line between rows. The grid is one tab stop, the
// first cell at first.
extern const ControlSpec kGridCells[kGridCellCount];

// Which bitmap each speed button shows (drawn at 16 x 16 and at 32 x 32), and the pixels between its glyph
// and its caption.
struct SpeedButtonGlyph {
    int buttonId;
    int bitmapId;
    int bitmapId2x;
    int spacing;
};
inline constexpr std::size_t kSpeedButtonCount = 8;
extern const SpeedButtonGlyph kSpeedButtonGlyphs[kSpeedButtonCount];

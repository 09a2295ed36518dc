#include "app/MainLayout.h"

#include <commctrl.h>

#include "res/resource.h"

namespace {

constexpr DWORD kSpeedButton = BS_OWNERDRAW;
constexpr DWORD kCheck = BS_AUTOCHECKBOX;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kMemoStyle =
    ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL | WS_HSCROLL | WS_VSCROLL;
constexpr int kStatusHeight = 19;
constexpr int kGridRow = 21;  // a cell's 20 pixels and the line below it
constexpr int kGridColumnWidth = 64;
constexpr int kSpeedButtonWidth = 71;
// The contents options' frame: 8 pixels in from the top panel's left edge, 11 from its right.
constexpr int kGroupBoxWidth = kMainClientWidth - 19;

// The speed buttons stand one pixel less apart than they are wide, so neighbours overlap by one pixel; wide
// enough for a glyph, its spacing and a caption clear of the neighbours at every DPI.
constexpr int SpeedButtonLeft(int index) {
    return index * (kSpeedButtonWidth - 1);
}

}  // namespace

const ControlSpec kMainControls[] = {
    // id, class, caption, style, left, top, width, height, parent, tab order, extended style
    {kMemo, "EDIT", "", kMemoStyle, 0, 49, kMainClientWidth, 225, 0, 0, WS_EX_CLIENTEDGE},
    {kPnlTop, kPanelClass, "", WS_CLIPSIBLINGS, 0, 0, kMainClientWidth, 49, 0, 1, WS_EX_CONTROLPARENT},
    {kPnlGet, kPanelClass, "", WS_CLIPSIBLINGS, 0, 49, 0, 225, 0, 4, WS_EX_CONTROLPARENT},
    {kStatus1, STATUSCLASSNAMEA, "", SBARS_SIZEGRIP | CCS_BOTTOM, 0, 274, kMainClientWidth, kStatusHeight, 0,
     -1},

    {kBtnClose, "BUTTON", "終了(&X)", kSpeedButton | WS_GROUP, SpeedButtonLeft(0), 0, kSpeedButtonWidth, 22,
     kPnlTop, -1},
    {kBtnSave, "BUTTON", "保存(&S)", kSpeedButton, SpeedButtonLeft(1), 0, kSpeedButtonWidth, 22, kPnlTop, -1},
    {kBtnClear, "BUTTON", "ｸﾘｱ(&D)", kSpeedButton, SpeedButtonLeft(2), 0, kSpeedButtonWidth, 22, kPnlTop, -1},
    {kBtnEdit, "BUTTON", "編集(&E)", kSpeedButton, SpeedButtonLeft(3), 0, kSpeedButtonWidth, 22, kPnlTop, -1},
    {kBtnFont, "BUTTON", "文字(&F)", kSpeedButton, SpeedButtonLeft(4), 0, kSpeedButtonWidth, 22, kPnlTop, -1},
    {kBtnSet, "BUTTON", "設定(&O)", kSpeedButton, SpeedButtonLeft(5), 0, kSpeedButtonWidth, 22, kPnlTop, -1},
    {kBtnVer, "BUTTON", "情報(&V)", kSpeedButton, SpeedButtonLeft(6), 0, kSpeedButtonWidth, 22, kPnlTop, -1},
    {kBtnHelp, "BUTTON", "ﾍﾙﾌﾟ(&H)", kSpeedButton, SpeedButtonLeft(7), 0, kSpeedButtonWidth, 22, kPnlTop, -1},
    {kChkGet, "BUTTON", "絞込", kCheck | WS_GROUP, SpeedButtonLeft(8) + 10, 4, 49, 17, kPnlTop, 7},
    {kChkFAll, "BUTTON", "ﾌｫﾙﾀﾞ配下", kCheck | WS_GROUP, 8, 28, 81, 17, kPnlTop, 5},
    {kRdoFull, "BUTTON", "フルパス(&P)", kRadio | WS_GROUP, 90, 28, 89, 17, kPnlTop, 0},
    {kRdoName, "BUTTON", "ﾌｧｲﾙ名のみ(&N)", kRadio, 178, 28, 105, 17, kPnlTop, 1},
    {kRdoShow, "BUTTON", "ﾌｧｲﾙの内容(&T)", kRadio, 288, 28, 105, 17, kPnlTop, 2},
    {kRdoNET, "BUTTON", "ﾈｯﾄ絶対ﾊﾟｽ(&L)", kRadio, 400, 28, 105, 17, kPnlTop, 3},
    {kRdoShort, "BUTTON", "ｼｮｰﾄﾊﾟｽ(&B)", kRadio, 508, 28, 89, 17, kPnlTop, 4},
    // A container that forwards its children's clicks; the frame and caption are drawn by the group box
    // control inside it (a group box itself would keep its children's notifications).
    {kGroupBox1, kPanelClass, "", WS_GROUP, 8, 48, kGroupBoxWidth, 41, kPnlTop, 6, WS_EX_CONTROLPARENT},

    {kGroupBox1 + 1000, "BUTTON", "ファイル内容 詳細設定", BS_GROUPBOX, 0, 0, kGroupBoxWidth, 41, kGroupBox1,
     -1},
    {kChkNull, "BUTTON", "空行除く", kCheck | WS_GROUP, 8, 16, 81, 17, kGroupBox1, 2},
    {kRdoLineCnt, "BUTTON", "行数出力", kRadio, 88, 16, 81, 17, kGroupBox1, 1},
    {kRdoLineAll, "BUTTON", "全行出力", kRadio | WS_GROUP, 176, 16, 81, 17, kGroupBox1, 0},

    {kLabel1, "STATIC", "拡張子", SS_LEFT, 8, 8, 39, 13, kPnlGet, -1},
    {kGridGet, kPanelClass, "", 0, 8, 24, 68, 110, kPnlGet, 0, WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT},

    {kPBar1, PROGRESS_CLASSA, "", 0, 93, 2, 150, 17, kStatus1, -1},
};
const std::size_t kMainControlCount = sizeof kMainControls / sizeof kMainControls[0];

const ControlSpec kGridCells[kGridCellCount] = {
    {kGridCell0, "EDIT", "", ES_AUTOHSCROLL, 0, 0 * kGridRow, kGridColumnWidth, 20, kGridGet, 0},
    {kGridCell0 + 1, "EDIT", "", ES_AUTOHSCROLL, 0, 1 * kGridRow, kGridColumnWidth, 20, kGridGet, -1},
    {kGridCell0 + 2, "EDIT", "", ES_AUTOHSCROLL, 0, 2 * kGridRow, kGridColumnWidth, 20, kGridGet, -1},
    {kGridCell0 + 3, "EDIT", "", ES_AUTOHSCROLL, 0, 3 * kGridRow, kGridColumnWidth, 20, kGridGet, -1},
    {kGridCell0 + 4, "EDIT", "", ES_AUTOHSCROLL, 0, 4 * kGridRow, kGridColumnWidth, 20, kGridGet, -1},
};

const SpeedButtonGlyph kSpeedButtonGlyphs[kSpeedButtonCount] = {
    {kBtnClose, IDB_BTNCLOSE, IDB_BTNCLOSE2X, 2}, {kBtnSave, IDB_BTNSAVE, IDB_BTNSAVE2X, 4},
    {kBtnClear, IDB_BTNCLEAR, IDB_BTNCLEAR2X, 2}, {kBtnEdit, IDB_BTNEDIT, IDB_BTNEDIT2X, 4},
    {kBtnFont, IDB_BTNFONT, IDB_BTNFONT2X, 2},    {kBtnSet, IDB_BTNSET, IDB_BTNSET2X, 4},
    {kBtnVer, IDB_BTNVER, IDB_BTNVER2X, 2},       {kBtnHelp, IDB_BTNHELP, IDB_BTNHELP2X, 2},
};

#include "shell/SetForm.h"

#include <string>

#include "platform/win32/Dpi.h"
#include "platform/win32/FittedControls.h"
#include "platform/win32/WideText.h"
#include "res/resource.h"
#include "shell/OutputSamples.h"
#include "text/CharacterCut.h"
#include "text/Text.h"

namespace {

// The output group stands below the shortcut group and its buttons: a column of choices, and right of it the
// sample line of each. Narrow enough to be shown whole on a screen of 1024 pixels at twice the layout's DPI.
constexpr int kLabelLeft = 16;
constexpr int kChoiceLeft = 100;
constexpr int kChoiceWidth = 126;
constexpr int kCheckWidth = 210;
constexpr int kSampleLeft = 242;
constexpr int kSampleWidth = 248;
constexpr int kRowPitch = 24;
// The three column boxes share a row.
constexpr int kColumnCheckWidth = 72;
constexpr int kColumnCheckPitch = 74;
constexpr int kListHeight = 120;  // a combo box's height with its list open
constexpr DWORD kListStyle = CBS_DROPDOWNLIST | WS_VSCROLL;
// A sample holds whatever the user typed as separator: an & in it is no access key.
constexpr DWORD kSampleStyle = SS_LEFTNOWORDWRAP | SS_NOPREFIX;

// The output group's tabs stand above its frame, which holds the rows of one page at a time.
constexpr int kPagesTop = 113;
constexpr int kPagesHeight = 24;
constexpr int kOutputTop = kPagesTop + kPagesHeight;
constexpr int Row(int index) {
    return kOutputTop + 8 + index * kRowPitch;
}
// The rows of a page, each a choice and its sample: at twice the layout's DPI the window must fit a screen of
// 768 pixels, so a new choice goes on a page that has room.
constexpr int kOutputRows = 8;
constexpr int kOutputBevelHeight = kOutputRows * kRowPitch + 12;
constexpr int kClientWidth = 506;
constexpr int kClientHeight = Row(kOutputRows) + 12;

const ControlSpec kControls[] = {
    {kSetFormBevel, "STATIC", "", SS_ETCHEDFRAME, 8, 8, 281, 57, 0, -1},
    {kChkDesk, "BUTTON", "ディスクトップにショートカットを作成する", BS_AUTOCHECKBOX, 32, 16, 241, 17, 0, 0},
    {kChkSend, "BUTTON", "エクスプローラの送るに登録する", BS_AUTOCHECKBOX, 32, 40, 225, 17, 0, 1},
    {kBtSetn, "BUTTON", "適用(&Y)", BS_PUSHBUTTON, 40, 80, 89, 25, 0, 2},
    {kBtnCloce, "BUTTON", "ｷｬﾝｾﾙ(&N)", BS_PUSHBUTTON, 176, 80, 89, 25, 0, 3},

    {kOutputPages, WC_TABCONTROLA, "", TCS_TABS, 8, kPagesTop, kClientWidth - 16, kPagesHeight, 0, 4},
    {kOutputBevel, "STATIC", "", SS_ETCHEDFRAME, 8, kOutputTop, kClientWidth - 16, kOutputBevelHeight, 0, -1},
    {kLblQuoting, "STATIC", "引用符(&Q)", SS_LEFT, kLabelLeft, Row(0) + 3, 80, 17, 0, -1},
    {kCmbQuoting, "COMBOBOX", "", kListStyle, kChoiceLeft, Row(0), kChoiceWidth, kListHeight, 0, 4},
    {kSmpQuoting, "STATIC", "", kSampleStyle, kSampleLeft, Row(0) + 3, kSampleWidth, 17, 0, -1},
    {kLblSeparator, "STATIC", "行の区切り(&S)", SS_LEFT, kLabelLeft, Row(1) + 3, 80, 17, 0, -1},
    {kCmbSeparator, "COMBOBOX", "", kListStyle, kChoiceLeft, Row(1), 74, kListHeight, 0, 5},
    {kEdtSeparator, "EDIT", "", ES_AUTOHSCROLL, 178, Row(1), 48, 20, 0, 6, WS_EX_CLIENTEDGE},
    {kSmpSeparator, "STATIC", "", kSampleStyle, kSampleLeft, Row(1) + 3, kSampleWidth, 17, 0, -1},
    {kChkNoLastEnd, "BUTTON", "最後の行に改行を付けない(&E)", BS_AUTOCHECKBOX, kLabelLeft, Row(2) + 2,
     kCheckWidth, 17, 0, 7},
    {kSmpLastEnd, "STATIC", "", kSampleStyle, kSampleLeft, Row(2) + 3, kSampleWidth, 17, 0, -1},
    {kLblSlashes, "STATIC", "パス区切り(&P)", SS_LEFT, kLabelLeft, Row(3) + 3, 80, 17, 0, -1},
    {kCmbSlashes, "COMBOBOX", "", kListStyle, kChoiceLeft, Row(3), kChoiceWidth, kListHeight, 0, 8},
    {kSmpSlashes, "STATIC", "", kSampleStyle, kSampleLeft, Row(3) + 3, kSampleWidth, 17, 0, -1},
    {kChkFolderMark, "BUTTON", "フォルダ名の後に \\ を付ける(&F)", BS_AUTOCHECKBOX, kLabelLeft, Row(4) + 2,
     kCheckWidth, 17, 0, 9},
    {kSmpFolderMark, "STATIC", "", kSampleStyle, kSampleLeft, Row(4) + 3, kSampleWidth, 17, 0, -1},
    {kChkRelative, "BUTTON", "相対パスにする(&R)", BS_AUTOCHECKBOX, kLabelLeft, Row(5) + 2, kCheckWidth, 17,
     0, 10},
    {kSmpRelative, "STATIC", "", kSampleStyle, kSampleLeft, Row(5) + 3, kSampleWidth, 17, 0, -1},
    {kChkNoExtension, "BUTTON", "拡張子を付けない(&X)", BS_AUTOCHECKBOX, kLabelLeft, Row(6) + 2, kCheckWidth,
     17, 0, 11},
    {kSmpExtension, "STATIC", "", kSampleStyle, kSampleLeft, Row(6) + 3, kSampleWidth, 17, 0, -1},
    {kLblOrder, "STATIC", "並び順(&O)", SS_LEFT, kLabelLeft, Row(7) + 3, 80, 17, 0, -1},
    {kCmbOrder, "COMBOBOX", "", kListStyle, kChoiceLeft, Row(7), kChoiceWidth, kListHeight, 0, 12},
    {kSmpOrder, "STATIC", "", kSampleStyle, kSampleLeft, Row(7) + 3, kSampleWidth, 17, 0, -1},
    // These beside the shortcut group: a row more in the output group would make the window too tall for
    // a screen of 768 pixels at twice the layout's DPI.
    {kChkOnlineFiles, "BUTTON", "オンライン専用も読む(&L)", BS_AUTOCHECKBOX, 297, 16, 193, 17, 0, 16},
    {kChkCodePageNames, "BUTTON", "932 にない名前は 8.3 か ?(&J)", BS_AUTOCHECKBOX, 297, 40, 193, 17, 0, 17},
    {kSmpCodePageNames, "STATIC", "", kSampleStyle, 297, 64, 193, 17, 0, -1},
    {kChkShiftJisContents, "BUTTON", "内容は Shift_JIS のみ(&K)", BS_AUTOCHECKBOX, 297, 88, 193, 17, 0, 18},
    // The second page: the columns and what the walk takes, in the same columns as the first.
    {kChkSizeColumn, "BUTTON", "ｻｲｽﾞ列(&Z)", BS_AUTOCHECKBOX, kLabelLeft, Row(0) + 2, kColumnCheckWidth, 17,
     0, 13},
    {kChkTimeColumn, "BUTTON", "日時列(&T)", BS_AUTOCHECKBOX, kLabelLeft + kColumnCheckPitch, Row(0) + 2,
     kColumnCheckWidth, 17, 0, 14},
    {kChkAttributeColumn, "BUTTON", "属性列(&A)", BS_AUTOCHECKBOX, kLabelLeft + 2 * kColumnCheckPitch,
     Row(0) + 2, kColumnCheckWidth, 17, 0, 15},
    {kSmpColumns, "STATIC", "", kSampleStyle, kSampleLeft, Row(0) + 3, kSampleWidth, 17, 0, -1},
    {kLblMasks, "STATIC", "除外(&M)", SS_LEFT, kLabelLeft, Row(2) + 3, 80, 17, 0, -1},
    {kEdtMasks, "EDIT", "", ES_AUTOHSCROLL, kChoiceLeft, Row(2), kChoiceWidth, 20, 0, 19, WS_EX_CLIENTEDGE},
    {kSmpMasks, "STATIC", "", kSampleStyle, kSampleLeft, Row(2) + 3, kSampleWidth, 17, 0, -1},
    {kLblDepth, "STATIC", "深さ(&D)", SS_LEFT, kLabelLeft, Row(3) + 3, 80, 17, 0, -1},
    {kCmbDepth, "COMBOBOX", "", kListStyle, kChoiceLeft, Row(3), 58, kListHeight, 0, 20},
    {kCmbKinds, "COMBOBOX", "", kListStyle, 162, Row(3), 64, kListHeight, 0, 21},
    {kSmpDepth, "STATIC", "", kSampleStyle, kSampleLeft, Row(3) + 3, kSampleWidth, 17, 0, -1},
    {kLblTree, "STATIC", "木の形(&W)", SS_LEFT, kLabelLeft, Row(4) + 3, 80, 17, 0, -1},
    {kCmbTree, "COMBOBOX", "", kListStyle, kChoiceLeft, Row(4), kChoiceWidth, kListHeight, 0, 22},
    {kSmpTree, "STATIC", "", kSampleStyle, kSampleLeft, Row(4) + 3, kSampleWidth, 17, 0, -1},
    {kChkCsv, "BUTTON", "CSV(&V)", BS_AUTOCHECKBOX, kLabelLeft, Row(1) + 2, 76, 17, 0, 23},
    {kChkHidden, "BUTTON", "隠し・ｼｽﾃﾑも(&H)", BS_AUTOCHECKBOX, kChoiceLeft, Row(1) + 2, kChoiceWidth, 17, 0,
     24},
    {kSmpCsv, "STATIC", "", kSampleStyle, kSampleLeft, Row(1) + 3, kSampleWidth, 17, 0, -1},
    {kChkHeadings, "BUTTON", "内容に見出し(&G)", BS_AUTOCHECKBOX, kLabelLeft, Row(5) + 2, kCheckWidth, 17, 0,
     25},
    {kSmpHeadings, "STATIC", "", kSampleStyle, kSampleLeft, Row(5) + 3, kSampleWidth, 17, 0, -1},
};

// A label's access key moves the keyboard to the control after it: each label goes right before its choice.
const struct {
    int label, choice;
} kLabels[] = {{kLblQuoting, kCmbQuoting}, {kLblSeparator, kCmbSeparator}, {kLblSlashes, kCmbSlashes},
               {kLblOrder, kCmbOrder},     {kLblMasks, kEdtMasks},         {kLblDepth, kCmbDepth},
               {kLblTree, kCmbTree}};

// The entries of each list, in the order of their enumeration's values.
const char* const kQuotingEntries[] = {"なし", "常に付ける", "空白を含むとき"};
const char* const kSeparatorEntries[] = {"改行", "タブ", "空白", "カンマ", "任意"};
const char* const kSlashEntries[] = {"\\", "/", "\\\\", "WSL (/mnt/c/)", "file:///", "%環境変数%"};
const char* const kOrderEntries[] = {"名前順", "ドロップ順", "自然順"};
const char* const kKindEntries[] = {"両方", "ファイル", "フォルダ"};
const char* const kTreeEntries[] = {"なし", "罫線", "ASCII"};

const struct {
    OutputOption option;
    int id;
} kSamples[] = {{OutputOption::Quoting, kSmpQuoting},
                {OutputOption::Separator, kSmpSeparator},
                {OutputOption::LastLineEnd, kSmpLastEnd},
                {OutputOption::Slashes, kSmpSlashes},
                {OutputOption::FolderMark, kSmpFolderMark},
                {OutputOption::Relative, kSmpRelative},
                {OutputOption::Extensions, kSmpExtension},
                {OutputOption::Order, kSmpOrder},
                {OutputOption::Columns, kSmpColumns},
                {OutputOption::Masks, kSmpMasks},
                {OutputOption::Depth, kSmpDepth},
                {OutputOption::Tree, kSmpTree},
                {OutputOption::Csv, kSmpCsv},
                {OutputOption::Headings, kSmpHeadings}};

constexpr char kFontFace[] = "ＭＳ Ｐゴシック";
constexpr int kFontHeight = 12;

// The button images are drawn on a grid of 16 x 16 units, scaled to the window's DPI.
constexpr int kGlyphUnits = 16;
constexpr int kGlyphMargin = 2;
// Drawn around the picture and left out of it by the image list's mask.
constexpr COLORREF kGlyphBackground = RGB(255, 0, 255);

// A square button image of size pixels, painted by paint in glyph units on a transparent background.
template <typename Paint>
ImageListOwner DrawGlyph(int size, Paint paint) {
    const BitmapOwner bitmap = MakeColourBitmap(size, size);
    {
        const MemoryDcOwner owner(CreateCompatibleDC(nullptr));
        if (!bitmap || !owner) return ImageListOwner();
        const HDC dc = owner.get();
        // Taken out of the device context again before the image list copies it.
        const ScopedSelectObject selected(dc, bitmap.get());
        const RECT all{0, 0, size, size};
        const GdiOwner<HBRUSH> background(CreateSolidBrush(kGlyphBackground));
        FillRect(dc, &all, background.get());
        // Coordinates and the wider pens in glyph units.
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, kGlyphUnits, kGlyphUnits, nullptr);
        SetViewportExtEx(dc, size, size, nullptr);
        paint(dc);
    }
    ImageListOwner images(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 1, 0));
    if (images) ImageList_AddMasked(images.get(), bitmap.get(), kGlyphBackground);
    return images;
}

// Draws with a pen of that colour and width, and fills with a brush of the same colour.
class Ink {
public:
    Ink(HDC dc, COLORREF colour, int width)
        : pen_(CreatePen(PS_SOLID, width, colour)),
          brush_(CreateSolidBrush(colour)),
          penSelected_(dc, pen_.get()),
          brushSelected_(dc, brush_.get()) {}

private:
    GdiOwner<HPEN> pen_;
    GdiOwner<HBRUSH> brush_;
    ScopedSelectObject penSelected_;
    ScopedSelectObject brushSelected_;
};

// A green arrow going round three quarters of a circle, its head pointing up on the right.
ImageListOwner RetryGlyph(int size) {
    return DrawGlyph(size, [](HDC dc) {
        {
            const Ink ink(dc, RGB(0, 128, 0), 2);
            Arc(dc, 2, 3, 14, 15, 8, 3, 14, 9);
        }
        const Ink ink(dc, RGB(0, 128, 0), 1);
        const POINT head[] = {{13, 2}, {9, 7}, {15, 7}};
        Polygon(dc, head, 3);
    });
}

// A red cross.
ImageListOwner CancelGlyph(int size) {
    return DrawGlyph(size, [](HDC dc) {
        const Ink ink(dc, RGB(192, 0, 0), 3);
        const POINT down[] = {{3, 3}, {13, 13}};
        const POINT up[] = {{12, 3}, {2, 13}};
        Polyline(dc, down, 2);
        Polyline(dc, up, 2);
    });
}

// The image left of the caption. Buttons of the older common controls have no image lists and show the
// caption alone.
void SetButtonImage(HWND button, HIMAGELIST images, int margin) {
    BUTTON_IMAGELIST list{images, {margin, 0, 0, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    SendMessageW(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
}

template <std::size_t N>
void FillList(HWND list, const char* const (&entries)[N]) {
    for (const char* entry : entries)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
}

// The chosen entry's index; the first when none is chosen.
int Selected(HWND list) {
    const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? 0 : static_cast<int>(index);
}

void Select(HWND list, int index) {
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The pages of the output group, and which one each of its controls is on.
const char* const kPageNames[] = {"行の書き方", "列とたどり方"};
int PageOf(int id) {
    return (id >= kChkSizeColumn && id <= kSmpColumns) || (id >= kLblMasks && id <= kSmpHeadings) ? 1 : 0;
}

bool IsOutputControl(int id) {
    return (id > kOutputBevel && id <= kSmpColumns) || id == kChkCodePageNames ||
           id == kChkShiftJisContents || id >= kLblMasks;
}

// The sample of the code page names: a name code page 932 cannot hold, as stored, or as older programs are
// given it (by its short alias where the volume keeps one, else with "?").
Text CodePageNamesSample(bool codePageNames) {
    return codePageNames ? "C:\\資料\\CAF_~1.TXT / caf?.txt" : "C:\\資料\\café.txt";
}

}  // namespace

TForm2::TForm2(ShortcutFlags flags, ShellLinks& shell, NameLookup& lookup, OutputOptions& output,
               std::function<void()> outputApplied)
    : flags_(flags),
      output_(output),
      outputApplied_(std::move(outputApplied)),
      settings_(flags, shell, lookup, *this) {}

bool TForm2::Create(HINSTANCE instance, HWND owner) {
    const INITCOMMONCONTROLSEX tabs{sizeof tabs, ICC_TAB_CLASSES};
    InitCommonControlsEx(&tabs);
    FrameSpec frame{};
    frame.className = "TForm2";
    frame.caption = "設定画面";
    frame.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    frame.exStyle = WS_EX_DLGMODALFRAME;
    frame.left = 378;
    frame.top = 128;
    frame.clientWidth = kClientWidth;
    frame.clientHeight = kClientHeight;
    frame.owner = owner;
    frame.icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ROMINADO));
    if (!CreateFrame(instance, frame)) return false;
    if (!CreateControls(Handle(), kControls, nullptr)) return false;
    for (const auto& pair : kLabels) {
        const HWND before = GetWindow(Item(pair.choice), GW_HWNDPREV);
        SetWindowPos(Item(pair.label), before ? before : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (int page = 0; page < 2; ++page) {
        const std::wstring name = Wide(kPageNames[page]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(name.c_str());
        SendMessageW(Item(kOutputPages), TCM_INSERTITEMW, page, reinterpret_cast<LPARAM>(&item));
    }
    ShowPage(0);
    FillList(Item(kCmbQuoting), kQuotingEntries);
    FillList(Item(kCmbSeparator), kSeparatorEntries);
    FillList(Item(kCmbSlashes), kSlashEntries);
    FillList(Item(kCmbOrder), kOrderEntries);
    FillList(Item(kCmbKinds), kKindEntries);
    FillList(Item(kCmbTree), kTreeEntries);
    SendMessageW(Item(kCmbDepth), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"すべて"));
    for (int depth = 1; depth <= kMaxDepth; ++depth)
        SendMessageW(Item(kCmbDepth), CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Wide(std::to_string(depth)).c_str()));
    SendMessageW(Item(kEdtSeparator), EM_LIMITTEXT, kCustomSeparatorBytes, 0);
    // Laid out at the DPI of the monitor it was created on.
    ScaleTo(DpiOf(Handle()));
    return true;
}

void TForm2::ScaleTo(UINT dpi) {
    FontOwner font = MakeFontForDpi(kFontFace, kFontHeight, dpi);
    SetFontOnChildren(Handle(), font.get());
    font_ = std::move(font);  // the old one goes once no control uses it
    ImageListOwner retry = RetryGlyph(ScaleForDpi(kGlyphUnits, dpi));
    ImageListOwner cancel = CancelGlyph(ScaleForDpi(kGlyphUnits, dpi));
    SetButtonImage(Item(kBtSetn), retry.get(), ScaleForDpi(kGlyphMargin, dpi));
    SetButtonImage(Item(kBtnCloce), cancel.get(), ScaleForDpi(kGlyphMargin, dpi));
    retryImage_ = std::move(retry);
    cancelImage_ = std::move(cancel);
    // The buttons are measured with their images.
    LayOut(dpi);
    SetWindowIcons(Handle(), reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE)),
                   IDI_ROMINADO, dpi, icons_);
}

void TForm2::LayOut(UINT dpi) {
    SizeClient(Handle(), PlaceControls(Handle(), kControls, dpi, kClientWidth),
               ScaleForDpi(kClientHeight, dpi), dpi);
}

void TForm2::Show() {
    // A hidden window holds nothing unapplied: it shows what is in force.
    if (!IsWindowVisible(Handle())) {
        ShowOutput(output_);
        FormActivate();
        // The samples shown are held as the captions are.
        LayOut(DpiOf(Handle()));
    }
    // Where its designed place would leave part of it off the screen, it comes inside.
    KeepOnWorkArea(Handle());
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TForm2::FormActivate() {
    SetChecked(kChkDesk, flags_.FDeskTopSet);
    SetChecked(kChkSend, flags_.FSendToSet);
}

OutputOptions TForm2::ChosenOutput() const {
    OutputOptions options;
    options.quoting = static_cast<Quoting>(Selected(Item(kCmbQuoting)));
    options.separator = static_cast<LineSeparator>(Selected(Item(kCmbSeparator)));
    // The box's limit counts UTF-16 units, not bytes.
    options.customSeparator = CutToShiftJisWidth(ItemText(kEdtSeparator), kCustomSeparatorBytes);
    options.lastLineEnd = !IsChecked(kChkNoLastEnd);
    options.slashes = static_cast<SlashStyle>(Selected(Item(kCmbSlashes)));
    options.folderMark = IsChecked(kChkFolderMark);
    options.relative = IsChecked(kChkRelative);
    options.extensions = !IsChecked(kChkNoExtension);
    options.order = static_cast<EntryOrder>(Selected(Item(kCmbOrder)));
    options.sizeColumn = IsChecked(kChkSizeColumn);
    options.timeColumn = IsChecked(kChkTimeColumn);
    options.attributeColumn = IsChecked(kChkAttributeColumn);
    options.readOnlineFiles = IsChecked(kChkOnlineFiles);
    options.codePageNames = IsChecked(kChkCodePageNames);
    options.contentsEncoding =
        IsChecked(kChkShiftJisContents) ? ContentsEncoding::ShiftJis : ContentsEncoding::Detect;
    options.excludeMasks = ItemText(kEdtMasks);
    options.depth = Selected(Item(kCmbDepth));
    options.kinds = static_cast<EntryKinds>(Selected(Item(kCmbKinds)));
    options.tree = static_cast<TreeStyle>(Selected(Item(kCmbTree)));
    options.csv = IsChecked(kChkCsv);
    options.contentsHeadings = IsChecked(kChkHeadings);
    options.includeHidden = IsChecked(kChkHidden);
    return options;
}

void TForm2::ShowOutput(const OutputOptions& options) {
    Select(Item(kCmbQuoting), static_cast<int>(options.quoting));
    Select(Item(kCmbSeparator), static_cast<int>(options.separator));
    SetItemText(kEdtSeparator, options.customSeparator);
    SetChecked(kChkNoLastEnd, !options.lastLineEnd);
    Select(Item(kCmbSlashes), static_cast<int>(options.slashes));
    SetChecked(kChkFolderMark, options.folderMark);
    SetChecked(kChkRelative, options.relative);
    SetChecked(kChkNoExtension, !options.extensions);
    Select(Item(kCmbOrder), static_cast<int>(options.order));
    SetChecked(kChkSizeColumn, options.sizeColumn);
    SetChecked(kChkTimeColumn, options.timeColumn);
    SetChecked(kChkAttributeColumn, options.attributeColumn);
    SetChecked(kChkOnlineFiles, options.readOnlineFiles);
    SetChecked(kChkCodePageNames, options.codePageNames);
    SetChecked(kChkShiftJisContents, options.contentsEncoding == ContentsEncoding::ShiftJis);
    SetItemText(kEdtMasks, options.excludeMasks);
    Select(Item(kCmbDepth), options.depth);
    Select(Item(kCmbKinds), static_cast<int>(options.kinds));
    Select(Item(kCmbTree), static_cast<int>(options.tree));
    SetChecked(kChkCsv, options.csv);
    SetChecked(kChkHeadings, options.contentsHeadings);
    SetChecked(kChkHidden, options.includeHidden);
    ShowSamples();
}

void TForm2::ShowSamples() {
    const OutputOptions chosen = ChosenOutput();
    for (const auto& sample : kSamples)
        SetItemText(sample.id, OutputSample(sample.option, chosen));
    SetItemText(kSmpCodePageNames, CodePageNamesSample(chosen.codePageNames));
    EnableWindow(Item(kEdtSeparator), chosen.separator == LineSeparator::Custom);
}

void TForm2::ShowPage(int page) {
    SendMessageW(Item(kOutputPages), TCM_SETCURSEL, page, 0);
    const auto show = [&](int first, int last) {
        for (int id = first; id <= last; ++id)
            ShowWindow(Item(id), PageOf(id) == page ? SW_SHOWNA : SW_HIDE);
    };
    show(kLblQuoting, kSmpColumns);
    show(kLblMasks, kSmpHeadings);
}

void TForm2::BtSetnClick() {
    const HWND button = Item(kBtSetn);
    EnableWindow(button, FALSE);
    // Enabled again on every way out, an error that ends the click included.
    struct Reenable {
        HWND window, button;
        ~Reenable() {
            EnableWindow(button, TRUE);
            if (GetActiveWindow() == window && !GetFocus()) SetFocus(button);
        }
    } reenable{Handle(), button};
    // The question is about the shortcuts alone: the output options are applied whatever the answer.
    const OutputOptions chosen = ChosenOutput();
    settings_.ConfirmAndApply(IsChecked(kChkDesk), IsChecked(kChkSend));
    output_ = chosen;
    outputApplied_();
}

void TForm2::BtnCloceClick() {
    ShowWindow(Handle(), SW_HIDE);
}

bool TForm2::Confirm(const Text& text) {
    inBox_ = true;
    const bool ok = AskConfirmation(Handle(), text);
    inBox_ = false;
    return ok;
}

void TForm2::Inform(const Text& text) {
    inBox_ = true;
    ShowInformation(Handle(), text);
    inBox_ = false;
}

LRESULT TForm2::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED) {
                if (LOWORD(wparam) == kBtSetn) BtSetnClick();
                if (LOWORD(wparam) == kBtnCloce) BtnCloceClick();
            }
            if (IsOutputControl(LOWORD(wparam)) &&
                (HIWORD(wparam) == BN_CLICKED || HIWORD(wparam) == CBN_SELCHANGE ||
                 HIWORD(wparam) == EN_CHANGE))
                ShowSamples();
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lparam);
            if (header->idFrom == kOutputPages && header->code == TCN_SELCHANGE)
                ShowPage(static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE) {
                // The shortcut boxes show the stored flags again when the user comes from another window of
                // this program, not when coming back from another program (the window left behind is then
                // none of this thread). The output choices are the user's own typing and stay until 適用,
                // ｷｬﾝｾﾙ or closing.
                const auto previous = reinterpret_cast<HWND>(lparam);
                if (!inBox_ && previous &&
                    GetWindowThreadProcessId(previous, nullptr) == GetCurrentThreadId())
                    FormActivate();
                // As a dialog does: the keyboard goes to the first control, or back to the one that had it.
                if (!focus_ || !IsChild(Handle(), focus_)) focus_ = Item(kChkDesk);
                SetFocus(focus_);
            } else if (const HWND focused = GetFocus(); focused && IsChild(Handle(), focused)) {
                focus_ = focused;
            }
            return 0;
        case WM_NEXTDLGCTL: {
            // As a dialog does: the system follows a label's access key by giving the label the keyboard,
            // then asking for the control after it.
            const HWND target = LOWORD(lparam) ? reinterpret_cast<HWND>(wparam)
                                               : GetNextDlgTabItem(Handle(), GetFocus(), wparam != 0);
            if (target) SetFocus(target);
            return 0;
        }
        default:
            return SecondaryWindow::HandleMessage(msg, wparam, lparam);
    }
}

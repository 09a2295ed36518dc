// The main window TForm1: the text area that takes drops, the top panel with the commands and output options,
// the filter panel and the status bar. It owns the drop state and offers the view operations to the work
// that runs inside it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "collect/DropHandler.h"
#include "collect/DropState.h"
#include "collect/FileContentsReader.h"
#include "platform/View.h"
#include "platform/win32/Controls.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32Network.h"
#include "platform/win32/Window.h"

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

class TForm1 : public Window, public View {
public:
    // What the buttons that open the other windows do; set by start-up once those windows exist.
    struct Commands {
        std::function<void()> showEditWindow, showSettingsWindow, showAboutBox, showHelp;
        std::function<void()> closeQuery;  // FormCloseQuery: writes the settings; an error is reported
    };

    explicit TForm1(MessageLoop& loop);
    ~TForm1() override;

    // Creates the window hidden, with all its controls.
    bool Create(HINSTANCE instance);

    // FormCreate's steps for a start without arguments: the drop hook, the drop target, the executable's
    // folder, the path list, the progress bar in the status bar, the caret indicator.
    void PrepareForDrops();

    void SetCommands(Commands commands) { commands_ = std::move(commands); }

    // How a running edit operation is stopped (nothing when none runs); set by start-up with the edit window.
    void SetEditAbort(std::function<void()> abort) { editAbort_ = std::move(abort); }

    // A drop or an edit operation has ended: a close asked for while it ran goes ahead now.
    void OperationEnded();

    DropState& State() { return state_; }
    DropHandler& Drops() { return handler_; }
    const Text& AppDir() const { return appDir_; }
    HWND Control(int id) const { return FindControl(Handle(), id); }

    // The settings kept across runs (Data.INI): output mode index 0 to 4, the text area's font, the window's
    // position, the two shortcut flags.
    int ModeIndex() const;
    void SelectMode(
        int index);  // any index outside 0..4 selects full path; runs RdoFullClick as a click would
    Text MemoFontName() const { return memoFont_.lfFaceName; }
    int MemoFontPoints() const;
    // A size that would leave the text unreadable (0, negative, huge) is brought into the range below, so the
    // size in use, which is what gets saved, is always one of it.
    void SetMemoFont(const Text& name, int points);
    static constexpr int kMemoFontPointsMin = 6;
    static constexpr int kMemoFontPointsMax = 72;
    // Moves the window's top-left corner there (screen pixels); a place no monitor shows comes onto the
    // nearest one.
    void PlaceAt(int left, int top);
    bool FDeskTopSet = false;
    bool FSendToSet = false;

    // The text area's whole text, byte for byte.
    Text MemoText() const;

    // Whether the last CopyAllText left the clipboard unchanged (the user has been told).
    bool ClipboardCopyFailed() const { return clipboardFailed_; }

    // View operations.
    OptionSnapshot ReadOptions() override;
    void AppendLine(const Text& line) override;
    void AppendLines(const std::vector<Text>& lines) override;
    void SuspendRedraw() override;
    void ResumeRedraw() override;
    std::vector<Text> ReadAllLines() override;
    void ReplaceAllLines(const std::vector<Text>& lines) override;
    void CopyAllText() override;
    void PlaceCaretAtEnd() override;
    void SetStatusText(int panel, const Text& text) override;
    void SetProgressMax(std::int32_t maximum) override;
    void SetProgressPosition(std::int32_t position) override;
    void EnableTopPanel(bool enabled) override;
    void RefreshCaretIndicator() override { ShowCaretPos(); }
    void PumpMessages() override { loop_.Pump(); }
    void ShowMessage(const Text& text) override;

    // Handlers.
    void ShowCaretPos();
    void RdoFullClick();
    void ChkGetClick();
    void BtnSaveClick();
    void BtnClearClick();
    void BtnFontClick();
    void FormCloseQuery();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

private:
    bool CreateChildren(HINSTANCE instance);
    void LoadGlyphs(HINSTANCE instance);
    void Layout();
    void OnCommand(int id, int code);
    void DrawSpeedButton(const DRAWITEMSTRUCT& item);
    void AppendBlock(const Text& block);
    std::int64_t ColumnInBytes(std::int64_t offset, std::int64_t lineIndex) const;
    void ApplyMemoFont();
    void SyncRadioTabStops();
    void FocusControl(HWND control);
    static LRESULT CALLBACK GridCellProcedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                              DWORD_PTR self);
    static LRESULT CALLBACK MemoProcedure(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                          DWORD_PTR self);

    MessageLoop& loop_;
    Win32Locale locale_;
    Win32FileSystem files_;
    Win32Network network_;
    Win32FileReader fileReader_;
    DropState state_{locale_};
    FileContentsReader reader_{state_, *this, fileReader_};
    DropHandler handler_{state_, *this, files_, network_, reader_};
    Commands commands_;
    std::function<void()> editAbort_;
    Text appDir_;

    FontOwner windowFont_;
    FontOwner memoFontHandle_;
    LOGFONTA memoFont_{};
    COLORREF memoColor_ = CLR_INVALID;  // CLR_INVALID: the window-text colour
    struct Glyph {
        int buttonId;
        int resourceId;
        int spacing;
        HIMAGELIST images;
    };
    std::vector<Glyph> glyphs_;
    HWND lastFocus_ = nullptr;  // the control that had the keyboard when the window was left
    int redrawSuspensions_ = 0;
    bool closeRequested_ = false;  // a close waits for the running drop or edit operation to end
    bool clipboardFailed_ = false;
};

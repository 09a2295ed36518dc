// The main window TForm1: the text area that takes drops, the top panel with the commands and output options,
// the filter panel and the status bar. It owns the drop state; its text area (a member) is the view the work
// running inside it sees. The platform services it uses are start-up's, given by reference.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "app/MainLayout.h"
#include "app/MemoView.h"
#include "collect/DropHandler.h"
#include "collect/DropState.h"
#include "collect/FileContentsReader.h"
#include "platform/Collation.h"
#include "platform/FileReader.h"
#include "platform/FileSystem.h"
#include "platform/Network.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Handles.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Window.h"
#include "shared/OutputOptions.h"

class TForm1 : public Window {
public:
    // The services the drops go through.
    struct Services {
        FileSystem& files;
        Network& network;
        FileReader& fileReader;
        Collation& pathOrder;  // the path list's order: case ignored
    };

    // What the buttons that open the other windows do; set by start-up once those windows exist.
    struct Commands {
        std::function<void()> showEditWindow, showSettingsWindow, showAboutBox, showHelp;
        std::function<void()> closeQuery;  // FormCloseQuery: writes the settings; an error is reported
    };

    TForm1(MessageLoop& loop, const Services& services);

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

    // The text area, status bar and option controls as the work sees them.
    MemoView& TextArea() { return memo_; }
    const MemoView& TextArea() const { return memo_; }
    DropState& State() { return state_; }
    DropHandler& Drops() { return handler_; }
    const Text& AppDir() const { return appDir_; }
    // The output options the drops are written with; the settings window changes them.
    OutputOptions& Output() { return output_; }

    // The settings kept across runs (Data.INI): output mode index 0 to 4, the text area's font, the window's
    // position, the two shortcut flags.
    int ModeIndex() const;
    void SelectMode(
        int index);  // any index outside 0..4 selects full path; runs RdoFullClick as a click would
    Text MemoFontName() const { return FromWide(memoFont_.lfFaceName); }
    int MemoFontPoints() const;
    // A size that would leave the text unreadable (0, negative, huge) is brought into the range below, so the
    // size in use, which is what gets saved, is always one of it.
    void SetMemoFont(const Text& name, int points);
    static constexpr int kMemoFontPointsMin = 6;
    static constexpr int kMemoFontPointsMax = 72;
    // Moves the window's top-left corner there (screen pixels), then just enough for the window to lie on the
    // work area of the monitor it is (mostly) on.
    void PlaceAt(int left, int top);
    bool FDeskTopSet = false;
    bool FSendToSet = false;

    // Handlers.
    void RdoFullClick();
    void ChkGetClick();
    void BtnSaveClick();
    void BtnClearClick();
    void BtnFontClick();
    void FormCloseQuery();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

private:
    bool CreateChildren();
    void Layout();
    // Fonts, controls, status panels, glyphs and icons at the DPI the window is shown at.
    void ScaleTo(UINT dpi);
    // The window grows where its client area is narrower than the controls' fitted row needs.
    void WidenToHoldControls();
    void SetStatusPanels();
    void OnCommand(int id, int code);
    void PaintSpeedButton(const DRAWITEMSTRUCT& item);
    void ApplyMemoFont();
    void SyncRadioTabStops();
    void FocusControl(HWND control);

    MessageLoop& loop_;
    OutputOptions output_;
    DropState state_;
    MemoView memo_{*this, loop_, state_};
    FileContentsReader reader_;
    DropHandler handler_;
    Commands commands_;
    std::function<void()> editAbort_;
    Text appDir_;

    UINT dpi_ = kLayoutDpi;
    int controlsWidth_ = 0;  // the client width the top panel's controls need at dpi_, captions fitted
    WindowIcons icons_;
    FontOwner windowFont_;
    FontOwner memoFontHandle_;
    LOGFONTW memoFont_{};
    COLORREF memoColor_ = CLR_INVALID;    // CLR_INVALID: the window-text colour
    std::vector<ImageListOwner> glyphs_;  // one a speed button, in the order of its glyph table
    HWND lastFocus_ = nullptr;            // the control that had the keyboard when the window was left
    bool closeRequested_ = false;         // a close waits for the running drop or edit operation to end
};

// The edit window TForm3: twelve operation buttons over the main window's text area, undo, abort and close.
// Created hidden at start-up, shown modeless from the main window, hidden (never destroyed) when closed.
#pragma once

#include <windows.h>

#include <functional>

#include "edit/EditOperations.h"
#include "platform/CaseMapper.h"
#include "platform/Collation.h"
#include "platform/win32/Controls.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/Window.h"
#include "shared/View.h"

class TForm3 : public SecondaryWindow, private BreakButton {
public:
    // Control ids. An operation button's id is kOperationIdBase plus its tag; none is IDOK or IDCANCEL, so
    // Enter and Esc, which the dialog keyboard turns into those, run nothing.
    enum : int {
        kOperationIdBase = 100,
        BtnUpper = kOperationIdBase + kTagUpper,
        BtnLower = kOperationIdBase + kTagLower,
        BtnHalf = kOperationIdBase + kTagHalf,
        BtnAll = kOperationIdBase + kTagFull,
        BtnSortD = kOperationIdBase + kTagNameAsc,
        BtnSortU = kOperationIdBase + kTagNameDesc,
        BtnKindDn = kOperationIdBase + kTagExtAsc,
        BtnKindUp = kOperationIdBase + kTagExtDesc,
        BtnName = kOperationIdBase + kTagFileName,
        BitBtn1 = kOperationIdBase + kTagDirectory,
        BtnDist = kOperationIdBase + kTagDistinct,
        BtnDistOrder = kOperationIdBase + kTagDistinctInOrder,
        BtnBack = 300,
        BtnClose,
        BtnBreak,
        Bevel1,
    };

    // view, state (its FBusy), the services and loop must outlive the window.
    TForm3(View& view, BusyState& state, CaseMapper& cases, Collation& collation, MessageLoop& loop);
    ~TForm3() override;

    // Creates the window hidden, owned by the main window, and lets the loop give it the dialog keyboard.
    // False when the system refuses.
    bool Create(HINSTANCE instance, HWND mainWindow);

    // Shows the window against the main window's right edge, tops aligned; when it is visible already, only
    // brings it to the front.
    void FormShow();

    // Called whenever an operation has ended, written back or not; its owner may be waiting to close.
    void SetOperationEnded(std::function<void()> ended) { operationEnded_ = std::move(ended); }

    // Stops a running operation as its abort button does; nothing when none runs.
    void AbortOperation();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

private:
    void SetBreakVisible(bool visible) override;
    // Fonts and controls at the DPI the window has moved to.
    void ScaleTo(UINT dpi) override;

    void BtnUpperClick(int tag);
    // Runs work counted among the operations under way, and tells the owner when it has ended.
    template <typename Work>
    void Counted(Work work);
    void BtnBackClick();
    void BtnCloseClick();
    void BtnBreakClick();
    void OperationEnded();

    MessageLoop& loop_;
    EditOperations operations_;
    int running_ = 0;  // operations under way: a click refused while one runs counts too
    std::function<void()> operationEnded_;
    HWND mainWindow_ = nullptr;
    FontOwner font_;
};

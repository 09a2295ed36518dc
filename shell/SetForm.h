// The settings window TForm2: two check boxes for the desktop and Send To shortcuts, below them the output
// options on two pages (the lines, the walk) with a sample line each, and the apply and cancel buttons.
// Created hidden; shown modeless from the main window; closing it only hides it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <type_traits>

#include "platform/NameLookup.h"
#include "platform/ShellLinks.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/Window.h"
#include "shared/OutputOptions.h"
#include "shell/Shortcuts.h"

// Control ids of the settings window. The cancel button has the id that Esc clicks in a dialog.
enum SetFormControl : int {
    kBtnCloce = IDCANCEL,
    kSetFormBevel = 200,
    kChkDesk,
    kChkSend,
    kBtSetn,
    kOutputBevel,
    kLblQuoting,
    kCmbQuoting,
    kSmpQuoting,
    kLblSeparator,
    kCmbSeparator,
    kEdtSeparator,  // the custom separator
    kSmpSeparator,
    kChkNoLastEnd,
    kSmpLastEnd,
    kLblSlashes,
    kCmbSlashes,
    kSmpSlashes,
    kChkFolderMark,
    kSmpFolderMark,
    kChkRelative,
    kSmpRelative,
    kChkNoExtension,
    kSmpExtension,
    kLblOrder,
    kCmbOrder,
    kSmpOrder,
    kChkSizeColumn,
    kChkTimeColumn,
    kChkAttributeColumn,
    kSmpColumns,
    kChkOnlineFiles,
    kChkCodePageNames,
    kSmpCodePageNames,
    kChkShiftJisContents,
    kLblMasks,
    kEdtMasks,
    kSmpMasks,
    kLblDepth,
    kCmbDepth,
    kCmbKinds,
    kSmpDepth,
    kLblTree,
    kCmbTree,
    kSmpTree,
    kChkCsv,
    kChkHidden,
    kSmpCsv,
    kChkHeadings,
    kSmpHeadings,
    kOutputPages,  // the tabs over the output group: what a line holds, and what the walk takes
};

class TForm2 : public SecondaryWindow, private Prompts {
public:
    // flags are the main window's fields and output the options its drops use, both set by applying, after
    // which outputApplied keeps the options (an AppError it raises is reported as the window reports errors).
    // The flags are shown again whenever the window is activated, the options whenever it is shown.
    TForm2(ShortcutFlags flags, ShellLinks& shell, NameLookup& lookup, OutputOptions& output,
           std::function<void()> outputApplied);

    // Creates the window hidden at its designed place. False when the system refuses. The program gives it no
    // owner: a normal window that can go behind the main window.
    bool Create(HINSTANCE instance, HWND owner);

    // Shows the window and brings it to the front, moved inside the screen where its designed place would put
    // part of it off. Showing a hidden window shows the output options in force and runs FormActivate, which
    // activating it from another window of this program runs too.
    void Show();

    // Handlers. FormActivate shows the stored shortcut flags: the boxes mirror files on disk.
    void FormActivate();
    void BtSetnClick();
    void BtnCloceClick();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

private:
    bool Confirm(const Text& text) override;
    void Inform(const Text& text) override;
    // Fonts, controls, button images and icons at the DPI the window is shown at.
    void ScaleTo(UINT dpi) override;
    // Places the controls, each as wide as its caption or sample needs, and sizes the window to hold them.
    void LayOut(UINT dpi);
    // The output options as the controls show them, and the other way round.
    OutputOptions ChosenOutput() const;
    void ShowOutput(const OutputOptions& options);
    // Each sample line after the choice it shows; the custom separator's box only with that separator.
    void ShowSamples();
    // Shows the controls of the output group's page (0: the lines, 1: the walk) and hides the other's.
    void ShowPage(int page);

    ShortcutFlags flags_;
    OutputOptions& output_;
    std::function<void()> outputApplied_;
    ShortcutSettings settings_;
    FontOwner font_;
    ImageListOwner retryImage_;
    ImageListOwner cancelImage_;
    WindowIcons icons_;
    // While one of the window's own message boxes is open: activation coming back from it is no FormActivate.
    bool inBox_ = false;
    HWND focus_ = nullptr;  // the control that had the keyboard when the window was last left
};

// The help viewer on the Win32 API: the shell's default browser for the help page, WinHelpW for the old help
// file, the information box.
#pragma once

#include <windows.h>

#include "platform/HelpViewer.h"

class Win32HelpViewer : public HelpViewer {
public:
    // owner: the window that owns the help viewer and the information box.
    explicit Win32HelpViewer(HWND owner) : owner_(owner) {}

    bool FileExists(const Text& path) override;
    void ShowHelpFile(const Text& helpFile) override;
    bool OpenPage(const Text& page) override;
    void Inform(const Text& text) override;

private:
    HWND owner_;
};

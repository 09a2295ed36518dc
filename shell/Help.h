// The help command on the Win32 API: the shell's default browser for the help page, WinHelpW for the old help
// file, the information box when neither is there.
#pragma once

#include <windows.h>

#include "shell/HelpCommand.h"

class Win32HelpSystem : public HelpSystem {
public:
    // owner: the window that owns the help viewer and the information box.
    explicit Win32HelpSystem(HWND owner) : owner_(owner) {}

    bool FileExists(const Text& path) override;
    void ShowHelpFile(const Text& helpFile) override;
    bool OpenPage(const Text& page) override;
    void Inform(const Text& text) override;

private:
    HWND owner_;
};

// The help command for helpFile, owned by owner (ShowHelp on the Win32 system).
void ShowHelpContents(HWND owner, const Text& helpFile);

// Start-up: the application title, the main window, the other windows hidden, then the message loop. Started
// with arguments, the program puts their long forms on the clipboard and ends without showing a window.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/MainWindow.h"
#include "collect/CommandLine.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/Win32NameLookup.h"

namespace {

// COM for the thread (shell links, the font and save dialogs), released when start-up's scope ends.
class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (ok_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ComApartment com;

    MessageLoop loop;
    TForm1 form(loop);
    if (!form.Create(instance)) return 1;

    const std::vector<Text> arguments = CommandLineArguments(GetCommandLineA());
    if (!arguments.empty()) {
        // Command-line mode: the window stays hidden, nothing else is created, the settings are not touched.
        Win32NameLookup lookup;
        RunCommandLineMode(arguments, lookup, form);
        PostQuitMessage(0);
        return loop.Run();
    }

    form.PrepareForDrops();
    // The main window stays out of dialog navigation: a multi-line text area in dialog mode turns Esc into a
    // close request for its parent, and Esc there must only abort a drop.
    ShowWindow(form.Handle(), show);
    return loop.Run();
}

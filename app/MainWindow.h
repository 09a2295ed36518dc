// The main window TForm1.
#pragma once

#include <windows.h>

class TForm1 {
public:
    // Creates the window (not yet shown); false when the system refuses.
    bool Create(HINSTANCE instance);
    HWND Handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

    HWND hwnd_ = nullptr;
};

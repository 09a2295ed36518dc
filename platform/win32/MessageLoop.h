// The message loop and the pump share one body: the application hook first, then keyboard navigation of the
// visible modeless windows, then translate and dispatch.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class MessageLoop {
public:
    // Sees every message taken from the queue before anything else; handled = true consumes it. An error that
    // leaves the hook is shown in the error report and the loop goes on.
    using Hook = std::function<void(const MSG& msg, bool& handled)>;

    void SetHook(Hook hook) { hook_ = std::move(hook); }

    // Windows whose controls take Tab, arrow keys, Enter and Esc as in a dialog while they are visible.
    void AddModeless(HWND window);
    void RemoveModeless(HWND window);

    // Runs until WM_QUIT and returns its exit code.
    int Run();

    // Processes every pending message of the thread, then returns. A quit request met here is posted again
    // so that the loop ends once the work that pumped has returned.
    void Pump();

private:
    void Process(MSG& msg);

    Hook hook_;
    std::vector<HWND> modeless_;
};

// Whether a drop or an edit operation runs, and whether the user has asked it to stop: the part of the main
// window's state that the drop handling and the edit operations share, with the texts that go with it.
#pragma once

#include "text/Text.h"

// Shown when a drop or an edit operation arrives while FBusy is set.
inline const Text kBusyMessage = "編集中のため処理できません。";

// Status panel 3 while a drop or an edit operation runs.
inline const Text kAbortPrompt = "[ESC]キーで中断";

struct BusyState {
    bool FAbort = false;  // set by Esc in the text area; cleared when a drop starts
    bool FBusy = false;   // a drop or an edit operation is running
};

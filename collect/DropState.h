// The state of drop handling that the main window owns and the drop handler, the path walker, the contents
// reader and the edit window share.
#pragma once

#include <array>
#include <cstdint>

#include "collect/PathList.h"
#include "platform/Locale.h"
#include "text/Text.h"

// Shown when a drop or an edit operation arrives while FBusy is set.
inline const Text kBusyMessage = "編集中のため処理できません。";

struct DropState {
    explicit DropState(Locale& locale) : FPathList(locale) {}

    bool FAbort = false;             // set by Esc in the text area; cleared when a drop starts
    PathList FPathList;              // entries of the current drop in the path modes
    std::int32_t FDropIndex = 0;     // index of the dropped name being walked
    std::int32_t FTick = 0;          // entries walked below the current dropped name, 0 to 1023
    std::int32_t FTotalLines = 0;    // line count of the current drop in contents mode
    std::array<Text, 5> FExtFilter;  // the extension filter slots
    bool FBusy = false;              // a drop or an edit operation is running
};

// The state of drop handling that the main window owns and the drop handler, the path walker and the contents
// reader share; the edit operations see its busy part.
#pragma once

#include <array>
#include <cstdint>

#include "collect/PassedOver.h"
#include "collect/PathList.h"
#include "platform/Collation.h"
#include "shared/BusyState.h"
#include "shared/OutputOptions.h"
#include "text/Text.h"

struct DropState : BusyState {
    explicit DropState(Collation& locale) : FPathList(locale) {}

    PathList FPathList;              // entries of the current drop in the path modes
    std::int32_t FDropIndex = 0;     // index of the dropped name being walked
    std::int32_t FTick = 0;          // entries walked below the current dropped name, 0 to 1023
    std::int32_t FTotalLines = 0;    // line count of the current drop in contents mode
    std::array<Text, 5> FExtFilter;  // the extension filter slots
    // The contents modes also read files whose data is online only, which fetches them; taken from the
    // output options at the start of every drop.
    bool FReadOnlineFiles = false;
    // How the contents modes tell a file's encoding; taken from the output options at the start of every
    // drop.
    ContentsEncoding FContentsEncoding = ContentsEncoding::Detect;
    // All-lines mode heads each file's lines with its path; taken from the output options likewise.
    bool FContentsHeadings = false;
    // Folders the walk could not list, or not to their end, each named with the reason: the drop's closing
    // notice tells of them, so that a list missing their entries does not pass for a whole one.
    PassedOver FUnlistedFolders;
};

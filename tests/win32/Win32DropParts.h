// What a drop runs on in the Win32 tests: the real file system, network and path order, a recording view
// and the drop state; each fixture adds the contents reader it needs.
#pragma once

#include "collect/DropState.h"
#include "platform/win32/Win32Collation.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Network.h"
#include "tests/fakes/RecordingView.h"

struct Win32DropParts {
    Win32FileSystem folders;
    Win32Network network;
    Win32Collation locale{LetterCase::kIgnored};
    RecordingView view;
    DropState state{locale};
};

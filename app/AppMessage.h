// The application's message hook: recognises a drop of files and hands its names to the drop handler.
#pragma once

#include <windows.h>

#include "collect/DropHandler.h"
#include "platform/win32/DropNames.h"

// For WM_DROPFILES (0x0233) hands the drop to handler, which sets handled when it has processed it; any other
// message gets handled = false. A drop that handler refuses while busy is released here as well, since
// nothing after the hook reads it; handled then stays as the caller preset it. An error that escapes the drop
// leaves here after the drop's finishing steps; the caller reports it.
void AppMessage(DropHandler& handler, const MSG& message, bool& handled);

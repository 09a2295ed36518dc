// The help command: the contents of the program's help file in the system's help viewer.
#pragma once

#include <windows.h>

#include "text/Text.h"

// The help file beside the program: appDir (ending in "\") followed by "ロミナード.HLP".
Text HelpFilePath(const Text& appDir);

// Asks the help viewer, owned by owner, for the contents topic of helpFile. Whether the viewer finds the file
// is its own affair: a missing file changes nothing here.
void ShowHelpContents(HWND owner, const Text& helpFile);

#include "shell/Help.h"

Text HelpFilePath(const Text& appDir) {
    return appDir + "ロミナード.HLP";
}

void ShowHelpContents(HWND owner, const Text& helpFile) {
    if (!helpFile.empty()) WinHelpA(owner, helpFile.c_str(), HELP_CONTENTS, 0);
}

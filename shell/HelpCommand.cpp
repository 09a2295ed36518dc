#include "shell/HelpCommand.h"

#include "text/PathPieces.h"

Text HelpFilePath(const Text& appDir) {
    return appDir + "ロミナード.HLP";
}

Text HelpPagePath(const Text& helpFile) {
    return PathDirectory(helpFile) + "ロミナード.html";
}

void ShowHelp(HelpSystem& system, const Text& helpFile) {
    // Current Windows has no viewer for the old format, but a user who kept such a file still gets it.
    if (system.FileExists(helpFile)) {
        system.ShowHelpFile(helpFile);
        return;
    }
    const Text page = HelpPagePath(helpFile);
    if (!system.FileExists(page)) {
        system.Inform("ヘルプファイル " + page + " が見つかりません。");
        return;
    }
    if (!system.OpenPage(page)) system.Inform("ヘルプファイル " + page + " を開けません。");
}

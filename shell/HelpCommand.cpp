#include "shell/HelpCommand.h"

#include "text/PathPieces.h"

Text HelpFilePath(const Text& appDir) {
    return appDir + "ロミナード.HLP";
}

Text HelpPagePath(const Text& helpFile) {
    return PathDirectory(helpFile) + "ロミナード.html";
}

void ShowHelp(HelpSystem& system, const Text& helpFile) {
    const Text page = HelpPagePath(helpFile);
    if (system.FileExists(page)) {
        if (!system.OpenPage(page)) system.Inform("ヘルプファイル " + page + " を開けません。");
        return;
    }
    // Windows 10 and 11 have no viewer for the old format: it is asked for only where the page is missing.
    if (system.FileExists(helpFile)) {
        system.ShowHelpFile(helpFile);
        return;
    }
    system.Inform("ヘルプファイル " + page + " が見つかりません。");
}

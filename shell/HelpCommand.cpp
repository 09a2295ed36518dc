#include "shell/HelpCommand.h"

#include "text/PathPieces.h"

Text HelpFilePath(const Text& appDir) {
    return appDir + "ロミナード.HLP";
}

Text HelpPagePath(const Text& helpFile) {
    return PathDirectory(helpFile) + "Rominado.html";
}

Text FormerHelpPagePath(const Text& helpFile) {
    return PathDirectory(helpFile) + "ロミナード.html";
}

void ShowHelp(HelpViewer& viewer, const Text& helpFile) {
    for (const Text& page : {HelpPagePath(helpFile), FormerHelpPagePath(helpFile)}) {
        if (viewer.FileExists(page)) {
            if (!viewer.OpenPage(page)) viewer.Inform("ヘルプファイル " + page + " を開けません。");
            return;
        }
    }
    const Text page = HelpPagePath(helpFile);
    // Windows 10 and 11 have no viewer for the old format: it is asked for only where the page is missing.
    if (viewer.FileExists(helpFile)) {
        viewer.ShowHelpFile(helpFile);
        return;
    }
    viewer.Inform("ヘルプファイル " + page + " が見つかりません。");
}

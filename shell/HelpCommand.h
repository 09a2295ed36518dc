// The help command: the help page in the default browser, otherwise the old help file when the user keeps one
// beside the program, otherwise a word that neither is there. Nothing here waits for a viewer.
#pragma once

#include "text/Text.h"

// What the help command needs of the system.
class HelpSystem {
public:
    virtual ~HelpSystem() = default;

    // Whether a file (not a folder) of that name exists.
    virtual bool FileExists(const Text& path) = 0;

    // Asks the system's help viewer for the contents topic of helpFile; its answer is not used.
    virtual void ShowHelpFile(const Text& helpFile) = 0;

    // Opens page in the default browser and returns without waiting for it. False when no program could be
    // started for it.
    virtual bool OpenPage(const Text& page) = 0;

    // The information box ("情報", "OK").
    virtual void Inform(const Text& text) = 0;
};

// The help file beside the program: appDir (ending in "\") followed by "ロミナード.HLP".
Text HelpFilePath(const Text& appDir);

// The help page that stands in the help file's folder: "ロミナード.html".
Text HelpPagePath(const Text& helpFile);

// The help command for helpFile: the help page beside it in the browser when the page exists, else the help
// viewer when helpFile exists; when neither exists, an information box names the missing page.
void ShowHelp(HelpSystem& system, const Text& helpFile);

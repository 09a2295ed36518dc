// What the help command needs of the system: whether a file is there, the old help viewer, the default
// browser and the information box. Nothing here waits for a viewer.
#pragma once

#include "text/Text.h"

class HelpViewer {
public:
    virtual ~HelpViewer() = default;

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

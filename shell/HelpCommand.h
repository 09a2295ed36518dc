// The help command: the help page in the default browser, otherwise the old help file when the user keeps one
// beside the program, otherwise a word that neither is there. Nothing here waits for a viewer.
#pragma once

#include "platform/HelpViewer.h"
#include "text/Text.h"

// The help file beside the program: appDir (ending in "\") followed by "ロミナード.HLP".
Text HelpFilePath(const Text& appDir);

// The help page that stands in the help file's folder: "Rominado.html", an ASCII name, which every unpacker
// keeps whatever the system's code page.
Text HelpPagePath(const Text& helpFile);

// The name the page had in earlier packages, "ロミナード.html" in the same folder: still found there.
Text FormerHelpPagePath(const Text& helpFile);

// The help command for helpFile: the help page beside it in the browser when the page exists (under its name
// or its former one), else the help viewer when helpFile exists; when none exists, an information box names
// the missing page.
void ShowHelp(HelpViewer& viewer, const Text& helpFile);

// The one-line samples the settings window shows beside each output option: a Japanese name, written with
// that option alone at the given choice, so each line shows one effect.
#pragma once

#include "shared/OutputOptions.h"
#include "text/Text.h"

// The settings window's output options, one a sample line.
enum class OutputOption {
    Quoting,
    Separator,
    LastLineEnd,
    Slashes,
    FolderMark,
    Relative,
    Extensions,
    Order,
    Columns,
    Masks,
    Depth,  // with the kinds of entry and the hidden ones
    Tree,
    Csv,
    Headings
};

// The sample of option as chosen holds it; every other option stays at its default. Line ends and tabs
// are shown as arrows, since a one-line label cannot show them.
Text OutputSample(OutputOption option, const OutputOptions& chosen);

// The text as a one-line label shows it: CR LF (or a lone CR or LF) as "↓", a tab as "→".
Text VisibleBreaks(const Text& text);

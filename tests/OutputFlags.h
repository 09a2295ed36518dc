// Output options from a short flag string, so a table row fits on one line: / slashes, 2 doubled
// backslashes, " always quoted, _ quoted when spaced, r relative, e no extensions, m folder mark, t time
// column, c every column, T tabs between lines, , commas, n no last line end, d drop order, w WSL paths,
// u file URIs, v CSV.
#pragma once

#include "shared/OutputOptions.h"

inline OutputOptions OutputFlags(const Text& flags) {
    OutputOptions o;
    for (const char f : flags) {
        if (f == '/') o.slashes = SlashStyle::Slash;
        if (f == '2') o.slashes = SlashStyle::DoubledBackslash;
        if (f == '"') o.quoting = Quoting::Always;
        if (f == '_') o.quoting = Quoting::WhenSpace;
        if (f == 'T') o.separator = LineSeparator::Tab;
        if (f == ',') o.separator = LineSeparator::Comma;
        if (f == 'd') o.order = EntryOrder::Drop;
        if (f == 'w') o.slashes = SlashStyle::Wsl;
        if (f == 'u') o.slashes = SlashStyle::FileUri;
        o.csv |= f == 'v';
        o.relative |= f == 'r';
        o.extensions &= f != 'e';
        o.folderMark |= f == 'm';
        o.lastLineEnd &= f != 'n';
        o.timeColumn |= f == 't' || f == 'c';
        if (f == 'c') o.sizeColumn = o.attributeColumn = true;
    }
    return o;
}

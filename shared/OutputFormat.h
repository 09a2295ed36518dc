// Writes the lines of a drop and of the command-line mode under the output options. In UTF-8 every 0x5C byte
// is a backslash, so every one is a separator.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/FileSystem.h"
#include "shared/OutputOptions.h"
#include "text/Text.h"

// One entry as the walk or the command line found it.
struct OutputEntry {
    Text line;                      // what the output mode made of it: full path, name, network or short path
    std::size_t relativeStart = 0;  // where the part relative to the dropped folder begins in line
    bool folder = false;
    const EntryFacts* facts = nullptr;  // for the detail columns; null when unknown (empty columns)
};

// The entry's line: the relative part when asked for, the extension taken off a file's name, a separator
// after a folder's name, the separator style or path form, the quotes; then each detail column asked for,
// after a tab. In CSV the line and each column are fields, quoted where they need it, after a comma; the
// quoting option is then left aside.
// A name that is all extension (".bashrc") keeps it; a line that already ends in a separator (a drive root)
// or is empty gets no second one. Columns are empty where the facts are unknown, a folder's size, or a time
// outside the calendar.
Text FormatEntry(const OutputEntry& entry, const OutputOptions& options);

// The CSV header row: the path, then the name of each column asked for.
Text CsvHeader(const OutputOptions& options);

// Whether FormatEntry gives every line as the mode made it (no path option and no column is on).
bool KeepsLines(const OutputOptions& options);

// Whether the lines join as today: CR LF after each line (CSV rows always end so).
bool JoinsWithCrLf(const OutputOptions& options);

// What goes between two lines.
Text SeparatorText(const OutputOptions& options);

// The lines joined by the separator, then a CR LF after the last one unless options say none.
Text JoinOutput(const std::vector<Text>& lines, const OutputOptions& options);

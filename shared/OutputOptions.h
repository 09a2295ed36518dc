// How the lines of a drop and of the command-line mode are written: quoting, the text between lines, the
// separator style, relative paths, extensions, the order of the entries and detail columns. The defaults give
// every line exactly as the output mode makes it, one a line with CR LF.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/Text.h"

enum class Quoting : std::uint8_t { None, Always, WhenSpace };
enum class LineSeparator : std::uint8_t { CrLf, Tab, Space, Comma, Custom };
// The separator styles, then the forms other programs take a path in: a WSL path (/mnt/c/...), a file URI
// (file:///C:/...) and the environment form (%USERPROFILE%\...).
enum class SlashStyle : std::uint8_t { Backslash, Slash, DoubledBackslash, Wsl, FileUri, Environment };
enum class EntryOrder : std::uint8_t { Locale, Drop, Natural };
// How the contents modes take a file's bytes: in the encoding its first block shows, or all as Shift_JIS.
enum class ContentsEncoding : std::uint8_t { Detect, ShiftJis };
// Which walked entries give lines.
enum class EntryKinds : std::uint8_t { Both, FilesOnly, FoldersOnly };
// A dropped folder drawn as a tree: not at all, with box-drawing lines, or with ASCII.
enum class TreeStyle : std::uint8_t { None, Lines, Ascii };

// Walks go at most this many levels below a dropped folder when a depth is set.
constexpr int kMaxDepth = 99;

// A custom separator holds at most this many bytes.
constexpr std::size_t kCustomSeparatorBytes = 16;

struct OutputOptions {
    Quoting quoting = Quoting::None;
    LineSeparator separator = LineSeparator::CrLf;
    Text customSeparator;     // with LineSeparator::Custom; at most kCustomSeparatorBytes bytes
    bool lastLineEnd = true;  // false: no line end after the last line
    SlashStyle slashes = SlashStyle::Backslash;
    bool folderMark = false;  // a separator after folder names
    bool relative = false;    // paths relative to the dropped folder
    bool extensions = true;   // false: file names without their extension
    EntryOrder order = EntryOrder::Locale;
    bool sizeColumn = false;       // size in bytes
    bool timeColumn = false;       // last write, yyyy/mm/dd hh:mm:ss local time
    bool attributeColumn = false;  // R H S A D
    // The contents modes also read files whose data is online only (a cloud store's placeholders), which
    // fetches it; without it they are passed over and named.
    bool readOnlineFiles = false;
    // Names as code page 932 spells them, for batch files and older programs: a name it cannot hold is given
    // by its short (8.3) alias, else with "?" for each character it cannot hold, and the user is told.
    // Without it every name is given as the file system stores it.
    bool codePageNames = false;
    // Shift_JIS for every file, for files whose encoding the detection gets wrong.
    ContentsEncoding contentsEncoding = ContentsEncoding::Detect;
    // Patterns of names the walk leaves out, ";"-separated; one ending in "\" names folders, which are then
    // not entered.
    Text excludeMasks = Text();
    bool includeHidden = false;  // hidden and system entries are walked too
    int depth = 0;               // levels below a dropped folder, 1 to kMaxDepth; 0: all
    EntryKinds kinds = EntryKinds::Both;
    TreeStyle tree = TreeStyle::None;
    bool csv = false;  // the path and the detail columns as CSV, after a header row
    // All-lines mode writes "■ " and the file's path before each file's lines, with a blank line between
    // files.
    bool contentsHeadings = false;

    bool operator==(const OutputOptions& other) const;
    bool operator!=(const OutputOptions& other) const { return !(*this == other); }
};

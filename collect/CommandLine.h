// Command-line mode: the program started with arguments writes their long forms to the clipboard, one line
// each, and ends without showing a window.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/NameLookup.h"
#include "shared/OutputOptions.h"
#include "shared/View.h"
#include "text/Text.h"

// The arguments of a command line, the executable's own word left out. Bytes up to 0x20 separate arguments
// (a NUL ends the line); a double quote opens a stretch, up to the next double quote or the end, whose
// characters are taken as they are, spaces included, while the quotes are dropped; an empty pair of quotes
// where an argument would begin is passed over. An argument may be of any length: a path past the old 4,096
// bytes is one path.
std::vector<Text> CommandLineArguments(const Text& commandLine);

// Appends the long form of each argument, written as output says (relative: its own name), in argument order,
// to the (empty) text area, and copies the whole text to the clipboard; with the default options each line is
// followed by CR LF. files is asked once an argument for what the options need to know of it (whether it
// is a folder, the detail columns), and only then. Each long form is looked up and asked about by its true
// name; with output.codePageNames the line gives files' CodePageForm of it, and when that substituted names
// the user is told once, after the copy.
void RunCommandLineMode(const std::vector<Text>& arguments, NameLookup& lookup, FileSystem& files, View& view,
                        const OutputOptions& output);

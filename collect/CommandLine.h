// Command-line mode: the program started with arguments writes their long forms to the clipboard, one line
// each, and ends without showing a window.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/NameConversion.h"
#include "platform/NameLookup.h"
#include "platform/View.h"
#include "shared/OutputOptions.h"
#include "text/Text.h"

// An argument holds at most this many bytes; the bytes beyond start the next argument.
constexpr std::size_t kArgumentLimit = 4096;

// The arguments of a command line, the executable's own word left out. Bytes up to 0x20 separate arguments
// (a NUL ends the line); a double quote opens a stretch, up to the next double quote or the end, whose bytes
// are taken as they are, spaces included, while the quotes are dropped; an empty pair of quotes where an
// argument would begin is passed over.
std::vector<Text> CommandLineArguments(const Text& commandLine);

// Appends the long form of each argument, written as output says (relative: its own name), in argument order,
// to the (empty) text area, and copies the whole text to the clipboard; with the default options each line is
// followed by CR LF. files is asked once an argument for what the options need to know of it (whether it
// is a folder, the detail columns), and only then. Then, when names the code page cannot hold were met (met,
// from taking the arguments, and those the lookup substituted), tells the user once.
void RunCommandLineMode(const std::vector<Text>& arguments, NameLookup& lookup, FileSystem& files, View& view,
                        const OutputOptions& output, NameSubstitutions met = {});

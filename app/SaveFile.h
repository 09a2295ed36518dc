// Saving bytes to a file so that a failure never costs the file that was there: the bytes go to a new file
// beside it, which takes its place only once it is whole on the disk.
#pragma once

#include <string>

#include "platform/FileReplacer.h"
#include "text/Text.h"

// Writes the bytes to a temporary file in path's folder, flushes it and puts it in place of path (made when
// there is none), keeping a hidden or system file's attributes. On any failure the file at path stays as it
// was, the temporary file is removed, and AppError names the file, the reason and what became of the file.
void SaveFile(FileReplacer& files, const Text& path, const std::string& bytes);

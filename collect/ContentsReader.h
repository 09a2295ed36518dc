// The file contents reader as the path walker sees it.
#pragma once

#include "text/Text.h"

class ContentsReader {
public:
    virtual ~ContentsReader() = default;

    // Writes the contents of the file at path (or its line count) into the text area. Does nothing for a
    // folder. Raises AppError when the file cannot be opened or read; the error ends the drop.
    virtual void AddFileContents(const Text& path) = 0;
};

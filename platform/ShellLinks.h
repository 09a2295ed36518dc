// Shell services for the program's shortcuts: the desktop and Send To folders, shell link files, and the few
// file operations around them.
#pragma once

#include "text/Text.h"

// What a shell link file holds besides its own name.
struct LinkSpec {
    Text target;
    Text arguments;
    Text workDir;
    Text description;
};

class ShellLinks {
public:
    virtual ~ShellLinks() = default;

    // The desktop folder's file-system path as the shell reports it, whole, however long; empty when the
    // shell has none for it.
    virtual Text DesktopFolder() = 0;

    // The Send To folder's file-system path as the shell reports it, whole; empty when the shell names none.
    virtual Text SendToFolder() = 0;

    // Writes a shell link file named linkFile (ANSI code page) with exactly the fields of link: an empty
    // field is set as the empty text. No icon, hot key or show command. Raises AppError when the system
    // cannot make a link object at all; false when the file could not be saved.
    virtual bool SaveLink(const Text& linkFile, const LinkSpec& link) = 0;

    // Whether a file (not a folder) of that name exists.
    virtual bool FileExists(const Text& path) = 0;

    // Deletes a file; a missing one, or one that cannot be deleted, is left as it is without complaint.
    virtual void RemoveFile(const Text& path) = 0;

    // The running program's full path.
    virtual Text OwnPath() = 0;
};

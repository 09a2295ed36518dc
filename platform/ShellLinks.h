// Shell services for the program's shortcuts: the desktop and Send To folders, shell link files, and the few
// file operations around them.
#pragma once

#include "platform/Encoding.h"
#include "text/Text.h"

// What a shell link file holds besides its own name. The target and its folder are UTF-16, exactly as the
// system named the program's own path.
struct LinkSpec {
    WideText target;
    Text arguments;
    WideText workDir;
    Text description;
};

class ShellLinks {
public:
    virtual ~ShellLinks() = default;

    // The desktop folder's file-system path as the shell reports it, whole, however long; empty when the
    // shell has none for it.
    virtual Text DesktopFolder() = 0;

    // The Send To folder's file-system path as the shell reports it, whole, given as DesktopFolder gives it;
    // empty when the shell names none.
    virtual Text SendToFolder() = 0;

    // Writes a shell link file named linkFile with exactly the fields of link: an empty field is set as the
    // empty text. No icon, hot key or show command. Raises AppError when the system cannot make a link object
    // at all; false when the target is no existing file or the link file could not be saved.
    virtual bool SaveLink(const Text& linkFile, const LinkSpec& link) = 0;

    // Whether a file (not a folder) of that name exists.
    virtual bool FileExists(const Text& path) = 0;

    // Deletes a file; true when it is gone, a missing one included, false when it is still there.
    virtual bool RemoveFile(const Text& path) = 0;

    // The running program's full path.
    virtual WideText OwnPath() = 0;
};

// Shell-link services on the Win32 API: the desktop and Send To folders through SHGetSpecialFolderLocation,
// links through the shell link object's IShellLinkW and IPersistFile. The thread must have initialised COM.
#pragma once

#include <shlobj.h>
#include <windows.h>

#include "platform/ShellLinks.h"

// The file-system path of an item-id list, whole however long, every name as the system stores it; empty when
// the item has none.
Text FileSystemPath(PCIDLIST_ABSOLUTE list);

class Win32ShellLinks : public ShellLinks {
public:
    Text DesktopFolder() override;
    Text SendToFolder() override;
    bool SaveLink(const Text& linkFile, const LinkSpec& link) override;
    bool FileExists(const Text& path) override;
    bool RemoveFile(const Text& path) override;
    WideText OwnPath() override;
};

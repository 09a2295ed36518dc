// Reading shell link files back through IShellLinkW, COM for the test's thread, and the real shell with a
// desktop folder of the test's choosing.
#pragma once

#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/ShellLinks.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32ShellLinks.h"

// The real shell, but with the desktop and Send To where the test puts them; an empty sendTo is a shell that
// names no Send To folder.
class TempDesktopShell : public Win32ShellLinks {
public:
    Text desktop;
    Text sendTo;
    Text DesktopFolder() override { return desktop; }
    Text SendToFolder() override { return sendTo; }
};

// A link file's fields as read back.
struct LinkFields {
    Text target;
    Text arguments;
    Text workDir;
    Text description;
};

// The fields of the link file at path; a file that is no link fails the test.
inline LinkFields ReadLink(const Text& path) {
    LinkFields link;
    ComOwner<IShellLinkW> shellLink;
    ComOwner<IPersistFile> persist;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                shellLink.put())) ||
        FAILED(shellLink.QueryInto(persist))) {
        ADD_FAILURE() << "no shell link object";
        return link;
    }
    if (FAILED(persist->Load(Wide(path).c_str(), STGM_READ))) {
        ADD_FAILURE() << "cannot load " << path;
        return link;
    }
    wchar_t buffer[INFOTIPSIZE] = {};
    shellLink->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH);
    link.target = FromWide(buffer);
    buffer[0] = L'\0';
    shellLink->GetArguments(buffer, INFOTIPSIZE);
    link.arguments = FromWide(buffer);
    buffer[0] = L'\0';
    shellLink->GetWorkingDirectory(buffer, MAX_PATH);
    link.workDir = FromWide(buffer);
    buffer[0] = L'\0';
    shellLink->GetDescription(buffer, INFOTIPSIZE);
    link.description = FromWide(buffer);
    return link;
}

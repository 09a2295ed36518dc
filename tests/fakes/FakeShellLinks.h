// Shell links kept in memory: desktop and Send To folder answers, the files that exist, the links saved
// (with their fields) and the deletions asked for, in the order they came. A link to a target outside targets
// is not saved; saving into a file named in failSaves fails, and so does deleting one named in failRemoves;
// with failObject set no link object can be made at all.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "platform/ShellLinks.h"

class FakeShellLinks : public ShellLinks {
public:
    Text desktop = "C:\\WINDOWS\\Desktop";
    Text sendTo;  // empty: the shell names no Send To folder
    WideText ownPath = u"C:\\Tools\\Rominado.exe";
    std::set<WideText> targets{ownPath};  // the files a link may point at
    std::set<Text> files;                 // existing files; a saved link joins them, a deleted one leaves
    std::set<Text> failSaves;             // link files that cannot be saved
    std::set<Text> failRemoves;           // files that cannot be deleted
    bool failObject = false;

    std::map<Text, LinkSpec> links;  // every link saved, by file
    std::vector<Text> calls;         // "save <file>", "remove <file>", in order

    Text DesktopFolder() override { return desktop; }
    Text SendToFolder() override { return sendTo; }
    bool SaveLink(const Text& linkFile, const LinkSpec& link) override;
    bool FileExists(const Text& path) override { return files.count(path) != 0; }
    bool RemoveFile(const Text& path) override;
    WideText OwnPath() override { return ownPath; }
};

#include "tests/fakes/FakeShellLinks.h"

#include "text/AppError.h"

bool FakeShellLinks::SaveLink(const Text& linkFile, const LinkSpec& link) {
    if (failObject) throw AppError("no link object");
    calls.push_back("save " + linkFile);
    if (failSaves.count(linkFile) || !targets.count(link.target)) return false;
    links[linkFile] = link;
    files.insert(linkFile);
    return true;
}

bool FakeShellLinks::RemoveFile(const Text& path) {
    calls.push_back("remove " + path);
    if (failRemoves.count(path)) return false;
    files.erase(path);
    return true;
}

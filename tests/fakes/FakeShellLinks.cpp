#include "tests/fakes/FakeShellLinks.h"

#include "text/AppError.h"

bool FakeShellLinks::SaveLink(const Text& linkFile, const LinkSpec& link) {
    if (failObject) throw AppError("no link object");
    calls.push_back("save " + linkFile);
    if (failSaves.count(linkFile)) return false;
    links[linkFile] = link;
    files.insert(linkFile);
    return true;
}

void FakeShellLinks::RemoveFile(const Text& path) {
    calls.push_back("remove " + path);
    files.erase(path);
}

#include "shared/EnvironmentForm.h"

#include "text/PathPieces.h"

namespace {

constexpr const char* kVariables[] = {"USERPROFILE", "OneDrive", "APPDATA", "LOCALAPPDATA", "PUBLIC"};

}  // namespace

EnvironmentForm::EnvironmentForm(FileSystem& files) : files_(files) {
    for (const char* name : kVariables) {
        Text folder = files_.EnvironmentValue(name);
        // A folder given with its separator ends before it; a drive root keeps it.
        if (folder.size() > 3 && LastDelimiter(folder, "\\") == folder.size() - 1) folder.pop_back();
        if (!folder.empty()) folders_.emplace_back('%' + Text(name) + '%', folder);
    }
}

Text EnvironmentForm::Apply(const Text& path) const {
    const std::pair<Text, Text>* longest = nullptr;
    for (const auto& folder : folders_) {
        const Text& value = folder.second;
        if (path.size() < value.size() || (longest && longest->second.size() >= value.size())) continue;
        const bool atBoundary = path.size() == value.size() || path[value.size()] == '\\' ||
                                LastDelimiter(value, "\\") == value.size() - 1;
        if (atBoundary && files_.SameName(path.substr(0, value.size()), value)) longest = &folder;
    }
    if (!longest) return path;
    Text rest = path.substr(longest->second.size());
    // A root's variable stands for the root without its separator.
    if (!rest.empty() && rest[0] != '\\') rest.insert(rest.begin(), '\\');
    return longest->first + rest;
}

#include "tests/fakes/FakeProfileFiles.h"

#include "platform/ProfileFile.h"

Text FakeProfileFiles::Read(const Text& path, const Text& section, const Text& key, const Text& fallback) {
    const auto found = files.find(path);
    if (found == files.end()) return fallback;
    return ProfileFile(found->second).Value(section, key).value_or(fallback);
}

bool FakeProfileFiles::Write(const Text& path, const std::vector<ProfileValue>& values) {
    const auto found = files.find(path);
    ProfileFile file(found == files.end() ? std::string() : found->second);
    for (const ProfileValue& v : values)
        if (!file.Set(v.section, v.key, v.value)) return false;
    files[path] = file.Bytes();
    return true;
}

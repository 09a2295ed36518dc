#include "tests/fakes/FakeProfile.h"

void FakeProfile::Set(const Text& path, const Text& section, const Text& key, const Text& value) {
    values[{path, section, key}] = value;
    files.insert(path);
}

Text FakeProfile::Read(const Text& path, const Text& section, const Text& key, const Text& fallback) {
    calls.push_back("read " + path + " [" + section + "] " + key);
    const auto found = values.find({path, section, key});
    if (found == values.end()) return fallback;
    return found->second.substr(0, kProfileValueBytes);
}

bool FakeProfile::Write(const Text& path, const Text& section, const Text& key, const Text& value) {
    calls.push_back("write " + path + " [" + section + "] " + key + "=" + value);
    ++writes_;
    if (refusedFiles.count(path) != 0) return false;
    if (refuseFromWrite != 0 && writes_ >= refuseFromWrite) return false;
    Set(path, section, key, value);
    return true;
}

bool FakeProfile::FileExists(const Text& path) {
    return files.count(path) != 0;
}

bool FakeProfile::CreateFolder(const Text& path) {
    calls.push_back("mkdir " + path);
    return true;
}

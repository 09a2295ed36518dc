#include "tests/fakes/FakeProfile.h"

#include "platform/ProfileFile.h"

void FakeProfile::Set(const Text& path, const Text& section, const Text& key, const Text& value) {
    values[{path, section, key}] = value;
    files.insert(path);
}

Text FakeProfile::Read(const Text& path, const Text& section, const Text& key, const Text& fallback) {
    calls.push_back("read " + path + " [" + section + "] " + key);
    const auto found = values.find({path, section, key});
    return found == values.end() ? fallback : found->second;
}

bool FakeProfile::Write(const Text& path, const std::vector<ProfileValue>& written) {
    for (const ProfileValue& v : written) {
        calls.push_back("write " + path + " [" + v.section + "] " + v.key + "=" + v.value);
        ++writes_;
        if (refusedFiles.count(path) != 0) return false;
        if (refuseFromWrite != 0 && writes_ >= refuseFromWrite) return false;
        if (!ProfileFile().Set(v.section, v.key, v.value)) return false;
    }
    for (const ProfileValue& v : written)
        Set(path, v.section, v.key, v.value);
    files.insert(path);
    return true;
}

bool FakeProfile::FileExists(const Text& path) {
    return files.count(path) != 0;
}

bool FakeProfile::CreateFolder(const Text& path) {
    calls.push_back("mkdir " + path);
    return true;
}

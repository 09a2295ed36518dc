#include "tests/fakes/FakeProfile.h"

Text FakeProfile::Read(const Text& path, const Text& section, const Text& key, const Text& fallback) {
    calls.push_back("read " + path + " [" + section + "] " + key);
    const auto found = values.find({path, section, key});
    if (found == values.end()) return fallback;
    return found->second.substr(0, kProfileValueBytes);
}

bool FakeProfile::Write(const Text& path, const Text& section, const Text& key, const Text& value) {
    calls.push_back("write " + path + " [" + section + "] " + key + "=" + value);
    ++writes_;
    if (refuseFromWrite != 0 && writes_ >= refuseFromWrite) return false;
    values[{path, section, key}] = value;
    return true;
}

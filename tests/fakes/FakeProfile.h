// INI files kept in memory, one map of values per file path. Every call is recorded in order ("read <path>
// [<section>] <key>", "write <path> [<section>] <key>=<value>"); a write can be refused from the N-th one on,
// as a file that turns read-only would refuse it.
#pragma once

#include <map>
#include <tuple>
#include <vector>

#include "platform/Profile.h"

class FakeProfile : public Profile {
public:
    using Key = std::tuple<Text, Text, Text>;  // path, section, key

    std::map<Key, Text> values;
    std::vector<Text> calls;
    int refuseFromWrite = 0;  // 0: every write succeeds; N: the N-th write (counting from 1) and later fail

    Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) override;
    bool Write(const Text& path, const Text& section, const Text& key, const Text& value) override;

private:
    int writes_ = 0;
};

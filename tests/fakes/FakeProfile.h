// INI files kept in memory, one map of values per file path. Every value written and every read is recorded
// in order ("read <path> [<section>] <key>", "write <path> [<section>] <key>=<value>", "mkdir <path>"); a
// write can be refused for chosen files, or from the N-th value on, as a file that turns read-only would
// refuse it, and then stores none of its values (the values up to the refused one are recorded). A value that
// a Shift_JIS Data.INI could not hold as it is (ProfileFile::Set) is refused the same way.
#pragma once

#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "platform/Profile.h"

class FakeProfile : public Profile {
public:
    using Key = std::tuple<Text, Text, Text>;  // path, section, key

    std::map<Key, Text> values;
    std::set<Text> files;         // the files that exist; a successful write adds its file
    std::set<Text> refusedFiles;  // every write to these fails (read-only, or a folder without rights)
    std::vector<Text> calls;
    int refuseFromWrite = 0;  // 0: every value is written; N: the N-th value (counting from 1) and later fail

    // Puts a value into a file, which then exists; not recorded.
    void Set(const Text& path, const Text& section, const Text& key, const Text& value);

    Text Read(const Text& path, const Text& section, const Text& key, const Text& fallback) override;
    bool Write(const Text& path, const std::vector<ProfileValue>& written) override;
    bool FileExists(const Text& path) override;
    bool CreateFolder(const Text& path) override;

private:
    int writes_ = 0;
};

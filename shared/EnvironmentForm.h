// The environment form of a path: the longest of the user's folders the environment names that begins it,
// given as its variable (%USERPROFILE%\文書\表.txt), so that a list holds for another user or machine.
#pragma once

#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "text/Text.h"

class EnvironmentForm {
public:
    // Reads the variables once: a walk makes the form of every entry.
    explicit EnvironmentForm(FileSystem& files);

    // path with the longest folder that begins it (compared as the file system compares names, and ending
    // where a component ends) replaced by its variable; unchanged when none does.
    Text Apply(const Text& path) const;

private:
    FileSystem& files_;
    std::vector<std::pair<Text, Text>> folders_;  // variable as written, %NAME%; its folder
};

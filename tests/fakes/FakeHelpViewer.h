// The help viewer in memory: the files that exist, and every viewer start and box in the order
// asked ("help <file>", "open <page>", "inform <text>"). Opening a page named in failOpens fails.
#pragma once

#include <set>
#include <vector>

#include "platform/HelpViewer.h"

class FakeHelpViewer : public HelpViewer {
public:
    std::set<Text> files;
    std::set<Text> failOpens;
    std::vector<Text> calls;

    bool FileExists(const Text& path) override { return files.count(path) != 0; }
    void ShowHelpFile(const Text& helpFile) override { calls.push_back("help " + helpFile); }
    bool OpenPage(const Text& page) override {
        calls.push_back("open " + page);
        return failOpens.count(page) == 0;
    }
    void Inform(const Text& text) override { calls.push_back("inform " + text); }
};

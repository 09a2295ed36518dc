#include "collect/ExtFilter.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtFilter, SlotsFromCells) {
    const std::pair<Text, Text> cases[] = {
        {"/", ""},
        {"", "/"},
        {"txt", ".TXT"},
        {"Txt", ".TXT"},
        {".txt", "..TXT"},
        {" txt", ". TXT"},  // cells are not trimmed
        {"//", ".//"},
        {"表a", ".表A"},
        // Only ASCII letters change case; 表 and ソ stay as they are.
        {"ソa", ".ソA"},
        {"ｔｘｔ", ".ｔｘｔ"},  // full-width letters are left alone
    };
    for (const auto& [cell, slot] : cases)
        EXPECT_EQ(FilterSlot(cell), slot) << cell;
}

TEST(ExtFilter, WhatTheCellsLetThrough) {
    using Cells = std::array<Text, 5>;
    const struct {
        Cells cells;
        Text path;
        bool passes;
    } cases[] = {
        {{"/", "", "", "", ""}, "C:\\d\\noext", true},
        {{"/", "", "", "", ""}, "C:\\d.x\\folder", true},
        {{"/", "", "", "", ""}, "C:\\d\\a.txt", false},
        {{"/", "", "", "", ""}, "C:\\d\\a.", false},
        {{"txt", "", "", "", ""}, "C:\\d\\a.txt", true},
        {{"txt", "", "", "", ""}, "C:\\d\\a.TXT", true},
        {{"txt", "", "", "", ""}, "C:\\d\\a.Txt", true},
        {{"txt", "", "", "", ""}, "C:\\d\\a.text", false},
        {{"txt", "", "", "", ""}, "C:\\d\\a.txt.bak", false},
        {{"txt", "", "", "", ""}, "C:\\d\\atxt", false},
        {{"txt", "", "", "", ""}, "C:\\d.txt\\folder", false},
        {{".txt", "", "", "", ""}, "C:\\d\\a.txt", false},
        {{".txt", "", "", "", ""}, "C:\\d\\a..txt", false},
        {{"", "", "", "", ""}, "C:\\d\\noext", false},
        {{"", "", "", "", ""}, "C:\\d\\a.txt", false},
        {{"", "", "", "", ""}, "C:\\d\\a.", false},
        {{"", "", "", "", "/"}, "C:\\d\\noext", true},
        {{"csv", "", "txt", "", ""}, "C:\\d\\a.TXT", true},
        {{"csv", "", "txt", "", ""}, "C:\\d\\a.Csv", true},
        {{"csv", "", "txt", "", ""}, "C:\\d\\a.doc", false},
        {{"表", "", "", "", ""}, "C:\\d\\a.表", true},
        {{"ソ", "", "", "", ""}, "C:\\d\\a.ソ", true},
        {{"ソ", "", "", "", ""}, "C:\\d\\a.表", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PassesFilter(c.path, FilterSlots(c.cells)), c.passes) << c.cells[0] << " | " << c.path;
    }
}

}  // namespace

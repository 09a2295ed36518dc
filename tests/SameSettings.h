// Compares two sets of stored settings field by field, so that a test states all seven values at once and a
// failure names each field that differs.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/Settings.h"

inline ::testing::AssertionResult SameSettings(const StoredSettings& actual, const StoredSettings& expected) {
    std::string differences;
    const auto field = [&](const char* name, const auto& got, const auto& wanted) {
        if (got == wanted) return;
        differences += std::string(name) + " is " + ::testing::PrintToString(got) + ", not " +
                       ::testing::PrintToString(wanted) + "; ";
    };
    field("formTop", actual.formTop, expected.formTop);
    field("formLeft", actual.formLeft, expected.formLeft);
    field("modeIndex", actual.modeIndex, expected.modeIndex);
    field("fontSize", actual.fontSize, expected.fontSize);
    field("fontName", actual.fontName, expected.fontName);
    field("deskTopSet", actual.deskTopSet, expected.deskTopSet);
    field("sendToSet", actual.sendToSet, expected.sendToSet);
    if (differences.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences;
}

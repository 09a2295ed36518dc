#include "platform/win32/Win32Network.h"

#include <gtest/gtest.h>

#include "collect/NetworkForm.h"
#include "platform/win32/Win32FileSystem.h"

namespace {

TEST(Win32Network, ThisPlatformAsksForUniversalNames) {
    Win32Network network;
    EXPECT_TRUE(network.Version().ntFamily);
    EXPECT_TRUE(AsksUniversalName(network.Version()));
}

TEST(Win32Network, LocalDriveHasNoUniversalName) {
    Win32Network network;
    EXPECT_EQ(network.UniversalName("C:\\windows"), std::nullopt);
    Win32FileSystem files;
    EXPECT_EQ(NetworkForm("C:\\windows\\.\\system32", files, network), "C:\\windows\\system32");
}

}  // namespace

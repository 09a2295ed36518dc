// The network-provider services on the Win32 API (GetVersion, WNetGetUniversalNameW, WNetOpenEnumW,
// WNetEnumResourceW, WNetCloseEnum, the last four from MPR.dll in the system folder). Without that DLL no
// path has a universal name and no drive is connected.
#pragma once

#include "platform/Network.h"

class Win32Network : public Network {
public:
    Win32Network();

    PlatformVersion Version() override { return version_; }
    std::optional<Text> UniversalName(const Text& path) override;
    std::unique_ptr<ConnectionListing> OpenConnectedDisks() override;

private:
    PlatformVersion version_;
};

// The manifest of the program built beside this test program, as the system reads it from the file.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/ProgramFolders.h"
#include "platform/win32/WideText.h"
#include "text/PathPieces.h"

namespace {

Text ProgramBesideThisOne() {
    return PathDirectory(ProgramPath()) + "Rominado.exe";
}

Text ProgramManifest() {
    const HMODULE program = LoadLibraryExW(Wide(ProgramBesideThisOne()).c_str(), nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    EXPECT_TRUE(program) << ProgramBesideThisOne();
    if (!program) return Text();
    const HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    EXPECT_TRUE(found);
    Text manifest;
    if (found) {
        const char* data = static_cast<const char*>(LockResource(LoadResource(program, found)));
        manifest.assign(data, SizeofResource(program, found));
    }
    FreeLibrary(program);
    return manifest;
}

TEST(Manifest, RunsAsInvokerOnWindows7To11WithCommonControls6) {
    const Text manifest = ProgramManifest();

    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"), Text::npos);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), Text::npos);
    const char* systems[] = {
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
    };
    for (const char* id : systems)
        EXPECT_NE(manifest.find(Text("<supportedOS Id=\"") + id + "\"/>"), Text::npos) << id;
}

TEST(Manifest, DeclaresPerMonitorAwarenessVersion2WithTheOlderFormAsFallbackAndTheJapaneseCodePage) {
    const Text manifest = ProgramManifest();
    EXPECT_NE(
        manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm"
                      "</dpiAware>"),
        Text::npos);
    EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                            "PerMonitorV2, PerMonitor</dpiAwareness>"),
              Text::npos);
    // Both inside the settings block the system reads them from.
    const auto settings = manifest.find("<windowsSettings>");
    const auto settingsEnd = manifest.find("</windowsSettings>");
    ASSERT_NE(settings, Text::npos);
    ASSERT_NE(settingsEnd, Text::npos);
    EXPECT_LT(settings, manifest.find("<dpiAware "));
    EXPECT_GT(settingsEnd, manifest.find("<dpiAwareness "));
    // The process code page pinned to 932 where the system takes it, in the same block.
    const auto codePage = manifest.find(
        "<activeCodePage "
        "xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">ja-JP</activeCodePage>");
    ASSERT_NE(codePage, Text::npos);
    EXPECT_LT(settings, codePage);
    EXPECT_GT(settingsEnd, codePage);
    EXPECT_NE(manifest.rfind("<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">", settings),
              Text::npos);
}

}  // namespace

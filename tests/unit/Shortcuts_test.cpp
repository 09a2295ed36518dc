#include "shell/Shortcuts.h"

#include <gtest/gtest.h>

#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakePrompts.h"
#include "tests/fakes/FakeShellLinks.h"
#include "text/AppError.h"

namespace {

using Lines = std::vector<Text>;

const Text kDeskLink = "C:\\WINDOWS\\Desktop\\ロミナード.lnk";
const Text kSendLink = "C:\\WINDOWS\\SendTo\\ロミナード.lnk";

TEST(ConfirmationText, TwoLinesChosenByTheBoxesThenTheQuestion) {
    const struct {
        bool desk, send;
        Text text;
    } cases[] = {
        {true, true,
         "ﾃﾞｨｽｸﾄｯﾌﾟへｼｮｰﾄｶｯﾄを作成します。\r\nｴｸｽﾌﾟﾛｰﾗの「送る」に登録します。\r\nよろしいですか？"},
        {true, false,
         "ﾃﾞｨｽｸﾄｯﾌﾟへｼｮｰﾄｶｯﾄを作成します。\r\nｴｸｽﾌﾟﾛｰﾗの「送る」から削除します。\r\nよろしいですか？"},
        {false, true,
         "ﾃﾞｨｽｸﾄｯﾌﾟからｼｮｰﾄｶｯﾄを削除します。\r\nｴｸｽﾌﾟﾛｰﾗの「送る」に登録します。\r\nよろしいですか？"},
        {false, false,
         "ﾃﾞｨｽｸﾄｯﾌﾟからｼｮｰﾄｶｯﾄを削除します。\r\nｴｸｽﾌﾟﾛｰﾗの「送る」から削除します。\r\nよろしいですか？"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConfirmationText(c.desk, c.send), c.text) << c.desk << c.send;
}

TEST(CreateShortcut, EmptyWorkDirStandsForTheTargetsDirectory) {
    // A folder name that code page 932 cannot hold.
    const WideText folder = u"C:\\José\\";
    const WideText program = folder + u"Rominado.exe";
    FakeShellLinks shell;
    shell.targets = {program, u"C:\\x.exe", u"C:x.exe"};
    EXPECT_FALSE(CreateShortcut(shell, "D:\\a.lnk", program, "", "ロミナード", u""));
    EXPECT_FALSE(CreateShortcut(shell, "D:\\b.lnk", u"C:\\x.exe", "-a", "d", u"E:\\w\\"));
    EXPECT_FALSE(CreateShortcut(shell, "D:\\c.lnk", u"C:x.exe", "", "", u""));
    const LinkSpec& a = shell.links["D:\\a.lnk"];
    EXPECT_EQ(a.target, program);
    EXPECT_EQ(a.arguments, "");
    EXPECT_EQ(a.workDir, folder);
    EXPECT_EQ(a.description, "ロミナード");
    EXPECT_EQ(shell.links["D:\\b.lnk"].workDir, u"E:\\w\\");
    EXPECT_EQ(shell.links["D:\\b.lnk"].arguments, "-a");
    EXPECT_EQ(shell.links["D:\\c.lnk"].workDir, u"C:");
}

TEST(CreateShortcut, TrueWhenTheLinkIsNotMade) {
    FakeShellLinks shell;
    shell.failSaves.insert("D:\\a.lnk");
    EXPECT_TRUE(CreateShortcut(shell, "D:\\a.lnk", shell.ownPath, "", "", u""));
    EXPECT_TRUE(CreateShortcut(shell, "D:\\b.lnk", u"C:\\gone.exe", "", "", u""));
    EXPECT_TRUE(shell.links.empty());
    shell.failObject = true;
    EXPECT_THROW(CreateShortcut(shell, "D:\\c.lnk", shell.ownPath, "", "", u""), AppError);
}

// The shell names no Send To folder unless a test gives one: then "SendTo" beside the desktop serves.
class ShortcutSettingsTest : public ::testing::Test {
protected:
    ShortcutSettingsTest() {
        lookup.AddFolder("C:\\WINDOWS\\Desktop");
        lookup.AddFolder("C:\\WINDOWS\\SendTo");
    }

    FakeShellLinks shell;
    FakeFileSystem lookup;
    FakePrompts prompts;
    bool deskTopSet = false;
    bool sendToSet = false;
    ShortcutFlags flags{deskTopSet, sendToSet};
    ShortcutSettings settings{flags, shell, lookup, prompts};

    void SetFlags(bool desk, bool send) {
        deskTopSet = desk;
        sendToSet = send;
    }
};

TEST_F(ShortcutSettingsTest, ShellFoldersAreTheLongFormOfTheShellsAnswers) {
    lookup.SetShortName("C:\\WINDOWS\\Desktop", "DESKTO~1");
    lookup.AddFolder("C:\\Users\\山田\\AppData\\Roaming\\SendTo");
    lookup.SetShortName("C:\\Users\\山田", "4E5A~1");
    const struct {
        Text FakeShellLinks::*answer;
        Text (*folder)(ShellLinks&, NameLookup&);
        Text shortForm;
        Text longForm;
    } cases[] = {
        {&FakeShellLinks::desktop, GetDesktopDir, "c:\\windows\\DESKTO~1", "c:\\WINDOWS\\Desktop"},
        {&FakeShellLinks::sendTo, GetSendToDir, "C:\\Users\\4E5A~1\\AppData\\Roaming\\SendTo",
         "C:\\Users\\山田\\AppData\\Roaming\\SendTo"},
    };
    for (const auto& c : cases) {
        shell.*c.answer = c.shortForm;
        EXPECT_EQ(c.folder(shell, lookup), c.longForm);
        shell.*c.answer = "";
        EXPECT_EQ(c.folder(shell, lookup), "") << c.longForm << " named by no shell";
    }
}

TEST_F(ShortcutSettingsTest, BothWantedBothCreatedWithTheProgramsFields) {
    EXPECT_TRUE(settings.ConfirmAndApply(true, true));
    EXPECT_EQ(prompts.boxes, (Lines{"confirm " + ConfirmationText(true, true)}));
    EXPECT_EQ(shell.calls, (Lines{"save " + kDeskLink, "save " + kSendLink}));
    for (const Text& file : {kDeskLink, kSendLink}) {
        const LinkSpec& link = shell.links[file];
        EXPECT_EQ(link.target, u"C:\\Tools\\Rominado.exe");
        EXPECT_EQ(link.arguments, "");
        EXPECT_EQ(link.workDir, u"C:\\Tools\\");
        EXPECT_EQ(link.description, "ロミナード");
    }
    EXPECT_TRUE(deskTopSet);
    EXPECT_TRUE(sendToSet);
}

TEST_F(ShortcutSettingsTest, NeitherWantedBothDeleted) {
    shell.files = {kDeskLink, kSendLink};
    SetFlags(true, true);
    settings.ConfirmAndApply(false, false);
    EXPECT_EQ(shell.calls, (Lines{"remove " + kDeskLink, "remove " + kSendLink}));
    EXPECT_TRUE(shell.files.empty());
    EXPECT_FALSE(deskTopSet);
    EXPECT_FALSE(sendToSet);
}

TEST_F(ShortcutSettingsTest, CancelChangesNothing) {
    shell.files = {kDeskLink};
    SetFlags(true, false);
    prompts.answers = {false};
    EXPECT_FALSE(settings.ConfirmAndApply(false, true));
    EXPECT_EQ(prompts.boxes, (Lines{"confirm " + ConfirmationText(false, true)}));
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(deskTopSet);
    EXPECT_FALSE(sendToSet);
}

TEST_F(ShortcutSettingsTest, ExistingShortcutIsNeverRewritten) {
    shell.files = {kDeskLink};
    settings.ConfirmAndApply(true, true);
    EXPECT_EQ(shell.calls, (Lines{"save " + kSendLink}));
    EXPECT_TRUE(deskTopSet);
}

TEST_F(ShortcutSettingsTest, ShortcutNotMadeOrNotDeletedIsReportedByNameAndTheWorkGoesOn) {
    shell.failSaves = {kDeskLink};
    settings.ConfirmAndApply(true, true);
    EXPECT_EQ(prompts.boxes, (Lines{"confirm " + ConfirmationText(true, true),
                                    "inform ショートカット " + kDeskLink + " を作成できません。"}));
    EXPECT_EQ(shell.calls, (Lines{"save " + kDeskLink, "save " + kSendLink}));
    EXPECT_TRUE(deskTopSet);
    EXPECT_TRUE(sendToSet);

    // The program moved away after it started: a link to where it was would open nothing.
    shell.targets.clear();
    shell.files.clear();
    prompts.boxes.clear();
    settings.ApplyShortcuts(true, true);
    EXPECT_EQ(prompts.boxes, (Lines{"inform ショートカット " + kDeskLink + " を作成できません。",
                                    "inform ショートカット " + kSendLink + " を作成できません。"}));
    EXPECT_TRUE(shell.files.empty());

    // A shortcut held open by another program stays; a missing one is no failure.
    shell.files = {kSendLink};
    shell.failRemoves = {kSendLink};
    prompts.boxes.clear();
    settings.ApplyShortcuts(false, false);
    EXPECT_EQ(prompts.boxes, (Lines{"inform ショートカット " + kSendLink + " を削除できません。"}));
    EXPECT_FALSE(deskTopSet);
    EXPECT_FALSE(sendToSet);
}

TEST_F(ShortcutSettingsTest, NoDesktopTouchesNoFileButTheFlagsFollowTheBoxes) {
    shell.desktop = "";
    SetFlags(false, true);
    settings.ConfirmAndApply(true, false);
    EXPECT_EQ(prompts.boxes, (Lines{"confirm " + ConfirmationText(true, false), "inform 設定できません。"}));
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(deskTopSet);
    EXPECT_FALSE(sendToSet);
}

TEST_F(ShortcutSettingsTest, NoParentFolderHandlesTheDesktopOnly) {
    for (const Text desktop : {"Desktop", "\\Desktop", "C:"}) {
        shell.desktop = desktop;
        shell.calls.clear();
        prompts.boxes.clear();
        SetFlags(false, true);
        settings.ApplyShortcuts(true, false);
        const Text folder = desktop + "\\";
        EXPECT_EQ(shell.calls, (Lines{"save " + folder + "ロミナード.lnk"})) << desktop;
        EXPECT_EQ(prompts.boxes, (Lines{"inform エクスプローラへ設定できません。"})) << desktop;
        EXPECT_TRUE(deskTopSet);
        EXPECT_TRUE(sendToSet) << "ApplyShortcuts alone leaves the Send To flag when it stops early";
    }
}

TEST_F(ShortcutSettingsTest, DriveRootDesktopComesBackWithoutItsBackslash) {
    // The long form of C:\ is C:, which has no parent folder.
    shell.desktop = "C:\\";
    settings.ApplyShortcuts(true, true);
    EXPECT_EQ(shell.calls, (Lines{"save C:\\ロミナード.lnk"}));
    EXPECT_EQ(prompts.boxes, (Lines{"inform エクスプローラへ設定できません。"}));
}

TEST_F(ShortcutSettingsTest, PathEndingInABackslashGetsNoSecondOne) {
    lookup.AddFolder("C:\\Desk");
    shell.desktop = "C:\\Desk\\\\";  // the long form keeps one of the two backslashes
    settings.ApplyShortcuts(true, true);
    EXPECT_EQ(shell.calls, (Lines{"save C:\\Desk\\ロミナード.lnk", "save C:\\Desk\\SendTo\\ロミナード.lnk"}));
}

TEST_F(ShortcutSettingsTest, TrailByteBackslashIsNoSeparator) {
    lookup.AddFolder("C:\\ユーザ\\表");
    shell.desktop = "C:\\ユーザ\\表";
    settings.ApplyShortcuts(true, true);
    EXPECT_EQ(shell.calls,
              (Lines{"save C:\\ユーザ\\表\\ロミナード.lnk", "save C:\\ユーザ\\SendTo\\ロミナード.lnk"}));
}

TEST_F(ShortcutSettingsTest, SendToTheShellNamesNotBesideTheDesktop) {
    const Text sendTo = "C:\\Users\\u\\AppData\\Roaming\\Microsoft\\Windows\\SendTo";
    const Text sendLink = sendTo + "\\ロミナード.lnk";
    lookup.AddFolder(sendTo);
    // A redirected desktop: the old rule would have used D:\OneDrive\SendTo, which Explorer never reads.
    lookup.AddFolder("D:\\OneDrive\\デスクトップ");
    lookup.AddFolder("D:\\OneDrive\\SendTo");
    shell.desktop = "D:\\OneDrive\\デスクトップ";
    shell.sendTo = sendTo;
    settings.ConfirmAndApply(true, true);
    EXPECT_EQ(shell.calls, (Lines{"save D:\\OneDrive\\デスクトップ\\ロミナード.lnk", "save " + sendLink}));
    EXPECT_EQ(shell.links[sendLink].target, u"C:\\Tools\\Rominado.exe");
    EXPECT_TRUE(sendToSet);

    shell.calls.clear();
    settings.ConfirmAndApply(true, false);
    EXPECT_EQ(shell.calls, (Lines{"remove " + sendLink}));
    EXPECT_FALSE(shell.files.count(sendLink));
    EXPECT_FALSE(sendToSet);
}

TEST_F(ShortcutSettingsTest, ShellsSendToTakesOneBackslashOfItsOwnAndNeedsNoParentOfTheDesktop) {
    const struct {
        Text sendTo, link;
    } cases[] = {
        {"D:\\送る\\", "D:\\送る\\ロミナード.lnk"},
        {"C:\\送る表", "C:\\送る表\\ロミナード.lnk"},  // 表 ends in the byte 0x5C, which separates nothing
    };
    lookup.AddFolder("D:\\送る");
    lookup.AddFolder("C:\\送る表");
    shell.desktop = "Desktop";
    for (const auto& c : cases) {
        shell.sendTo = c.sendTo;
        shell.calls.clear();
        settings.ApplyShortcuts(false, true);
        EXPECT_EQ(shell.calls, (Lines{"remove Desktop\\ロミナード.lnk", "save " + c.link})) << c.sendTo;
    }
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_TRUE(sendToSet);
}

TEST_F(ShortcutSettingsTest, NoDesktopTouchesNotEvenTheShellsSendTo) {
    shell.desktop = "";
    shell.sendTo = "C:\\WINDOWS\\SendTo";
    settings.ConfirmAndApply(true, true);
    EXPECT_EQ(prompts.boxes, (Lines{"confirm " + ConfirmationText(true, true), "inform 設定できません。"}));
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(ShortcutSettingsTest, ErrorMakingTheLinkObjectLeavesTheFlagsHandledSoFar) {
    shell.failObject = true;
    EXPECT_THROW(settings.ConfirmAndApply(true, true), AppError);
    EXPECT_FALSE(deskTopSet);
    EXPECT_FALSE(sendToSet);
}

}  // namespace

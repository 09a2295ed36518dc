#include "shell/Shortcuts.h"

#include "shared/LongFileName.h"
#include "text/PathPieces.h"

Text ConfirmationText(bool chkDesk, bool chkSend) {
    Text text = chkDesk ? "ﾃﾞｨｽｸﾄｯﾌﾟへｼｮｰﾄｶｯﾄを作成します。" : "ﾃﾞｨｽｸﾄｯﾌﾟからｼｮｰﾄｶｯﾄを削除します。";
    text += "\r\n";
    text += chkSend ? "ｴｸｽﾌﾟﾛｰﾗの「送る」に登録します。" : "ｴｸｽﾌﾟﾛｰﾗの「送る」から削除します。";
    text += "\r\nよろしいですか？";
    return text;
}

namespace {

Text LongFolder(const Text& folder, NameLookup& lookup) {
    return folder.empty() ? Text() : LongFileName(folder, lookup);
}

// The folder followed by one "\"; an empty folder stays empty.
Text WithBackslash(const Text& folder) {
    return folder.empty() || folder.back() == '\\' ? folder : folder + '\\';
}

// The folder part of a path, up to and including its last "\" or ":".
WideText WideDirectory(const WideText& path) {
    const std::size_t last = path.find_last_of(u"\\:");
    return last == WideText::npos ? WideText() : path.substr(0, last + 1);
}

}  // namespace

Text GetDesktopDir(ShellLinks& shell, NameLookup& lookup) {
    return LongFolder(shell.DesktopFolder(), lookup);
}

Text GetSendToDir(ShellLinks& shell, NameLookup& lookup) {
    return LongFolder(shell.SendToFolder(), lookup);
}

bool CreateShortcut(ShellLinks& shell, const Text& LinkFile, const WideText& Target, const Text& Arguments,
                    const Text& Description, const WideText& WorkDir) {
    const LinkSpec link{Target, Arguments, WorkDir.empty() ? WideDirectory(Target) : WorkDir, Description};
    return !shell.SaveLink(LinkFile, link);
}

bool ShortcutSettings::ConfirmAndApply(bool chkDesk, bool chkSend) {
    if (!prompts_.Confirm(ConfirmationText(chkDesk, chkSend))) return false;
    ApplyShortcuts(chkDesk, chkSend);
    flags_.FDeskTopSet = chkDesk;
    flags_.FSendToSet = chkSend;
    return true;
}

void ShortcutSettings::ApplyShortcuts(bool chkDesk, bool chkSend) {
    const Text desktop = GetDesktopDir(shell_, lookup_);
    if (desktop.empty()) {
        prompts_.Inform("設定できません。");
        return;
    }
    Handle(WithBackslash(desktop) + kShortcutFileName, chkDesk);
    flags_.FDeskTopSet = chkDesk;

    // Explorer reads Send To where the shell names it; beside the desktop it lay only on old Windows, and a
    // redirected desktop has no such sibling at all.
    const Text sendTo = GetSendToDir(shell_, lookup_);
    if (!sendTo.empty()) {
        Handle(WithBackslash(sendTo) + kShortcutFileName, chkSend);
        flags_.FSendToSet = chkSend;
        return;
    }
    // The parent folder ends at the desktop path's last backslash as the path came back, so a path that
    // already ends in one gets Send To inside that very folder.
    const std::size_t lastBackslash = LastDelimiter(desktop, "\\");
    if (lastBackslash == Text::npos || lastBackslash == 0) {
        prompts_.Inform("エクスプローラへ設定できません。");
        return;
    }
    Handle(desktop.substr(0, lastBackslash + 1) + "SendTo\\" + kShortcutFileName, chkSend);
    flags_.FSendToSet = chkSend;
}

void ShortcutSettings::Handle(const Text& linkFile, bool wanted) {
    if (!wanted) {
        if (!shell_.RemoveFile(linkFile))
            prompts_.Inform("ショートカット " + linkFile + " を削除できません。");
        return;
    }
    if (shell_.FileExists(linkFile)) return;
    if (CreateShortcut(shell_, linkFile, shell_.OwnPath(), Text(), "ロミナード", WideText()))
        prompts_.Inform("ショートカット " + linkFile + " を作成できません。");
}

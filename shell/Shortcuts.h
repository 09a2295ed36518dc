// The desktop and Send To shortcuts to the program: finding the desktop folder, writing a shell link, and
// applying the settings window's two choices after the user confirmed them.
#pragma once

#include "platform/NameLookup.h"
#include "platform/ShellLinks.h"
#include "text/Text.h"

// The user's last applied choices: the main window's two fields, which Data.INI stores.
struct ShortcutFlags {
    bool& FDeskTopSet;
    bool& FSendToSet;
};

// The modal boxes the shortcut settings put to the user.
class Prompts {
public:
    virtual ~Prompts() = default;

    // The confirmation box ("確認", "OK" and "キャンセル"); true for "OK".
    virtual bool Confirm(const Text& text) = 0;

    // The information box ("情報", "OK").
    virtual void Inform(const Text& text) = 0;
};

// Prompts that no user sees: every confirmation is answered "OK".
class NullPrompts : public Prompts {
public:
    bool Confirm(const Text&) override { return true; }
    void Inform(const Text&) override {}
};

// The name of both shortcut files.
inline constexpr char kShortcutFileName[] = "ロミナード.lnk";

// The question asked before applying: one line for each box, then "よろしいですか？", separated by CR LF.
Text ConfirmationText(bool chkDesk, bool chkSend);

// The long path of the user's desktop folder; empty when the shell has none.
Text GetDesktopDir(ShellLinks& shell, NameLookup& lookup);

// The long path of the user's Send To folder as the shell names it; empty when the shell has none.
Text GetSendToDir(ShellLinks& shell, NameLookup& lookup);

// Writes the shell link LinkFile; an empty WorkDir stands for the directory of Target (up to and including
// its last "\" or ":"). True when the link was not made (no such target, or the save failed), false on
// success. Raises AppError when the system cannot make a link object at all.
bool CreateShortcut(ShellLinks& shell, const Text& LinkFile, const WideText& Target, const Text& Arguments,
                    const Text& Description, const WideText& WorkDir);

class ShortcutSettings {
public:
    ShortcutSettings(ShortcutFlags flags, ShellLinks& shell, NameLookup& lookup, Prompts& prompts)
        : flags_(flags), shell_(shell), lookup_(lookup), prompts_(prompts) {}

    // Asks the confirmation; after "OK" applies the shortcuts and sets both flags from the boxes, even when
    // applying stopped early with a message. False when the user cancelled: then nothing has changed.
    bool ConfirmAndApply(bool chkDesk, bool chkSend);

    // Creates each wanted shortcut that does not exist yet (an existing one is never rewritten) and deletes
    // each unwanted one: the desktop shortcut in the desktop folder, the Send To one in the Send To folder
    // the shell names, or, where it names none, in "SendTo" beside the desktop folder. Without a desktop
    // folder neither is touched. A flag is set from its box once its shortcut has been handled. A shortcut
    // that was not made, or not deleted, is reported by name, and the work goes on.
    void ApplyShortcuts(bool chkDesk, bool chkSend);

private:
    void Handle(const Text& linkFile, bool wanted);

    ShortcutFlags flags_;
    ShellLinks& shell_;
    NameLookup& lookup_;
    Prompts& prompts_;
};

// Start-up: the application title, the main window, the other windows hidden, then the message loop. Started
// with arguments, the program puts their long forms on the clipboard and ends without showing a window.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/AppTexts.h"
#include "app/MainWindow.h"
#include "app/OutputSettings.h"
#include "app/Services.h"
#include "app/Settings.h"
#include "app/StartArguments.h"
#include "collect/CommandLine.h"
#include "edit/EditForm.h"
#include "platform/win32/Handles.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/ProgramFolders.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/Win32HelpViewer.h"
#include "shell/HelpCommand.h"
#include "shell/SetForm.h"
#include "shell/Ver.h"

namespace {

// The main window's values that Data.INI keeps.
void ApplySettings(TForm1& form, const StoredSettings& settings) {
    form.PlaceAt(settings.formLeft, settings.formTop);
    form.SetMemoFont(settings.fontName, settings.fontSize);
    form.FDeskTopSet = settings.deskTopSet;
    form.FSendToSet = settings.sendToSet;
    form.SelectMode(SelectedMode(settings.modeIndex));
}

StoredSettings CollectSettings(TForm1& form) {
    StoredSettings settings;
    // The position the window has when restored, in the screen coordinates it is restored in.
    const RECT place = RestoredRect(form.Handle());
    settings.formTop = place.top;
    settings.formLeft = place.left;
    settings.modeIndex = form.ModeIndex();
    settings.fontSize = form.MemoFontPoints();
    settings.fontName = form.MemoFontName();
    settings.deskTopSet = form.FDeskTopSet;
    settings.sendToSet = form.FSendToSet;
    return settings;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    // Every DLL loaded from here on comes from the system folder, never from the program's own: a portable
    // program is started from Downloads, where a web page can leave a DLL of the same name. Looked up, not
    // imported: Windows 7 has the call only with its later updates.
    const auto setDefaultDllDirectories = LibraryFunction<decltype(&SetDefaultDllDirectories)>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    // COM for the thread (shell links, the font and save dialogs), released when start-up's scope ends.
    ComApartment com;

    // The one composition: every service made once here, the windows given references to them.
    Services services;
    Win32Profile& profile = services.profile;
    MessageLoop loop;
    TForm1 form(loop, services.ForMainWindow());
    if (!form.Create(instance)) return 1;

    const std::vector<Text> arguments = StartArguments(GetCommandLineW());
    // The output options write the lines of both ways of running; they are read here and written only by the
    // settings window.
    const SettingsPlaces settingsPlaces = SettingsPlacesFor(ProgramFolder(), ApplicationDataFolder());
    form.Output() = LoadOutputOptions(profile, settingsPlaces);
    if (!arguments.empty()) {
        // Command-line mode: the window stays hidden, nothing else is created, the settings are not written.
        RunCommandLineMode(arguments, services.lookup, services.files, form.TextArea(), form.Output());
        SendMessageW(form.Item(kMemo), EM_SETSEL, 0, 0);
        // A copy that failed was reported; the exit code says so to whoever started the program.
        PostQuitMessage(form.TextArea().ClipboardCopyFailed() ? 1 : 0);
        return loop.Run();
    }

    form.PrepareForDrops();
    ApplySettings(form, LoadSettings(profile, settingsPlaces));
    const Text helpFile = HelpFilePath(form.AppDir());
    Win32HelpViewer helpViewer(form.Handle());

    // The other windows, created hidden; they live as long as the program.
    TAboutBox aboutBox;
    // Applied output options are kept at once: the drops use them from then on, and a later start reads them.
    TForm2 setForm(ShortcutFlags{form.FDeskTopSet, form.FSendToSet}, services.shellLinks, services.lookup,
                   form.Output(), [&] { SaveOutputOptions(profile, settingsPlaces, form.Output()); });
    TForm3 editForm(form.TextArea(), form.State(), services.cases, services.lineOrder, loop);
    // The about box and the settings window are normal windows that can go behind the main window: unowned.
    if (!aboutBox.Create(instance, nullptr) || !setForm.Create(instance, nullptr) ||
        !editForm.Create(instance, form.Handle())) {
        return 1;
    }
    loop.AddModeless(aboutBox.Handle());
    loop.AddModeless(setForm.Handle());

    TForm1::Commands commands;
    commands.showEditWindow = [&] { editForm.FormShow(); };
    commands.showSettingsWindow = [&] { setForm.Show(); };
    commands.showAboutBox = [&] { aboutBox.Show(); };
    commands.showHelp = [&] { ShowHelp(helpViewer, helpFile); };
    commands.closeQuery = [&] { SaveSettings(profile, settingsPlaces, CollectSettings(form)); };
    form.SetCommands(std::move(commands));
    form.SetEditAbort([&] { editForm.AbortOperation(); });
    editForm.SetOperationEnded([&] { form.OperationEnded(); });

    ShowWindow(form.Handle(), show);
    return loop.Run();
}

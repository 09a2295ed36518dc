// Every operating-system service the program uses, each made once by start-up: the windows and command-line
// mode are given references to these same instances.
#pragma once

#include "app/MainWindow.h"
#include "platform/win32/Win32CaseMapper.h"
#include "platform/win32/Win32Collation.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32NameLookup.h"
#include "platform/win32/Win32Network.h"
#include "platform/win32/Win32Profile.h"
#include "platform/win32/Win32ShellLinks.h"

struct Services {
    Win32FileSystem files;
    Win32Network network;
    Win32FileReader fileReader;
    Win32NameLookup lookup;
    Win32Profile profile;
    Win32ShellLinks shellLinks;
    Win32CaseMapper cases;
    Win32Collation pathOrder{LetterCase::kIgnored};  // the drops' path list: case ignored
    Win32Collation lineOrder{LetterCase::kCounts};   // the edit window's sorts

    TForm1::Services ForMainWindow() { return {files, network, fileReader, pathOrder}; }
};

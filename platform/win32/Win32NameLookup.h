// The stored name of a directory entry on the wide Win32 API: FindFirstFileW, then FindClose.
#pragma once

#include "platform/NameLookup.h"

class Win32NameLookup : public NameLookup {
public:
    Text StoredName(const Text& path) override;
};

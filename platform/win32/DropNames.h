// The names of a WM_DROPFILES drop, taken in UTF-16 (DragQueryFileW) and given whole as Text.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "platform/Drop.h"
#include "platform/win32/Handles.h"

// Owns the drop: it is released by Release or, at the latest, on destruction.
class HDropNames : public DroppedNames {
public:
    explicit HDropNames(HDROP drop) : drop_(drop) {}

    std::uint32_t Count() override;
    Text Name(std::uint32_t index) override;
    void Release() override;

private:
    DropHandle drop_;
};

// The platform half of the application's message hook: recognises a drop of files and hands its names to the
// drop handler.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "collect/DropHandler.h"
#include "platform/Drop.h"

// The names of a WM_DROPFILES drop. Owns the drop: it is released by Release or, at the latest, on
// destruction.
class HDropNames : public DroppedNames {
public:
    explicit HDropNames(HDROP drop) : drop_(drop) {}
    HDropNames(const HDropNames&) = delete;
    HDropNames& operator=(const HDropNames&) = delete;
    ~HDropNames() override { Release(); }

    std::uint32_t Count() override;
    Text Name(std::uint32_t index) override;
    void Release() override;

private:
    HDROP drop_;
};

// For WM_DROPFILES (0x0233) hands the drop to handler, which sets handled when it has processed it; any other
// message gets handled = false. A drop that handler refuses while busy is released here as well, since
// nothing after the hook reads it; handled then stays as the caller preset it. An error that escapes the drop
// leaves here after the drop's finishing steps; the caller reports it.
void AppMessage(DropHandler& handler, const MSG& message, bool& handled);

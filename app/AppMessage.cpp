#include "app/AppMessage.h"

void AppMessage(DropHandler& handler, const MSG& message, bool& handled) {
    if (message.message != WM_DROPFILES) {
        handled = false;
        return;
    }
    HDropNames names(reinterpret_cast<HDROP>(message.wParam));
    handler.HandleDrop(names, handled);
}

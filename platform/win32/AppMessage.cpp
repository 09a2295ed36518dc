#include "platform/win32/AppMessage.h"

#include <cstring>
#include <utility>

namespace {

constexpr UINT kCountQuery = 0xFFFFFFFF;
// A dropped name is what fits this buffer: at most 255 bytes and the NUL.
constexpr UINT kNameBuffer = 256;

}  // namespace

std::uint32_t HDropNames::Count() {
    if (drop_ == nullptr) return 0;
    return DragQueryFileA(drop_, kCountQuery, nullptr, 0);
}

Text HDropNames::Name(std::uint32_t index) {
    if (drop_ == nullptr) return Text();
    char buffer[kNameBuffer] = {};
    DragQueryFileA(drop_, index, buffer, kNameBuffer);
    return Text(buffer, strnlen(buffer, sizeof buffer));
}

void HDropNames::Release() {
    if (drop_ != nullptr) DragFinish(std::exchange(drop_, nullptr));
}

void AppMessage(DropHandler& handler, const MSG& message, bool& handled) {
    if (message.message != WM_DROPFILES) {
        handled = false;
        return;
    }
    HDropNames names(reinterpret_cast<HDROP>(message.wParam));
    handler.HandleDrop(names, handled);
}

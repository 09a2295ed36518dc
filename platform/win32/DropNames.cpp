#include "platform/win32/DropNames.h"

#include <string>

#include "platform/win32/WideText.h"

namespace {

constexpr UINT kCountQuery = 0xFFFFFFFF;

}  // namespace

std::uint32_t HDropNames::Count() {
    if (!drop_) return 0;
    return DragQueryFileW(drop_.get(), kCountQuery, nullptr, 0);
}

Text HDropNames::Name(std::uint32_t index) {
    if (!drop_) return Text();
    // Asked for its length first, so that no name is cut, however long.
    const UINT length = DragQueryFileW(drop_.get(), index, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    name.resize(DragQueryFileW(drop_.get(), index, &name[0], length + 1));
    return FromWide(name);
}

void HDropNames::Release() {
    drop_.reset();
}

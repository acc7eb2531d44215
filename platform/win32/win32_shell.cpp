#include "platform/win32/win32_api.h"

#include <shellapi.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace daub {

namespace {

std::wstring DroppedFile(HDROP drop, UINT index) {
    const UINT length = DragQueryFileW(drop, index, nullptr, 0);
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    name.resize(DragQueryFileW(drop, index, name.data(), length + 1));
    return name;
}

}  // namespace

std::vector<std::string> Win32Platform::DroppedFiles(std::uintptr_t drop) {
    auto* files = reinterpret_cast<HDROP>(drop);
    if (!files) return {};
    const UINT count = DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> names;
    for (UINT index = 0; index < count; ++index)
        names.push_back(Narrow(DroppedFile(files, index)));
    DragFinish(files);
    return names;
}

// A path longer than the buffer comes back cut short, so the buffer grows until it fits
// (Windows paths stop at 32767 characters).
std::string Win32Platform::ModulePath() {
    for (DWORD capacity = MAX_PATH; capacity <= 65536; capacity *= 2) {
        std::wstring path(capacity, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), capacity);
        if (length == 0) return {};
        if (length < capacity) return Narrow(std::wstring_view(path.data(), length));
    }
    return {};
}

bool Win32Platform::ChangeDirectory(const std::string& path) {
    return SetCurrentDirectoryW(Widen(path).c_str()) != 0;
}

}  // namespace daub

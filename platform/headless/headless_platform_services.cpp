// The machine around the windows: cursors and capture, the clipboard, dropped files and
// directories.
#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <filesystem>

#include "files/file_path.h"
#include "platform/message.h"
#include "platform/window_styles.h"

namespace daub {

// With a script, only the cursors it lists exist; without one, every id loads.
CursorHandle HeadlessPlatform::LoadCursorResource(int id) {
    if (id <= 0) return {};
    if (resources_ && id != kArrowCursor && !resources_->File("CURSOR", std::to_string(id))) {
        return {};
    }
    return CursorHandle{static_cast<std::uintptr_t>(id)};
}

void HeadlessPlatform::SetCursor(CursorHandle cursor) {
    cursor_ = cursor;
    cursorHistory_.push_back(cursor);
}

void HeadlessPlatform::SetCapture(WindowHandle window) {
    if (Live(window)) capture_ = window;
}

void HeadlessPlatform::ReleaseCapture() {
    capture_ = {};
}

bool HeadlessPlatform::ClipboardHasBitmap() {
    return kernel_.clipboard.has_value();
}

// The picture is copied into rows of the clipboard's own stride, so the caller's buffer may
// go away at once.
bool HeadlessPlatform::PutClipboardBitmap(WindowHandle, const PixelImage& picture) {
    if (!picture.bits || picture.width <= 0 || picture.height <= 0 ||
        picture.stride < 3 * picture.width) {
        return false;
    }
    ClipboardPicture copy;
    copy.width = picture.width;
    copy.height = picture.height;
    const std::size_t stride = (3 * static_cast<std::size_t>(picture.width) + 3) & ~std::size_t{3};
    copy.bits.assign(stride * picture.height, 0);
    for (int row = 0; row < picture.height; ++row) {
        const std::uint8_t* source = picture.bits + static_cast<std::size_t>(picture.stride) * row;
        std::copy(source, source + 3 * picture.width, copy.bits.begin() + stride * row);
    }
    kernel_.clipboard = std::move(copy);
    return true;
}

std::optional<Platform::ClipboardPicture> HeadlessPlatform::TakeClipboardBitmap(WindowHandle) {
    return kernel_.clipboard;
}

std::uintptr_t HeadlessPlatform::RegisterDrop(std::vector<std::string> paths) {
    const std::uintptr_t drop = nextDrop_++;
    drops_[drop] = std::move(paths);
    return drop;
}

bool HeadlessPlatform::DropFiles(WindowHandle window, std::vector<std::string> paths) {
    const HeadlessWindow* record = Live(window);
    if (!record || (record->spec.exStyle & ws_ex::kAcceptFiles) == 0) return false;
    Send(window, {wm::kDropFiles, RegisterDrop(std::move(paths)), 0});
    return true;
}

// DragQueryFile and DragFinish in one: the drop is gone once its files were read.
std::vector<std::string> HeadlessPlatform::DroppedFiles(std::uintptr_t drop) {
    const auto it = drops_.find(drop);
    if (it == drops_.end()) return {};
    std::vector<std::string> paths = std::move(it->second);
    drops_.erase(it);
    return paths;
}

bool HeadlessPlatform::ChangeDirectory(const std::string& path) {
    directoryRequests_.push_back(path);
    std::error_code error;
    if (path.empty() || !std::filesystem::is_directory(PathFromUtf8(path), error)) return false;
    currentDirectory_ = path;
    return true;
}

}  // namespace daub

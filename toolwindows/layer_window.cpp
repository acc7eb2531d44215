#include "toolwindows/layer_window.h"

#include <algorithm>
#include <cstdio>

#include "app/command_ids.h"
#include "document/scroll_requests.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/window_styles.h"
#include "toolwindows/layer_list_picture.h"

namespace daub {
namespace {

// What the frame and caption add to the client height.
constexpr int kFrameHeight = 31;
// A window this low shows no row; a press on its caption gives it its height back.
constexpr int kCollapsedHeight = 40;
constexpr int kLeastRestoreHeight = 80;

std::string ExchangeQuestion(int selectedRow, int targetRow) {
    char text[64];
    std::snprintf(text, sizeof text, "%dと%dを入れ替えますか?", selectedRow, targetRow);
    return text;
}

}  // namespace

LayerWnd::LayerWnd(Platform& platform)
    : Window(platform),
      popup_(platform.MakePopupMenu()),
      dragCursor_(platform.LoadCursorResource(kDragCursor)) {
    platform.AppendMenuItem(popup_, kNewLayerItem, "新規レイヤー", true);
    platform.AppendMenuItem(popup_, kDeleteItem, "削除", true);
}

LayerWnd::~LayerWnd() {
    GetPlatform().DestroyPopupMenu(popup_);
}

void LayerWnd::RegisterClass(Platform& platform) {
    platform.RegisterWindowClass(ToolWindowClass(kClassName, kCursor));
}

void LayerWnd::Create(WindowHandle mainWindow) {
    mainWindow_ = mainWindow;
    WindowSpec spec;
    spec.className = kClassName;
    spec.parent = mainWindow;
    spec.title = "レイヤー";
    spec.style = 0xD0E40000;
    spec.exStyle = ws_ex::kAcceptFiles;
    spec.x = 540;
    spec.y = 240;
    spec.width = geometry.windowWidth;
    spec.height = restoreHeight;
    Window::Create(spec);
}

std::optional<std::intptr_t> LayerWnd::HandleMessage(const Message& message) {
    const int x = PointX(message.lParam);
    const int y = PointY(message.lParam);
    switch (message.id) {
        case wm::kPaint:
            if (auto context = GetPlatform().PaintContext(Handle())) Draw(*context);
            return 0;
        case wm::kLButtonDown:
            return OnLeftButtonDown(x, y);
        case wm::kMouseMove:
            if (dragging == 1) GetPlatform().SetCursor(dragCursor_);
            return std::nullopt;
        case wm::kLButtonUp:
            return OnLeftButtonUp(x, y);
        case wm::kRButtonDown:
            return OnRightButtonDown(x, y);
        case wm::kCommand:
            return OnMenuItem(LowWord(message.wParam));
        case wm::kDropFiles:
            return OnDropFiles(message.wParam);
        case wm::kNcLButtonDown:
        case wm::kNcRButtonDown:
            return OnCaptionPress(message);
        case wm::kSize:
            return OnSize(HighWord(static_cast<std::uintptr_t>(message.lParam)));
        case wm::kVScroll:
            OnVerticalScroll(LowWord(message.wParam), HighWord(message.wParam));
            return std::nullopt;
        case wm::kMouseWheel:
            OnWheel(WheelDelta(message.wParam));
            return 0;
        default:
            return std::nullopt;
    }
}

void LayerWnd::ShowDocument(const DocumentState& doc) {
    MirrorDocument(list, doc);
    Repaint();
}

void LayerWnd::Repaint() {
    if (!Handle()) return;
    if (auto context = GetPlatform().ClientContext(Handle())) Draw(*context);
}

void LayerWnd::Draw(DeviceContext& context) {
    const PixelRect client = GetPlatform().ClientRect(Handle());
    DrawLayerList(context, list, geometry, client.Width(), client.Height());
}

// The main window takes the command and carries it out before this returns.
void LayerWnd::Notify(LayerCommand next) {
    command = next;
    if (mainWindow_) GetPlatform().SendWindowMessage(mainWindow_, {notify::kLayerCommand, 0, 0});
}

bool LayerWnd::Ask(const std::string& text, const std::string& caption) {
    return GetPlatform().ShowMessageBox(Handle(), text, caption, mb::kYesNo) == answer::kYes;
}

// A press beside both cells asks for nothing: reporting it would repeat the last command.
// The edited layer stays shown whatever cell of its row was clicked.
std::intptr_t LayerWnd::OnLeftButtonDown(int x, int y) {
    const std::optional<int> row = RowAt(list, geometry, y);
    const ListCell cell = CellAt(geometry, x);
    if (!row || cell == ListCell::kNone) return 0;
    LayerCommand next{LayerCommandKind::kVisibility, *row};
    if (cell == ListCell::kVisibility) {
        list.marks[*row] = list.marks[*row] == 1 ? 0 : 1;
    } else {
        list.selectedRow = *row;
        next.kind = LayerCommandKind::kSelect;
        dragging = 1;
    }
    list.marks[list.selectedRow] = 1;
    Notify(next);
    Repaint();
    return 0;
}

// Wherever the press was, letting go over another row's name cell offers the exchange.
std::intptr_t LayerWnd::OnLeftButtonUp(int x, int y) {
    dragging = 0;
    const std::optional<int> row = RowAt(list, geometry, y);
    if (!row || CellAt(geometry, x) != ListCell::kName || *row == list.selectedRow) return 0;
    list.swapTargetRow = *row;
    if (!Ask(ExchangeQuestion(list.selectedRow, list.swapTargetRow), "確認")) return 0;
    Notify({LayerCommandKind::kExchange, *row});
    return 0;
}

std::intptr_t LayerWnd::OnRightButtonDown(int x, int y) {
    const PixelRect window = GetPlatform().WindowRect(Handle());
    const int chosen = GetPlatform().TrackPopupMenu(popup_, Handle(), window.left + x + menuOffsetX,
                                                    window.top + y + menuOffsetY);
    if (chosen != 0) OnMenuItem(chosen);
    return 0;
}

std::intptr_t LayerWnd::OnMenuItem(int id) {
    if (id == kNewLayerItem) Notify({LayerCommandKind::kAdd, 0});
    if (id == kDeleteItem && list.lastRow >= 0 &&
        Ask("選択しているレイヤーを削除します。よろしいですか？", "警告！！"))
        Notify({LayerCommandKind::kDelete, 0});
    return 0;
}

// Only the first file of a drop is taken.
std::intptr_t LayerWnd::OnDropFiles(std::uintptr_t drop) {
    const std::vector<std::string> files = GetPlatform().DroppedFiles(drop);
    if (files.empty()) return 0;
    droppedPath = files.front();
    Notify({LayerCommandKind::kDrop, 0});
    return 0;
}

// A right press on the caption folds the window; a left one unfolds a window too low to show
// a row, and goes on to move it as usual.
std::optional<std::intptr_t> LayerWnd::OnCaptionPress(const Message& message) {
    if (static_cast<int>(message.wParam) != hit::kCaption) return std::nullopt;
    Platform& platform = GetPlatform();
    const PixelRect window = platform.WindowRect(Handle());
    if (message.id == wm::kNcRButtonDown) {
        platform.MoveNativeWindow(Handle(), window.left, window.top, geometry.windowWidth,
                                  kFoldedHeight, true);
        return 0;
    }
    if (window.Height() <= kCollapsedHeight)
        platform.MoveNativeWindow(Handle(), window.left, window.top, geometry.windowWidth,
                                  restoreHeight, true);
    return std::nullopt;
}

std::intptr_t LayerWnd::OnSize(int clientHeight) {
    restoreHeight = std::max(clientHeight + kFrameHeight, kLeastRestoreHeight);
    geometry.horizontalOffset = 0;
    geometry.verticalOffset = 0;
    scroll = ResetListScroll(list.lastRow, clientHeight);
    ApplyScrollBar();
    return 0;
}

void LayerWnd::OnVerticalScroll(int request, int thumb) {
    scroll = ScrollList(scroll, request, thumb);
    ApplyScrollBar();
    geometry.verticalOffset = kListScrollUnit * scroll.pos;
    Repaint();
}

// A notch of the wheel is a line of the list; parts of a notch add up.
void LayerWnd::OnWheel(int delta) {
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / kWheelDelta;
    wheelRemainder_ -= notches * kWheelDelta;
    const int request = notches > 0 ? scroll_request::kLineUp : scroll_request::kLineDown;
    for (int i = 0; i < (notches < 0 ? -notches : notches); ++i)
        OnVerticalScroll(request, 0);
}

void LayerWnd::ApplyScrollBar() {
    ScrollInfo info;
    info.mask = sif::kRange | sif::kPage | sif::kPos | sif::kTrackPos;
    info.min = scroll.min;
    info.max = scroll.max;
    info.page = static_cast<unsigned>(scroll.page);
    info.pos = scroll.pos;
    GetPlatform().SetScrollBar(Handle(), sb::kVert, info, true);
}

}  // namespace daub

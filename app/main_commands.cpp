// The main window's commands: the menu, the accelerators and the update pass that runs
// before a popup menu opens.
#include <string>

#include "app/app_name.h"
#include "app/command_ids.h"
#include "app/command_rules.h"
#include "app/main_window.h"
#include "app/resize_dialog.h"
#include "document/slot_format.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/window_styles.h"
#include "tools/slot_fill.h"

namespace daub {
namespace {

constexpr char kNewQuestion[] = "画像が変更されています。新しいファイルを作成しますか？";
constexpr char kCloseQuestion[] = "画像が変更されています。終了してよろしいですか？";

}  // namespace

// Commands of later features have no handler yet and do nothing.
std::intptr_t TDaubWindow::OnCommand(const Message& message) {
    switch (LowWord(message.wParam)) {
        case cmd::kNew:
            New();
            break;
        case cmd::kClose:
            GetPlatform().SendWindowMessage(Handle(), {wm::kClose, 0, 0});
            break;
        case cmd::kAbout:
            About();
            break;
        case cmd::kShowToolbox:
            ShowSatellite(toolbox, cmd::kShowToolbox);
            break;
        case cmd::kShowColourBox:
            ShowSatellite(palette, cmd::kShowColourBox);
            break;
        case cmd::kShowCurveSettings:
            ShowSatellite(curveSettingsDialog, cmd::kShowCurveSettings);
            break;
        case cmd::kShowLayerImage:
            ShowLayerImage();
            break;
        case cmd::kGuideLine:
            ToggleGuideLine();
            break;
        case cmd::kUndo:
            UndoCommand();
            break;
        case cmd::kRedo:
            RedoCommand();
            break;
        case cmd::kBlur:
            BlurCommand();
            break;
        case cmd::kBrushSettings:
            BrushSettingsCommand();
            break;
        case cmd::kSpraySettings:
            SpraySettingsCommand();
            break;
        default:
            break;
    }
    return 0;
}

std::intptr_t TDaubWindow::OnInitMenuPopup(const Message& message) {
    Platform& platform = GetPlatform();
    const MenuHandle popup{static_cast<std::uintptr_t>(message.wParam)};
    CommandContext context;
    context.clipboardHasBitmap = platform.ClipboardHasBitmap();
    context.hasRecentBitmap =
        !configuration.recentBitmaps.empty() && !configuration.recentBitmaps[0].empty();
    context.hasRecentLayers =
        !configuration.recentLayerFiles.empty() && !configuration.recentLayerFiles[0].empty();
    const int count = platform.MenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        const int id = platform.MenuItemId(popup, position);
        if (id > 0) platform.EnableMenuItem(popup, id, IsCommandEnabled(doc, context, id));
    }
    return 0;
}

bool TDaubWindow::AskToDiscard(const char* question, const char* caption) {
    if (doc.modified != 1) return true;
    return GetPlatform().ShowMessageBox(Handle(), question, caption, mb::kOkCancel) == answer::kOk;
}

// A blank white canvas of the chosen size. A size no canvas can have changes nothing.
void TDaubWindow::New() {
    if (!AskToDiscard(kNewQuestion, "注意")) return;
    ResizeDialog dialog(640, 400, 0);
    if (GetPlatform().RunModalDialog(dialog, Handle()) != answer::kOk) return;
    LayerStack& stack = *doc.layerStack;
    if (!IsValidSlotSize(dialog.width, dialog.height)) return;
    stack.DefineFormat(0, dialog.width, dialog.height);
    doc.documentBitmap = stack.CreateSlotBitmap(LayerStack::kDisplaySlot);
    if (!doc.documentBitmap) return;
    FillSlot(stack, 0xFFFFFF, LayerStack::kDisplaySlot, 0);
    StartDocument(doc);
    RelayoutAt(0, 0, 1.0f);
    infoWindow->values.zoom = doc.zoom;
    infoWindow->Paint();
    GetPlatform().RedrawNow(Handle());
    ShowEditedLayer();
}

void TDaubWindow::About() {
    const std::string text = std::string(kAppName) + " バージョン " + DAUBIX_VERSION_STRING;
    GetPlatform().ShowMessageBox(Handle(), text, kAppName, mb::kOk | mb::kIconInformation);
}

void TDaubWindow::ShowSatellite(SatelliteDialog& dialog, int commandId) {
    dialog.Show();
    CheckItem(commandId, true);
}

// The layer image window is destroyed when closed; the command makes a new one, a little
// further right than the first.
void TDaubWindow::ShowLayerImage() {
    if (doc.layerImageVisible == 1) return;
    viewWindow = std::make_unique<ViewWnd>(GetPlatform());
    viewWindow->Create(Handle(), ViewWnd::kReopenedLeft);
    doc.layerImageVisible = 1;
    CheckItem(cmd::kShowLayerImage, true);
    Repaint();
}

void TDaubWindow::ToggleGuideLine() {
    doc.guideLine = doc.guideLine == 1 ? 0 : 1;
    CheckItem(cmd::kGuideLine, doc.guideLine == 1);
    Repaint();
}

// Closing asks before a changed picture is lost, then keeps the settings for the next start.
std::intptr_t TDaubWindow::OnClose(const Message&) {
    if (!AskToDiscard(kCloseQuestion, "確認")) return 0;
    doc.modified = 0;
    SaveSettings();
    GetPlatform().DestroyNativeWindow(Handle());
    return 0;
}

void TDaubWindow::SaveSettings() {
    configuration.undoDepth = doc.undoDepth;
    configuration.slotCount = doc.slotCount;
    configuration.workDirectory = doc.workDirectory;
    WriteConfiguration(configuration, system_);
}

}  // namespace daub

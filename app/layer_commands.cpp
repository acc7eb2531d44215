// The main window's side of the layer window: its commands on the document, and its list.
#include "app/layer_commands.h"

#include <utility>

#include "app/app_name.h"
#include "app/document_opening.h"
#include "app/main_window.h"
#include "app/platform_message_sink.h"
#include "app/platform_picture_formats.h"
#include "document/layer_edits.h"
#include "files/file_messages.h"
#include "files/layer_from_file.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace daub {
namespace {

constexpr char kLastLayerText[] = "最後の画像は削除できません";
constexpr char kNoMemoryText[] = "メモリが足りないため、レイヤーを追加できませんでした。";

using LayerAction = void (*)(TDaubWindow& window, const LayerWnd& layerWindow,
                             LayerCommand command);

void Tell(TDaubWindow& window, const char* text, const char* caption) {
    window.GetPlatform().ShowMessageBox(window.Handle(), text, caption, mb::kOk);
}

int SlotOfRow(int row) {
    return LayerStack::kFirstLayer + row;
}

void AddEmpty(TDaubWindow& window, const LayerWnd&, LayerCommand) {
    DocumentState& doc = window.doc;
    if (!HasRoomForLayer(doc)) return Tell(window, kLayerLimitText, kAppName);
    if (!PushLayer(doc, MakeEmptyLayer(doc))) return Tell(window, kNoMemoryText, "エラー");
    doc.modified = 1;
}

void DeleteEdited(TDaubWindow& window, const LayerWnd&, LayerCommand) {
    if (window.doc.lastLayer == LayerStack::kFirstLayer)
        return Tell(window, kLastLayerText, kAppName);
    // Changes to the stack itself are changes: closing asks before they are lost.
    if (DeleteEditedLayer(window.doc)) window.doc.modified = 1;
}

void ShowOrHide(TDaubWindow& window, const LayerWnd& layerWindow, LayerCommand command) {
    if (command.row < 0 || command.row >= LayerList::kMaxRows) return;
    ShowLayer(window.doc, SlotOfRow(command.row), layerWindow.list.marks[command.row] == 1);
}

void Select(TDaubWindow& window, const LayerWnd&, LayerCommand command) {
    SelectLayer(window.doc, SlotOfRow(command.row));
}

void Exchange(TDaubWindow& window, const LayerWnd& layerWindow, LayerCommand) {
    if (ExchangeLayers(window.doc, window.doc.currentLayer,
                       SlotOfRow(layerWindow.list.swapTargetRow)))
        window.doc.modified = 1;
}

// Before any document the dropped picture becomes the document; afterwards a layer on top.
void AddDropped(TDaubWindow& window, const LayerWnd& layerWindow, LayerCommand) {
    DocumentState& doc = window.doc;
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    if (!doc.HasDocument()) {
        OpenBitmapDocument(window, layerWindow.droppedPath);
        return;
    }
    PlatformPictureFormats formats(window.GetPlatform());
    const LayerFromFile added = AddLayerFromFile(messages, formats, doc, layerWindow.droppedPath);
    if (added == LayerFromFile::kFull) Tell(window, kLayerLimitText, kAppName);
    if (added == LayerFromFile::kAdded) doc.modified = 1;
}

struct LayerCommandRow {
    LayerCommandKind kind;
    LayerAction action;
};

constexpr LayerCommandRow kLayerCommands[] = {
    {LayerCommandKind::kAdd, AddEmpty},          {LayerCommandKind::kDelete, DeleteEdited},
    {LayerCommandKind::kVisibility, ShowOrHide}, {LayerCommandKind::kSelect, Select},
    {LayerCommandKind::kExchange, Exchange},     {LayerCommandKind::kDrop, AddDropped},
};

LayerAction ActionOf(LayerCommandKind kind) {
    for (const LayerCommandRow& row : kLayerCommands)
        if (row.kind == kind) return row.action;
    return nullptr;
}

}  // namespace

void CarryOutLayerCommand(TDaubWindow& window) {
    LayerWnd& layerWindow = *window.satellites.layerWindow;
    const LayerCommand command = std::exchange(layerWindow.command, LayerCommand{});
    const LayerAction action = ActionOf(command.kind);
    if (!action) return;
    window.EndPendingOperation(0);
    const bool hadDocument = window.doc.HasDocument();
    if (!hadDocument && command.kind != LayerCommandKind::kDrop) return;
    action(window, layerWindow, command);
    window.ShowLayerList();
    if (!hadDocument || !window.doc.HasDocument()) return;
    window.CompositeDocument();
    window.RepaintWithRange();
}

void TDaubWindow::ShowLayerList() {
    if (satellites.layerWindow) satellites.layerWindow->ShowDocument(doc);
}

}  // namespace daub

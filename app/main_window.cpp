#include "app/main_window.h"

#include "app/canvas_tool_host.h"
#include "app/command_ids.h"
#include "app/document_opening.h"
#include "app/recent_files.h"
#include "platform/platform.h"
#include "platform/window_styles.h"

namespace daub {

const MessageEntry<TDaubWindow> TDaubWindow::kMessages[] = {
    {wm::kDestroy, &TDaubWindow::OnDestroy},
    {wm::kClose, &TDaubWindow::OnClose},
    {wm::kCommand, &TDaubWindow::OnCommand},
    {wm::kInitMenuPopup, &TDaubWindow::OnInitMenuPopup},
    {wm::kPaint, &TDaubWindow::OnPaint},
    {wm::kSize, &TDaubWindow::OnSize},
    {wm::kHScroll, &TDaubWindow::OnScroll},
    {wm::kVScroll, &TDaubWindow::OnScroll},
    {wm::kLButtonDown, &TDaubWindow::OnLeftButtonDown},
    {wm::kRButtonDown, &TDaubWindow::OnRightButtonDown},
    {wm::kMouseMove, &TDaubWindow::OnMouseMove},
    {wm::kLButtonUp, &TDaubWindow::OnLeftButtonUp},
    {wm::kRButtonUp, &TDaubWindow::OnRightButtonUp},
    {wm::kCaptureChanged, &TDaubWindow::OnCaptureChanged},
    {notify::kToolbox, &TDaubWindow::OnToolboxChanged},
    {notify::kColourBox, &TDaubWindow::OnColourBoxChanged},
    {notify::kMaskSwitch, &TDaubWindow::OnMaskSwitched},
    {notify::kLayerCommand, &TDaubWindow::OnLayerCommand},
    {notify::kLayerImageGone, &TDaubWindow::OnLayerImageGone},
    {notify::kCurveSettings, &TDaubWindow::OnCurveSettingsChanged},
    {wm::kDropFiles, &TDaubWindow::OnDropFiles},
    {wm::kMouseWheel, &TDaubWindow::OnMouseWheel},
};

TDaubWindow::TDaubWindow(Platform& platform, ConfigurationSystem& system)
    : Window(platform), satellites(platform), system_(system) {
    ReadSettings();
    BuildLayerStack(doc);
    LoadResources();
    RegisterClasses();
    CreateMainWindow();
    satellites.CreateWindows(GetPlatform(), Handle());
    MakeLayerImageWindow(ViewWnd::kFirstLeft);
    doc.layerImageVisible = 1;
    TakeSatelliteValues();
    satellites.toolbox.Create(Handle());
    satellites.palette.Create(Handle());
    satellites.curveSettingsDialog.settings = doc.curveSettings;
    satellites.curveSettingsDialog.Create(Handle());
    InitScrollBars();
    RebuildRecentMenus();
}

TDaubWindow::~TDaubWindow() {
    satellites.DestroyWindows();
}

// Keys go first: one nobody takes reaches the platform's default handling.
std::optional<std::intptr_t> TDaubWindow::HandleMessage(const Message& message) {
    if (message.id == wm::kKeyDown) return OnKeyDown(message);
    return RouteMessage<TDaubWindow>(*this, kMessages, message);
}

// The configuration decides the number of slots, so it is read before the stack is built.
void TDaubWindow::ReadSettings() {
    configuration = ReadConfiguration(system_);
    doc.workDirectory = configuration.workDirectory;
    doc.slotCount = configuration.slotCount;
    doc.undoDepth = configuration.undoDepth;
}

void TDaubWindow::LoadResources() {
    menu = GetPlatform().LoadMenuResource("mainmenu");
}

void TDaubWindow::RegisterClasses() {
    WindowClass main;
    main.name = kClassName;
    main.style = cs::kHRedraw | cs::kVRedraw;
    main.background = ClassBackground::Solid(kBackground);
    main.iconName = "DAUBICON";
    main.cursorResource = kCursor;
    GetPlatform().RegisterWindowClass(main);
    Satellites::RegisterClasses(GetPlatform());
}

void TDaubWindow::CreateMainWindow() {
    WindowSpec spec;
    spec.className = kClassName;
    spec.title = kTitle;
    spec.style = ws::kVisible | ws::kOverlappedWindow | ws::kHScroll | ws::kVScroll;
    spec.exStyle = ws_ex::kAcceptFiles;
    spec.width = 680;
    spec.height = 480;
    Create(spec);
    GetPlatform().SetWindowMenu(Handle(), menu);
    GetPlatform().UseAccelerators("DaubAccel", Handle());
}

void TDaubWindow::TakeSatelliteValues() {
    const ToolboxWindow& toolbox = satellites.toolbox;
    const PaletteWindow& palette = satellites.palette;
    doc.transparentColour = palette.transparentColour;
    Info().values.transparent = doc.transparentColour;
    doc.leftTool = doc.previousTool = toolbox.leftTool;
    doc.rightTool = toolbox.rightTool;
    doc.drawColour = palette.leftColour;
    doc.secondColour = palette.rightColour;
    doc.penWidth = toolbox.penWidth;
    doc.currentLayer = LayerStack::kFirstLayer;
    doc.lastLayer = 0;
}

// The lists as the configuration left them, less the files that are gone.
void TDaubWindow::RebuildRecentMenus() {
    configuration.recentBitmaps = ValidRecentEntries(configuration.recentBitmaps);
    configuration.recentLayerFiles = ValidRecentEntries(configuration.recentLayerFiles);
    RebuildRecentMenu(GetPlatform(), menu, RecentKind::Bitmaps, configuration.recentBitmaps);
    RebuildRecentMenu(GetPlatform(), menu, RecentKind::LayerFiles, configuration.recentLayerFiles);
}

// No document yet: both bars show, disabled, until a picture gives them a range.
void TDaubWindow::InitScrollBars() {
    ScrollInfo info;
    info.mask = sif::kRange | sif::kPage | sif::kPos | sif::kDisableNoScroll;
    info.max = 100;
    info.page = 200;
    GetPlatform().SetScrollBar(Handle(), sb::kVert, info, true);
    GetPlatform().SetScrollBar(Handle(), sb::kHorz, info, true);
}

std::intptr_t TDaubWindow::OnDropFiles(const Message& message) {
    const std::vector<std::string> paths =
        GetPlatform().DroppedFiles(static_cast<std::uintptr_t>(message.wParam));
    OpenDroppedFiles(*this, paths);
    return 0;
}

// The process lives as long as its main window.
std::intptr_t TDaubWindow::OnDestroy(const Message&) {
    GetPlatform().PostQuit(0);
    return 0;
}

void TDaubWindow::ShowColours() {
    satellites.palette.leftColour = doc.drawColour;
    satellites.palette.rightColour = doc.secondColour;
    GetPlatform().InvalidateWindow(satellites.toolbox.Handle());
    GetPlatform().InvalidateWindow(satellites.palette.Handle());
}

void TDaubWindow::ShowLeftTool() {
    satellites.toolbox.leftTool = doc.leftTool;
    GetPlatform().InvalidateWindow(satellites.toolbox.Handle());
}

// Closing asks before a changed picture is lost, then keeps the settings for the next start.
std::intptr_t TDaubWindow::OnClose(const Message&) {
    if (!AskToDiscard("画像が変更されています。終了してよろしいですか？", "確認")) return 0;
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

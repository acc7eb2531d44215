#include "app/main_window.h"

#include "platform/platform.h"
#include "platform/window_styles.h"

namespace daub {

const MessageEntry<TDaubWindow> TDaubWindow::kMessages[] = {
    {wm::kDestroy, &TDaubWindow::OnDestroy},
};

TDaubWindow::TDaubWindow(Platform& platform) : Window(platform) {
    BuildLayerStack(doc);
    RegisterClasses();
    CreateMainWindow();
    InitScrollBars();
}

std::optional<std::intptr_t> TDaubWindow::HandleMessage(const Message& message) {
    return RouteMessage<TDaubWindow>(*this, kMessages, message);
}

// The process lives as long as its main window.
std::intptr_t TDaubWindow::OnDestroy(const Message&) {
    GetPlatform().PostQuit(0);
    return 0;
}

void TDaubWindow::RegisterClasses() {
    WindowClass main;
    main.name = kClassName;
    main.style = cs::kHRedraw | cs::kVRedraw;
    main.background = ClassBackground::Solid(kBackground);
    main.iconName = "DAUBICON";
    main.cursorResource = kCursor;
    GetPlatform().RegisterWindowClass(main);
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

}  // namespace daub

#include "toolwindows/satellite_dialog.h"

#include "platform/platform.h"
#include "platform/window_styles.h"
#include "toolwindows/satellite_messages.h"

namespace daub {

SatelliteDialog::SatelliteDialog(Platform& platform, int templateId, unsigned notifyMessage)
    : Window(platform), templateId_(templateId), notifyMessage_(notifyMessage) {}

void SatelliteDialog::Create(WindowHandle mainWindow) {
    mainWindow_ = mainWindow;
    GetPlatform().CreateModelessDialog(*this, templateId_, mainWindow);
    Show();
}

void SatelliteDialog::Show() {
    GetPlatform().ShowNativeWindow(Handle(), sw::kShow);
}

void SatelliteDialog::Notify() {
    if (mainWindow_) GetPlatform().SendWindowMessage(mainWindow_, {notifyMessage_, 0, 0});
}

std::optional<std::intptr_t> SatelliteDialog::HandleMessage(const Message& message) {
    switch (message.id) {
        case wm::kInitDialog:
            closedMarker = 0;
            return 1;
        case wm::kClose:
            closedMarker = kClosedMarker;
            Notify();
            GetPlatform().ShowNativeWindow(Handle(), sw::kHide);
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace daub

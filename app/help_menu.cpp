// The help menu.
#include <string>

#include "app/app_name.h"
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace daub {

void AboutCommand(TDaubWindow& window) {
    const std::string text = std::string(kAppName) + " バージョン " + DAUBIX_VERSION_STRING;
    window.GetPlatform().ShowMessageBox(window.Handle(), text, kAppName,
                                        mb::kOk | mb::kIconInformation);
}

}  // namespace daub

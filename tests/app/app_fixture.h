#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/paint_app.h"
#include "platform/headless/headless_platform.h"
#include "platform/window_styles.h"
#include "tests/files/bmp_test_support.h"
#include "tests/support/installation.h"
#include "tests/support/program_resources.h"

namespace daub::test {

// The program started on the headless backend, in an installation of its own.
struct RunningApp {
    Installation installation;
    HeadlessKernel kernel;
    HeadlessPlatform platform{kernel, &ProgramResources()};
    PaintApp app{platform, installation.system, sw::kShow};

    // Starts with the configuration file's bytes in the start directory, when given.
    explicit RunningApp(const std::string& configuration = "") {
        if (!configuration.empty())
            WriteBytes(installation.StartFile(),
                       std::vector<std::uint8_t>(configuration.begin(), configuration.end()));
        EXPECT_TRUE(app.InitInstance());
    }

    TDaubWindow& Main() { return *app.MainWindow(); }
    DocumentState& Doc() { return Main().doc; }
    WindowHandle MainHandle() { return Main().Handle(); }
    const HeadlessWindow& Record(WindowHandle window) { return *platform.Find(window); }

    // The item as the user sees it once its popup (by position in the menu bar) has opened.
    MenuItemState Item(int popup, int id) {
        platform.OpenPopup(MainHandle(), popup);
        const auto item = platform.MenuItem(MainHandle(), id);
        EXPECT_TRUE(item.has_value()) << id;
        return item.value_or(MenuItemState{});
    }

    // New with the size the user types; OK.
    void New(const std::string& width = "640", const std::string& height = "400") {
        platform.dialogScript.push_back([=](HeadlessDialog& dialog) {
            dialog.Type(1001, width);
            dialog.Type(1002, height);
            dialog.PressOk();
        });
        platform.SendCommand(MainHandle(), 40042);
    }
};

}  // namespace daub::test

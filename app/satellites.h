#pragma once

#include <memory>

#include "app/info_window.h"
#include "platform/platform.h"
#include "toolwindows/curve_settings_dialog.h"
#include "toolwindows/layer_window.h"
#include "toolwindows/palette_window.h"
#include "toolwindows/toolbox_window.h"
#include "toolwindows/view_window.h"

namespace daub {

// The small windows around the main window. The three dialogs live as long as the main
// window; the information, layer and layer image windows are made on the heap, and the
// layer image window is made anew each time it is reopened.
struct Satellites {
    explicit Satellites(Platform& platform)
        : toolbox(platform), palette(platform), curveSettingsDialog(platform) {}

    static void RegisterClasses(Platform& platform);
    // The information and layer windows, owned by the main window.
    void CreateWindows(Platform& platform, WindowHandle mainWindow);
    // The satellites' windows go first: they report to the main window while destroyed.
    void DestroyWindows();

    ToolboxWindow toolbox;
    PaletteWindow palette;
    CurveSettingsDialog curveSettingsDialog;
    std::unique_ptr<DaubChild> infoWindow;
    std::unique_ptr<LayerWnd> layerWindow;
    std::unique_ptr<ViewWnd> viewWindow;
    // Whether the dialogs are shown, for the check marks of the view menu.
    bool toolboxShown = true;
    bool colourBoxShown = true;
    bool curveSettingsShown = true;
};

}  // namespace daub

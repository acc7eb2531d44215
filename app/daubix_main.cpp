#include "app/daubix_main.h"

#include "app/configuration.h"
#include "app/paint_app.h"
#include "platform/platform.h"

namespace daub {

int RunDaubix(Platform& platform, int showCommand) {
    StandardConfigurationSystem system(platform.ModulePath());
    PaintApp app(platform, system, showCommand);
    return app.Run();
}

}  // namespace daub

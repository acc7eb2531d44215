#include <gtest/gtest.h>

#include <functional>

#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;

constexpr int kVkNext = 0x22, kVkPrior = 0x21;

// The view image covers the whole client area, so repainting it never erases first (that
// would flicker on every pen move); only a zoom-out, which leaves grey where the picture
// was, erases.
TEST(MainWindowRepaint, ErasesTheBackgroundOnlyWhenAZoomOutShrinksThePicture) {
    const auto mouse = [](RunningApp& run, unsigned message, int x, int y) {
        run.platform.Send(run.MainHandle(), {message, 0, MakeLParam(x, y)});
    };
    const struct {
        const char* name;
        std::function<void(RunningApp&)> act;
        bool erases;
    } cases[] = {
        {"pen stroke",
         [&](RunningApp& run) {
             mouse(run, wm::kLButtonDown, 4, 4);
             mouse(run, wm::kMouseMove, 30, 20);
             mouse(run, wm::kLButtonUp, 30, 20);
         },
         false},
        {"zoom out", [](RunningApp& run) { run.platform.PressKey(run.MainHandle(), kVkPrior); },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunningApp run;
        run.New("64", "48");
        run.platform.PressKey(run.MainHandle(), kVkNext);  // zoom 2: there is a step back
        run.platform.PaintPending();
        const HeadlessWindow& main = run.Record(run.MainHandle());
        const int invalidations = main.invalidations;
        const int erasing = main.erasingInvalidations;

        c.act(run);

        EXPECT_GT(main.invalidations, invalidations);
        EXPECT_EQ(main.erasingInvalidations > erasing, c.erases);
    }
}

}  // namespace
}  // namespace daub

#pragma once

namespace daub {

class Platform;

// The program from start to end on the given platform: the configuration beside the
// executable the platform names, one PaintApp, its message loop. Gives the exit code.
int RunDaubix(Platform& platform, int showCommand);

}  // namespace daub

// Saving and opening a 4096 x 4096 picture as PNG through the headless backend's codec, the
// way the file commands do; BM_BmpWriteThenRead and BM_MemcpySlot in the same run compare.
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/platform_picture_formats.h"
#include "bench/bench_canvas.h"
#include "document/message_sink.h"
#include "files/picture_files.h"
#include "platform/headless/headless_platform.h"

namespace daub::bench {
namespace {

class SilentSink : public MessageSink {
  public:
    void Report(const std::string&, const std::string&, bool) override {}
};

// What the file commands hand the picture files: the headless platform's codec behind the
// formats, and a sink that keeps quiet.
struct PngFiles {
    Stack stack = MakeCanvas();
    HeadlessKernel kernel;
    HeadlessPlatform platform{kernel};
    PlatformPictureFormats formats{platform};
    SilentSink sink;
    std::string path = (std::filesystem::temp_directory_path() / "daubix-bench.png").string();

    bool Save() { return WritePictureFile(sink, formats, path, stack, Stack::kFirstLayer, 0); }
    ~PngFiles() { std::remove(path.c_str()); }
};

void BM_PngSave(benchmark::State& state) {
    PngFiles files;
    for (auto _ : state) {
        if (!files.Save()) {
            state.SkipWithError("the picture could not be saved");
            break;
        }
    }
    CountBytes(state, SlotBytes(files.stack));
}
BENCHMARK(BM_PngSave)->Unit(benchmark::kMillisecond);

void BM_PngOpen(benchmark::State& state) {
    PngFiles files;
    files.Save();
    for (auto _ : state) {
        auto picture = ReadPicture(files.sink, files.formats, files.path);
        if (!picture) {
            state.SkipWithError("the picture could not be opened");
            break;
        }
        benchmark::DoNotOptimize(picture->pixels.get());
    }
    CountBytes(state, SlotBytes(files.stack));
}
BENCHMARK(BM_PngOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub::bench

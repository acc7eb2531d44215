// Saving and reading a 4096 x 4096 picture, each against a plain write or read of the same
// bytes through a file in the same run.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_canvas.h"
#include "document/message_sink.h"
#include "files/bmp_reader.h"
#include "files/bmp_writer.h"

namespace daub::bench {
namespace {

class SilentSink : public MessageSink {
  public:
    void Report(const std::string&, const std::string&, bool) override {}
};

std::string BenchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void WritePlain(const std::string& path, const LayerStack& stack) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(stack.Bits(0)), SlotBytes(stack));
}

// What any file format must at least pay to put the bytes into a file.
void BM_PlainFileWrite(benchmark::State& state) {
    Stack stack = MakeCanvas();
    const std::string path = BenchFile("daubix-bench-plain-w.bin");
    for (auto _ : state)
        WritePlain(path, stack);
    std::remove(path.c_str());
    CountBytes(state, SlotBytes(stack));
}
BENCHMARK(BM_PlainFileWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// ... and to get them back into memory that is already there.
void BM_PlainFileRead(benchmark::State& state) {
    Stack stack = MakeCanvas();
    const std::string path = BenchFile("daubix-bench-plain-r.bin");
    WritePlain(path, stack);
    std::vector<char> back(static_cast<std::size_t>(SlotBytes(stack)));
    for (auto _ : state) {
        std::ifstream(path, std::ios::binary)
            .read(back.data(), static_cast<std::streamsize>(back.size()));
        benchmark::DoNotOptimize(back.data());
    }
    std::remove(path.c_str());
    CountBytes(state, SlotBytes(stack));
}
BENCHMARK(BM_PlainFileRead)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BmpWrite(benchmark::State& state) {
    Stack stack = MakeCanvas();
    SilentSink sink;
    const std::string path = BenchFile("daubix-bench-w.bmp");
    for (auto _ : state) {
        if (!WriteBitmapFile(sink, path, stack, Stack::kFirstLayer, 0)) {
            state.SkipWithError("the picture could not be saved");
            break;
        }
    }
    std::remove(path.c_str());
    CountBytes(state, SlotBytes(stack));
}
BENCHMARK(BM_BmpWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// Read again and again into a slot of the same size, as reopening a picture does.
void BM_BmpRead(benchmark::State& state) {
    Stack stack = MakeCanvas();
    SilentSink sink;
    const std::string path = BenchFile("daubix-bench-r.bmp");
    if (!WriteBitmapFile(sink, path, stack, Stack::kFirstLayer, 0)) state.SkipWithError("no file");
    for (auto _ : state) {
        if (!ReadBitmapFile(sink, stack, path, Stack::kRangeSlot, 4)) {
            state.SkipWithError("the picture could not be read");
            break;
        }
    }
    std::remove(path.c_str());
    CountBytes(state, SlotBytes(stack));
}
BENCHMARK(BM_BmpRead)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace daub::bench

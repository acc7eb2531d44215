// Saving and reading a 4096 x 4096 picture, against a plain copy of the same bytes through a
// file in the same run.
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

// Writes the bytes to a file and reads them back: what any file format must at least pay.
void BM_PlainFileRoundTrip(benchmark::State& state) {
    Stack stack = MakeCanvas();
    const std::string path = BenchFile("daubix-bench-plain.bin");
    const auto bytes = static_cast<std::size_t>(SlotBytes(stack));
    std::vector<char> back(bytes);
    for (auto _ : state) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(stack.Bits(0)), bytes);
        std::ifstream(path, std::ios::binary).read(back.data(), bytes);
        benchmark::DoNotOptimize(back.data());
    }
    std::remove(path.c_str());
    CountBytes(state, 2 * SlotBytes(stack));
}
BENCHMARK(BM_PlainFileRoundTrip)->Unit(benchmark::kMillisecond);

void BM_BmpWriteThenRead(benchmark::State& state) {
    Stack stack = MakeCanvas();
    SilentSink sink;
    const std::string path = BenchFile("daubix-bench.bmp");
    for (auto _ : state) {
        if (!WriteBitmapFile(sink, path, stack, Stack::kFirstLayer, 0) ||
            !ReadBitmapFile(sink, stack, path, Stack::kRangeSlot, 4)) {
            state.SkipWithError("the picture could not be saved or read");
            break;
        }
    }
    std::remove(path.c_str());
    CountBytes(state, 2 * SlotBytes(stack));
}
BENCHMARK(BM_BmpWriteThenRead)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub::bench

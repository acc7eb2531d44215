// A document through its files on 4096 x 4096: a picture opened as the document and saved,
// and a stack of 14 layers saved and opened again, beside a plain write and read of the same
// bytes in the same run.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_canvas.h"
#include "document/document_state.h"
#include "document/message_sink.h"
#include "files/bmp_reader.h"
#include "files/bmp_writer.h"
#include "files/layer_set_files.h"
#include "tools/slot_fill.h"

namespace daub::bench {
namespace {

constexpr int kLayers = 14;

class QuietSink : public MessageSink {
  public:
    void Report(const std::string&, const std::string&, bool) override {}
};

std::string TempFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// A document of the given layers, each a different grey.
DocumentState MakeDocument(int layers) {
    DocumentState doc;
    doc.slotCount = LayerStack::kFirstLayer + layers + 1;
    BuildLayerStack(doc);
    StartBlankDocument(doc, kSide, kSide, 0xFFFFFF);
    LayerStack& stack = *doc.layerStack;
    for (int k = 1; k < layers; ++k) {
        const int slot = LayerStack::kFirstLayer + k;
        stack.CreateSlotBitmap(slot);
        FillSlot(stack, 0x010101 * (k * 16), slot, 0);
        stack.visible[slot] = 1;
        doc.lastLayer = slot;
    }
    return doc;
}

// What any picture file costs at least: its bytes written to a file and read back.
void BM_PlainWriteAndRead(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    std::vector<char> bytes(static_cast<std::size_t>(RowStride(kSide)) * kSide, 7),
        back(bytes.size());
    const std::string path = TempFile("daubix-bench-plain.bin");
    for (auto _ : state) {
        for (int f = 0; f < files; ++f) {
            std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
            std::ifstream(path, std::ios::binary).read(back.data(), back.size());
            benchmark::DoNotOptimize(back.data());
        }
    }
    std::remove(path.c_str());
    CountBytes(state, 2 * files * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_PlainWriteAndRead)->Arg(1)->Arg(kLayers)->Unit(benchmark::kMillisecond)->UseRealTime();

// Open as the document (the picture read whole, every work slot made) and save it again.
void BM_OpenAndSaveBitmapDocument(benchmark::State& state) {
    DocumentState doc = MakeDocument(1);
    QuietSink sink;
    const std::string path = TempFile("daubix-bench-document.bmp");
    WriteBitmapFile(sink, path, *doc.layerStack, LayerStack::kDisplaySlot, 0);
    for (auto _ : state) {
        if (!StartDocumentWith(doc, ReadBitmapPicture(sink, *doc.layerStack, path)) ||
            !WriteBitmapFile(sink, path, *doc.layerStack, LayerStack::kDisplaySlot, 0)) {
            state.SkipWithError("the document could not be opened or saved");
            break;
        }
    }
    std::remove(path.c_str());
    CountBytes(state, 2 * SlotBytes(*doc.layerStack));
}
BENCHMARK(BM_OpenAndSaveBitmapDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SaveAndOpenLayerSet(benchmark::State& state) {
    DocumentState doc = MakeDocument(kLayers);
    QuietSink sink;
    const std::string path = TempFile("daubix-bench-stack.dbq");
    for (auto _ : state) {
        if (!SaveLayerSet(sink, path, *doc.layerStack, doc.lastLayer)) {
            state.SkipWithError("the layer set could not be saved");
            break;
        }
        std::optional<LayerSet> set = ReadLayerSet(sink, path, doc, "Daubix");
        if (!set || !AdoptLayerSet(doc, std::move(*set))) {
            state.SkipWithError("the layer set could not be opened");
            break;
        }
    }
    const std::string base = LayerFileBase(path);
    for (int k = 0; k < kLayers; ++k)
        std::remove(LayerPictureName(base, k).c_str());
    std::remove(path.c_str());
    CountBytes(state, 2 * kLayers * SlotBytes(*doc.layerStack));
}
BENCHMARK(BM_SaveAndOpenLayerSet)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace daub::bench

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/document_state.h"
#include "document/message_sink.h"

namespace daub {

// A layer stack kept as files: one BMP per layer, named after the layer definition file that
// lists them ("C:\work\pic.dbq" lists C:\work\pic[0].bmp, C:\work\pic[1].bmp, ...).

// The chosen path without its file name's extension: "C:\work\pic.dbq" gives "C:\work\pic",
// "C:\my.dir\pic" stays whole.
std::string LayerFileBase(const std::string& definitionPath);

// The picture of layer k (0 = bottom): "%s[%d].bmp" with the base and k.
std::string LayerPictureName(const std::string& base, int k);

// Writes the layers from the first layer slot to lastLayer, bottom first, each as a 24-bit BMP
// beside the definition file (every file through a temporary one), and then the definition
// file. A failure shows "保存に失敗しました。" (caption "error") once, writes no definition
// file and returns false: a definition file is only ever written naming pictures that were.
bool SaveLayerSet(MessageSink& messages, const std::string& definitionPath, const LayerStack& stack,
                  int lastLayer);

// How many layers a stack of this many slots takes: slots 5 ... N - 2, and none added beyond
// the first once N reaches 100.
int LayerCapacity(int slotCount);

// The pictures of a definition file, read and not yet the document's.
struct LayerSet {
    std::string fileName;  // the bottom picture's path: the document's new file name
    // Bottom first. The bottom picture has its own size, which becomes the canvas; the others
    // are canvas-sized already: cut at its edges, or padded with the transparent colour.
    std::vector<std::unique_ptr<SlotBitmap>> layers;
    // The memory of the work slots a new document makes, held until AdoptLayerSet hands it over.
    std::vector<std::unique_ptr<SlotBitmap>> reserve;
};

// Reads the definition file and every picture it lists into a LayerSet, touching nothing of
// the document. Each listed line is read in turn until the first number of pictures have been
// read: the first readable one is the bottom layer and decides the canvas size; a line naming
// a missing or unreadable file costs the reader's message and is skipped. A listed path that
// does not exist is looked for under the same file name in the definition file's own folder
// (a folder moved or copied whole). Lines beyond LayerCapacity(doc.slotCount) are skipped after
// one "レイヤーの数は最大です。" under limitCaption (the application's name).
// Nothing is returned, and the document stays as it is, when the definition file cannot be read
// ("ファイルの読み込みに失敗しました。", caption "エラー"), when no picture could be read, or
// when the memory for the layers runs out ("メモリが足りないため読み込めません。").
std::optional<LayerSet> ReadLayerSet(MessageSink& messages, const std::string& definitionPath,
                                     const DocumentState& doc, const std::string& limitCaption);

// Makes the set the document: every layer visible, the bottom one edited, the display slot
// composited, not modified, fileName set. The caller repaints the layer list and the view.
// False, leaving no document, only when the work slots cannot be had after all.
bool AdoptLayerSet(DocumentState& doc, LayerSet set);

}  // namespace daub

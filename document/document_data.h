#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// The picture itself: the slots and layers, their undo counters, and where it is kept.
struct DocumentData {
    int slotCount = 20;
    std::unique_ptr<LayerStack> layerStack;
    BitmapHandle documentBitmap = nullptr;  // null: no document yet
    BitmapHandle compositeBitmap = nullptr;
    int currentLayer = LayerStack::kFirstLayer;
    int lastLayer = 0;
    std::vector<int> layerIds;
    std::vector<int> undoPosition;
    std::vector<int> undoTop;
    int undoDepth = 20;
    // Per undo id, the snapshot number each ring file was last written with (undo_history.h).
    std::vector<std::vector<int>> undoRingFiles;
    int modified = 0;
    std::string fileName = "notitle.bmp";
    std::string workDirectory;
    COLORREF transparentColour = kTransparentColour;

    bool HasDocument() const { return documentBitmap != nullptr; }
};

}  // namespace daub

#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "document/colour.h"
#include "document/layer_stack.h"
#include "document/tool_kind.h"

namespace daub {

// The multi-step operation in progress.
namespace pending {
inline constexpr int kNone = 0;
inline constexpr int kRangeDragged = 1;
inline constexpr int kRangeSelected = 2;
inline constexpr int kRangeFloating = 3;
inline constexpr int kLineDragged = 20;
inline constexpr int kEllipseDragged = 30;
inline constexpr int kRectangleDragged = 40;
}  // namespace pending

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct CurveSettings {
    int values[4] = {10, 10, 0, 0};
    double reals[2] = {0.0, 0.0};
    int last = 2;
};

// Everything the main window keeps about the one document, as plain fields.
struct DocumentState {
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
    float zoom = 1.0f;
    float previousZoom = 1.0f;
    int scrollX = 0;
    int scrollY = 0;
    int zoomedWidth = 0;
    int zoomedHeight = 0;
    int zoomAnchored = 0;
    int pendingOp = pending::kNone;
    Point lastPoint;
    Point pressPoint;
    Point rangeEndPoint;
    Rect selection;
    Point grabOffset;
    int leftDragging = 0;
    int rightDragging = 0;
    int guideLine = 0;
    int layerImageVisible = 1;
    ToolKind leftTool = ToolKind::Pen;
    ToolKind rightTool = ToolKind::ColourPicker;
    ToolKind previousTool = ToolKind::Pen;
    int penWidth = 1;
    COLORREF drawColour = 0x000000;
    COLORREF secondColour = 0xFFFFFF;
    COLORREF transparentColour = kTransparentColour;
    COLORREF maskColour = 0;
    int brushKernelSize = 65;
    int sprayKind = 0;
    int spraySize = 4;
    int sprayStrength = 4;
    CurveSettings curveSettings;
    int curvePointCount = 0;

    bool HasDocument() const { return documentBitmap != nullptr; }
};

// Builds the stack with slotCount slots and sizes the per-slot arrays (undo counters at 0,
// each slot holding its own index as layer id).
void BuildLayerStack(DocumentState& doc);

// Turns the image already in the display slot (format entry 0) into a fresh one-layer
// document: work slots, layer 5, zoom 1, empty undo history, not modified. Telling the layer
// window and repainting is the window's part. Returns false, leaving no document, when a
// slot cannot be made.
bool StartDocument(DocumentState& doc);

// The smallest undo id that no layer holds, with its counters reset.
int AllocateLayerId(DocumentState& doc);

}  // namespace daub

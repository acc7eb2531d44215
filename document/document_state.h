#pragma once

#include "document/document_data.h"
#include "document/drag_state.h"
#include "document/geometry.h"
#include "document/pending_operation.h"
#include "document/range_state.h"
#include "document/tool_settings.h"
#include "document/view_state.h"

namespace daub {

// Everything the main window keeps about the one document, by concern. Routines take the
// whole state or only the part they need.
struct DocumentState : DocumentData, ViewState, RangeState, ToolSettings, DragState {};

// Builds the stack with slotCount slots and sizes the per-slot arrays (undo counters at 0,
// each slot holding its own index as layer id).
void BuildLayerStack(DocumentState& doc);

// Turns the image already in the display slot (format entry 0) into a fresh one-layer
// document: work slots, layer 5, zoom 1, empty undo history, not modified. Telling the layer
// window and repainting is the window's part. Returns false, leaving no document, when a
// slot cannot be made.
bool StartDocument(DocumentState& doc);

// The picture becomes a new document of one layer, the canvas taking its size. Every slot
// is made before any is replaced: false, with the document as it was, when one cannot be had.
bool StartDocumentWith(DocumentState& doc, std::unique_ptr<SlotBitmap> picture);

// A new document of one layer, width x height, filled with colour. Every slot is made
// before any is replaced: false, with the document as it was, when one cannot be had.
bool StartBlankDocument(DocumentState& doc, int width, int height, COLORREF colour);

// The smallest undo id that no layer holds, with its counters reset.
int AllocateLayerId(DocumentState& doc);

}  // namespace daub

#pragma once

#include <array>
#include <optional>

#include "document/document_state.h"

namespace daub {

// What the layer window knows of the layers: one row per layer, row r standing for slot
// firstLayer + r, row 0 the bottom layer.
struct LayerList {
    static constexpr int kMaxRows = 100;

    std::array<int, kMaxRows> marks{};  // 1 when the row's layer is shown in the composite
    int selectedRow = 0;                // the edited layer
    int swapTargetRow = 0;              // the row the selected one was dragged onto
    int lastRow = -1;                   // -1 while there is no document
};

// Where the list lies in the client area: "表面" above the rows, each row a visibility cell
// left of nameLeft and a name cell up to windowWidth, all moved by the scroll offsets.
struct LayerListGeometry {
    int listTop = 20;
    int rowHeight = 20;
    int nameLeft = 40;
    int windowWidth = 150;
    int horizontalOffset = 0;
    int verticalOffset = 0;
};

enum class ListCell { kNone, kVisibility, kName };

// The row under client y, when it is one of the list's. The band above row 0 counts as row 0,
// as the quotient is truncated toward zero.
std::optional<int> RowAt(const LayerList& list, const LayerListGeometry& geometry, int y);

// Which cell of a row lies under client x: none left of the visibility cell (x 0 included)
// and none right of the name cell.
ListCell CellAt(const LayerListGeometry& geometry, int x);

// The rows as the document has them: one per layer, the edited one selected, each marked when
// its layer is shown. No rows without a document.
void MirrorDocument(LayerList& list, const DocumentState& doc);

// What the layer window asks of the main window.
enum class LayerCommandKind { kNone, kAdd, kDelete, kVisibility, kSelect, kExchange, kDrop };

struct LayerCommand {
    LayerCommandKind kind = LayerCommandKind::kNone;
    int row = 0;  // the row clicked, for kVisibility and kSelect

    bool operator==(const LayerCommand&) const = default;
};

}  // namespace daub

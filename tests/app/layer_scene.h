#pragma once

#include <optional>
#include <string>

#include "document/slot_view.h"
#include "tests/app/app_fixture.h"

namespace daub::test {

// The program with the user's hand on the layer window. Rows are clicked in their middle:
// the visibility cell at x 20, the name cell at x 80.
struct LayerScene {
    RunningApp run;
    LayerWnd& window = *run.Main().satellites.layerWindow;

    explicit LayerScene(const std::string& configuration = "") : run(configuration) {}

    static int RowY(int row) { return 30 + 20 * row; }
    void Send(unsigned message, int x, int y) {
        run.platform.Send(window.Handle(), {message, 0, MakeLParam(x, y)});
    }
    void Click(int x, int y) {
        Send(wm::kLButtonDown, x, y);
        Send(wm::kLButtonUp, x, y);
    }
    void ToggleRow(int row) { Click(20, RowY(row)); }
    void SelectRow(int row) { Click(80, RowY(row)); }
    // Drags a row's name onto another's and answers the exchange question.
    void Drag(int from, int to, int answer) {
        run.platform.answers.push_back(answer);
        Send(wm::kLButtonDown, 80, RowY(from));
        Send(wm::kLButtonUp, 80, RowY(to));
    }
    // Chooses the popup menu's item, answering the question it asks, if any.
    void Menu(int item, std::optional<int> answer = std::nullopt) {
        run.platform.popupAnswers.push_back(item);
        if (answer) run.platform.answers.push_back(*answer);
        Send(wm::kRButtonDown, 10, 10);
    }
    void AddLayers(int count) {
        for (int i = 0; i < count; ++i)
            Menu(LayerWnd::kNewLayerItem);
    }
    void Drop(const std::string& path) { run.platform.DropFiles(window.Handle(), {path}); }
    int Layers() { return run.Doc().lastLayer - LayerStack::kFirstLayer + 1; }
    int Shown(int row) { return run.Doc().layerStack->visible[LayerStack::kFirstLayer + row]; }
    // Row -1 is the display slot.
    BitmapHandle Row(int row) {
        return run.Doc().layerStack->Bitmap(row < 0 ? 0 : LayerStack::kFirstLayer + row);
    }
    COLORREF Pixel(int row, int x, int y) {
        const BitmapHandle b = Row(row);
        return LoadPixel(&b->pixels[LayerStack::PixelOffset(b->stride, b->height, x, y)]);
    }
    std::string LastMessage() {
        const auto& boxes = run.platform.MessageBoxes();
        return boxes.empty() ? "" : boxes.back().text + " / " + boxes.back().caption;
    }
};

}  // namespace daub::test

#pragma once

namespace daub {

// How the picture is shown: zoom, scroll position and the overlays the user turned on.
struct ViewState {
    float zoom = 1.0f;
    int scrollX = 0;
    int scrollY = 0;
    int zoomedWidth = 0;
    int zoomedHeight = 0;
    int zoomAnchored = 0;
    int guideLine = 0;
    int layerImageVisible = 1;
};

}  // namespace daub

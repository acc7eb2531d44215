#pragma once

#include <cstdint>
#include <string>

#include "platform/device_context.h"
#include "toolwindows/layer_list.h"

namespace daub {

inline constexpr std::uint32_t kListBackground = 0xFFFFFF;
inline constexpr std::uint32_t kSelectedNameCell = 0x00FF00;
inline constexpr std::uint32_t kShownVisibilityCell = 0x0000FF;  // red

// The name a row shows: "レイヤー" and its number right-aligned in two places.
std::string LayerRowName(int row);

// Paints the list on a client area of this size: white, "表面" at the top, then one row per
// layer, bottom layer first, the selected one with a green name cell, each shown one with a
// red visibility cell. The texts take a 16-pixel Japanese font.
void DrawLayerList(DeviceContext& context, const LayerList& list, const LayerListGeometry& geometry,
                   int clientWidth, int clientHeight);

}  // namespace daub

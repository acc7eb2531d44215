#pragma once

// Every pixel primitive of the layer stack, for callers that use several.
#include "tools/brush_dab.h"
#include "tools/colour_mask.h"
#include "tools/draw_ellipse.h"
#include "tools/draw_line.h"
#include "tools/flood_fill.h"
#include "tools/mirror_slot.h"
#include "tools/slot_copy.h"
#include "tools/slot_fill.h"
#include "tools/stamp_block.h"

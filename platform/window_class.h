#pragma once

#include <cstdint>
#include <string>

#include "platform/handles.h"
#include "platform/window_styles.h"

namespace daub {

// What a window class paints its background with: a solid colour (0x00BBGGRR) or one of
// the system colours (a COLOR_* index).
struct ClassBackground {
    bool systemColour = false;
    std::uint32_t value = 0;

    static ClassBackground Solid(std::uint32_t colour) { return {false, colour}; }
    static ClassBackground System(int index) { return {true, static_cast<std::uint32_t>(index)}; }
    bool operator==(const ClassBackground&) const = default;
};

// The system colour index of window backgrounds (COLOR_WINDOW).
inline constexpr int kColourWindow = 5;

struct WindowClass {
    std::string name;
    std::uint32_t style = 0;
    ClassBackground background;
    std::string iconName;    // resource name of the executable; empty: no icon
    int cursorResource = 0;  // resource id of the executable; 0 or missing: the system arrow
};

// A class of the small windows around a main window: redrawn whole when resized, on the
// system's window colour, with its own cursor.
inline WindowClass ToolWindowClass(const std::string& name, int cursorResource) {
    WindowClass c;
    c.name = name;
    c.style = cs::kHRedraw | cs::kVRedraw;
    c.background = ClassBackground::System(kColourWindow);
    c.cursorResource = cursorResource;
    return c;
}

// Everything CreateWindowEx is told, apart from the window object itself.
struct WindowSpec {
    std::string className;
    WindowHandle parent;  // owner or parent window; null for a top-level window
    std::string title;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

}  // namespace daub

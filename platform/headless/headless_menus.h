#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/headless/resource_script.h"

namespace daub {

struct MenuItemState {
    int id = 0;  // 0 for a separator
    std::string text;
    bool enabled = true;
    bool checked = false;
    bool separator = false;
    MenuHandle submenu;  // set when the item opens a submenu
};

// One step on the way from a menu to an item: the menu and the item's position in it.
struct MenuPosition {
    MenuHandle menu;
    int position = 0;
};

// The menus of one process as trees in memory, each menu and submenu under its own handle.
class HeadlessMenus {
  public:
    MenuHandle Create();
    // Builds the template's tree; every popup gets a handle of its own.
    MenuHandle Load(const MenuTemplate& menuTemplate);
    // Destroys the menu and, as Windows does, every submenu it holds.
    void Destroy(MenuHandle menu);

    bool Exists(MenuHandle menu) const { return menus_.count(menu.value) != 0; }
    int Count(MenuHandle menu) const;  // -1 for no such menu
    const MenuItemState* Item(MenuHandle menu, int position) const;
    MenuItemState* Item(MenuHandle menu, int position);

    bool DeleteAt(MenuHandle menu, int position);
    bool Append(MenuHandle menu, const MenuItemState& item);

    // The way to the first item with the command, depth first in menu order as Windows
    // searches: the popups from the menu down, the item's own position last. Empty when no
    // item has the command.
    std::vector<MenuPosition> PathTo(MenuHandle menu, int command) const;
    MenuItemState* FindCommand(MenuHandle menu, int command);

  private:
    void AddItems(MenuHandle menu, const std::vector<MenuTemplateItem>& items);

    std::map<std::uintptr_t, std::vector<MenuItemState>> menus_;
    // Menu handles count from their own base, so that one mixed up with a window handle
    // finds nothing.
    std::uintptr_t next_ = 0x1000;
};

}  // namespace daub

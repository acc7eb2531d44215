#include "platform/headless/headless_menus.h"

#include <utility>

namespace daub {

MenuHandle HeadlessMenus::Create() {
    const MenuHandle menu{next_++};
    menus_[menu.value];
    return menu;
}

MenuHandle HeadlessMenus::Load(const MenuTemplate& menuTemplate) {
    const MenuHandle menu = Create();
    AddItems(menu, menuTemplate.items);
    return menu;
}

void HeadlessMenus::AddItems(MenuHandle menu, const std::vector<MenuTemplateItem>& items) {
    for (const MenuTemplateItem& source : items) {
        MenuItemState item;
        item.text = source.text;
        item.separator = source.separator;
        item.checked = source.checked;
        item.enabled = !source.grayed && !source.inactive;
        if (source.popup) {
            item.submenu = Create();
            AddItems(item.submenu, source.items);
        } else if (!source.separator) {
            item.id = source.id;
        }
        menus_[menu.value].push_back(item);
    }
}

void HeadlessMenus::Destroy(MenuHandle menu) {
    const auto it = menus_.find(menu.value);
    if (it == menus_.end()) return;
    const std::vector<MenuItemState> items = std::move(it->second);
    menus_.erase(it);
    for (const MenuItemState& item : items) {
        if (item.submenu) Destroy(item.submenu);
    }
}

int HeadlessMenus::Count(MenuHandle menu) const {
    const auto it = menus_.find(menu.value);
    return it == menus_.end() ? -1 : static_cast<int>(it->second.size());
}

const MenuItemState* HeadlessMenus::Item(MenuHandle menu, int position) const {
    const auto it = menus_.find(menu.value);
    if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
        return nullptr;
    }
    return &it->second[position];
}

MenuItemState* HeadlessMenus::Item(MenuHandle menu, int position) {
    return const_cast<MenuItemState*>(std::as_const(*this).Item(menu, position));
}

bool HeadlessMenus::DeleteAt(MenuHandle menu, int position) {
    const MenuItemState* item = Item(menu, position);
    if (!item) return false;
    const MenuHandle submenu = item->submenu;
    std::vector<MenuItemState>& items = menus_[menu.value];
    items.erase(items.begin() + position);
    if (submenu) Destroy(submenu);
    return true;
}

bool HeadlessMenus::Append(MenuHandle menu, const MenuItemState& item) {
    const auto it = menus_.find(menu.value);
    if (it == menus_.end()) return false;
    it->second.push_back(item);
    return true;
}

std::vector<MenuPosition> HeadlessMenus::PathTo(MenuHandle menu, int command) const {
    const auto it = menus_.find(menu.value);
    if (it == menus_.end()) return {};
    for (int position = 0; position < static_cast<int>(it->second.size()); ++position) {
        const MenuItemState& item = it->second[position];
        if (item.submenu) {
            std::vector<MenuPosition> inner = PathTo(item.submenu, command);
            if (!inner.empty()) {
                inner.insert(inner.begin(), {menu, position});
                return inner;
            }
        } else if (!item.separator && item.id == command) {
            return {{menu, position}};
        }
    }
    return {};
}

MenuItemState* HeadlessMenus::FindCommand(MenuHandle menu, int command) {
    const std::vector<MenuPosition> path = PathTo(menu, command);
    return path.empty() ? nullptr : Item(path.back().menu, path.back().position);
}

}  // namespace daub

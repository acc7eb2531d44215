// The menu and keyboard side of the headless platform: menus, accelerators, and the user
// opening menus, choosing items and pressing keys.
#include "platform/headless/headless_platform.h"

namespace daub {
namespace {

constexpr std::uintptr_t kFromAccelerator = 1u << 16;

}  // namespace

MenuHandle HeadlessPlatform::LoadMenuResource(const std::string& name) {
    const MenuTemplate* menuTemplate = resources_ ? resources_->Menu(name) : nullptr;
    return menuTemplate ? menus_.Load(*menuTemplate) : MenuHandle{};
}

void HeadlessPlatform::SetWindowMenu(WindowHandle window, MenuHandle menu) {
    if (HeadlessWindow* record = Live(window)) record->menu = menu;
}

MenuHandle HeadlessPlatform::WindowMenu(WindowHandle window) {
    const HeadlessWindow* record = Live(window);
    return record ? record->menu : MenuHandle{};
}

MenuHandle HeadlessPlatform::SubMenu(MenuHandle menu, int position) {
    const MenuItemState* item = menus_.Item(menu, position);
    return item ? item->submenu : MenuHandle{};
}

int HeadlessPlatform::MenuItemCount(MenuHandle menu) {
    return menus_.Count(menu);
}

int HeadlessPlatform::MenuItemId(MenuHandle menu, int position) {
    const MenuItemState* item = menus_.Item(menu, position);
    if (!item || item->submenu) return -1;
    return item->id;
}

void HeadlessPlatform::DeleteMenuItemAt(MenuHandle menu, int position) {
    menus_.DeleteAt(menu, position);
}

void HeadlessPlatform::AppendMenuItem(MenuHandle menu, int id, const std::string& text,
                                      bool enabled) {
    MenuItemState item;
    item.id = id;
    item.text = text;
    item.enabled = enabled;
    menus_.Append(menu, item);
}

void HeadlessPlatform::CheckMenuItem(MenuHandle menu, int id, bool checked) {
    if (MenuItemState* item = menus_.FindCommand(menu, id)) item->checked = checked;
}

void HeadlessPlatform::EnableMenuItem(MenuHandle menu, int id, bool enabled) {
    if (MenuItemState* item = menus_.FindCommand(menu, id)) item->enabled = enabled;
}

MenuHandle HeadlessPlatform::MakePopupMenu() {
    return menus_.Create();
}

void HeadlessPlatform::DestroyPopupMenu(MenuHandle menu) {
    menus_.Destroy(menu);
}

int HeadlessPlatform::TrackPopupMenu(MenuHandle menu, WindowHandle owner, int screenX,
                                     int screenY) {
    RecordedPopupMenu popup{menu, owner, screenX, screenY, {}, 0};
    for (int position = 0; position < menus_.Count(menu); ++position)
        popup.items.push_back(*menus_.Item(menu, position));
    int wanted = 0;
    if (!popupAnswers.empty()) {
        wanted = popupAnswers.front();
        popupAnswers.pop_front();
    }
    const MenuItemState* item = wanted != 0 ? menus_.FindCommand(menu, wanted) : nullptr;
    if (item && item->enabled && Live(owner)) popup.answer = wanted;
    popupMenus_.push_back(popup);
    return popup.answer;
}

void HeadlessPlatform::UseAccelerators(const std::string& tableName, WindowHandle target) {
    const AcceleratorTable* table = resources_ ? resources_->Accelerators(tableName) : nullptr;
    if (table && Live(target)) accelerators_[target.value] = table;
}

std::optional<MenuItemState> HeadlessPlatform::MenuItem(WindowHandle window, int id) const {
    const HeadlessWindow* record = Live(window);
    if (!record) return std::nullopt;
    const std::vector<MenuPosition> path = menus_.PathTo(record->menu, id);
    if (path.empty()) return std::nullopt;
    return *menus_.Item(path.back().menu, path.back().position);
}

// wParam is the popup about to open, lParam's low word its position in the menu above it.
void HeadlessPlatform::SendInitMenuPopup(WindowHandle window, const MenuPosition& step) {
    const MenuHandle popup = SubMenu(step.menu, step.position);
    Send(window, {wm::kInitMenuPopup, popup.value, MakeLParam(step.position, 0)});
}

MenuHandle HeadlessPlatform::OpenPopup(WindowHandle window, int popupIndex) {
    const MenuHandle bar = WindowMenu(window);
    const MenuHandle popup = SubMenu(bar, popupIndex);
    if (popup) SendInitMenuPopup(window, {bar, popupIndex});
    return popup;
}

bool HeadlessPlatform::ChooseMenuItem(WindowHandle window, int id) {
    const std::vector<MenuPosition> path = menus_.PathTo(WindowMenu(window), id);
    if (path.empty()) return false;
    for (std::size_t i = 0; i + 1 < path.size(); ++i)
        SendInitMenuPopup(window, path[i]);
    const MenuItemState* item = menus_.Item(path.back().menu, path.back().position);
    if (!item || item->id != id || !item->enabled) return false;
    SendCommand(window, id);
    return true;
}

std::intptr_t HeadlessPlatform::SendCommand(WindowHandle window, int id) {
    return Send(window, {wm::kCommand, static_cast<std::uintptr_t>(id) & 0xFFFF, 0});
}

KeyOutcome HeadlessPlatform::PressKey(WindowHandle window, int virtualKey, bool ctrl, bool shift) {
    for (WindowHandle target = window; Live(target); target = Live(target)->spec.parent) {
        const auto table = accelerators_.find(target.value);
        if (table == accelerators_.end()) continue;
        for (const Accelerator& entry : table->second->entries) {
            if (entry.virtualKey && entry.key == virtualKey && entry.control == ctrl &&
                entry.shift == shift && !entry.alt) {
                return TranslateAccelerator(target, entry.command);
            }
        }
    }
    Send(window, {wm::kKeyDown, static_cast<std::uintptr_t>(virtualKey), 1});
    return KeyOutcome::kKeyDown;
}

// Only the popup that holds the item is updated, as Windows does for an accelerator.
KeyOutcome HeadlessPlatform::TranslateAccelerator(WindowHandle target, int command) {
    const std::vector<MenuPosition> path = menus_.PathTo(WindowMenu(target), command);
    if (!path.empty()) {
        if (path.size() >= 2 && !capture_) SendInitMenuPopup(target, path[path.size() - 2]);
        const MenuItemState* item = menus_.Item(path.back().menu, path.back().position);
        if (item && item->id == command && !item->enabled) return KeyOutcome::kSuppressed;
    }
    Send(target,
         {wm::kCommand, kFromAccelerator | (static_cast<std::uintptr_t>(command) & 0xFFFF), 0});
    return KeyOutcome::kCommand;
}

}  // namespace daub

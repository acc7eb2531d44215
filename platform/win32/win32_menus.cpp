#include "platform/win32/wide_text.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_platform.h"

namespace daub {

MenuHandle Win32Platform::LoadMenuResource(const std::string& name) {
    return FromHmenu(LoadMenuW(instance_, Widen(name).c_str()));
}

// The window owns the menu from now on and destroys it with itself.
void Win32Platform::SetWindowMenu(WindowHandle window, MenuHandle menu) {
    SetMenu(ToHwnd(window), ToHmenu(menu));
}

MenuHandle Win32Platform::WindowMenu(WindowHandle window) {
    return FromHmenu(GetMenu(ToHwnd(window)));
}

MenuHandle Win32Platform::SubMenu(MenuHandle menu, int position) {
    return FromHmenu(GetSubMenu(ToHmenu(menu), position));
}

int Win32Platform::MenuItemCount(MenuHandle menu) {
    return GetMenuItemCount(ToHmenu(menu));
}

// GetMenuItemID's 0xFFFFFFFF (a submenu, or no item there) reads as -1.
int Win32Platform::MenuItemId(MenuHandle menu, int position) {
    return static_cast<int>(GetMenuItemID(ToHmenu(menu), position));
}

// A submenu there is destroyed with its item.
void Win32Platform::DeleteMenuItemAt(MenuHandle menu, int position) {
    DeleteMenu(ToHmenu(menu), static_cast<UINT>(position), MF_BYPOSITION);
}

void Win32Platform::AppendMenuItem(MenuHandle menu, int id, const std::string& text, bool enabled) {
    AppendMenuW(ToHmenu(menu), MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED),
                static_cast<UINT_PTR>(id), Widen(text).c_str());
}

void Win32Platform::CheckMenuItem(MenuHandle menu, int id, bool checked) {
    ::CheckMenuItem(ToHmenu(menu), static_cast<UINT>(id),
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Platform::EnableMenuItem(MenuHandle menu, int id, bool enabled) {
    ::EnableMenuItem(ToHmenu(menu), static_cast<UINT>(id),
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

MenuHandle Win32Platform::MakePopupMenu() {
    return FromHmenu(::CreatePopupMenu());
}

void Win32Platform::DestroyPopupMenu(MenuHandle menu) {
    if (menu) ::DestroyMenu(ToHmenu(menu));
}

// TPM_RETURNCMD hands the choice back instead of posting WM_COMMAND to the owner.
int Win32Platform::TrackPopupMenu(MenuHandle menu, WindowHandle owner, int screenX, int screenY) {
    return static_cast<int>(::TrackPopupMenu(ToHmenu(menu),
                                             TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                                             screenX, screenY, 0, ToHwnd(owner), nullptr));
}

}  // namespace daub

// Menus built from the MenuDef tables. Every item has a command id derived
// from its place in the table, so an id leads back to its row without a scan.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/layout.h"

namespace tagwright::win32 {

// Ids of menu items: kFirstMenuId + menu index * kMenuIdStride + item index.
constexpr UINT kFirstMenuId = 40000;
constexpr UINT kMenuIdStride = 100;

UINT menuItemId(std::size_t menuIndex, std::size_t itemIndex);
// The row of a menu item id of `window`'s menu bar; nullptr for other ids.
const MenuItemDef* findMenuItem(const WindowDef& window, UINT id);
// The index of the top-level menu with `role`; -1 when there is none.
int menuIndexOf(const WindowDef& window, MenuRole role);

// A menu bar with the top-level menus whose `hidden` entry is false (a
// missing entry counts as shown). The caller owns the menu.
HMENU buildMenuBar(const WindowDef& window, const std::vector<bool>& hidden);
// The items of one top-level menu as a popup menu. The caller owns it.
HMENU buildPopupMenu(const WindowDef& window, std::size_t menuIndex);

}  // namespace tagwright::win32

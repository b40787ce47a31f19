#include "ui/win32/menu_bar.h"

#include <stdexcept>

#include "ui/win32/text_convert.h"

namespace tagwright::win32 {

UINT menuItemId(std::size_t menuIndex, std::size_t itemIndex) {
  return kFirstMenuId + static_cast<UINT>(menuIndex * kMenuIdStride + itemIndex);
}

const MenuItemDef* findMenuItem(const WindowDef& window, UINT id) {
  if (id < kFirstMenuId) return nullptr;
  const std::size_t menuIndex = (id - kFirstMenuId) / kMenuIdStride;
  const std::size_t itemIndex = (id - kFirstMenuId) % kMenuIdStride;
  if (menuIndex >= window.menuCount) return nullptr;
  const MenuDef& menu = window.menus[menuIndex];
  if (itemIndex >= menu.itemCount || menu.items[itemIndex].text == nullptr) return nullptr;
  return &menu.items[itemIndex];
}

int menuIndexOf(const WindowDef& window, MenuRole role) {
  for (std::size_t i = 0; i < window.menuCount; ++i) {
    if (window.menus[i].role == role) return static_cast<int>(i);
  }
  return -1;
}

HMENU buildPopupMenu(const WindowDef& window, std::size_t menuIndex) {
  const MenuDef& menu = window.menus[menuIndex];
  if (menu.itemCount >= kMenuIdStride) throw std::logic_error("too many items in one menu");
  HMENU popup = CreatePopupMenu();
  if (popup == nullptr) throw std::runtime_error("CreatePopupMenu failed");
  for (std::size_t i = 0; i < menu.itemCount; ++i) {
    const MenuItemDef& item = menu.items[i];
    if (item.text == nullptr) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(popup, MF_STRING, menuItemId(menuIndex, i), toWide(item.text).c_str());
    }
  }
  return popup;
}

HMENU buildMenuBar(const WindowDef& window, const std::vector<bool>& hidden) {
  HMENU bar = CreateMenu();
  if (bar == nullptr) throw std::runtime_error("CreateMenu failed");
  try {
    for (std::size_t i = 0; i < window.menuCount; ++i) {
      if (i < hidden.size() && hidden[i]) continue;
      HMENU popup = buildPopupMenu(window, i);
      // The bar owns the popup from here on and destroys it with itself.
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                  toWide(window.menus[i].text).c_str());
    }
  } catch (...) {
    DestroyMenu(bar);
    throw;
  }
  return bar;
}

}  // namespace tagwright::win32

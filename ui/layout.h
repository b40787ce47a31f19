// The static make-up of both windows and the menu bar, as constant tables.
// Places and sizes are pixels at 96 DPI, relative to the container's client
// area. Both backends build their windows from these tables alone.
#pragma once

#include <cstddef>

#include "ui/roles.h"

namespace tagwright {

enum class ControlKind {
  tabControl,    // items: the page captions
  groupBox,      // text: caption ("" shows the bare frame)
  label,         // one line, left-aligned, vertically centred
  edit,          // one-line edit box
  outputEdit,    // multi-line, wrapping, vertical scroll bar, Enter breaks lines
  readOnlyEdit,  // one-line, magenta text, selectable, not editable
  comboBox,      // editable drop-down list; text: start text of the edit part
  radioButton,   // exclusive within its container
  pushButton,
  picture,
  hyperlink,  // text: caption; address: what a left press opens
  webView,    // address: start address
};

enum class ControlEvent { none, click, textChanged, itemSelected };

enum class Colour { standard, red, magenta, blue, darkRed };

enum class ImageId { none, preview1, preview2, preview3, preview4, preview5, banner };

enum ControlFlag : unsigned {
  flagNone = 0,
  flagChecked = 1u << 0,      // radio button checked at start
  flagSunken = 1u << 1,       // edit box with a sunken frame
  flagNoCaption = 1u << 2,    // radio button whose caption is not shown
  flagStretched = 1u << 3,    // picture scaled to fill its box
  flagNaturalSize = 1u << 4,  // picture at actual size at the top-left
};

struct ControlDef {
  ControlKind kind;
  const char* name;       // control name ("单选框8", "标签1"); nullptr when it has only a role
  Role role;              // Role::none when it has none
  const char* container;  // control name of the container; nullptr: the window itself
  int page;  // tab page (0..6) of a control on 选择夹1, in a group box or not; else -1
  int x, y, width, height;
  const char* text;          // start text or caption; "" when empty (and for flagNoCaption radios)
  const char* const* items;  // list items or tab captions
  std::size_t itemCount;
  Colour colour;
  unsigned flags;
  ControlEvent event;
  ImageId image;
  const char* address;  // hyperlink / web view address, else nullptr
};

enum class MenuCommand {
  none,  // an item without an action
  show,
  hide,
  close,
  exitProgram,
  copyright,
  feedback,
  upgrade,
  website,
  blog,
  chatGroup,
};

struct MenuItemDef {
  const char* text;  // nullptr: a separator line
  MenuCommand command;
};

struct MenuDef {
  const char* text;  // the chat-group menu reads "<group name>.<group number>"
  MenuRole role;
  const MenuItemDef* items;
  std::size_t itemCount;
};

enum WindowFlag : unsigned {
  windowMinimizeBox = 1u << 0,
  windowTaskbarButton = 1u << 1,
};

struct WindowDef {
  WindowId id;
  const char* name;  // "MainWindow", "CopyrightWindow"
  const char* title;
  int width, height;  // outer size
  unsigned flags;
  const ControlDef* controls;  // in creation order: each container before its children
  std::size_t controlCount;
  const MenuDef* menus;  // menu bar, in order; nullptr when none
  std::size_t menuCount;
};

const WindowDef& mainWindowLayout();
const WindowDef& copyrightWindowLayout();

// The address a menu command opens; nullptr for commands that open none.
const char* menuAddress(MenuCommand command);

}  // namespace tagwright

// Creates one child control from its layout row: the window class and styles
// follow from the row's kind (a table in the .cpp), the rest from the row.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/layout.h"

namespace tagwright::win32 {

// The dropped list of a drop-down reaches this far below the control's top.
constexpr int kDroppedListHeight96 = 160;

struct ControlContext {
  HINSTANCE instance;
  HWND parent;
  int id;
  RECT rect;  // in the parent's client coordinates, already scaled
  UINT dpi;
  // False: the control starts hidden (the contents of a tab page that is not
  // selected).
  bool visible;
  // Opens a web address (hyperlink label, web view fallback).
  std::function<void(const std::wstring&)> openAddress;
};

// The new control, or nullptr when the system refuses to create it.
HWND createControl(const ControlDef& row, const ControlContext& context);

// True for kinds whose children send their notifications to them rather than
// to the window (group boxes and the tab control).
bool isContainerKind(ControlKind kind);

// Fills a combo box's list and start text, selects a tab page and similar
// settings that need messages after creation. Sends no notifications.
void applyStartContent(const ControlDef& row, HWND control);

}  // namespace tagwright::win32

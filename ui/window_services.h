// What the handlers ask of the desktop. Texts are GBK. Every operation runs on
// the GUI thread and has finished when it returns.
#pragma once

#include "core/text.h"
#include "ui/roles.h"

namespace tagwright {

enum class IconId { program };

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // Controls.
  virtual Text readText(Role edit) = 0;
  // Replaces the text; the box's text-changed event runs once, nested, before
  // this returns, also when the text is unchanged.
  virtual void writeText(Role edit, const Text& text) = 0;
  virtual bool isChecked(Role radio) = 0;
  // 0-based, -1 when none.
  virtual int selectedIndex(Role list) = 0;

  // Windows and menus.
  virtual void setWindowVisible(WindowId window, bool visible) = 0;
  virtual void setMenuVisible(MenuRole menu, bool visible) = 0;
  // Modal; the chosen item's command runs afterwards, from the message queue.
  virtual void popupMenu(WindowId window, MenuRole menu) = 0;
  virtual void openWindow(WindowId window) = 0;
  virtual void showTrayIcon(WindowId window, IconId icon, const Text& tip) = 0;

  // Desktop.
  // Empties the clipboard and puts `text` as CF_TEXT. False when the clipboard
  // cannot be opened or memory runs out.
  virtual bool copyToClipboard(const Text& text) = 0;
  // Modal OK-only box titled "信息：".
  virtual void showMessage(const Text& text) = 0;
  virtual void openAddress(const Text& url) = 0;
  // Runs the exit clean-up, then ends the process at once with exit code 0
  // (the headless backend records the end instead).
  virtual void endProgram() = 0;
};

}  // namespace tagwright

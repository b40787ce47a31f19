// The in-memory desktop: WindowServices for the program, plus the user's
// actions on it and what a test may look at. It follows the event model of
// the real backend: no events while a window is built, writeText raises the
// box's text-changed event once and nested, a pick raises item-selected,
// typing into a list's edit part raises nothing, and modal calls (message box,
// popup menu) are recorded and return at once.
#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "ui/headless/headless_window.h"
#include "ui/program.h"
#include "ui/window_services.h"

namespace tagwright::headless {

// A user action that cannot be done: unknown control, wrong kind of control,
// a window that is hidden or closed, an index out of range.
class ActionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class MainState { visible, hidden, closed };

class HeadlessDesktop final : public WindowServices {
 public:
  HeadlessDesktop();

  // Starts the program as wWinMain does: the exit clean-up is registered,
  // MainWindow is built without events, the created handler runs, the window
  // is shown.
  void start(Program& program);

  // The user's actions. Names are role names or control names (GBK);
  // CopyrightWindow's controls are written "CopyrightWindow.<name>". An action
  // on a control of an unselected tab page selects that page first.
  void type(std::string_view name, const Text& text);
  void pick(std::string_view name, long index);
  void editList(std::string_view name, const Text& text);
  void click(std::string_view name);
  void selectTab(long index);
  void trayEvent(long code);
  void chooseMenu(const Text& itemText);
  void pressEsc();
  void pressEnter();
  void close(WindowId window);
  void setClipboardBusy(bool busy) { clipboardBusy_ = busy; }

  // What is on the desktop; the lookups change nothing.
  const ControlState& control(std::string_view name) const;  // throws ActionError
  const std::optional<Text>& clipboard() const { return clipboard_; }
  std::vector<Text> takeMessages();
  std::vector<Text> takeAddresses();
  MainState mainState() const { return mainState_; }
  bool copyrightOpen() const { return copyrightOpen_; }
  bool trayShown() const { return trayShown_; }
  const Text& trayTip() const { return trayTip_; }
  std::vector<Text> menuBar() const;  // top-level menus the menu bar shows, in order
  int popupCount() const { return popups_; }
  bool ended() const { return ended_; }
  int exitCode() const { return exitCode_; }
  int cleanupRuns() const { return cleanupRuns_; }
  // The window keys go to; none when no window of the program is open and visible.
  std::optional<WindowId> activeWindow() const;

  // WindowServices.
  Text readText(Role edit) override;
  void writeText(Role edit, const Text& text) override;
  bool isChecked(Role radio) override;
  int selectedIndex(Role list) override;
  void setWindowVisible(WindowId window, bool visible) override;
  void setMenuVisible(MenuRole menu, bool visible) override;
  void popupMenu(WindowId window, MenuRole menu) override;
  void openWindow(WindowId window) override;
  void showTrayIcon(WindowId window, IconId icon, const Text& tip) override;
  bool copyToClipboard(const Text& text) override;
  void showMessage(const Text& text) override;
  void openAddress(const Text& url) override;
  void endProgram() override;

 private:
  struct Located {
    WindowId window;
    ControlState* control;
  };
  Located locate(std::string_view name);
  // Finds a control the user can act on, selecting its page and activating
  // its window; throws when the name, the kind or the window does not fit.
  ControlState& reach(std::string_view name, std::initializer_list<ControlKind> kinds,
                      const char* kindName);
  void requireRunning() const;
  bool isOpenAndVisible(WindowId window) const;
  void activate(WindowId window);
  void raise(const ControlState& control, ControlEvent event);
  void destroyMainWindow();
  void closeCopyrightWindow();
  // The message loop ends when no window of the program is left.
  void endIfNoWindowLeft();
  void runExitCleanup();

  Program* program_ = nullptr;
  HeadlessWindow main_;
  HeadlessWindow copyright_;
  MainState mainState_ = MainState::closed;
  bool copyrightOpen_ = false;
  bool trayShown_ = false;
  Text trayTip_;
  std::vector<bool> menuHidden_;
  int popups_ = 0;
  std::optional<Text> clipboard_;
  bool clipboardBusy_ = false;
  std::vector<Text> messages_;
  std::vector<Text> addresses_;
  std::vector<WindowId> activation_;  // most recently activated last
  bool cleanupRegistered_ = false;
  bool ended_ = false;
  int exitCode_ = 0;
  int cleanupRuns_ = 0;
};

}  // namespace tagwright::headless
